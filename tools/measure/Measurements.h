/*
    Measurements of the whole plug-in through the real processor: frequency
    responses, stereo width, width-EQ curves, distortion, stability and the
    presets. Shared by duveline-measure and the widening tests.
*/
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <complex>
#include <functional>
#include <vector>

class BrenvoAudioProcessor;

namespace measure
{

struct Controls
{
    float width = 0.0f;
    float widthEq = 3.0f;
    bool eqOn = true;
    float inputGain = 0.0f;
    float outputGain = 0.0f;
};

void applyControls (BrenvoAudioProcessor& processor, const Controls& controls);

/** Processes `audio` in place, block by block as a host does; `beforeBlock` runs before each block. */
void processInBlocks (BrenvoAudioProcessor& processor, juce::AudioBuffer<float>& audio, int blockSize,
                      const std::function<void (int start)>& beforeBlock = {});

/** Processes `audio` in place through a new processor with `controls`, prepared for `rate`. */
void render (const Controls& controls, juce::AudioBuffer<float>& audio, double rate, int blockSize = 512);

//==============================================================================
enum class Drive
{
    left,
    right,
    mid,
    side
};

struct ResponsePoint
{
    double frequency;
    std::complex<double> left, right; // each output channel over the driving signal
};

/** About 1/12 octave from 20 Hz to 20 kHz on a 10 Hz grid, with 10, 16 and 20 kHz themselves. */
std::vector<double> responseFrequencies();

/** Complex response to a multi-tone at -20 dBFS RMS, every tone on its own analysis bin. */
std::vector<ResponsePoint> measureResponse (const Controls& controls, double rate, Drive drive,
                                            const std::vector<double>& frequencies);

struct Transparency
{
    double deviationTo10k = 0.0, deviationTo16k = 0.0, deviationTo20k = 0.0; // largest |dB| of L->L and R->R from 20 Hz
    double offsetAt1k = 0.0;                                                 // dB, L->L
    double crossFeedDb = 0.0;                                                // largest of L->R and R->L
    double delayMs = 0.0;                                                    // from the phase slope, 100 Hz to 2 kHz
};

/** The chain at "Width" 0, EQ on at 3, 0 dB gains. */
Transparency measureTransparency (double rate);

/** Side response over mid response, in dB, at each frequency: what the widening does. */
std::vector<double> sideGainDb (const Controls& controls, double rate, const std::vector<double>& frequencies);

/** The lowest frequency where the gain reaches half of its value at `reference` Hz (in dB). */
double halfBoostFrequency (const std::vector<double>& frequencies, const std::vector<double>& gainDb, double reference);

/** Gain in dB at a frequency of the grid (the nearest one). */
double gainAt (const std::vector<double>& frequencies, const std::vector<double>& gainDb, double frequency);

//==============================================================================
struct WidthChange
{
    double sideToMidDb = 0.0; // output side/mid energy ratio minus the input's
    double midDb = 0.0;       // output mid energy over the input's
};

/** On partly correlated pink noise. */
WidthChange measureWidthChange (const Controls& controls, double rate, double seconds = 2.0);

enum class Placement
{
    left,  // right input silent: mid and side alike
    centre // both inputs equal: mid only
};

/** THD+N in percent, 20 Hz to 20 kHz, of a tone at `levelDb` dBFS peak; both output channels together. */
double thdPlusNoisePercent (const Controls& controls, double rate, double frequency, double levelDb, Placement placement);

//==============================================================================
struct Stability
{
    double largestHiddenState = 0.0; // over input with +40 dB bursts, read after every block
    double decayMs = 0.0;            // until the output stays below -120 dBFS after the input stops
    bool zeroInZeroOut = false;      // exact zeros out for a second of zeros in
    double toneDc = 0.0;             // largest output mean over a second of a full-scale 1 kHz tone
    double silenceDc = 0.0;          // output mean over a second of silence after the bursts
};

Stability measureStability (const Controls& controls, double rate);

struct Sweep
{
    double peakDb = 0.0;        // output sample peak
    double clickDb = 0.0;       // peak third difference of the output, dBFS: steps and kinks show up here
    double steadyClickDb = 0.0; // the same without moving anything, for reference
};

/** A 100 Hz tone while every control moves every block (the EQ switch every fourth block). */
Sweep measureSweep (double rate, int blockSize = 256);

} // namespace measure
