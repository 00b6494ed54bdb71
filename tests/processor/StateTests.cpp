/*
    Saved state: the block layout, round trips and malformed blocks.
*/
#include "CommaLocale.h"
#include "ProcessorFixture.h"

using duveline::test::HostLocale;
using duveline::test::ScopedCommaLocale;

namespace
{
juce::MemoryBlock stateOf (BrenvoAudioProcessor& p)
{
    juce::MemoryBlock block;
    p.getStateInformation (block);
    return block;
}

juce::MemoryBlock blockWithXml (const juce::String& xml)
{
    juce::MemoryBlock block;
    juce::AudioProcessor::copyXmlToBinary (*juce::parseXML (xml), block);
    return block;
}

void restore (BrenvoAudioProcessor& p, const juce::MemoryBlock& block)
{
    p.setStateInformation (block.getData(), static_cast<int> (block.getSize()));
}

const char* const allIds[] = { "Input Gain", "Output Gain", "Width", "Width EQ", "Width EQ Switch", "IO Link Switch", "Bypass" };
} // namespace

TEST (State, NewInstanceBlockHasTheStoredLayout)
{
    BrenvoAudioProcessor p;
    const auto block = stateOf (p);
    const auto* bytes = static_cast<const unsigned char*> (block.getData());
    ASSERT_GT (block.getSize(), 9u);
    EXPECT_EQ (bytes[0], 0x56);
    EXPECT_EQ (bytes[1], 0x43);
    EXPECT_EQ (bytes[2], 0x32);
    EXPECT_EQ (bytes[3], 0x21);
    EXPECT_EQ (juce::ByteOrder::littleEndianInt (bytes + 4), block.getSize() - 9);
    EXPECT_EQ (bytes[block.getSize() - 1], 0);

    const juce::String text (juce::CharPointer_UTF8 (reinterpret_cast<const char*> (bytes + 8)));
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?> <APVT>"));
    EXPECT_FALSE (text.containsChar ('\n'));
    EXPECT_TRUE (text.contains ("<PARAM id=\"Bypass\" value=\"0.0\"/><PARAM id=\"IO Link Switch\" value=\"0.0\"/>"
                                "<PARAM id=\"Input Gain\" value=\"0.0\"/><PARAM id=\"Output Gain\" value=\"0.0\"/>"
                                "<PARAM id=\"Width\" value=\"0.0\"/><PARAM id=\"Width EQ\" value=\"3.0\"/>"
                                "<PARAM id=\"Width EQ Switch\" value=\"1.0\"/></APVT>"))
        << text;
}

TEST (State, RoundTripsEveryParameter)
{
    BrenvoAudioProcessor p;
    const float values[] = { -7.25f, 12.5f, -3.4f, 1.7f, 0.0f, 1.0f, 1.0f };
    for (int i = 0; i < 7; ++i)
        setParameter (p, allIds[i], values[i]);
    const auto saved = stateOf (p);

    for (int i = 0; i < 7; ++i)
        setParameter (p, allIds[i], i == 3 ? 4.0f : 0.0f);
    restore (p, saved);
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR (parameterValue (p, allIds[i]), values[i], 1e-5f) << allIds[i];
}

TEST (State, RestoresPartialAndClampsOutOfRange)
{
    BrenvoAudioProcessor p;
    setParameter (p, "Output Gain", 4.0f);
    restore (p, blockWithXml ("<apvt><PARAM id=\"Width\" value=\"9.5\"/><PARAM id=\"Input Gain\" value=\"30\"/>"
                              "<PARAM id=\"Unknown\" value=\"1\"/></apvt>"));
    EXPECT_FLOAT_EQ (parameterValue (p, "Width"), 9.5f);
    EXPECT_FLOAT_EQ (parameterValue (p, "Input Gain"), 20.0f);
    EXPECT_FLOAT_EQ (parameterValue (p, "Output Gain"), 4.0f);
    EXPECT_FLOAT_EQ (parameterValue (p, "Width EQ"), 3.0f);
}

TEST (State, IgnoresMalformedBlocks)
{
    BrenvoAudioProcessor p;
    setParameter (p, "Width", 5.0f);
    const auto good = blockWithXml ("<APVT><PARAM id=\"Width\" value=\"-2\"/></APVT>");

    std::vector<juce::MemoryBlock> bad;
    bad.push_back (juce::MemoryBlock (good.getData(), 8));                              // too short
    bad.push_back (blockWithXml ("<OTHER><PARAM id=\"Width\" value=\"-2\"/></OTHER>")); // wrong root
    auto wrongMagic = good;
    static_cast<char*> (wrongMagic.getData())[0] = 'X';
    bad.push_back (wrongMagic);
    auto zeroLength = good;
    juce::ByteOrder::littleEndianInt (zeroLength.getData());
    std::memset (static_cast<char*> (zeroLength.getData()) + 4, 0, 4);
    bad.push_back (zeroLength);
    auto negativeLength = good;
    std::memset (static_cast<char*> (negativeLength.getData()) + 4, 0xFF, 4);
    bad.push_back (negativeLength);
    auto notXml = good;
    std::memset (static_cast<char*> (notXml.getData()) + 8, '#', notXml.getSize() - 9);
    bad.push_back (notXml);

    for (const auto& block : bad)
    {
        restore (p, block);
        EXPECT_FLOAT_EQ (parameterValue (p, "Width"), 5.0f);
    }
    p.setStateInformation (nullptr, 0);
    restore (p, good);
    EXPECT_FLOAT_EQ (parameterValue (p, "Width"), -2.0f);
}

TEST (State, RefusesABlockWhoseTextIsNotUtf8)
{
    BrenvoAudioProcessor p;
    setParameter (p, "Width", 5.0f);
    // A state block cut inside a multi-byte character, as a damaged chunk may end.
    auto block = blockWithXml ("<APVT><PARAM id=\"Width\" value=\"-2\"/></APVT>");
    auto* text = static_cast<char*> (block.getData()) + 8;
    const auto length = static_cast<int> (juce::ByteOrder::littleEndianInt (static_cast<char*> (block.getData()) + 4));
    const char damage[] = { '\xED', '\xE0', '\x8B' };
    std::memcpy (text + length - 4, damage, sizeof (damage));
    restore (p, block);
    EXPECT_FLOAT_EQ (parameterValue (p, "Width"), 5.0f);
}

TEST (State, RefusesOverlongUtf8)
{
    BrenvoAudioProcessor p;
    setParameter (p, "Width", 5.0f);
    // "<" written in two bytes: the framework's own UTF-8 check lets it through.
    auto block = blockWithXml ("<APVT><PARAM id=\"Width\" value=\"-2\"/></APVT>");
    auto* text = static_cast<char*> (block.getData()) + 8;
    text[0] = '\xC0';
    text[1] = '\xBC';
    restore (p, block);
    EXPECT_FLOAT_EQ (parameterValue (p, "Width"), 5.0f);
}

TEST (State, RefusesProcessingInstructionsAfterTheDeclaration)
{
    BrenvoAudioProcessor p;
    setParameter (p, "Width", 5.0f);
    // The framework's XML reader would loop forever on an instruction followed by text.
    const std::string text = "<?xml version=\"1.0\"?> <APVT><?x?><PARAM id=\"Width\" value=\"-2\"/></APVT>";
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    out.writeInt (0x21324356); // the state block's mark, "VC2!"
    out.writeInt (static_cast<int> (text.size()));
    out.write (text.data(), text.size());
    out.writeByte (0);
    out.flush();
    restore (p, block);
    EXPECT_FLOAT_EQ (parameterValue (p, "Width"), 5.0f);
    restore (p, blockWithXml ("<APVT><PARAM id=\"Width\" value=\"-2\"/></APVT>"));
    EXPECT_FLOAT_EQ (parameterValue (p, "Width"), -2.0f);
}

TEST (ParameterText, NanReadsAsZeroNotAsNan)
{
    BrenvoAudioProcessor p;
    for (const char* id : { "Input Gain", "Output Gain", "Width", "Width EQ" })
    {
        auto* parameter = p.valueTreeState.getParameter (id);
        ASSERT_NE (nullptr, parameter);
        for (const char* text : { "nan", "-nan", "NaN dB" })
        {
            const float value = parameter->getValueForText (text);
            EXPECT_FALSE (std::isnan (value)) << id << " " << text;
            EXPECT_FLOAT_EQ (parameter->getValueForText ("0"), value) << id << " " << text;
        }
    }
}

TEST (ParameterText, HexadecimalIsNotANumber)
{
    BrenvoAudioProcessor p;
    for (const char* id : { "Input Gain", "Width" })
    {
        auto* parameter = p.valueTreeState.getParameter (id);
        EXPECT_EQ (parameter->getValueForText ("0"), parameter->getValueForText ("0x10")) << id;
        EXPECT_EQ (parameter->getValueForText ("0"), parameter->getValueForText (" -0X1p3")) << id;
        EXPECT_EQ (parameter->getValueForText ("0.5"), parameter->getValueForText ("+0.5x10")) << id;
    }
}

TEST (ParameterText, HugeExponentsReadAsTheRangeEnds)
{
    BrenvoAudioProcessor p;
    for (const char* id : { "Input Gain", "Output Gain", "Width", "Width EQ" })
    {
        auto* parameter = p.valueTreeState.getParameter (id);
        ASSERT_NE (nullptr, parameter);
        EXPECT_FLOAT_EQ (1.0f, parameter->getValueForText ("1e4333333333")) << id;
        EXPECT_FLOAT_EQ (0.0f, parameter->getValueForText ("-9e99999999999 dB")) << id;
        EXPECT_FLOAT_EQ (parameter->getValueForText ("0"), parameter->getValueForText ("1e-4333333333")) << id;
    }
}

TEST (State, HugeExponentInAValueIsInfiniteAndLeavesTheParameterAlone)
{
    BrenvoAudioProcessor p;
    setParameter (p, "Width", 5.0f);
    restore (p, blockWithXml ("<APVT><PARAM id=\"Width\" value=\"1e4333333333\"/><PARAM id=\"Width EQ\" "
                              "value=\"2.5e0000000000000000001\"/></APVT>"));
    EXPECT_FLOAT_EQ (parameterValue (p, "Width"), 5.0f);
    EXPECT_FLOAT_EQ (parameterValue (p, "Width EQ"), 4.0f); // 25, clamped to the range
}

TEST (State, NonFiniteValueUnderAnotherElementNameLeavesTheParameterAlone)
{
    BrenvoAudioProcessor p;
    setParameter (p, "Width", 5.0f);
    restore (p, blockWithXml ("<APVT><PARAM id=\"Width\" value=\"nan\"/><PARAMS id=\"Width\" value=\"nan\"/></APVT>"));
    EXPECT_FLOAT_EQ (parameterValue (p, "Width"), 5.0f);
    restore (p, blockWithXml ("<APVT><PARAM id=\"Bypass\" value=\"nan0.0\"/><PARAMM id=\"Bypass\" value=\"nan\"/></APVT>"));
    EXPECT_FLOAT_EQ (parameterValue (p, "Bypass"), 0.0f);
}

TEST (State, NonFiniteValueLeavesTheParameterAlone)
{
    BrenvoAudioProcessor p;
    setParameter (p, "Input Gain", -6.0f);
    restore (p, blockWithXml ("<APVT><PARAM id=\"Input Gain\" value=\"nan\"/><PARAM id=\"Output Gain\" value=\"inf\"/>"
                              "<PARAM id=\"Width\" value=\"4\"/></APVT>"));
    EXPECT_FLOAT_EQ (parameterValue (p, "Input Gain"), -6.0f);
    EXPECT_FLOAT_EQ (parameterValue (p, "Output Gain"), 0.0f);
    EXPECT_FLOAT_EQ (parameterValue (p, "Width"), 4.0f);

    const auto out = processNoise (p, 128, 3);
    EXPECT_TRUE (allFinite (out));
}

// A host may put its process in the user's locale; what the plug-in saves, shows and reads must
// not change with it.
class CommaLocale : public ::testing::TestWithParam<HostLocale>
{
protected:
    // Values whose texts would differ under a decimal comma, one per parameter.
    static constexpr float values[] = { -7.25f, 12.34f, 9.5f, 1.7f, 0.0f, 1.0f, 1.0f };

    static void setAll (BrenvoAudioProcessor& p)
    {
        for (int i = 0; i < 7; ++i)
            setParameter (p, allIds[i], values[i]);
    }

    static void expectAllRestored (BrenvoAudioProcessor& p)
    {
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ (parameterValue (p, allIds[i]), values[i]) << allIds[i];
    }
};

TEST_P (CommaLocale, StateSavedInTheCLocaleRestoresExactly)
{
    BrenvoAudioProcessor saver;
    setAll (saver);
    const auto saved = stateOf (saver);

    BrenvoAudioProcessor p;
    ScopedCommaLocale comma (GetParam());
    ASSERT_TRUE (comma.IsActive()) << ScopedCommaLocale::missing;
    restore (p, saved);
    expectAllRestored (p);
}

TEST_P (CommaLocale, StateSavedUnderItRestoresExactlyInTheCLocale)
{
    juce::MemoryBlock saved;
    {
        BrenvoAudioProcessor saver;
        ScopedCommaLocale comma (GetParam());
        ASSERT_TRUE (comma.IsActive()) << ScopedCommaLocale::missing;
        setAll (saver);
        saved = stateOf (saver);
        // A restore rewrites the values it reads; saving again must still write plain numbers.
        restore (saver, saved);
        saved = stateOf (saver);
    }
    const juce::String text (static_cast<const char*> (saved.getData()) + 8);
    EXPECT_TRUE (text.contains ("<PARAM id=\"Width\" value=\"9.5\"/>")) << text;
    EXPECT_FALSE (text.containsChar (',')) << text;

    BrenvoAudioProcessor p;
    restore (p, saved);
    expectAllRestored (p);
}

TEST_P (CommaLocale, ParameterTextsReadAndWriteAsInTheCLocale)
{
    BrenvoAudioProcessor p;
    const char* const typed[] = { "2.5", "-7.25 dB", "1e1", "  +3.75", "0x10" };
    std::vector<float> readInC;
    std::vector<juce::String> writtenInC;
    for (const char* id : { "Input Gain", "Output Gain", "Width", "Width EQ" })
    {
        auto* parameter = p.valueTreeState.getParameter (id);
        for (const char* text : typed)
        {
            readInC.push_back (parameter->getValueForText (text));
            writtenInC.push_back (parameter->getText (readInC.back(), 0));
        }
    }

    ScopedCommaLocale comma (GetParam());
    ASSERT_TRUE (comma.IsActive()) << ScopedCommaLocale::missing;
    size_t i = 0;
    for (const char* id : { "Input Gain", "Output Gain", "Width", "Width EQ" })
    {
        auto* parameter = p.valueTreeState.getParameter (id);
        for (const char* text : typed)
        {
            EXPECT_EQ (readInC[i], parameter->getValueForText (text)) << id << " " << text;
            EXPECT_EQ (writtenInC[i], parameter->getText (readInC[i], 0)) << id << " " << text;
            ++i;
        }
    }
    setParameter (p, "Input Gain", -7.25f);
    EXPECT_EQ (juce::String ("-7.25"), p.valueTreeState.getParameter ("Input Gain")->getCurrentValueAsText());
    setParameter (p, "Width", 2.5f);
    EXPECT_EQ (juce::String ("2.5"), p.valueTreeState.getParameter ("Width")->getCurrentValueAsText());
}

TEST_P (CommaLocale, WeightsLoadAsInTheCLocale)
{
    BrenvoAudioProcessor inC;
    inC.prepareToPlay (48000.0, 256);
    const auto expected = processNoise (inC, 256, 4);

    ScopedCommaLocale comma (GetParam());
    ASSERT_TRUE (comma.IsActive()) << ScopedCommaLocale::missing;
    BrenvoAudioProcessor underComma;
    underComma.prepareToPlay (48000.0, 256);
    const auto processed = processNoise (underComma, 256, 4);
    for (int c = 0; c < 2; ++c)
        for (int n = 0; n < 256; ++n)
            ASSERT_EQ (expected.getSample (c, n), processed.getSample (c, n)) << c << " " << n;
}

INSTANTIATE_TEST_SUITE_P (Host, CommaLocale, duveline::test::kHostLocales, duveline::test::HostLocaleName);

TEST (BusLayouts, AcceptOnlyMatchingMonoOrStereo)
{
    BrenvoAudioProcessor p;
    using Set = juce::AudioChannelSet;
    auto accepts = [&] (const Set& in, const Set& out)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (in);
        layout.outputBuses.add (out);
        return p.checkBusesLayoutSupported (layout);
    };
    EXPECT_TRUE (accepts (Set::mono(), Set::mono()));
    EXPECT_TRUE (accepts (Set::stereo(), Set::stereo()));
    EXPECT_FALSE (accepts (Set::stereo(), Set::mono()));
    EXPECT_FALSE (accepts (Set::mono(), Set::stereo()));
    EXPECT_FALSE (accepts (Set::disabled(), Set::stereo()));
    EXPECT_FALSE (accepts (Set::create5point1(), Set::create5point1()));
}
