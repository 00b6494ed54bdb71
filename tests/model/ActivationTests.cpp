/*
    The model's nonlinearities against values computed from their definitions.
*/
#include "model/Brenvo.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
// The rational tanh written out from its coefficient table, single precision, Horner form.
float rationalTanh (float x)
{
    if (std::abs (x) < 0.0004f)
        return x;
    const float c = std::min (std::max (x, -7.90531110763549805f), 7.90531110763549805f);
    const float s = c * c;
    float p = -2.76076847742355e-16f;
    p = p * s + 2.00018790482477e-13f;
    p = p * s + -8.60467152213735e-11f;
    p = p * s + 5.12229709037114e-08f;
    p = p * s + 1.48572235717979e-05f;
    p = p * s + 6.37261928875436e-04f;
    p = p * s + 4.89352455891786e-03f;
    float q = 1.19825839466702e-06f;
    q = q * s + 1.18534705686654e-04f;
    q = q * s + 2.26843463243900e-03f;
    q = q * s + 4.89352518554385e-03f;
    return c * p / q;
}

Eigen::Matrix<float, 1, 12> row (std::initializer_list<float> values)
{
    Eigen::Matrix<float, 1, 12> r = Eigen::Matrix<float, 1, 12>::Zero();
    int i = 0;
    for (auto v : values)
        r (0, i++) = v;
    return r;
}
} // namespace

TEST (FastTanh, MatchesRationalFormulaAcrossRange)
{
    for (float x = -12.0f; x <= 12.0f; x += 0.00731f)
    {
        const auto r = row ({ x, -x, x * 0.5f, x * 1e-4f });
        const Eigen::Matrix<float, 1, 12> t = Brenvo::fastTanh (r);
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_EQ (t (0, i), rationalTanh (r (0, i))) << "x = " << r (0, i);
            EXPECT_NEAR (t (0, i), std::tanh (static_cast<double> (r (0, i))), 2e-6);
        }
    }
}

TEST (FastTanh, SmallValuesPassThroughAndLargeValuesClamp)
{
    const auto r = row ({ 0.0003f, 100.0f, 7.90531110763549805f, -100.0f, -0.0003f });
    const Eigen::Matrix<float, 1, 12> t = Brenvo::fastTanh (r);
    EXPECT_EQ (t (0, 0), 0.0003f);
    EXPECT_EQ (t (0, 1), t (0, 2));
    EXPECT_EQ (t (0, 3), -t (0, 1));
    EXPECT_EQ (t (0, 4), -0.0003f);
}

TEST (Sigmoid, MatchesLogisticAndKeepsShape)
{
    Brenvo::Matrix<float> x (3, 5);
    for (int i = 0; i < x.size(); ++i)
        x.data()[i] = -20.0f + 2.7f * static_cast<float> (i);

    const Brenvo::Matrix<float> y = Brenvo::sigmoid (x);
    ASSERT_EQ (y.rows(), 3);
    ASSERT_EQ (y.cols(), 5);
    for (int i = 0; i < x.size(); ++i)
        EXPECT_NEAR (y.data()[i], 1.0 / (1.0 + std::exp (-static_cast<double> (x.data()[i]))), 1e-7);

    const Eigen::Matrix<float, 1, 12> zero = Eigen::Matrix<float, 1, 12>::Zero();
    EXPECT_TRUE ((Brenvo::sigmoid (zero).array() == 0.5f).all());
}

TEST (LeakyRelu, ScalesNegativeValuesByOneFifth)
{
    Eigen::Matrix<float, 1, 3> x (-1.0f, 0.0f, 2.0f);
    Brenvo::leakyRelu (x);
    EXPECT_FLOAT_EQ (x (0), -0.2f);
    EXPECT_EQ (x (1), 0.0f);
    EXPECT_EQ (x (2), 2.0f);
}
