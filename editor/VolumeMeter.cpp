/*
    The true-peak level meter.
*/
#include "VolumeMeter.h"

#include "NumberText.h"
#include "PluginProcessor.h"

VolumeMeter::VolumeMeter (BrenvoAudioProcessor* processorToRead)
    : inputPeakButton (juce::String()), outputPeakButton (juce::String()), processor (processorToRead)
{
    addAndMakeVisible (inputPeakButton);
    addAndMakeVisible (outputPeakButton);
    // The read-out goes at the next repaint, at the latest the next tick's.
    inputPeakButton.onClick = [this] { inputPeak = floorLevel; };
    outputPeakButton.onClick = [this] { outputPeak = floorLevel; };
    startTimer (slowPeriodMs);
}

int VolumeMeter::readLevels (std::array<float, 4>& readings) const
{
    std::array<float, 4> copy {};
    const auto count = processor->copyTruePeakLevels (copy);

    if (count == 2)
    {
        // One channel: its input and output level each drive both bars of their pair.
        readings = { copy[0], copy[0], copy[1], copy[1] };
        return 4;
    }
    readings = copy;
    return (int)count;
}

void VolumeMeter::timerCallback()
{
    if (processor != nullptr)
    {
        std::array<float, 4> readings {};
        const auto n = readLevels (readings);

        lastShownLevels = shownLevels;
        for (auto& level : levels)
            level.previousLevel = level.currentLevel;

        for (int i = 0; i < n; ++i)
        {
            const auto v = readings[(size_t)i];
            auto& peak = i < 2 ? inputPeak : outputPeak;
            peak = std::max (v, peak);
            levels[(size_t)i].currentLevel = v > 0.0f ? 0.0f : std::max (floorLevel, v);
        }

        for (size_t i = 0; i < shownLevels.size(); ++i)
            shownLevels[i] = std::max (levels[i].currentLevel, std::max (levels[i].previousLevel, floorLevel));
    }

    repaint();
    applyRateRule();
}

void VolumeMeter::applyRateRule()
{
    // Reads the previous tick's input-left reading, so the rate follows one tick late.
    if (levels[0].previousLevel < quietThreshold)
    {
        quietTicks = std::min (quietTicks + 1, quietTicksBeforeSlowRate);
        if (quietTicks == quietTicksBeforeSlowRate && fastRate == 1)
        {
            fastRate = 0;
            startTimer (slowPeriodMs);
        }
        else if (quietTicks < quietTicksBeforeSlowRate && fastRate == 0)
        {
            fastRate = 1;
            startTimer (fastPeriodMs);
        }
    }
    else
    {
        quietTicks = 0;
        if (fastRate == 0)
        {
            fastRate = 1;
            startTimer (fastPeriodMs);
        }
    }
}

juce::String VolumeMeter::peakText (float peak)
{
    return NumberText::withDecimals (peak, 1) + " dB";
}

void VolumeMeter::paint (juce::Graphics& g)
{
    g.setFont (13.0f * scale);
    g.setColour (juce::Colours::red);
    const auto readOutWidth = (float)(int)(69.0f * scale);
    const auto readOutHeight = (float)(int)(23.0f * scale);
    if (inputPeak > 0.0f)
        g.drawText (peakText (inputPeak), juce::Rectangle<float> ((float)(int)(-4.0f * scale), 0.0f, readOutWidth, readOutHeight),
                    juce::Justification::centred, true);
    if (outputPeak > 0.0f)
        g.drawText (peakText (outputPeak),
                    juce::Rectangle<float> ((float)(int)(73.0f * scale), 0.0f, readOutWidth, readOutHeight),
                    juce::Justification::centred, true);

    for (size_t i = 0; i < barX.size(); ++i)
    {
        // A bar rises at once but falls by at most 1.5 dB per tick; the value is stored
        // back, so repeated paints within one tick agree.
        if (shownLevels[i] <= lastShownLevels[i] && lastShownLevels[i] - shownLevels[i] >= largestFallPerTick)
            shownLevels[i] = lastShownLevels[i] - largestFallPerTick;

        const auto offset = shownLevels[i] * -309.0f / 60.0f;
        drawMask (g, barX[i], offset);
    }
}

void VolumeMeter::drawMask (juce::Graphics& g, float x, float offset)
{
    const auto s = scale;
    const auto halfPi = juce::MathConstants<float>::halfPi;
    juce::Path mask;
    // Rounded top of the mask, then down its right edge, then a hollow bottom edge so
    // that the visible bar beneath gets a rounded top.
    mask.addCentredArc ((x + 2.0f) * s, 41.0f * s, 2.0f * s, 2.0f * s, 0.0f, -halfPi, halfPi, true);
    mask.lineTo ((x + 4.0f) * s, (offset + 40.0f) * s);
    mask.addCentredArc ((x + 2.0f) * s, (offset + 40.0f) * s, 2.0f * s, 2.0f * s, 0.0f, halfPi, -halfPi, false);
    mask.closeSubPath();
    g.setColour (juce::Colour (0xffdee4ed));
    g.fillPath (mask);
}
