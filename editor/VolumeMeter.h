/*
    The true-peak level meter: four bars (input left and right, output left and
    right) painted as panel-coloured masks over the strips of the input/output
    segment, and a red read-out per pair that holds the highest level above 0 dBTP
    until it is clicked. It polls the processor on a timer that slows down while
    the input is quiet.
*/
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

class BrenvoAudioProcessor;

class VolumeMeter : public juce::Component, public juce::Timer
{
public:
    explicit VolumeMeter (BrenvoAudioProcessor* processorToRead);

    void paint (juce::Graphics& g) override;
    /** Copies the processor's levels, requests a repaint and applies the rate rule. */
    void timerCallback() override;

    /** Fills the mask of the bar at x from the top of its strip down to offset. */
    void drawMask (juce::Graphics& g, float x, float offset);

    /** The read-out's text for a held peak: one decimal and " dB". */
    static juce::String peakText (float peak);

    static constexpr float floorLevel = -60.0f;
    static constexpr float quietThreshold = -50.0f;
    static constexpr int quietTicksBeforeSlowRate = 45;
    static constexpr int fastPeriodMs = 50;
    static constexpr int slowPeriodMs = 333;
    static constexpr float largestFallPerTick = 1.5f;
    static constexpr std::array<float, 4> barX { 26.0f, 32.0f, 103.0f, 109.0f };

    struct Level
    {
        float previousLevel = floorLevel;
        float currentLevel = floorLevel;
    };

    juce::ImageButton inputPeakButton;
    juce::ImageButton outputPeakButton;
    std::array<Level, 4> levels;
    std::array<float, 4> lastShownLevels { floorLevel, floorLevel, floorLevel, floorLevel };
    float inputPeak = floorLevel;
    float outputPeak = floorLevel;
    int quietTicks = 0;
    std::array<float, 4> shownLevels { floorLevel, floorLevel, floorLevel, floorLevel };
    int fastRate = 0;
    BrenvoAudioProcessor* processor = nullptr;
    float scale = 1.0f;

private:
    /** The processor's latest readings, one per bar; fewer than four when the
        processor measures fewer channels. */
    int readLevels (std::array<float, 4>& readings) const;
    void applyRateRule();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VolumeMeter)
};
