/*
    The shipped weight design. The gates are held at r = z = 0.5 (zero gate
    weights), so each used unit follows h <- 0.5 h + 0.5 tanh(x W_n + 0.5 h W_hn).
    A self-weight of -2 cancels the 0.5 pole: the unit then holds s times its
    input and has no memory. Unit 0 carries mid, unit 1 side times g(width).
*/
#include "WeightDesign.h"

#include "HypernetworkBuilder.h"

#include <map>

namespace weights
{
namespace
{
constexpr float scale = 0.1f; // keeps the tanh close to linear
constexpr int midUnit = 0;
constexpr int sideUnit = 1;

enum Feature
{
    widthKink = 0,   // LeakyReLU(width): width above 0, 0.2 width below
    widthShifted = 1 // width + 2, always positive
};

void designHypernetwork (HypernetworkBuilder& net)
{
    net.setFeature (widthKink, 0.0f, 1.0f, 0.0f, -1.0f);
    net.setFeature (widthShifted, 0.0f, 1.0f, 2.0f, 1.0f);

    // g(width) = 1 + a (width) + b LeakyReLU(width): slope 1 below 0 (g(-1) = 0,
    // mono), slope 2 above (g(1) = 3).
    constexpr float a = 0.75f, b = 1.25f;
    for (int input = 0; input < 2; ++input)
    {
        const float sign = input == 0 ? 1.0f : -1.0f;
        net.setInputWeight (input, HypernetworkBuilder::candidate, midUnit, scale);
        net.setInputWeight (input, HypernetworkBuilder::candidate, sideUnit, sign * scale * (1.0f - 2.0f * a),
                            { { widthShifted, sign * scale * a }, { widthKink, sign * scale * b } });
    }
    net.setRecurrentWeight (midUnit, HypernetworkBuilder::candidate, midUnit, -2.0f);
    net.setRecurrentWeight (sideUnit, HypernetworkBuilder::candidate, sideUnit, -2.0f);
}

std::vector<float> outputMatrix()
{
    // [2][12]: output c, unit i at c * 12 + i. L = mid + side, R = mid - side.
    std::vector<float> w (24, 0.0f);
    w[0 * 12 + midUnit] = 1.0f / scale;
    w[0 * 12 + sideUnit] = 1.0f / scale;
    w[1 * 12 + midUnit] = 1.0f / scale;
    w[1 * 12 + sideUnit] = -1.0f / scale;
    return w;
}

std::vector<float> inputResponse()
{
    // Stored time-reversed: the last value is the first tap. A unit impulse.
    std::vector<float> taps (2048, 0.0f);
    taps.back() = 1.0f;
    return taps;
}
} // namespace

std::vector<Member> designModelWeights (double /*internalRate*/)
{
    HypernetworkBuilder net;
    designHypernetwork (net);

    std::map<std::string, std::vector<float>> arrays {
        { "conv_in.weight", inputResponse() },
        { "rnn.prelayers.0.weight", net.layer0Weight() },
        { "rnn.prelayers.0.bias", net.layer0Bias() },
        { "rnn.prelayers.2.weight", net.passWeight() },
        { "rnn.prelayers.2.bias", net.passBias (true) },
        { "rnn.prelayers.4.weight", net.passWeight() },
        { "rnn.prelayers.4.bias", net.passBias (false) },
        { "rnn.prelayers.6.weight", net.passWeight() },
        { "rnn.prelayers.6.bias", net.passBias (false) },
        { "rnn.proj_ih.weight", net.projectionIhWeight() },
        { "rnn.proj_ih.bias", net.projectionIhBias() },
        { "rnn.proj_hh.weight", net.projectionHhWeight() },
        { "rnn.proj_hh.bias", net.projectionHhBias() },
        { "linear_out.weight", outputMatrix() },
    };

    // Members the model does not read keep their sizes, filled with zeros.
    std::vector<Member> members;
    for (const auto& [key, count] : memberLayout())
    {
        auto values = arrays.count (key) ? arrays.at (key) : std::vector<float> (count, 0.0f);
        values.resize (count, 0.0f);
        members.push_back ({ key, std::move (values) });
    }
    return members;
}

} // namespace weights
