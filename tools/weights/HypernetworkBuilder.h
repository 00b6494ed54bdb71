/*
    Builds hypernetwork weights by hand: the first layer forms features of the
    controls (eq, width), later layers pass them on unchanged, and the two
    projections map the features linearly onto entries of W_ih and W_hh.
*/
#pragma once

#include <array>
#include <vector>

namespace weights
{

class HypernetworkBuilder
{
public:
    static constexpr int hidden = 12;
    static constexpr int layerSize = 16;
    static constexpr int gateColumns = 3 * hidden;
    enum Gate
    {
        resetGate = 0,
        updateGate = 1,
        candidate = 2
    };

    HypernetworkBuilder();

    /** Declares feature k = LeakyReLU(eqCoefficient * eq + widthCoefficient * width + bias).
        `lowestValue` bounds the feature from below over the control ranges; the
        pass-through layers lift it by that much so their LeakyReLUs stay linear. */
    void setFeature (int k, float eqCoefficient, float widthCoefficient, float bias, float lowestValue);

    /** W_ih(input, gate block + unit) = constant + sum of coefficient * feature. */
    void setInputWeight (int input, Gate gate, int unit, float constant, const std::vector<std::pair<int, float>>& features = {});
    /** W_hh(from, gate block + to) = constant + sum of coefficient * feature. */
    void setRecurrentWeight (int from, Gate gate, int to, float constant,
                             const std::vector<std::pair<int, float>>& features = {});

    std::vector<float> layer0Weight() const; // [16][2]
    std::vector<float> layer0Bias() const;
    std::vector<float> passWeight() const; // [16][16] identity on declared features
    std::vector<float> passBias (bool lift) const;
    std::vector<float> projectionIhWeight() const; // [72][16]
    std::vector<float> projectionIhBias() const;
    std::vector<float> projectionHhWeight() const; // [432][16]
    std::vector<float> projectionHhBias() const;

private:
    struct Feature
    {
        bool used = false;
        float eq = 0.0f, width = 0.0f, bias = 0.0f, lift = 0.0f;
    };
    struct Projection
    {
        std::vector<float> weight; // [outputs][16]
        std::vector<float> bias;
    };

    void setProjection (Projection& p, int output, float constant, const std::vector<std::pair<int, float>>& features);

    std::array<Feature, layerSize> features {};
    Projection ih, hh;
};

} // namespace weights
