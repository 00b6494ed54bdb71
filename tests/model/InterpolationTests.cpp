/*
    Weight interpolation across a block and the storage-keeping matrix list.
*/
#include "model/Brenvo.h"

#include <gtest/gtest.h>

using Matrix = Brenvo::Matrix<float>;

TEST (InterpolateMatrix, StepsLinearlyFromStartToEnd)
{
    const Matrix a = Matrix::Zero (2, 3), b = Matrix::Constant (2, 3, 4.0f);
    std::vector<Matrix> out;
    Brenvo::interpolateMatrix (a, b, 5, out);
    ASSERT_EQ (out.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE ((out[static_cast<size_t> (i)].array() == static_cast<float> (i)).all());
}

TEST (InterpolateMatrix, EndsExactlyOnTheTarget)
{
    Matrix a (1, 3), b (1, 3);
    a << 0.1f, -0.7f, 3.3f;
    b << 0.9f, 0.2f, -1.1f;
    std::vector<Matrix> out;
    Brenvo::interpolateMatrix (a, b, 1115, out);
    ASSERT_EQ (out.size(), 1115u);
    EXPECT_EQ (out.front(), a);
    EXPECT_EQ (out.back(), b);
    const Matrix d = (b - a) / 1114.0f;
    EXPECT_EQ (out[700], (d * 700.0f + a).eval());
}

class ShortInterpolation : public ::testing::TestWithParam<int>
{
};

TEST_P (ShortInterpolation, GivesStartAndEndOnly)
{
    const Matrix a = Matrix::Constant (2, 2, 1.0f), b = Matrix::Constant (2, 2, 2.0f);
    std::vector<Matrix> out (7, Matrix::Constant (3, 3, 9.0f));
    Brenvo::interpolateMatrix (a, b, GetParam(), out);
    ASSERT_EQ (out.size(), 2u);
    EXPECT_EQ (out[0], a);
    EXPECT_EQ (out[1], b);
}

INSTANTIATE_TEST_SUITE_P (Counts, ShortInterpolation, ::testing::Values (2, 1, 0, -4));

TEST (MatrixList, RefillsWithoutReallocating)
{
    Brenvo::MatrixList<Matrix> list;
    list.reserve (16, 12, 36);
    const Matrix a = Matrix::Random (12, 36), b = Matrix::Random (12, 36);

    Brenvo::interpolateMatrix (a, b, 16, list);
    ASSERT_EQ (list.size(), 16u);
    const float* storage = list[5].data();

    Brenvo::interpolateMatrix (b, a, 16, list);
    EXPECT_EQ (list[5].data(), storage);
    EXPECT_EQ (list[0], b);
    EXPECT_EQ (list[15], a);

    std::vector<Matrix> plain;
    Brenvo::interpolateMatrix (b, a, 16, plain);
    for (size_t i = 0; i < 16; ++i)
        EXPECT_EQ (list[i], plain[i]);

    list.clear();
    EXPECT_TRUE (list.empty());
    EXPECT_EQ (list.capacity(), 16u);
}
