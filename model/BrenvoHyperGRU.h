/*
    The gated recurrent cell that widens the signal sample by sample. Its input
    and recurrent weights come from the hypernetwork and are passed in at every
    step; only the output matrix is its own.
*/
#pragma once

#include "BrenvoActivations.h"
#include "BrenvoMatrix.h"

namespace Brenvo
{

template <typename T, int HiddenSize, int Channels>
class HyperGRU
{
public:
    using OutputMatrix = Eigen::Matrix<T, HiddenSize, Channels>;
    using GateRow = Eigen::Matrix<T, 1, HiddenSize>;

    /** Reads "linear_out.weight": W_out(i, c) = v[c * H + i]. */
    void loadParams (nlohmann::json& weights)
    {
        const auto v = readArray<T> (weights, "linear_out.weight");
        W_out.setZero();
        for (std::size_t k = 0; k < static_cast<std::size_t> (HiddenSize * Channels) && k < v.size(); ++k)
            W_out.data()[k] = v[k];
    }

    /** Zeroes the hidden state and sizes the rows for a new block length. */
    void reset (int numChannels, int numSamples)
    {
        channelCount = numChannels;
        blockLength = numSamples;
        hidden_state.setZero (1, HiddenSize);
        gru_input.conservativeResize (1, Channels);
        gru_output.setZero (1, Channels);
        reset_gate.setZero (1, HiddenSize);
        update_gate.setZero (1, HiddenSize);
        candidate.setZero (1, HiddenSize);
        input_projection.setZero (1, 3 * HiddenSize);
        hidden_projection.setZero (1, 3 * HiddenSize);
    }

    /** One step: gates r, z, candidate n, new hidden state h and output y.
        The gate columns of W_ih (Channels x 3H) and W_hh (H x 3H) are r, z, n. */
    void forward_cell (const Matrix<T>& x, const Matrix<T>& W_ih, const Matrix<T>& W_hh)
    {
        input_projection.noalias() = x * W_ih;
        hidden_projection.noalias() = hidden_state * W_hh;

        const GateRow r_in = input_projection.template middleCols<HiddenSize> (0) + hidden_projection.template middleCols<HiddenSize> (0);
        const GateRow z_in = input_projection.template middleCols<HiddenSize> (HiddenSize) + hidden_projection.template middleCols<HiddenSize> (HiddenSize);
        reset_gate = sigmoid (r_in);
        update_gate = sigmoid (z_in);

        const GateRow n_in = input_projection.template middleCols<HiddenSize> (2 * HiddenSize)
                           + reset_gate.cwiseProduct (hidden_projection.template middleCols<HiddenSize> (2 * HiddenSize));
        candidate = fastTanh (n_in);

        hidden_state = (update_gate.array() * hidden_state.array()
                        + (T (1) - update_gate.array()) * candidate.array()).matrix();

        gru_output.noalias() = hidden_state * W_out;
    }

    OutputMatrix W_out;
    Matrix<T> hidden_state;
    Matrix<T> gru_output;
    int channelCount = 0;
    int blockLength = 0;
    Matrix<T> reset_gate;
    Matrix<T> update_gate;
    Matrix<T> candidate;
    Matrix<T> input_projection;
    Matrix<T> hidden_projection;
    Matrix<T> gru_input;
};

} // namespace Brenvo
