/*
    The table of the editor's pictures: file, stored size, drawing units and painter.
*/
#include "Pictures.h"
#include "EditorLayout.h"

namespace
{
/** Control faces: four stored pixels per drawn pixel. */
const auto quarter = juce::AffineTransform::scale (4.0f);
} // namespace

std::vector<Picture> allPictures()
{
    using namespace EditorLayout;
    // The background is halved to 1446 x 966 and scaled to cover 720 x 480, which
    // makes it 481 high, centred: half a pixel above the window's top edge.
    const auto background =
        juce::AffineTransform::translation (0.0f, (966.0f * 720.0f / 1446.0f - 480.0f) * 0.5f).scaled (2892.0f / 720.0f);
    const auto arc = juce::AffineTransform::translation (-arcPictureX, -arcPictureY).scaled (4.0f);

    return {
        { "eq_arc.png", 2420, 2372, arc, paintEqArc },                     // temp_binary_data_2
        { "eq_switch_off.png", 258, 258, quarter, paintEqOff },            // temp_binary_data_5
        { "eq_switch_on.png", 290, 290, quarter, paintEqOn },              // temp_binary_data_6
        { "info_panel.png", 1078, 720, quarter, paintInfoPanel },          // temp_binary_data_7
        { "info_button.png", 715, 123, quarter, paintInfoButton },         // temp_binary_data_8
        { "info_button_hover.png", 731, 139, quarter, paintInfoHover },    // temp_binary_data_9
        { "meter_strip.png", 16, 1226, quarter, paintMeterStrip },         // temp_binary_data_12
        { "fader_thumb.png", 226, 226, quarter, paintFaderThumb },         // temp_binary_data_13
        { "link_off.png", 130, 180, quarter, paintLinkOff },               // temp_binary_data_15
        { "link_on.png", 146, 196, quarter, paintLinkOn },                 // temp_binary_data_16
        { "bypass_pressed.png", 220, 54, quarter, paintBypassPressed },    // temp_binary_data_50
        { "bypass_button.png", 312, 146, quarter, paintBypassButton },     // temp_binary_data_51
        { "bypass_overlay.png", 2880, 1920, quarter, paintBypassOverlay }, // temp_binary_data_52
        { "preset_pressed.png", 220, 54, quarter, paintPresetPressed },    // temp_binary_data_56
        { "preset_button.png", 312, 146, quarter, paintPresetButton },     // temp_binary_data_57
        { "width_ring.png", 1084, 1084, quarter, paintWidthRing },         // temp_binary_data_58
        { "width_knob.png", 817, 817, quarter, paintWidthKnob },           // temp_binary_data_61
        { "background.png", 2892, 1932, background, paintBackground },     // temp_binary_data_66
    };
}
