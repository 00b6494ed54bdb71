/*
    Random weight documents for the model tests, with the same values handed to
    the double-precision reference.
*/
#pragma once

#include "ReferenceModel.h"

#include <nlohmann/json.hpp>

#include <random>
#include <string>

struct RandomWeights
{
    nlohmann::json document;
    reference::HypernetworkWeights hyper;
    std::vector<double> linearOut;

    RandomWeights (unsigned seed, double hyperScale, double projectionScale, double outputScale = 1.0)
    {
        std::mt19937 rng (seed);
        auto fill = [&] (const char* key, size_t count, double scale)
        {
            std::uniform_real_distribution<float> dist (static_cast<float> (-scale), static_cast<float> (scale));
            std::vector<float> values (count);
            for (auto& v : values)
                v = dist (rng);
            document[key] = values;
            return std::vector<double> (values.begin(), values.end());
        };

        hyper.w0 = fill ("rnn.prelayers.0.weight", 32, hyperScale);
        hyper.b0 = fill ("rnn.prelayers.0.bias", 16, hyperScale);
        hyper.w2 = fill ("rnn.prelayers.2.weight", 256, hyperScale);
        hyper.b2 = fill ("rnn.prelayers.2.bias", 16, hyperScale);
        hyper.w4 = fill ("rnn.prelayers.4.weight", 256, hyperScale);
        hyper.b4 = fill ("rnn.prelayers.4.bias", 16, hyperScale);
        hyper.w6 = fill ("rnn.prelayers.6.weight", 256, hyperScale);
        hyper.b6 = fill ("rnn.prelayers.6.bias", 16, hyperScale);
        hyper.wih = fill ("rnn.proj_ih.weight", 1152, projectionScale);
        hyper.bih = fill ("rnn.proj_ih.bias", 72, projectionScale);
        hyper.whh = fill ("rnn.proj_hh.weight", 6912, projectionScale);
        hyper.bhh = fill ("rnn.proj_hh.bias", 432, projectionScale);
        linearOut = fill ("linear_out.weight", 24, outputScale);
        fill ("conv_in.weight", 2048, 0.01);
    }

    reference::Cell referenceCell() const
    {
        reference::Cell cell;
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < reference::H; ++i)
                cell.out[static_cast<size_t> (i)][static_cast<size_t> (c)] = linearOut[static_cast<size_t> (c * 12 + i)];
        return cell;
    }
};
