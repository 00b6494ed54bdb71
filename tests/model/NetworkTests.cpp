/*
    The hypernetwork and the recurrent cell against the double-precision reference.
*/
#include "RandomWeights.h"
#include "model/Brenvo.h"

#include <gtest/gtest.h>

namespace
{
using Subnet = Brenvo::Subnet<float, 12>;
using Cell = Brenvo::HyperGRU<float, 12, 2>;

reference::CellWeights toReference (const Subnet& net)
{
    reference::CellWeights w;
    for (int i = 0; i < 2; ++i)
        for (int g = 0; g < 36; ++g)
            w.ih[static_cast<size_t> (i)][static_cast<size_t> (g)] = net.W_ih (i, g);
    for (int j = 0; j < 12; ++j)
        for (int g = 0; g < 36; ++g)
            w.hh[static_cast<size_t> (j)][static_cast<size_t> (g)] = net.W_hh (j, g);
    return w;
}
} // namespace

TEST (Subnet, UnloadedNetworkGivesZeroWeights)
{
    Subnet net;
    net.forward (0.6f, -0.3f);
    ASSERT_EQ (net.W_ih.rows(), 2);
    ASSERT_EQ (net.W_ih.cols(), 36);
    ASSERT_EQ (net.W_hh.rows(), 12);
    ASSERT_EQ (net.W_hh.cols(), 36);
    EXPECT_TRUE (net.W_ih.isZero (0.0f));
    EXPECT_TRUE (net.W_hh.isZero (0.0f));
}

class SubnetAgainstReference : public ::testing::TestWithParam<std::pair<float, float>>
{
};

TEST_P (SubnetAgainstReference, MatchesDoublePrecisionForward)
{
    RandomWeights weights (7, 0.5, 0.5);
    Subnet net;
    net.loadParams (weights.document);

    const auto [eq, width] = GetParam();
    net.forward (eq, width);
    const auto expected = reference::hypernetwork (weights.hyper, eq, width);

    double largest = 0.0;
    for (const auto& r : expected.hh)
        for (auto v : r)
            largest = std::max (largest, std::abs (v));

    for (int i = 0; i < 2; ++i)
        for (int g = 0; g < 36; ++g)
            EXPECT_NEAR (net.W_ih (i, g), expected.ih[static_cast<size_t> (i)][static_cast<size_t> (g)], 1e-5 * largest);
    for (int j = 0; j < 12; ++j)
        for (int g = 0; g < 36; ++g)
            EXPECT_NEAR (net.W_hh (j, g), expected.hh[static_cast<size_t> (j)][static_cast<size_t> (g)], 1e-5 * largest);
}

INSTANTIATE_TEST_SUITE_P (Controls, SubnetAgainstReference,
                          ::testing::Values (std::pair { 0.0f, 0.0f }, std::pair { 0.6f, 0.0f }, std::pair { 0.2f, -1.0f },
                                             std::pair { 0.8f, 1.0f }, std::pair { 0.0f, 0.4667f }));

TEST (Subnet, ArgumentsAreEqThenWidthAndRepeatable)
{
    RandomWeights weights (11, 0.5, 0.5);
    Subnet net;
    net.loadParams (weights.document);

    net.forward (0.6f, 0.2f);
    const Brenvo::Matrix<float> first = net.W_hh;
    net.forward (0.6f, 0.2f);
    EXPECT_EQ (net.W_hh, first);

    net.forward (0.2f, 0.6f);
    EXPECT_NE (net.W_hh, first);
}

TEST (Subnet, ProjectionValuesLandRowByRow)
{
    // Zero layers, biases only: the projections' biases are the outputs.
    nlohmann::json doc = RandomWeights (3, 0.0, 0.0).document;
    std::vector<float> ih (72), hh (432);
    for (size_t k = 0; k < ih.size(); ++k)
        ih[k] = static_cast<float> (k);
    for (size_t k = 0; k < hh.size(); ++k)
        hh[k] = static_cast<float> (k);
    doc["rnn.proj_ih.bias"] = ih;
    doc["rnn.proj_hh.bias"] = hh;

    Subnet net;
    net.loadParams (doc);
    net.forward (0.3f, 0.1f);
    for (int k = 0; k < 72; ++k)
        EXPECT_EQ (net.W_ih (k / 36, k % 36), static_cast<float> (k));
    for (int k = 0; k < 432; ++k)
        EXPECT_EQ (net.W_hh (k / 36, k % 36), static_cast<float> (k));
}

TEST (HyperGRU, ZeroInputAfterResetStaysZero)
{
    RandomWeights weights (5, 0.5, 0.3);
    Subnet net;
    Cell cell;
    net.loadParams (weights.document);
    cell.loadParams (weights.document);
    net.forward (0.6f, 0.0f);
    cell.reset (2, 16);
    cell.gru_input.setZero();

    cell.forward_cell (cell.gru_input, net.W_ih, net.W_hh);
    EXPECT_TRUE (cell.reset_gate.isApprox (Brenvo::Matrix<float>::Constant (1, 12, 0.5f)));
    EXPECT_TRUE (cell.update_gate.isApprox (Brenvo::Matrix<float>::Constant (1, 12, 0.5f)));
    EXPECT_TRUE (cell.hidden_state.isZero (0.0f));
    EXPECT_TRUE (cell.gru_output.isZero (0.0f));
    EXPECT_EQ (cell.channelCount, 2);
    EXPECT_EQ (cell.blockLength, 16);
}

TEST (HyperGRU, ZeroWeightsHalveTheStateEveryStep)
{
    RandomWeights weights (5, 0.5, 0.3);
    Cell cell;
    cell.loadParams (weights.document);
    cell.reset (2, 1);
    cell.hidden_state.setConstant (0.8f);
    const Brenvo::Matrix<float> zeroIh = Brenvo::Matrix<float>::Zero (2, 36);
    const Brenvo::Matrix<float> zeroHh = Brenvo::Matrix<float>::Zero (12, 36);
    cell.gru_input << 0.7f, -0.4f;

    cell.forward_cell (cell.gru_input, zeroIh, zeroHh);
    EXPECT_TRUE (cell.hidden_state.isApprox (Brenvo::Matrix<float>::Constant (1, 12, 0.4f)));
    const Brenvo::Matrix<float> y1 = cell.gru_output;
    cell.forward_cell (cell.gru_input, zeroIh, zeroHh);
    EXPECT_TRUE (cell.gru_output.isApprox (0.5f * y1));
}

TEST (HyperGRU, LinearOutLoadsColumnByColumn)
{
    RandomWeights weights (9, 0.1, 0.1);
    Cell cell;
    cell.loadParams (weights.document);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ (cell.W_out (i, c), static_cast<float> (weights.linearOut[static_cast<size_t> (c * 12 + i)]));
}

TEST (HyperGRU, SingleStepMatchesReference)
{
    RandomWeights weights (21, 0.5, 0.3);
    Subnet net;
    Cell cell;
    net.loadParams (weights.document);
    cell.loadParams (weights.document);
    net.forward (0.4f, 0.7f);
    cell.reset (2, 1);

    std::mt19937 rng (1);
    std::uniform_real_distribution<float> dist (-0.9f, 0.9f);
    for (int trial = 0; trial < 200; ++trial)
    {
        for (int k = 0; k < 12; ++k)
            cell.hidden_state (0, k) = dist (rng);
        cell.gru_input << dist (rng), dist (rng);

        auto ref = weights.referenceCell();
        for (int k = 0; k < 12; ++k)
            ref.h[static_cast<size_t> (k)] = cell.hidden_state (0, k);
        const auto y = ref.step ({ cell.gru_input (0, 0), cell.gru_input (0, 1) }, toReference (net));

        cell.forward_cell (cell.gru_input, net.W_ih, net.W_hh);
        for (int k = 0; k < 12; ++k)
            ASSERT_NEAR (cell.hidden_state (0, k), ref.h[static_cast<size_t> (k)], 1e-6);
        ASSERT_NEAR (cell.gru_output (0, 0), y[0], 1e-6 * 12);
        ASSERT_NEAR (cell.gru_output (0, 1), y[1], 1e-6 * 12);
    }
}

TEST (HyperGRU, LongRunStaysWithReference)
{
    // Weights bounded so that the cell is contractive, not chaotic.
    RandomWeights weights (33, 0.3, 0.3 / 16.0, 0.3);
    Subnet net;
    Cell cell;
    net.loadParams (weights.document);
    cell.loadParams (weights.document);
    net.forward (0.6f, -0.2f);
    cell.reset (2, 1);
    auto ref = weights.referenceCell();
    const auto refWeights = toReference (net);

    for (int n = 0; n < 5000; ++n)
    {
        const float l = std::sin (0.01f * static_cast<float> (n)) * 0.8f;
        const float r = std::cos (0.037f * static_cast<float> (n)) * 0.6f;
        cell.gru_input << l, r;
        cell.forward_cell (cell.gru_input, net.W_ih, net.W_hh);
        const auto y = ref.step ({ l, r }, refWeights);
        ASSERT_NEAR (cell.gru_output (0, 0), y[0], 1e-5) << "step " << n;
        ASSERT_NEAR (cell.gru_output (0, 1), y[1], 1e-5) << "step " << n;
    }
}
