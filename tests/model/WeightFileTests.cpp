/*
    Weight files: the loading rules and the shipped files' one-line format.
*/
#include "ModelWeightsFile.h"
#include "RandomWeights.h"
#include "WeightDesign.h"
#include "model/Brenvo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{
std::string readFile (const std::string& path)
{
    std::ifstream file (path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

struct LoadedModel
{
    Brenvo::Subnet<float, 12> net;
    Brenvo::HyperGRU<float, 12, 2> cell;

    explicit LoadedModel (nlohmann::json document)
    {
        net.loadParams (document);
        cell.loadParams (document);
        net.forward (0.6f, 0.3f);
    }
};
} // namespace

TEST (WeightFile, MemberOrderAndExtraMembersDoNotMatter)
{
    const RandomWeights weights (4, 0.5, 0.5);
    // The document's own dump writes its members sorted; this text has them in reverse, with
    // members of no layer before, between and after them.
    std::string text = "{\"some.other.layer\": [1, 2, 3]";
    std::vector<std::string> names;
    for (const auto& member : weights.document.items())
        names.push_back (member.key());
    for (auto name = names.rbegin(); name != names.rend(); ++name)
    {
        text += ", \"" + *name + "\": " + weights.document[*name].dump();
        if (name == names.rbegin())
            text += ", \"hidden\": [0, 0, 0]";
    }
    text += ", \"a.first.layer\": {\"nested\": true}}";
    ASSERT_GT (text.find (names.front()), text.find (names.back()));

    const LoadedModel a (weights.document), b (nlohmann::json::parse (text));
    EXPECT_EQ (a.net.W_ih, b.net.W_ih);
    EXPECT_EQ (a.net.W_hh, b.net.W_hh);
    EXPECT_EQ (a.cell.W_out, b.cell.W_out);
}

TEST (WeightFile, WholeNumbersAreAccepted)
{
    auto doc = nlohmann::json::parse (R"({"linear_out.weight": [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                                                              -1, -2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]})");
    Brenvo::HyperGRU<float, 12, 2> cell;
    cell.loadParams (doc);
    EXPECT_EQ (cell.W_out (11, 0), 11.0f);
    EXPECT_EQ (cell.W_out (1, 1), -2.0f);
}

TEST (WeightFile, FirstLayerIsOutputMajor)
{
    RandomWeights weights (6, 0.5, 0.5);
    const auto f = weights.document["rnn.prelayers.0.weight"].get<std::vector<float>>();
    const auto c = weights.document["rnn.prelayers.0.bias"].get<std::vector<float>>();
    Brenvo::Subnet<float, 12> net;
    net.loadParams (weights.document);
    const float a = 0.37f, b = -0.81f;
    net.forward (a, b);
    for (size_t o = 0; o < 16; ++o)
    {
        const float pre = a * f[2 * o] + b * f[2 * o + 1] + c[o];
        EXPECT_FLOAT_EQ (net.prelayer0_out (0, static_cast<int> (o)), std::max (0.2f * pre, pre));
    }
}

TEST (WeightFile, MissingOrMistypedMemberThrowsTypeError)
{
    auto missing = RandomWeights (8, 0.5, 0.5).document;
    missing.erase ("rnn.proj_hh.bias");
    Brenvo::Subnet<float, 12> net;
    try
    {
        net.loadParams (missing);
        FAIL() << "expected a type error";
    }
    catch (const nlohmann::json::type_error& e)
    {
        EXPECT_EQ (e.id, 302);
        EXPECT_NE (std::string (e.what()).find ("type must be array, but is null"), std::string::npos);
    }

    auto mistyped = RandomWeights (8, 0.5, 0.5).document;
    mistyped["linear_out.weight"][3] = "x";
    Brenvo::HyperGRU<float, 12, 2> cell;
    EXPECT_THROW (cell.loadParams (mistyped), nlohmann::json::type_error);
}

TEST (WeightFile, ValuesAreWrittenWithSeventeenDigits)
{
    EXPECT_EQ (weights::formatValue (0.2f), "0.20000000298023224");
    EXPECT_EQ (weights::formatValue (0.0f), "0");
    EXPECT_EQ (weights::formatValue (-2.0f), "-2");
    EXPECT_EQ (weights::formatModelWeights ({ { "a", { 1.0f, 0.5f } }, { "b", {} } }), "{\"a\": [1, 0.5], \"b\": []}");
}

class ShippedWeightFile : public ::testing::TestWithParam<std::pair<double, const char*>>
{
};

TEST_P (ShippedWeightFile, IsExactlyWhatTheGeneratorWrites)
{
    const auto [rate, name] = GetParam();
    const auto shipped = readFile (std::string (DUVELINE_RESOURCES_DIR) + "/" + name);
    ASSERT_FALSE (shipped.empty());
    EXPECT_EQ (shipped, weights::formatModelWeights (weights::designModelWeights (rate)));
    EXPECT_EQ (shipped.find ('\n'), std::string::npos);

    const auto document = nlohmann::json::parse (shipped);
    size_t position = 0;
    for (const auto& [key, count] : weights::memberLayout())
    {
        ASSERT_TRUE (document.contains (key)) << key;
        EXPECT_EQ (document[key].size(), count) << key;
        const auto at = shipped.find ("\"" + std::string (key) + "\": [");
        EXPECT_GT (at, position == 0 ? 0 : position - 1) << key << " out of order";
        position = at + 1;
    }
}

TEST_P (ShippedWeightFile, GeneratorIsDeterministic)
{
    const auto rate = GetParam().first;
    const auto first = weights::designModelWeights (rate), second = weights::designModelWeights (rate);
    ASSERT_EQ (first.size(), second.size());
    for (size_t m = 0; m < first.size(); ++m)
        EXPECT_EQ (first[m].values, second[m].values) << first[m].key;
}

INSTANTIATE_TEST_SUITE_P (Rates, ShippedWeightFile,
                          ::testing::Values (std::pair { 96000.0, "ModelWeights96k.json" },
                                             std::pair { 192000.0, "ModelWeights192k.json" }));
