/*
    Tests of the editor's pictures and of the rules that load and draw them.
*/
#include "editor/Artwork.h"
#include "EditorTestSupport.h"

#include <BinaryData.h>
#include <gtest/gtest.h>

namespace
{
struct StoredPicture
{
    const char* name;
    const char* data;
    int size;
    int width;
    int height;
    bool rectangular; // fills its whole picture (no transparent corners)
};

void PrintTo (const StoredPicture& picture, std::ostream* os)
{
    *os << picture.name;
}

#define PICTURE(name, resource, w, h, rectangular)                                                                               \
    StoredPicture                                                                                                                \
    {                                                                                                                            \
        name, BinaryData::resource, BinaryData::resource##Size, w, h, rectangular                                                \
    }

const StoredPicture pictures[] = {
    PICTURE ("background", temp_binary_data_66, 2892, 1932, true),
    PICTURE ("faderThumb", temp_binary_data_13, 226, 226, false),
    PICTURE ("meterStrip", temp_binary_data_12, 16, 1226, false),
    PICTURE ("linkOn", temp_binary_data_16, 146, 196, false),
    PICTURE ("linkOff", temp_binary_data_15, 130, 180, false),
    PICTURE ("widthRing", temp_binary_data_58, 1084, 1084, false),
    PICTURE ("widthKnob", temp_binary_data_61, 817, 817, false),
    PICTURE ("eqArc", temp_binary_data_2, 2420, 2372, false),
    PICTURE ("eqOn", temp_binary_data_6, 290, 290, false),
    PICTURE ("eqOff", temp_binary_data_5, 258, 258, false),
    PICTURE ("bypassOverlay", temp_binary_data_52, 2880, 1920, true),
    PICTURE ("bypassButton", temp_binary_data_51, 312, 146, false),
    PICTURE ("bypassPressed", temp_binary_data_50, 220, 54, false),
    PICTURE ("infoPanel", temp_binary_data_7, 1078, 720, false),
    PICTURE ("infoButton", temp_binary_data_8, 715, 123, false),
    PICTURE ("infoHover", temp_binary_data_9, 731, 139, false),
    PICTURE ("presetButton", temp_binary_data_57, 312, 146, false),
    PICTURE ("presetPressed", temp_binary_data_56, 220, 54, false),
};

class EveryPicture : public ::testing::TestWithParam<StoredPicture>
{
};

TEST_P (EveryPicture, DecodesAtItsStoredSizeWithAlpha)
{
    const auto& picture = GetParam();
    const auto image = Artwork::decode (picture.data, picture.size);
    ASSERT_TRUE (image.isValid());
    EXPECT_EQ (image.getWidth(), picture.width);
    EXPECT_EQ (image.getHeight(), picture.height);
    EXPECT_TRUE (image.hasAlphaChannel());
}

TEST_P (EveryPicture, LoadsHalvedWithIntegerHalves)
{
    const auto& picture = GetParam();
    const auto image = Artwork::loadHalved (picture.data, picture.size);
    EXPECT_EQ (image.getWidth(), picture.width / 2);
    EXPECT_EQ (image.getHeight(), picture.height / 2);
}

std::vector<StoredPicture> faces()
{
    std::vector<StoredPicture> result;
    std::copy_if (std::begin (pictures), std::end (pictures), std::back_inserter (result),
                  [] (const auto& picture) { return !picture.rectangular; });
    return result;
}

class EveryFace : public ::testing::TestWithParam<StoredPicture>
{
};

TEST_P (EveryFace, IsTransparentInItsCorners)
{
    const auto& picture = GetParam();
    const auto image = Artwork::decode (picture.data, picture.size);
    for (const auto& corner : { juce::Point<int> (0, 0), { image.getWidth() - 1, 0 }, { 0, image.getHeight() - 1 } })
        EXPECT_LT (image.getPixelAt (corner.x, corner.y).getAlpha(), 16) << corner.toString();
}

const auto pictureName = [] (const auto& info) { return std::string (info.param.name); };
INSTANTIATE_TEST_SUITE_P (Artwork, EveryPicture, ::testing::ValuesIn (pictures), pictureName);
INSTANTIATE_TEST_SUITE_P (Artwork, EveryFace, ::testing::ValuesIn (faces()), pictureName);

TEST (Artwork, MissingResourceGivesNullPictureOfNoSize)
{
    const auto image = Artwork::loadHalved (nullptr, 0);
    EXPECT_FALSE (image.isValid());
    EXPECT_TRUE (Artwork::centredQuarter (image, 35, 47, 1.0f).isEmpty());
}

TEST (Artwork, NullPictureDrawsNothing)
{
    juce::Image canvas (juce::Image::ARGB, 40, 40, true);
    {
        juce::Graphics g (canvas);
        g.fillAll (juce::Colours::black);
        Artwork::drawCentredQuarter (g, {}, 40, 40, 1.0f);
        Artwork::drawWithin (g, {}, { 0, 0, 40, 40 });
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ (canvas.getPixelAt (x, y).getARGB(), juce::Colours::black.getARGB());
}

TEST (Artwork, LinkFacesAreCentredWithIntegerHalves)
{
    const auto on = Artwork::loadHalved (BinaryData::temp_binary_data_16, BinaryData::temp_binary_data_16Size);
    const auto off = Artwork::loadHalved (BinaryData::temp_binary_data_15, BinaryData::temp_binary_data_15Size);
    EXPECT_EQ (Artwork::centredQuarter (on, 35, 47, 1.0f), juce::Rectangle<int> (-1, -1, 36, 49));
    EXPECT_EQ (Artwork::centredQuarter (off, 35, 47, 1.0f), juce::Rectangle<int> (1, 1, 32, 45));
}

TEST (Artwork, OddSizesLoseAPixelAtEachHalving)
{
    const auto knob = Artwork::loadHalved (BinaryData::temp_binary_data_61, BinaryData::temp_binary_data_61Size);
    const auto info = Artwork::loadHalved (BinaryData::temp_binary_data_8, BinaryData::temp_binary_data_8Size);
    EXPECT_EQ (Artwork::centredQuarter (knob, 204, 204, 1.0f).getWidth(), 204);
    EXPECT_EQ (Artwork::centredQuarter (info, 190, 30, 1.0f), juce::Rectangle<int> (6, 0, 178, 30));
}

// The value masks paint the panel colour, so the background must show exactly that
// colour wherever a mask can lie: on the meter strips, the width ring and the EQ arc.
TEST (Artwork, BackgroundIsPanelColourUnderEveryMask)
{
    const auto background = Artwork::loadHalved (BinaryData::temp_binary_data_66, BinaryData::temp_binary_data_66Size);
    juce::Image window (juce::Image::ARGB, 720, 480, true);
    {
        juce::Graphics g (window);
        Artwork::drawWithin (g, background, { 0, 0, 720, 480 });
    }

    std::vector<juce::Point<int>> maskPoints;
    for (const auto x : { 38 + 27, 38 + 33, 38 + 104, 38 + 110 })
        for (int y = 57 + 42; y < 57 + 348; y += 20)
            maskPoints.push_back ({ x, y });
    for (float angle = 3.8f; angle < 8.8f; angle += 0.25f)
        maskPoints.push_back (
            juce::Point<float> (360.5f + 112.0f * std::sin (angle), 238.5f - 112.0f * std::cos (angle)).toInt());
    for (float angle = 1.1f; angle < 2.0f; angle += 0.1f)
        maskPoints.push_back (
            juce::Point<float> (358.2f + 275.0f * std::sin (angle), 240.0f - 275.0f * std::cos (angle)).toInt());

    const juce::Colour panel (0xffdee4ed);
    for (const auto& p : maskPoints)
    {
        const auto pixel = window.getPixelAt (p.x, p.y);
        EXPECT_NEAR (pixel.getRed(), panel.getRed(), 2) << p.toString();
        EXPECT_NEAR (pixel.getGreen(), panel.getGreen(), 2) << p.toString();
        EXPECT_NEAR (pixel.getBlue(), panel.getBlue(), 2) << p.toString();
    }
}
} // namespace
