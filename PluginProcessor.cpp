/*
    The audio processor: construction, preparation for a host rate and block
    length, the per-block signal chain, true-peak metering and saved state.
*/
#include "PluginProcessor.h"

#include "NumberText.h"
#include "PluginEditor.h"

#include "BinaryData.h"

#include <cmath>
#include <string_view>

namespace
{
constexpr double switchThreshold = 0.00001;

bool isOn (const std::atomic<float>* raw) noexcept
{
    return static_cast<double> (raw->load()) > switchThreshold;
}

nlohmann::json parseWeights (const char* data, int size)
{
    const auto text = juce::String::createStringFromData (data, size).toStdString();
    return nlohmann::json::parse (text);
}

// The level slots are plain floats shared with the editor's meter, so both sides
// reach them only by relaxed atomic accesses (the vector itself never moves: its
// capacity is reserved at construction).
void storeLevel (float& slot, float level) noexcept
{
    __atomic_store (&slot, &level, __ATOMIC_RELAXED);
}

float loadLevel (const float& slot) noexcept
{
    float level;
    __atomic_load (&slot, &level, __ATOMIC_RELAXED);
    return level;
}

constexpr auto& truePeakPhases = BrenvoAudioProcessor::truePeakPhases;
constexpr int truePeakKeptSamples = 12;

constexpr int truePeakRun = 16;

/** Folds into `peaks` the magnitudes of the four phases' outputs at `count`
    positions from `newest` on. Each output is summed tap by tap from 0, as the
    filter is written; the positions are summed side by side, one vector lane
    each, and all four phases in the same pass, so that every delayed run is
    loaded once for the four of them. */
template <typename Count>
inline void foldPhasePeaks (const float* newest, Count count, std::array<float, truePeakRun>& peaks) noexcept
{
    std::array<std::array<float, truePeakRun>, 4> y {};
    // Unrolled, the taps leave y in registers instead of a round trip
    // through memory per tap.
#pragma GCC unroll 12
    for (int m = 0; m < 12; ++m)
    {
        const float* delayed = newest - m;
        for (size_t p = 0; p < y.size(); ++p)
            for (size_t k = 0; k < count; ++k)
                y[p][k] += truePeakPhases[p][m] * delayed[k];
    }
    for (const auto& phase : y)
        for (size_t k = 0; k < count; ++k)
            peaks[k] = std::max (peaks[k], std::abs (phase[k]));
}

/** The largest magnitude of the four phases' outputs over the n samples that
    follow the kept ones in h. Whole runs of positions have a length known to
    the compiler; only the last one may be shorter. */
float overSampledPeak (const float* h, int n) noexcept
{
    std::array<float, truePeakRun> peaks {};
    int start = truePeakKeptSamples;
    for (; start + truePeakRun <= n + truePeakKeptSamples; start += truePeakRun)
        foldPhasePeaks (h + start, std::integral_constant<size_t, truePeakRun>(), peaks);
    if (start < n + truePeakKeptSamples)
        foldPhasePeaks (h + start, static_cast<size_t> (n + truePeakKeptSamples - start), peaks);
    return *std::max_element (peaks.begin(), peaks.end());
}

// Modified Bessel function I0, Abramowitz and Stegun 9.8.1 and 9.8.2.
double besselI0 (double x)
{
    const auto ax = std::abs (x);
    if (ax < 3.75)
    {
        const auto t = (x / 3.75) * (x / 3.75);
        return 1.0 + t * (3.5156229 + t * (3.0899424 + t * (1.2067492 + t * (0.2659732 + t * (0.0360768 + t * 0.0045813)))));
    }
    const auto u = 3.75 / ax;
    return std::exp (ax) / std::sqrt (ax) *
           (0.39894228 +
            u * (0.01328592 +
                 u * (0.00225319 +
                      u * (-0.00157565 +
                           u * (0.00916281 + u * (-0.02057706 + u * (0.02635537 + u * (-0.01647633 + u * 0.00392377))))))));
}
} // namespace

//==============================================================================
BrenvoAudioProcessor::BrenvoAudioProcessor()
    : AudioProcessor (BusesProperties()
                          .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                          .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      valueTreeState (*this, nullptr, "APVT", createParameterLayout())
{
    // Capacity for the largest layout, so that the meter's copy never meets a reallocation.
    truePeakLevels.reserve (4);
    truePeakLevels.assign (2, 0.0f);

    modelWeights96k = parseWeights (BinaryData::temp_binary_data_1, BinaryData::temp_binary_data_1Size);
    modelWeights192k = parseWeights (BinaryData::temp_binary_data_0, BinaryData::temp_binary_data_0Size);

    subnet96k.loadParams (modelWeights96k);
    gru96k.loadParams (modelWeights96k);
    subnet192k.loadParams (modelWeights192k);
    gru192k.loadParams (modelWeights192k);

    inputGainValue = valueTreeState.getRawParameterValue (ParameterIDs::inputGain);
    outputGainValue = valueTreeState.getRawParameterValue (ParameterIDs::outputGain);
    widthValue = valueTreeState.getRawParameterValue (ParameterIDs::width);
    widthEqValue = valueTreeState.getRawParameterValue (ParameterIDs::widthEq);
    widthEqSwitchValue = valueTreeState.getRawParameterValue (ParameterIDs::widthEqSwitch);
    bypassValue = valueTreeState.getRawParameterValue (ParameterIDs::bypass);

    prevOutputGain = decibelsToGain (outputGainValue->load());
    prevInputGain = decibelsToGain (inputGainValue->load());
    lastWidth = currentWidthControl();
    lastEq = currentEqControl();
}

BrenvoAudioProcessor::~BrenvoAudioProcessor() = default;

juce::AudioProcessorValueTreeState::ParameterLayout BrenvoAudioProcessor::createParameterLayout()
{
    auto floatParameter = [] (const char* id, float min, float max, float interval, int decimals, float defaultValue)
    {
        auto valueToText = [decimals] (float value, int maximumLength)
        {
            const auto text = NumberText::withDecimals (value, decimals);
            return maximumLength > 0 ? text.substring (0, maximumLength) : text;
        };
        // Text that reads as NaN ("nan") would pass the range's clamping and reach the host as
        // a NaN value; it is taken like any other text that is no number, as zero.
        auto textToValue = [limit = 2.0 * (std::abs (min) + std::abs (max))] (const juce::String& text)
        {
            // Huge texts are clamped before narrowing to float (the range clamps again).
            const auto value = juce::jlimit (-limit, limit, NumberText::read (text));
            return std::isnan (value) ? 0.0f : static_cast<float> (value);
        };
        const auto attributes = juce::AudioParameterFloatAttributes()
                                    .withStringFromValueFunction (valueToText)
                                    .withValueFromStringFunction (textToValue);
        return std::make_unique<juce::AudioParameterFloat> (
            juce::ParameterID { id }, id, juce::NormalisableRange<float> (min, max, interval), defaultValue, attributes);
    };
    auto boolParameter = [] (const char* id, bool defaultValue)
    { return std::make_unique<juce::AudioParameterBool> (juce::ParameterID { id }, id, defaultValue); };

    juce::AudioProcessorValueTreeState::ParameterLayout layout;
    // Texts show as many decimals as the interval has: two for the gains, one for the others.
    layout.add (floatParameter (ParameterIDs::inputGain, -20.0f, 20.0f, 0.01f, 2, 0.0f),
                floatParameter (ParameterIDs::outputGain, -20.0f, 20.0f, 0.01f, 2, 0.0f),
                floatParameter (ParameterIDs::width, -15.0f, 15.0f, 0.1f, 1, 0.0f),
                floatParameter (ParameterIDs::widthEq, 1.0f, 4.0f, 0.1f, 1, 3.0f),
                boolParameter (ParameterIDs::widthEqSwitch, true), boolParameter (ParameterIDs::ioLinkSwitch, false),
                boolParameter (ParameterIDs::bypass, false));
    return layout;
}

float BrenvoAudioProcessor::decibelsToGain (float decibels) noexcept
{
    return exp10f (decibels / 20.0f);
}

float BrenvoAudioProcessor::currentWidthControl() const noexcept
{
    return widthValue->load() / 15.0f;
}

float BrenvoAudioProcessor::currentEqControl() const noexcept
{
    return isOn (widthEqSwitchValue) ? widthEqValue->load() / 5.0f : 0.0f;
}

//==============================================================================
void BrenvoAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    hostSampleRate = sampleRate;
    numInputChannels = getTotalNumInputChannels();
    numOutputChannels = getTotalNumOutputChannels();

    useModel192k = sampleRate > 48000.0;
    modelSampleRate = useModel192k ? 192000.0 : 96000.0;
    modelBlockSize = static_cast<int> (std::ceil (static_cast<double> (samplesPerBlock) * modelSampleRate / sampleRate));

    modelBuffer = juce::AudioBuffer<float> (numInputChannels, modelBlockSize);
    modelBuffer.clear();

    // The convolution and the low-pass divide by their block size: never prepare them for 0.
    const juce::dsp::ProcessSpec spec { modelSampleRate, static_cast<juce::uint32> (juce::jmax (1, modelBlockSize)),
                                        static_cast<juce::uint32> (numOutputChannels) };

    inputConvolution.reset();
    auto& weights = useModel192k ? modelWeights192k : modelWeights96k;
    const auto taps = Brenvo::readArray<float> (weights, "conv_in.weight");
    impulseResponseBuffer.setSize (1, static_cast<int> (taps.size()));
    // Stored in time order of the trained layer, which correlates: reversed it is the response.
    for (size_t i = 0; i < taps.size(); ++i)
        impulseResponseBuffer.setSample (0, static_cast<int> (taps.size() - 1 - i), taps[i]);
    inputConvolution.loadImpulseResponse (std::move (impulseResponseBuffer), modelSampleRate, juce::dsp::Convolution::Stereo::yes,
                                          juce::dsp::Convolution::Trim::no, juce::dsp::Convolution::Normalise::no);
    inputConvolution.prepare (spec);

    lastWidth = currentWidthControl();
    lastEq = currentEqControl();
    auto& gru = activeGru();
    auto& subnet = activeSubnet();
    gru.reset (numInputChannels, modelBlockSize);
    subnet.forward (lastEq, lastWidth);
    refreshRowWiseWeights();

    // Room for a whole block of weight steps, so that a control change on the
    // audio thread fills the lists without allocating.
    const auto numSteps = static_cast<size_t> (juce::jmax (2, modelBlockSize));
    W_ih_steps.clear();
    W_hh_steps.clear();
    W_ih_steps.reserve (numSteps, subnet.W_ih.rows(), subnet.W_ih.cols());
    W_hh_steps.reserve (numSteps, subnet.W_hh.rows(), subnet.W_hh.cols());
    previous_W_ih.resize (subnet.W_ih.rows(), subnet.W_ih.cols());
    previous_W_hh.resize (subnet.W_hh.rows(), subnet.W_hh.cols());

    prepareLowPass (spec);

    prevOutputGain = decibelsToGain (outputGainValue->load());
    prevInputGain = decibelsToGain (inputGainValue->load());

    const auto meterChannels = 2 * numOutputChannels;
    const auto historyLength = samplesPerBlock + truePeakKeptSamples;
    if (truePeakHistory.getNumChannels() != meterChannels || truePeakHistory.getNumSamples() != historyLength)
    {
        truePeakHistory.setSize (meterChannels, historyLength);
        truePeakHistory.clear();
    }
    truePeakLevels.resize (static_cast<size_t> (meterChannels), 0.0f);
    truePeakLevelCount.store (truePeakLevels.size(), std::memory_order_release);

    // Every later block of another length prepares again, whoever prepared last.
    lastBlockSize = samplesPerBlock;
}

void BrenvoAudioProcessor::releaseResources() {}

void BrenvoAudioProcessor::prepareLowPass (const juce::dsp::ProcessSpec& spec)
{
    const auto taps = designLowPass (hostSampleRate, modelSampleRate);

    // The per-channel filters share this object: update it in place.
    auto& coefficients = lowPassFilter.state->coefficients;
    coefficients.resize (numLowPassTaps);
    std::copy (taps.begin(), taps.end(), coefficients.begin());

    lowPassFilter.prepare (spec);
    lowPassFilter.reset();
}

std::array<float, BrenvoAudioProcessor::numLowPassTaps> BrenvoAudioProcessor::designLowPass (double hostRate, double internalRate)
{
    constexpr double centre = 22.5;
    constexpr double beta = 3.3953211307525635;
    constexpr double inverseI0Beta = 0.14796534236914616;

    const auto cutoff = static_cast<double> (static_cast<float> (hostRate * 0.5));
    const auto fn = cutoff / internalRate;

    std::array<float, numLowPassTaps> taps {};
    for (int i = 0; i < numLowPassTaps; ++i)
    {
        const auto offset = i - centre;
        const auto ideal = static_cast<float> (i == 22 ? 2.0 * fn
                                                       : std::sin (2.0 * juce::MathConstants<double>::pi * offset * fn) /
                                                             (juce::MathConstants<double>::pi * offset));
        const auto ratio = offset / centre;
        const auto window = static_cast<float> (besselI0 (beta * std::sqrt (1.0 - ratio * ratio)) * inverseI0Beta);
        taps[static_cast<size_t> (i)] = ideal * window;
    }
    return taps;
}

//==============================================================================
void BrenvoAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    const auto n = buffer.getNumSamples();
    if (n <= 0)
        return;

    if (static_cast<double> (bypassValue->load()) >= switchThreshold)
        return;

    if (n != lastBlockSize)
    {
        prepareToPlay (hostSampleRate, n);
        lastBlockSize = n;
    }
    const auto M = modelBlockSize;

    const auto w = currentWidthControl();
    const auto e = currentEqControl();

    W_ih_steps.clear();
    W_hh_steps.clear();

    const bool controlsChanged = !(w == lastWidth) || !(e == lastEq);
    if (controlsChanged)
        updateRecurrentWeights (w, e, M);

    applyGain (buffer, decibelsToGain (inputGainValue->load()), prevInputGain);
    replaceNonFiniteSamples (buffer, n);
    GetTruePeak (buffer, 0);

    resample (upsamplers, buffer, n, modelBuffer, M);

    juce::dsp::AudioBlock<float> block (modelBuffer);
    inputConvolution.process (juce::dsp::ProcessContextReplacing<float> (block));

    runNetwork (controlsChanged);

    if (M > n)
        applyLowPass (block);

    resample (downsamplers, modelBuffer, M, buffer, n);

    applyGain (buffer, decibelsToGain (outputGainValue->load()), prevOutputGain);
    GetTruePeak (buffer, 1);
}

void BrenvoAudioProcessor::updateRecurrentWeights (float width, float eq, int numSteps)
{
    auto& subnet = activeSubnet();
    previous_W_ih = subnet.W_ih;
    previous_W_hh = subnet.W_hh;
    subnet.forward (eq, width);
    refreshRowWiseWeights();
    Brenvo::interpolateMatrix (previous_W_ih, subnet.W_ih, numSteps, W_ih_steps);
    Brenvo::interpolateMatrix (previous_W_hh, subnet.W_hh, numSteps, W_hh_steps);

    // The same start and step row-wise, divided as the lists divide; with fewer
    // than three steps the step is never used.
    const auto divisor = static_cast<float> (numSteps - 1);
    glide_W_ih_start = previous_W_ih;
    glide_W_hh_start = previous_W_hh;
    glide_W_ih_step = (W_ih_rows - glide_W_ih_start) / divisor;
    glide_W_hh_step = (W_hh_rows - glide_W_hh_start) / divisor;
    lastWidth = width;
    lastEq = eq;
}

void BrenvoAudioProcessor::refreshRowWiseWeights() noexcept
{
    auto& subnet = activeSubnet();
    W_ih_rows = subnet.W_ih;
    W_hh_rows = subnet.W_hh;
}

void BrenvoAudioProcessor::formGlideStep (int step, int numSteps) noexcept
{
    // The values of entry `step` of W_ih_steps and W_hh_steps, formed row-wise
    // by the same operations: no internal sample pays for a transposing copy.
    if (step == 0)
    {
        step_W_ih_rows = glide_W_ih_start;
        step_W_hh_rows = glide_W_hh_start;
    }
    else if (step >= numSteps - 1)
    {
        step_W_ih_rows = W_ih_rows;
        step_W_hh_rows = W_hh_rows;
    }
    else
    {
        step_W_ih_rows = Brenvo::interpolationEntry (glide_W_ih_start, glide_W_ih_step, step);
        step_W_hh_rows = Brenvo::interpolationEntry (glide_W_hh_start, glide_W_hh_step, step);
    }
}

void BrenvoAudioProcessor::applyGain (juce::AudioBuffer<float>& buffer, float gain, float& previousGain) noexcept
{
    if (!(gain == previousGain))
    {
        buffer.applyGainRamp (0, buffer.getNumSamples(), previousGain, gain);
        previousGain = gain;
    }
    else
    {
        buffer.applyGain (gain);
    }
}

void BrenvoAudioProcessor::replaceNonFiniteSamples (juce::AudioBuffer<float>& buffer, int numSamples) noexcept
{
    // A NaN or infinity from the host would stay in the convolution's overlap
    // and the network's state for good: it is silenced here, at the door.
    for (int c = 0; c < numOutputChannels; ++c)
    {
        auto* samples = buffer.getWritePointer (c);
        for (int i = 0; i < numSamples; ++i)
            if (!std::isfinite (samples[i]))
                samples[i] = 0.0f;
    }
}

void BrenvoAudioProcessor::resample (std::array<juce::LagrangeInterpolator, 2>& interpolators,
                                     const juce::AudioBuffer<float>& source, int numSourceSamples,
                                     juce::AudioBuffer<float>& destination, int numDestinationSamples) noexcept
{
    const auto ratio = static_cast<double> (numSourceSamples) / static_cast<double> (numDestinationSamples);
    const auto numChannels = juce::jmin (numOutputChannels, static_cast<int> (interpolators.size()));

    // The bounded form never reads past the block, whatever fractional position
    // an earlier ratio left behind.
    for (int c = 0; c < numChannels; ++c)
        interpolators[static_cast<size_t> (c)].process (ratio, source.getReadPointer (c), destination.getWritePointer (c),
                                                        numDestinationSamples, numSourceSamples, 0);
}

void BrenvoAudioProcessor::runNetwork (bool useSteps) noexcept
{
    auto& gru = activeGru();
    const auto numChannels = juce::jlimit (0, 2, gru.channelCount);
    if (numChannels == 0)
        return;
    std::array<float*, 2> samples { modelBuffer.getWritePointer (0), modelBuffer.getWritePointer (numChannels - 1) };
    auto* input = gru.gru_input.data();
    const auto* output = gru.gru_output.data();

    for (int o = 0; o < gru.blockLength; ++o)
    {
        // A mono stream feeds both network inputs (both pointers are channel 0).
        input[0] = samples[0][o];
        input[1] = samples[1][o];

        if (useSteps)
        {
            formGlideStep (o, gru.blockLength);
            gru.forward_cell (gru.gru_input, step_W_ih_rows, step_W_hh_rows);
        }
        else
        {
            gru.forward_cell (gru.gru_input, W_ih_rows, W_hh_rows);
        }

        for (int c = 0; c < numChannels; ++c)
            samples[static_cast<size_t> (c)][o] = output[c];
    }

    // Last line of defence: a non-finite state would otherwise persist and
    // silence every later block.
    if (!gru.hidden_state.allFinite())
        gru.hidden_state.setZero();
}

//==============================================================================
void BrenvoAudioProcessor::GetTruePeak (juce::AudioBuffer<float>& buffer, int which)
{
    const auto n = buffer.getNumSamples();
    const auto historyLength = truePeakHistory.getNumSamples();

    for (int c = 0; c < numOutputChannels; ++c)
    {
        const auto index = which * numOutputChannels + c;
        auto* h = truePeakHistory.getWritePointer (index);

        std::copy (h + historyLength - truePeakKeptSamples, h + historyLength, h);

        if (n <= 0)
        {
            storeLevel (truePeakLevels[static_cast<size_t> (index)], -std::numeric_limits<float>::infinity());
            continue;
        }

        if (buffer.hasBeenCleared())
            std::fill (h + truePeakKeptSamples, h + truePeakKeptSamples + n, 0.0f);
        else
            std::copy (buffer.getReadPointer (c), buffer.getReadPointer (c) + n, h + truePeakKeptSamples);

        storeLevel (truePeakLevels[static_cast<size_t> (index)], 20.0f * std::log10 (overSampledPeak (h, n)));
    }
}

size_t BrenvoAudioProcessor::copyTruePeakLevels (std::array<float, 4>& destination) const noexcept
{
    const auto count = std::min (truePeakLevelCount.load (std::memory_order_acquire), destination.size());
    for (size_t i = 0; i < count; ++i)
        destination[i] = loadLevel (truePeakLevels[i]);
    return count;
}

//==============================================================================
const juce::String BrenvoAudioProcessor::getName() const
{
    return "Duveline";
}
double BrenvoAudioProcessor::getTailLengthSeconds() const
{
    return 0.0;
}
bool BrenvoAudioProcessor::acceptsMidi() const
{
    return false;
}
bool BrenvoAudioProcessor::producesMidi() const
{
    return false;
}
bool BrenvoAudioProcessor::isMidiEffect() const
{
    return false;
}

juce::AudioProcessorEditor* BrenvoAudioProcessor::createEditor()
{
    return new BrenvoAudioProcessorEditor (*this, valueTreeState);
}
bool BrenvoAudioProcessor::hasEditor() const
{
    return true;
}

int BrenvoAudioProcessor::getNumPrograms()
{
    return 1;
}
int BrenvoAudioProcessor::getCurrentProgram()
{
    return 0;
}
void BrenvoAudioProcessor::setCurrentProgram (int) {}
const juce::String BrenvoAudioProcessor::getProgramName (int)
{
    return {};
}
void BrenvoAudioProcessor::changeProgramName (int, const juce::String&) {}

bool BrenvoAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto output = layouts.getMainOutputChannelSet();
    if (output != juce::AudioChannelSet::mono() && output != juce::AudioChannelSet::stereo())
        return false;
    return layouts.getMainInputChannelSet() == output;
}

//==============================================================================
namespace
{
// The framework writes a tree's numbers in the process's C++ locale ("9,5" under a German one),
// which its own reader does not read back: they are written again in the plug-in's convention.
// Everything else stays as createXml wrote it.
void rewriteNumbers (const juce::ValueTree& tree, juce::XmlElement& xml)
{
    for (int i = 0; i < tree.getNumProperties(); ++i)
    {
        const auto name = tree.getPropertyName (i);
        if (const auto& value = tree.getProperty (name); value.isDouble())
            xml.setAttribute (name, NumberText::exact (static_cast<double> (value)));
    }
    // createXml makes one element per child, in the children's order.
    auto* element = xml.getFirstChildElement();
    for (const auto& child : tree)
    {
        if (element == nullptr)
            break;
        rewriteNumbers (child, *element);
        element = element->getNextElement();
    }
}
} // namespace

void BrenvoAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    const auto state = valueTreeState.copyState();
    if (const auto xml = state.createXml())
    {
        rewriteNumbers (state, *xml);
        copyXmlToBinary (*xml, destData);
    }
}

namespace
{
// UTF-8 as RFC 3629 defines it: no overlong forms, no surrogates, nothing above U+10FFFF. The
// framework's own check lets overlong forms through, and its XML reader can loop forever on them.
bool isStrictUtf8 (const char* text, int length)
{
    const auto* bytes = reinterpret_cast<const unsigned char*> (text);
    for (int i = 0; i < length;)
    {
        const unsigned lead = bytes[i];
        if (lead < 0x80)
        {
            ++i;
            continue;
        }
        // Continuation bytes after the lead byte, and the smallest code point they may carry.
        const int extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                          : lead >= 0xE0 && lead <= 0xEF ? 2
                          : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                         : 0;
        const unsigned smallest = extra == 1 ? 0x80u : extra == 2 ? 0x800u : 0x10000u;
        if (extra == 0 || i + extra >= length)
            return false;
        unsigned codePoint = lead & (0x3Fu >> extra);
        for (int k = 1; k <= extra; ++k)
        {
            const unsigned next = bytes[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// Whether the text holds a processing instruction ("<?") after its XML declaration. The state
// never does, and the framework's XML reader loops forever on one followed by text inside an
// element ("<APVT><?x?>A").
bool hasProcessingInstruction (const char* text, int length)
{
    std::string_view body (text, static_cast<size_t> (length));
    body = body.substr (std::min (body.size(), body.find_first_not_of (" \t\r\n")));
    if (body.rfind ("<?xml", 0) == 0)
        body = body.substr (std::min (body.size(), body.find ("?>")));
    return body.find ("<?") != std::string_view::npos;
}
} // namespace

void BrenvoAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    // The framework's XML reader trusts its text to be valid UTF-8: an unfinished multi-byte
    // sequence in a damaged block makes it read past the end. Such a block is refused whole.
    // The layout is the one copyXmlToBinary writes: magic, text length, text.
    if (data != nullptr && sizeInBytes > 8)
    {
        const auto* bytes = static_cast<const char*> (data);
        const auto textLength = static_cast<int> (juce::ByteOrder::littleEndianInt (bytes + 4));
        const auto available = juce::jmin (sizeInBytes - 8, textLength);
        if (available > 0 && (!isStrictUtf8 (bytes + 8, available) || hasProcessingInstruction (bytes + 8, available)))
            return;
    }

    const auto xml = getXmlFromBinary (data, sizeInBytes);
    if (xml == nullptr || !xml->hasTagName (valueTreeState.state.getType()))
        return;

    completeRestoredState (*xml);
    valueTreeState.replaceState (juce::ValueTree::fromXml (*xml));
}

void BrenvoAudioProcessor::completeRestoredState (juce::XmlElement& state) const
{
    juce::StringArray missing;
    for (auto* parameter : getParameters())
        if (auto* ranged = dynamic_cast<juce::RangedAudioParameter*> (parameter))
            missing.add (ranged->getParameterID());

    // The store finds a parameter's value by its id in a child of any name, so every child
    // is checked, not only those named PARAM.
    for (auto* child : state.getChildIterator())
    {
        const auto id = child->getStringAttribute ("id");
        auto* value = valueTreeState.getRawParameterValue (id);
        if (value == nullptr)
            continue;
        missing.removeString (id);

        // A value that reads as NaN or infinity would pass the parameters'
        // clamping and poison the gains: such a parameter keeps its value. Every
        // other value is written back as a plain number, so that the store never
        // reads the text itself.
        if (child->hasAttribute ("value"))
        {
            const auto number = NumberText::read (child->getStringAttribute ("value"));
            child->setAttribute ("value",
                                 NumberText::exact (std::isfinite (number) ? number : static_cast<double> (value->load())));
        }
    }

    // The store would reset a parameter the block does not mention to its
    // default; a partial state should leave it as it is.
    missing.sort (false);
    for (const auto& id : missing)
    {
        auto* child = state.createNewChildElement ("PARAM");
        child->setAttribute ("id", id);
        child->setAttribute ("value", NumberText::exact (valueTreeState.getRawParameterValue (id)->load()));
    }
}

//==============================================================================
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new BrenvoAudioProcessor();
}
