/*
    duveline-measure: prints every figure of the widening, measured through the
    real processor: transparency, width, width EQ, distortion, stability and
    the presets. Optional argument: the sections to run (transparency, width,
    eq, distortion, stability, presets); all of them by default.
*/
#include "Measurements.h"
#include "PluginProcessor.h"
#include "editor/PresetTable.h"

#include <cstdio>
#include <set>
#include <string>

namespace
{
using measure::Controls;

const double hostRates[] = { 44100.0, 48000.0, 88200.0, 96000.0, 176400.0, 192000.0 };
const float widths[] = { -15.0f, -10.0f, -5.0f, 0.0f, 5.0f, 10.0f, 15.0f };

struct EqSetting
{
    const char* name;
    bool on;
    float value;
};
const EqSetting eqSettings[] = {
    { "off", false, 3.0f }, { "1", true, 1.0f }, { "2", true, 2.0f }, { "3", true, 3.0f }, { "4", true, 4.0f }
};

void transparency()
{
    std::printf ("\nTransparency at Width 0, EQ on at 3, 0 dB gains (L->L and R->R, largest |dB| from 20 Hz)\n");
    std::printf ("  host Hz   to 10 kHz  to 16 kHz  to 20 kHz  at 1 kHz  cross-feed  delay\n");
    for (double rate : hostRates)
    {
        const auto t = measure::measureTransparency (rate);
        std::printf ("  %7.0f   %7.3f dB %7.3f dB %7.3f dB %+7.3f dB %7.1f dB %6.3f ms\n", rate, t.deviationTo10k,
                     t.deviationTo16k, t.deviationTo20k, t.offsetAt1k, t.crossFeedDb, t.delayMs);
    }
    std::printf ("  targets: 44.1/48 kHz 0.15 / 0.5 / 1.5 dB; 88.2/96/192 kHz 0.3 dB to 20 kHz; cross-feed -90 dB; delay 0.5 ms "
                 "at 44.1/48 kHz\n");
}

void width (double rate)
{
    std::printf ("\nWidth at %.0f Hz on partly correlated pink noise: change of side/mid energy ratio (mid level change)\n",
                 rate);
    std::printf ("  EQ    ");
    for (float w : widths)
        std::printf ("  Width %+5.0f   ", static_cast<double> (w));
    std::printf ("\n");
    for (const auto& eq : eqSettings)
    {
        std::printf ("  %-4s  ", eq.name);
        for (float w : widths)
        {
            const auto c = measure::measureWidthChange ({ w, eq.value, eq.on }, rate);
            std::printf (" %+7.2f (%+5.2f)", c.sideToMidDb, c.midDb);
        }
        std::printf ("\n");
    }
    std::printf ("  targets: rising with Width; at least +6 dB at 15; at most -40 dB at -15; mid within 0.5 dB\n");
}

void widthEq (double rate)
{
    const auto f = measure::responseFrequencies();
    std::printf ("\nWidth EQ at %.0f Hz: side gain over mid gain\n", rate);

    std::printf ("  EQ off, spread of the side gain from 20 Hz to 20 kHz (largest |dB| from its 1 kHz value):\n   ");
    for (float w : widths)
    {
        const auto g = measure::sideGainDb ({ w, 3.0f, false }, rate, f);
        double spread = 0.0;
        for (double v : g)
            spread = std::max (spread, std::abs (v - measure::gainAt (f, g, 1000.0)));
        std::printf ("  Width %+3.0f: %.3f dB", static_cast<double> (w), w == -15.0f ? 0.0 : spread);
    }
    std::printf ("  (Width -15 has no side left to measure)\n");

    std::printf ("  Width 15:  EQ   half-boost frequency   boost at 5 kHz   boost at 50 Hz\n");
    for (const auto& eq : eqSettings)
    {
        const auto g = measure::sideGainDb ({ 15.0f, eq.value, eq.on }, rate, f);
        std::printf ("             %-4s %12.1f Hz %15.2f dB %14.2f dB\n", eq.name, measure::halfBoostFrequency (f, g, 5000.0),
                     measure::gainAt (f, g, 5000.0), measure::gainAt (f, g, 50.0));
    }

    std::printf ("  EQ effect at Width 0 and below (largest difference between EQ settings, any frequency):\n   ");
    for (float w : { 0.0f, -5.0f, -10.0f, -14.0f })
    {
        std::vector<std::vector<double>> gains;
        for (const auto& eq : eqSettings)
            gains.push_back (measure::sideGainDb ({ w, eq.value, eq.on }, rate, f));
        double difference = 0.0;
        for (size_t k = 0; k < f.size(); ++k)
            for (const auto& g : gains)
                difference = std::max (difference, std::abs (g[k] - gains[0][k]));
        std::printf ("  Width %+3.0f: %.4f dB", static_cast<double> (w), difference);
    }
    std::printf ("\n  targets: flat within 0.2 dB with EQ off; half-boost rising over 2 octaves; 5 kHz within 0.5 dB; no effect "
                 "(0.1 dB) at 0 and below\n");
}

void distortion()
{
    std::printf ("\nTHD+N in %%, 20 Hz to 20 kHz, worse of a tone on the left only and the same tone on both inputs\n");
    std::printf ("  host Hz  tone Hz   level   Width -15    Width 0   Width 15\n");
    struct Case
    {
        double rate, frequency;
    };
    const Case cases[] = { { 48000, 100 },  { 48000, 1000 }, { 48000, 6000 }, { 96000, 100 },
                           { 96000, 1000 }, { 96000, 6000 }, { 44100, 1000 }, { 88200, 1000 } };
    for (const auto& c : cases)
        for (double level : { -12.0, 0.0, 12.0 })
        {
            std::printf ("  %7.0f  %7.0f  %+4.0f dB", c.rate, c.frequency, level);
            for (float w : { -15.0f, 0.0f, 15.0f })
            {
                double worst = 0.0;
                for (auto placement : { measure::Placement::left, measure::Placement::centre })
                    worst = std::max (worst, measure::thdPlusNoisePercent ({ w }, c.rate, c.frequency, level, placement));
                std::printf ("  %9.4f", worst);
            }
            std::printf ("\n");
        }
    std::printf ("  targets: -12 dBFS 0.01 (Width 0) / 0.05 (+-15); 0 dBFS 0.1 (Width 0) / 1 (15); +12 dBFS at most 10\n");
}

void stability()
{
    std::printf ("\nStability (Width 15, EQ 1 and Width -15, EQ off; input gain +20 dB for the bursts)\n");
    std::printf ("  host Hz  controls        largest |h|  decay to -120 dBFS  zeros stay zero  DC, tone   DC, silence\n");
    for (double rate : { 44100.0, 48000.0, 96000.0, 192000.0 })
        for (const Controls& c : { Controls { 15.0f, 1.0f, true, 20.0f }, Controls { -15.0f, 3.0f, false, 20.0f } })
        {
            const auto s = measure::measureStability (c, rate);
            std::printf ("  %7.0f  Width %+3.0f EQ %s  %10.6f  %14.2f ms  %15s  %.2e  %.2e\n", rate,
                         static_cast<double> (c.width), c.eqOn ? "1  " : "off", s.largestHiddenState, s.decayMs,
                         s.zeroInZeroOut ? "yes" : "NO", s.toneDc, s.silenceDc);
        }
    std::printf ("  Parameter sweeps (every control moved every block, EQ switch every 4th block), 100 Hz tone at -12 dBFS:\n");
    for (double rate : { 44100.0, 48000.0, 96000.0 })
    {
        const auto s = measure::measureSweep (rate);
        std::printf ("  %7.0f  peak %+6.2f dBFS, peak third difference %7.1f dBFS (steady %7.1f dBFS)\n", rate, s.peakDb,
                     s.clickDb, s.steadyClickDb);
    }
}

void presets (double rate)
{
    std::printf ("\nPresets at %.0f Hz on partly correlated pink noise\n", rate);
    for (const auto& preset : presetTable)
    {
        const auto c = measure::measureWidthChange (
            { preset.width, preset.widthEq, preset.widthEqSwitch, preset.inputGain, preset.outputGain }, rate);
        std::printf ("  %-16s side/mid %+6.2f dB, mid %+6.2f dB\n", preset.name, c.sideToMidDb, c.midDb);
    }
}
} // namespace

int main (int argc, char** argv)
{
    std::set<std::string> sections;
    for (int i = 1; i < argc; ++i)
        sections.insert (argv[i]);
    auto wanted = [&] (const char* name) { return sections.empty() || sections.count (name) > 0; };

    juce::ScopedJuceInitialiser_GUI runtime;
    if (wanted ("transparency"))
        transparency();
    if (wanted ("width"))
        width (48000.0);
    if (wanted ("eq"))
        widthEq (48000.0);
    if (wanted ("distortion"))
        distortion();
    if (wanted ("stability"))
        stability();
    if (wanted ("presets"))
        presets (48000.0);
    return 0;
}
