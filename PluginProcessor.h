/*
    The audio processor: seven parameters, the signal chain around the neural
    widening model (gains, resampling, input convolution, low-pass) and the
    true-peak meters the editor reads.
*/
#pragma once

#include "model/Brenvo.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_dsp/juce_dsp.h>

#include <array>
#include <atomic>
#include <vector>

class BrenvoAudioProcessor : public juce::AudioProcessor
{
public:
    /** Parameter IDs; each is also the parameter's name towards the host. */
    struct ParameterIDs
    {
        static constexpr const char* inputGain = "Input Gain";
        static constexpr const char* outputGain = "Output Gain";
        static constexpr const char* width = "Width";
        static constexpr const char* widthEq = "Width EQ";
        static constexpr const char* widthEqSwitch = "Width EQ Switch";
        static constexpr const char* ioLinkSwitch = "IO Link Switch";
        static constexpr const char* bypass = "Bypass";
    };

    using WeightMatrix = Brenvo::Matrix<float>;
    using Subnet = Brenvo::Subnet<float, 12>;
    using HyperGRU = Brenvo::HyperGRU<float, 12, 2>;
    using LowPass = juce::dsp::ProcessorDuplicator<juce::dsp::FIR::Filter<float>, juce::dsp::FIR::Coefficients<float>>;

    static constexpr int numLowPassTaps = 46;

    /** ITU-R BS.1770-4 Annex 2: the four 12-tap phases of the 4x over-sampling
        filter of the true-peak meters. Coefficient 0 multiplies the newest sample. */
    static constexpr float truePeakPhases[4][12] = {
        { 0.0017089843750f, 0.0109863281250f, -0.0196533203125f, 0.0332031250000f, -0.0594482421875f, 0.1373291015625f,
          0.9721679687500f, -0.1022949218750f, 0.0476074218750f, -0.0266113281250f, 0.0148925781250f, -0.0083007812500f },
        { -0.0291748046875f, 0.0292968750000f, -0.0517578125000f, 0.0891113281250f, -0.1665039062500f, 0.4650878906250f,
          0.7797851562500f, -0.2003173828125f, 0.1015625000000f, -0.0582275390625f, 0.0330810546875f, -0.0189208984375f },
        { -0.0189208984375f, 0.0330810546875f, -0.0582275390625f, 0.1015625000000f, -0.2003173828125f, 0.7797851562500f,
          0.4650878906250f, -0.1665039062500f, 0.0891113281250f, -0.0517578125000f, 0.0292968750000f, -0.0291748046875f },
        { -0.0083007812500f, 0.0148925781250f, -0.0266113281250f, 0.0476074218750f, -0.1022949218750f, 0.9721679687500f,
          0.1373291015625f, -0.0594482421875f, 0.0332031250000f, -0.0196533203125f, 0.0109863281250f, 0.0017089843750f },
    };

    BrenvoAudioProcessor();
    ~BrenvoAudioProcessor() override;

    const juce::String getName() const override;

    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    using juce::AudioProcessor::processBlock;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    bool isMidiEffect() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int) override;
    const juce::String getProgramName (int) override;
    void changeProgramName (int, const juce::String&) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    /** Measures the true peak of each channel of `buffer` into the input (which = 0)
        or output (which = 1) half of truePeakLevels. */
    void GetTruePeak (juce::AudioBuffer<float>& buffer, int which);

    /** Runs the low-pass over the internal-rate block, every channel through its own filter. */
    void applyLowPass (juce::dsp::AudioBlock<float>& block) noexcept;

    /** The 46 low-pass taps for a host rate and an internal rate (Kaiser window). */
    static std::array<float, numLowPassTaps> designLowPass (double hostRate, double internalRate);

    /** The control values the network receives: "Width" / 15 and, while the EQ
        switch is on, "Width EQ" / 5. */
    float currentWidthControl() const noexcept;
    float currentEqControl() const noexcept;

    juce::AudioProcessorValueTreeState valueTreeState;

    int lastBlockSize = 0;
    int numInputChannels = 2;
    int numOutputChannels = 2;
    float prevInputGain = 1.0f;
    float prevOutputGain = 1.0f;

    std::atomic<float>* widthValue = nullptr;
    std::atomic<float>* widthEqValue = nullptr;
    std::atomic<float>* inputGainValue = nullptr;
    std::atomic<float>* outputGainValue = nullptr;
    std::atomic<float>* widthEqSwitchValue = nullptr;
    std::atomic<float>* bypassValue = nullptr;

    bool useModel192k = false;
    nlohmann::json modelWeights96k;
    nlohmann::json modelWeights192k;

    juce::dsp::Convolution inputConvolution;
    juce::AudioBuffer<float> impulseResponseBuffer;

    float lastWidth = 0.0f;
    float lastEq = 0.0f;
    Brenvo::MatrixList<WeightMatrix> W_ih_steps;
    Brenvo::MatrixList<WeightMatrix> W_hh_steps;
    WeightMatrix previous_W_ih;
    WeightMatrix previous_W_hh;
    /** Row-wise copies of the active hypernetwork's W_ih and W_hh, the layout
        the recurrent step reads fastest; refreshed whenever the hypernetwork runs. */
    HyperGRU::InputWeights W_ih_rows;
    HyperGRU::RecurrentWeights W_hh_rows;
    /** A gliding block's weights, row-wise: the start and the step of the
        interpolation, and the current internal sample's weights formed from them. */
    HyperGRU::InputWeights glide_W_ih_start, glide_W_ih_step, step_W_ih_rows;
    HyperGRU::RecurrentWeights glide_W_hh_start, glide_W_hh_step, step_W_hh_rows;

    Subnet subnet96k;
    HyperGRU gru96k;
    Subnet subnet192k;
    HyperGRU gru192k;

    double hostSampleRate = 48000.0;
    double modelSampleRate = 96000.0;
    int modelBlockSize = 0;

    std::array<juce::LagrangeInterpolator, 2> upsamplers;
    std::array<juce::LagrangeInterpolator, 2> downsamplers;
    juce::AudioBuffer<float> modelBuffer;
    LowPass lowPassFilter;

    juce::AudioBuffer<float> truePeakHistory;
    std::vector<float> truePeakLevels;
    /** How many of truePeakLevels the meter may read, published once preparation has
        resized them. The meter reads the count and the levels without a lock. */
    std::atomic<size_t> truePeakLevelCount { 2 };

    /** The meter's lock-free copy of the latest levels (at most four); returns how many. */
    size_t copyTruePeakLevels (std::array<float, 4>& destination) const noexcept;

private:
    static juce::AudioProcessorValueTreeState::ParameterLayout createParameterLayout();
    static float decibelsToGain (float decibels) noexcept;

    Subnet& activeSubnet() noexcept { return useModel192k ? subnet192k : subnet96k; }
    HyperGRU& activeGru() noexcept { return useModel192k ? gru192k : gru96k; }

    void prepareLowPass (const juce::dsp::ProcessSpec& spec);
    void updateRecurrentWeights (float width, float eq, int numSteps);
    void refreshRowWiseWeights() noexcept;
    void formGlideStep (int step, int numSteps) noexcept;
    void applyGain (juce::AudioBuffer<float>& buffer, float gain, float& previousGain) noexcept;
    void resample (std::array<juce::LagrangeInterpolator, 2>& interpolators, const juce::AudioBuffer<float>& source,
                   int numSourceSamples, juce::AudioBuffer<float>& destination, int numDestinationSamples) noexcept;
    void runNetwork (bool useSteps) noexcept;
    void completeRestoredState (juce::XmlElement& state) const;
    void replaceNonFiniteSamples (juce::AudioBuffer<float>& buffer, int numSamples) noexcept;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BrenvoAudioProcessor)
};
