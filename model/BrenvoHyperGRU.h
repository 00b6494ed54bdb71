/*
    The gated recurrent cell that widens the signal sample by sample. Its input
    and recurrent weights come from the hypernetwork and are passed in at every
    step; only the output matrix is its own.
*/
#pragma once

#include "BrenvoActivations.h"
#include "BrenvoMatrix.h"

#include <type_traits>

namespace Brenvo
{

template <typename T, int HiddenSize, int Channels>

class HyperGRU
{
public:
    using OutputMatrix = Eigen::Matrix<T, HiddenSize, Channels>;
    using GateRow = Eigen::Matrix<T, 1, HiddenSize>;
    static constexpr int gateColumns = 3 * HiddenSize; // r, z and n blocks

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

    /** The step's weights held row by row, one row per input value or hidden
        unit. x * W is then the sum over k of x(k) times row k, each row a few
        packed multiply-adds with no horizontal sums, and the sizes are known
        at compile time. Same values as the column-major W_ih and W_hh. */
    using InputWeights = Eigen::Matrix<T, Channels, gateColumns, Eigen::RowMajor>;
    using RecurrentWeights = Eigen::Matrix<T, HiddenSize, gateColumns, Eigen::RowMajor>;

    /** One step with the weights as the hypernetwork produces them. Laying them
        out row by row costs a copy per call: a caller that steps many times
        with the same weights keeps row-wise copies and calls the overload below. */
    void forward_cell (const Matrix<T>& x, const Matrix<T>& W_ih, const Matrix<T>& W_hh)
    {
        forward_cell (x, InputWeights (W_ih), RecurrentWeights (W_hh));
    }

    /** One step: gates r, z, candidate n, new hidden state h and output y.
        The gate columns of W_ih (Channels x 3H) and W_hh (H x 3H) are r, z, n.
        Every row is seen through a fixed-size view, so the products and the
        element-wise steps unroll and vectorise at compile time and nothing is
        allocated or resized per sample. */
    void forward_cell (const Matrix<T>& x, const InputWeights& W_ih, const RecurrentWeights& W_hh)
    {
        const auto input = fixedView<1, Channels> (x);
        auto h = fixedView<1, HiddenSize> (hidden_state);
        auto gi = fixedView<1, gateColumns> (input_projection);
        auto gh = fixedView<1, gateColumns> (hidden_projection);
        auto r = fixedView<1, HiddenSize> (reset_gate);
        auto z = fixedView<1, HiddenSize> (update_gate);
        auto n = fixedView<1, HiddenSize> (candidate);

        // h as it was before this step, in a local that no store can reach, so
        // that the products keep its values in registers. r and z are
        // computed side by side: their products and their sigmoid then fill
        // whole 8-wide packets where 12 values alone would leave half packets.
        const GateRow h_previous = h;
        gi.noalias() = input.lazyProduct (W_ih);
        gh.template head<2 * HiddenSize>() = rowTimes (h_previous, W_hh.template leftCols<2 * HiddenSize>());
        gh.template tail<HiddenSize>() = rowTimes (h_previous, W_hh.template rightCols<HiddenSize>());

        const Eigen::Matrix<T, 1, 2 * HiddenSize> rz =
            sigmoid (gi.template head<2 * HiddenSize>() + gh.template head<2 * HiddenSize>());
        r = rz.template head<HiddenSize>();
        z = rz.template tail<HiddenSize>();
        n = fastTanh (gate (gi, 2) + r.cwiseProduct (gate (gh, 2)));
        h = (z.array() * h.array() + (T (1) - z.array()) * n.array()).matrix();

        fixedView<1, Channels> (gru_output).noalias() = h * W_out;
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

private:
    /** A compile-time-sized view of a dynamic matrix that already has that shape. */
    template <int Rows, int Cols, typename Dense>
    static auto fixedView (Dense& m) noexcept
    {
        eigen_assert (m.rows() == Rows && m.cols() == Cols);
        using Fixed = Eigen::Matrix<T, Rows, Cols>;
        using View = std::conditional_t<std::is_const_v<Dense>, const Fixed, Fixed>;
        return Eigen::Map<View> (m.data());
    }

    /** h * W for the hidden row h, as three partial sums over blocks of hidden
        units added at the end. This sum is the longest chain of dependent
        additions in a step; three short chains run side by side instead. */
    template <typename Weights>
    static EIGEN_ALWAYS_INLINE Eigen::Matrix<T, 1, Weights::ColsAtCompileTime> rowTimes (const GateRow& h,
                                                                                         const Weights& W) noexcept
    {
        static_assert (HiddenSize % 3 == 0, "the hidden units split into three equal blocks");
        constexpr int third = HiddenSize / 3;
        return h.template segment<third> (0).lazyProduct (W.template middleRows<third> (0)) +
               h.template segment<third> (third).lazyProduct (W.template middleRows<third> (third)) +
               h.template segment<third> (2 * third).lazyProduct (W.template middleRows<third> (2 * third));
    }

    /** Gate block k (0 = r, 1 = z, 2 = n) of a projection row. */
    template <typename Row>
    static auto gate (const Row& projection, int k) noexcept
    {
        return projection.template segment<HiddenSize> (k * HiddenSize);
    }
};

} // namespace Brenvo
