/*
    Hand-built hypernetwork weights.
*/
#include "HypernetworkBuilder.h"

#include <stdexcept>

namespace weights
{

HypernetworkBuilder::HypernetworkBuilder()
{
    ih.weight.assign (2 * gateColumns * layerSize, 0.0f);
    ih.bias.assign (2 * gateColumns, 0.0f);
    hh.weight.assign (hidden * gateColumns * layerSize, 0.0f);
    hh.bias.assign (hidden * gateColumns, 0.0f);
}

void HypernetworkBuilder::setFeature (int k, float eqCoefficient, float widthCoefficient, float bias, float lowestValue)
{
    if (k < 0 || k >= layerSize)
        throw std::out_of_range ("feature index");
    // A negative pre-activation leaves LeakyReLU scaled by 0.2: lift by that bound.
    const float lowestOutput = lowestValue < 0.0f ? 0.2f * lowestValue : lowestValue;
    features[(size_t)k] = { true, eqCoefficient, widthCoefficient, bias, lowestOutput < 0.0f ? -lowestOutput : 0.0f };
}

void HypernetworkBuilder::setProjection (Projection& p, int output, float constant,
                                         const std::vector<std::pair<int, float>>& terms)
{
    // The features arrive lifted by their offset: take it back in the bias.
    float bias = constant;
    for (const auto& [k, coefficient] : terms)
    {
        if (!features.at ((size_t)k).used)
            throw std::logic_error ("projection uses an undeclared feature");
        p.weight[(size_t)(output * layerSize + k)] = coefficient;
        bias -= coefficient * features[(size_t)k].lift;
    }
    p.bias[(size_t)output] = bias;
}

void HypernetworkBuilder::setInputWeight (int input, Gate gate, int unit, float constant,
                                          const std::vector<std::pair<int, float>>& terms)
{
    setProjection (ih, input * gateColumns + gate * hidden + unit, constant, terms);
}

void HypernetworkBuilder::setRecurrentWeight (int from, Gate gate, int to, float constant,
                                              const std::vector<std::pair<int, float>>& terms)
{
    setProjection (hh, from * gateColumns + gate * hidden + to, constant, terms);
}

std::vector<float> HypernetworkBuilder::layer0Weight() const
{
    std::vector<float> w (layerSize * 2, 0.0f);
    for (int k = 0; k < layerSize; ++k)
    {
        w[(size_t)(k * 2 + 0)] = features[(size_t)k].eq;
        w[(size_t)(k * 2 + 1)] = features[(size_t)k].width;
    }
    return w;
}

std::vector<float> HypernetworkBuilder::layer0Bias() const
{
    std::vector<float> b (layerSize, 0.0f);
    for (int k = 0; k < layerSize; ++k)
        b[(size_t)k] = features[(size_t)k].bias;
    return b;
}

std::vector<float> HypernetworkBuilder::passWeight() const
{
    std::vector<float> w (layerSize * layerSize, 0.0f);
    for (int k = 0; k < layerSize; ++k)
        if (features[(size_t)k].used)
            w[(size_t)(k * layerSize + k)] = 1.0f;
    return w;
}

std::vector<float> HypernetworkBuilder::passBias (bool lift) const
{
    std::vector<float> b (layerSize, 0.0f);
    if (lift)
        for (int k = 0; k < layerSize; ++k)
            b[(size_t)k] = features[(size_t)k].lift;
    return b;
}

std::vector<float> HypernetworkBuilder::projectionIhWeight() const
{
    return ih.weight;
}
std::vector<float> HypernetworkBuilder::projectionIhBias() const
{
    return ih.bias;
}
std::vector<float> HypernetworkBuilder::projectionHhWeight() const
{
    return hh.weight;
}
std::vector<float> HypernetworkBuilder::projectionHhBias() const
{
    return hh.bias;
}

} // namespace weights
