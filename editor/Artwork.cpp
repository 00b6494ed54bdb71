/*
    Loading and drawing rules shared by every picture of the editor.
*/
#include "Artwork.h"

namespace Artwork
{
juce::Image decode (const char* data, int size)
{
    if (data == nullptr || size <= 0)
        return {};
    return juce::ImageCache::getFromMemory (data, size);
}

juce::Image halved (const juce::Image& image)
{
    if (!image.isValid())
        return {};
    return image.rescaled (image.getWidth() / 2, image.getHeight() / 2, juce::Graphics::highResamplingQuality);
}

juce::Image loadHalved (const char* data, int size)
{
    return halved (decode (data, size));
}

juce::Rectangle<int> centredQuarter (const juce::Image& image, int width, int height, float scale)
{
    // A null image reports 0 x 0.
    const auto w = (int)(scale * (float)(image.getWidth() / 2));
    const auto h = (int)(scale * (float)(image.getHeight() / 2));
    return { width / 2 - w / 2, height / 2 - h / 2, w, h };
}

void drawWithin (juce::Graphics& g, const juce::Image& image, juce::Rectangle<int> box)
{
    g.drawImageWithin (image, box.getX(), box.getY(), box.getWidth(), box.getHeight(), juce::RectanglePlacement::fillDestination);
}

void drawCentredQuarter (juce::Graphics& g, const juce::Image& image, int width, int height, float scale)
{
    drawWithin (g, image, centredQuarter (image, width, height, scale));
}

juce::Rectangle<int> anchoredQuarter (const juce::Image& image, float anchorX, float anchorY, float scale)
{
    const auto size = centredQuarter (image, 0, 0, scale);
    const auto w = size.getWidth();
    const auto h = size.getHeight();
    // The halves are integers; the subtraction is done in floating point.
    return { (int)(anchorX * scale - (float)(w / 2)), (int)(anchorY * scale - (float)(h / 2)), w, h };
}

void drawAnchoredQuarter (juce::Graphics& g, const juce::Image& image, float anchorX, float anchorY, float scale)
{
    drawWithin (g, image, anchoredQuarter (image, anchorX, anchorY, scale));
}
} // namespace Artwork
