/*
    A double-precision reference of the widening network, written straight from
    its equations with plain arrays, independent of the Eigen code under test.
*/
#pragma once

#include <array>
#include <cmath>
#include <vector>

namespace reference
{

constexpr int H = 12;
constexpr int G = 3 * H;

/** Flat weights as the files store them (output-major). */
struct HypernetworkWeights
{
    std::vector<double> w0, b0, w2, b2, w4, b4, w6, b6, wih, bih, whh, bhh;
};

inline std::vector<double> denseLeaky (const std::vector<double>& x, const std::vector<double>& w,
                                       const std::vector<double>& b, int nOut, bool leaky)
{
    const int nIn = static_cast<int> (x.size());
    std::vector<double> y (static_cast<size_t> (nOut));
    for (int o = 0; o < nOut; ++o)
    {
        double sum = b[static_cast<size_t> (o)];
        for (int i = 0; i < nIn; ++i)
            sum += x[static_cast<size_t> (i)] * w[static_cast<size_t> (o * nIn + i)];
        y[static_cast<size_t> (o)] = leaky ? std::max (0.2 * sum, sum) : sum;
    }
    return y;
}

struct CellWeights
{
    std::array<std::array<double, G>, 2> ih {};
    std::array<std::array<double, G>, H> hh {};
};

inline CellWeights hypernetwork (const HypernetworkWeights& n, double eq, double width)
{
    auto h = denseLeaky ({ eq, width }, n.w0, n.b0, 16, true);
    h = denseLeaky (h, n.w2, n.b2, 16, true);
    h = denseLeaky (h, n.w4, n.b4, 16, true);
    h = denseLeaky (h, n.w6, n.b6, 16, true);
    const auto pih = denseLeaky (h, n.wih, n.bih, 2 * G, false);
    const auto phh = denseLeaky (h, n.whh, n.bhh, H * G, false);

    CellWeights c;
    for (int i = 0; i < 2; ++i)
        for (int g = 0; g < G; ++g)
            c.ih[static_cast<size_t> (i)][static_cast<size_t> (g)] = pih[static_cast<size_t> (G * i + g)];
    for (int j = 0; j < H; ++j)
        for (int g = 0; g < G; ++g)
            c.hh[static_cast<size_t> (j)][static_cast<size_t> (g)] = phh[static_cast<size_t> (G * j + g)];
    return c;
}

struct Cell
{
    std::array<double, H> h {};
    std::array<std::array<double, 2>, H> out {}; // out[i][c]

    std::array<double, 2> step (const std::array<double, 2>& x, const CellWeights& w)
    {
        std::array<double, G> gi {}, gh {};
        for (int g = 0; g < G; ++g)
        {
            for (int i = 0; i < 2; ++i)
                gi[static_cast<size_t> (g)] += x[static_cast<size_t> (i)] * w.ih[static_cast<size_t> (i)][static_cast<size_t> (g)];
            for (int j = 0; j < H; ++j)
                gh[static_cast<size_t> (g)] += h[static_cast<size_t> (j)] * w.hh[static_cast<size_t> (j)][static_cast<size_t> (g)];
        }
        std::array<double, H> next {};
        for (int k = 0; k < H; ++k)
        {
            const auto s = [] (double v) { return 1.0 / (1.0 + std::exp (-v)); };
            const auto kk = static_cast<size_t> (k);
            const double r = s (gi[kk] + gh[kk]);
            const double z = s (gi[kk + H] + gh[kk + H]);
            const double n = std::tanh (gi[kk + 2 * H] + r * gh[kk + 2 * H]);
            next[kk] = z * h[kk] + (1.0 - z) * n;
        }
        h = next;
        std::array<double, 2> y {};
        for (int c = 0; c < 2; ++c)
            for (int k = 0; k < H; ++k)
                y[static_cast<size_t> (c)] += h[static_cast<size_t> (k)] * out[static_cast<size_t> (k)][static_cast<size_t> (c)];
        return y;
    }
};

} // namespace reference
