/*
    Matrix conventions shared by the whole model: single-precision Eigen
    matrices, row-vector signals (y = x * W + b) and output-major weight arrays.
*/
#pragma once

#include <Eigen/Dense>
#include <nlohmann/json.hpp>

#include <cstddef>
#include <vector>

namespace Brenvo
{

template <typename T>
using Matrix = Eigen::Matrix<T, Eigen::Dynamic, Eigen::Dynamic>;

template <typename T>
using BiasRow = Eigen::Matrix<T, 1, Eigen::Dynamic, Eigen::RowMajor>;

/** Reads an array member of a weight document as floats. A missing key or a
    member of the wrong type raises the JSON library's type error. */
template <typename T>
std::vector<T> readArray (nlohmann::json& weights, const char* key)
{
    return weights[key].template get<std::vector<T>>();
}

/** Copies `count` values of a flat array in order into a matrix's storage.
    Because the matrices are column-major, an output-major [nOut][nIn] array
    becomes the nIn x nOut matrix with W(i, o) = flat[o * nIn + i]. */
template <typename Derived, typename T>
void copyFlat (const std::vector<T>& flat, Eigen::PlainObjectBase<Derived>& target, Eigen::Index rows, Eigen::Index cols)
{
    // A short array leaves the rest of the matrix at zero; extra values are ignored.
    target.setZero (rows, cols);
    const auto count = static_cast<std::size_t> (rows * cols);
    for (std::size_t k = 0; k < count && k < flat.size(); ++k)
        target.data()[k] = flat[k];
}

} // namespace Brenvo
