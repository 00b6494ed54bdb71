/*
    The hypernetwork: four 16-wide LeakyReLU layers and two linear projections
    that turn the controls (eq, width) into the recurrent cell's weights.
*/
#pragma once

#include "BrenvoActivations.h"
#include "BrenvoLinear.h"

namespace Brenvo
{

template <typename T, int HiddenSize>
class Subnet
{
public:
    static constexpr int layerSize = 16;
    static constexpr int gateColumns = 3 * HiddenSize;        // r, z and n blocks
    static constexpr int inputWeightCount = 2 * gateColumns;  // W_ih is 2 x 3H
    static constexpr int recurrentWeightCount = HiddenSize * gateColumns;

    Subnet()
        : prelayer0_weight (Matrix<T>::Zero (2, layerSize)),
          prelayer0_bias (BiasRow<T>::Zero (layerSize)),
          proj_ih_weight (Matrix<T>::Zero (layerSize, inputWeightCount)),
          proj_ih_bias (BiasRow<T>::Zero (inputWeightCount)),
          proj_hh_weight (Matrix<T>::Zero (layerSize, recurrentWeightCount)),
          proj_hh_bias (BiasRow<T>::Zero (recurrentWeightCount))
    {
    }

    void loadParams (nlohmann::json& weights)
    {
        copyFlat (readArray<T> (weights, "rnn.prelayers.0.weight"), prelayer0_weight, 2, layerSize);
        copyFlat (readArray<T> (weights, "rnn.prelayers.0.bias"), prelayer0_bias, 1, layerSize);
        loadLayer (weights, prelayer2, "rnn.prelayers.2.weight", "rnn.prelayers.2.bias");
        loadLayer (weights, prelayer4, "rnn.prelayers.4.weight", "rnn.prelayers.4.bias");
        loadLayer (weights, prelayer6, "rnn.prelayers.6.weight", "rnn.prelayers.6.bias");
        copyFlat (readArray<T> (weights, "rnn.proj_ih.weight"), proj_ih_weight, layerSize, inputWeightCount);
        copyFlat (readArray<T> (weights, "rnn.proj_ih.bias"), proj_ih_bias, 1, inputWeightCount);
        copyFlat (readArray<T> (weights, "rnn.proj_hh.weight"), proj_hh_weight, layerSize, recurrentWeightCount);
        copyFlat (readArray<T> (weights, "rnn.proj_hh.bias"), proj_hh_bias, 1, recurrentWeightCount);
    }

    /** Runs the network for the controls (eq, width) and leaves the cell's
        weights in W_ih (2 x 3H) and W_hh (H x 3H). After the first call every
        row keeps its storage, so later calls do not allocate. */
    void forward (T eq, T width)
    {
        const Eigen::Matrix<T, 1, 2> u (eq, width);

        prelayer0_out.resize (1, layerSize);
        prelayer0_out.noalias() = u * prelayer0_weight;
        prelayer0_out += prelayer0_bias;
        leakyRelu (prelayer0_out);

        prelayer2.forward (prelayer0_out);
        leakyRelu (prelayer2.output);
        prelayer4.forward (prelayer2.output);
        leakyRelu (prelayer4.output);
        prelayer6.forward (prelayer4.output);
        leakyRelu (prelayer6.output);

        proj_ih_out.resize (1, inputWeightCount);
        proj_ih_out.noalias() = prelayer6.output * proj_ih_weight;
        proj_ih_out += proj_ih_bias;

        proj_hh_out.resize (1, recurrentWeightCount);
        proj_hh_out.noalias() = prelayer6.output * proj_hh_weight;
        proj_hh_out += proj_hh_bias;

        // Row by row: value k lands at row k / 3H, column k % 3H.
        using InputRows = Eigen::Matrix<T, 2, gateColumns, Eigen::RowMajor>;
        using RecurrentRows = Eigen::Matrix<T, HiddenSize, gateColumns, Eigen::RowMajor>;
        W_ih.resize (2, gateColumns);
        W_ih = Eigen::Map<const InputRows> (proj_ih_out.data());
        W_hh.resize (HiddenSize, gateColumns);
        W_hh = Eigen::Map<const RecurrentRows> (proj_hh_out.data());
    }

    Matrix<T> prelayer0_weight;
    BiasRow<T> prelayer0_bias;
    Matrix<T> prelayer0_out;
    LinearT<T, layerSize, layerSize> prelayer2;
    LinearT<T, layerSize, layerSize> prelayer4;
    LinearT<T, layerSize, layerSize> prelayer6;
    Matrix<T> proj_ih_weight;
    BiasRow<T> proj_ih_bias;
    Matrix<T> proj_ih_out;
    Matrix<T> proj_hh_weight;
    BiasRow<T> proj_hh_bias;
    Matrix<T> proj_hh_out;
    Matrix<T> W_ih;
    Matrix<T> W_hh;

private:
    static void loadLayer (nlohmann::json& weights, LinearT<T, layerSize, layerSize>& layer,
                           const char* weightKey, const char* biasKey)
    {
        layer.setWeight (readArray<T> (weights, weightKey));
        copyFlat (readArray<T> (weights, biasKey), layer.bias, 1, layerSize);
    }
};

} // namespace Brenvo
