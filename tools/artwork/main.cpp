/*
    The artwork generator: draws the editor's eighteen pictures with JUCE's
    Graphics in DejaVu Sans (Debian's fonts-dejavu-core) and writes them as PNG
    into the folder given on the command line (resources/artwork in the repository).

        duveline_artwork <output folder>
*/
#include "Pictures.h"

#include <juce_events/juce_events.h>

#include <iostream>

namespace
{
juce::Image render (const Picture& picture)
{
    juce::Image image (juce::Image::ARGB, picture.width, picture.height, true, juce::SoftwareImageType());
    juce::Graphics g (image);
    g.addTransform (picture.unitsToPixels);
    const auto units =
        juce::Rectangle<float> ((float)picture.width, (float)picture.height).transformedBy (picture.unitsToPixels.inverted());
    picture.paint (g, units);
    return image;
}

bool write (const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    juce::FileOutputStream stream (file);
    return stream.openedOk() && juce::PNGImageFormat().writeImageToStream (image, stream);
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: duveline_artwork <output folder>" << std::endl;
        return 2;
    }
    const juce::ScopedJuceInitialiser_GUI juce;
    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    folder.createDirectory();

    for (const auto& picture : allPictures())
    {
        const auto file = folder.getChildFile (picture.fileName);
        if (!write (render (picture), file))
        {
            std::cerr << "Cannot write " << file.getFullPathName() << std::endl;
            return 1;
        }
        std::cout << picture.fileName << " " << picture.width << " x " << picture.height << std::endl;
    }
    return 0;
}
