/*
    The shipped weight design. The gates are held at r = z = 0.5 (zero gate
    weights), so each used unit follows h <- 0.5 h + 0.5 tanh(x W_n + 0.5 h W_hn);
    every other unit stays exactly 0. Three units do the work:
      mid:      input s [1, 1], self-weight -2. The -2 cancels the 0.5 pole, so
                the unit has no memory and holds h = s M (M = (L + R) / 2).
      side:     input s g(w) [1, -1], self-weight -2: h = s g S (S = (L - R) / 2).
      low-pass: input sE (1 - p) [1, -1], self-weight 4 p - 2: a one-pole low-pass
                of the side with unity DC gain, h = sE LP(S). It feeds the side unit
                with -4 (s / sE) max(g - 1, 0), which removes the widening part of
                the side gain below the corner: side' = g S - max(g - 1, 0) LP(S).
    The output matrix maps mid to [1/s, 1/s] and side to [1/s, -1/s]. Gate
    weights stay zero because products of signals would add even harmonics.
*/
#include "WeightDesign.h"

#include "HypernetworkBuilder.h"
#include "InputCompensation.h"

#include <cmath>
#include <map>

namespace weights
{
namespace
{
constexpr double scale = 0.1; // keeps the tanh close to linear; distortion grows with its square
constexpr int midUnit = 0;
constexpr int sideUnit = 1;
constexpr int lowPassUnit = 2;
constexpr double lowestCorner = 75.0; // Hz, at "Width EQ" 1

// Hypernetwork features: two shifted copies that stay positive (so LeakyReLU
// passes them unchanged) and the kinks of the piecewise-linear laws.
enum Feature
{
    eqPlusOne,
    widthPlusTwo,
    eqAbove02,
    eqAbove04,
    eqAbove06,
    widthAbove0,
    widthAbove05
};

struct Kink
{
    Feature feature;
    bool onEq;
    double at;
};
constexpr Kink kinks[] = { { eqAbove02, true, 0.2 },
                           { eqAbove04, true, 0.4 },
                           { eqAbove06, true, 0.6 },
                           { widthAbove0, false, 0.0 },
                           { widthAbove05, false, 0.5 } };

/** A function of the controls: constant + eq e + width w + sum of coefficient * relu(control - kink). */
struct Law
{
    double constant = 0.0, eq = 0.0, width = 0.0;
    std::map<Feature, double> relus;

    Law operator* (double k) const
    {
        Law l = *this;
        l.constant *= k;
        l.eq *= k;
        l.width *= k;
        for (auto& [f, c] : l.relus)
            c *= k;
        return l;
    }
};

/** The piecewise-linear law of one control through the given points, with a
    kink at every interior point (each must be one of the declared kinks). */
Law throughPoints (bool onEq, const std::vector<std::pair<double, double>>& points)
{
    Law law;
    double slope = (points[1].second - points[0].second) / (points[1].first - points[0].first);
    (onEq ? law.eq : law.width) = slope;
    law.constant = points[0].second - slope * points[0].first;
    for (size_t i = 1; i + 1 < points.size(); ++i)
    {
        const double next = (points[i + 1].second - points[i].second) / (points[i + 1].first - points[i].first);
        for (const auto& kink : kinks)
            if (kink.onEq == onEq && kink.at == points[i].first)
                law.relus[kink.feature] = next - slope;
        slope = next;
    }
    return law;
}

/** Expresses a law in the features: relu(x) = (LeakyReLU(x) - 0.2 x) / 0.8, and
    e, w come from their shifted copies. */
std::pair<float, std::vector<std::pair<int, float>>> toFeatures (const Law& law)
{
    double constant = law.constant, eq = law.eq, width = law.width;
    std::vector<std::pair<int, float>> terms;
    for (const auto& [feature, c] : law.relus)
    {
        for (const auto& kink : kinks)
            if (kink.feature == feature)
            {
                (kink.onEq ? eq : width) -= 0.25 * c;
                constant += 0.25 * c * kink.at;
            }
        terms.push_back ({ feature, static_cast<float> (c / 0.8) });
    }
    if (eq != 0.0)
        terms.push_back ({ eqPlusOne, static_cast<float> (eq) });
    if (width != 0.0)
        terms.push_back ({ widthPlusTwo, static_cast<float> (width) });
    constant -= eq * 1.0 + width * 2.0;
    return { static_cast<float> (constant), terms };
}

double lowPassPole (double eq, double internalRate)
{
    return std::exp (-2.0 * M_PI * widthEqCorner (eq) / internalRate);
}

void designHypernetwork (HypernetworkBuilder& net, double internalRate)
{
    net.setFeature (eqPlusOne, 1.0f, 0.0f, 1.0f, 1.0f);
    net.setFeature (widthPlusTwo, 0.0f, 1.0f, 2.0f, 1.0f);
    for (const auto& kink : kinks)
        net.setFeature (kink.feature, kink.onEq ? 1.0f : 0.0f, kink.onEq ? 0.0f : 1.0f, static_cast<float> (-kink.at),
                        static_cast<float> (-1.0 - kink.at));

    // The slowest low-pass amplifies the tanh's error by 1 / (1 - p): its own
    // smaller scale keeps that error no larger than the side unit's.
    const double lowPassScale = scale * std::sqrt (2.0 * (1.0 - lowPassPole (0.2, internalRate)));

    const auto side =
        throughPoints (false, { { -1.0, sideGain (-1.0) }, { 0.0, 1.0 }, { 0.5, sideGain (0.5) }, { 1.0, sideGain (1.0) } });
    const auto widening =
        throughPoints (false, { { -1.0, 0.0 }, { 0.0, 0.0 }, { 0.5, sideGain (0.5) - 1.0 }, { 1.0, sideGain (1.0) - 1.0 } });

    // The EQ switched off (e = 0) gives the low-pass no input and no memory, so
    // its state is gone within a sample and the side gain is flat.
    std::vector<std::pair<double, double>> input { { 0.0, 0.0 } }, selfWeight { { 0.0, -2.0 } };
    for (double e : { 0.2, 0.4, 0.6, 0.8 })
    {
        const double p = lowPassPole (e, internalRate);
        input.push_back ({ e, lowPassScale * (1.0 - p) });
        selfWeight.push_back ({ e, 4.0 * p - 2.0 });
    }

    auto setInput = [&net] (int unit, const Law& law, bool sideSigned)
    {
        for (int input = 0; input < 2; ++input)
        {
            const auto [constant, terms] = toFeatures (law * (sideSigned && input == 1 ? -1.0 : 1.0));
            net.setInputWeight (input, HypernetworkBuilder::candidate, unit, constant, terms);
        }
    };
    auto setRecurrent = [&net] (int from, int to, const Law& law)
    {
        const auto [constant, terms] = toFeatures (law);
        net.setRecurrentWeight (from, HypernetworkBuilder::candidate, to, constant, terms);
    };

    Law constantScale;
    constantScale.constant = scale;
    Law memoryless;
    memoryless.constant = -2.0;

    setInput (midUnit, constantScale, false);
    setInput (sideUnit, side * scale, true);
    setInput (lowPassUnit, throughPoints (true, input), true);
    setRecurrent (midUnit, midUnit, memoryless);
    setRecurrent (sideUnit, sideUnit, memoryless);
    setRecurrent (lowPassUnit, lowPassUnit, throughPoints (true, selfWeight));
    setRecurrent (lowPassUnit, sideUnit, widening * (-4.0 * scale / lowPassScale));
}

std::vector<float> outputMatrix()
{
    // [2][12]: output c, unit i at c * 12 + i. L = mid + side, R = mid - side.
    std::vector<float> w (24, 0.0f);
    const auto unscale = static_cast<float> (1.0 / scale);
    w[0 * 12 + midUnit] = unscale;
    w[0 * 12 + sideUnit] = unscale;
    w[1 * 12 + midUnit] = unscale;
    w[1 * 12 + sideUnit] = -unscale;
    return w;
}
} // namespace

double sideGain (double width)
{
    // Below 0 linear down to mono; above, 1.73 at the middle and 3 at the end:
    // roughly even steps in dB.
    if (width <= 0.0)
        return 1.0 + width;
    return width <= 0.5 ? 1.0 + width * (0.73 / 0.5) : 1.73 + (width - 0.5) * (1.27 / 0.5);
}

double widthEqCorner (double eq)
{
    return lowestCorner * std::pow (2.0, (eq - 0.2) / 0.2);
}

std::vector<Member> designModelWeights (double internalRate)
{
    HypernetworkBuilder net;
    designHypernetwork (net, internalRate);

    std::map<std::string, std::vector<float>> arrays {
        { "conv_in.weight", designInputCompensation (internalRate) },
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
