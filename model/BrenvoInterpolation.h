/*
    Linear interpolation of weight matrices across a block, and the list that
    holds one matrix per internal sample without reallocating them.
*/
#pragma once

#include "BrenvoMatrix.h"

#include <cassert>

namespace Brenvo
{

/** A list of matrices that keeps every matrix it ever held: clear() only forgets
    the count, and an entry written again with the same shape reuses its storage.
    Reserved once at preparation, it is filled on the audio thread without allocating. */
template <typename MatrixType>
class MatrixList
{
public:
    void reserve (std::size_t count, Eigen::Index rows, Eigen::Index cols)
    {
        if (storage.size() < count)
            storage.resize (count);
        for (auto& m : storage)
            m.resize (rows, cols);
    }

    void clear() noexcept { used = 0; }
    std::size_t size() const noexcept { return used; }
    bool empty() const noexcept { return used == 0; }
    std::size_t capacity() const noexcept { return storage.size(); }

    const MatrixType& operator[] (std::size_t i) const noexcept { assert (i < used); return storage[i]; }
    MatrixType& operator[] (std::size_t i) noexcept { assert (i < used); return storage[i]; }
    const MatrixType* begin() const noexcept { return storage.data(); }
    const MatrixType* end() const noexcept { return storage.data() + used; }

    template <typename Expression>
    void emplace_back (const Expression& value)
    {
        if (used < storage.size())
            storage[used] = value;
        else
            storage.emplace_back (value);
        ++used;
    }

private:
    std::vector<MatrixType> storage;
    std::size_t used = 0;
};

/** An inner entry of the list from A: d * i + A, element by element, with the
    step d = (B - A) / (count - 1) already formed. In one place so that a caller
    holding A and d in another layout forms the very same values. */
template <typename Start, typename Step>
auto interpolationEntry (const Eigen::MatrixBase<Start>& A, const Eigen::MatrixBase<Step>& d, int i)
{
    using Scalar = typename Start::Scalar;
    return d * static_cast<Scalar> (i) + A;
}

/** Refills `out` with `count` matrices stepping linearly from A to B: A, A + d,
    A + 2d, ..., B, with d = (B - A) / (count - 1). The last entry is B itself.
    Any count below 3 gives the two entries [A, B]. */
template <typename MatrixType, typename List = std::vector<MatrixType>>
void interpolateMatrix (const MatrixType& A, const MatrixType& B, int count, List& out)
{
    using Scalar = typename MatrixType::Scalar;
    out.clear();
    out.emplace_back (A);

    // d is formed per element in single precision exactly as a stored matrix
    // would hold it, so no temporary matrix is needed.
    const auto divisor = static_cast<Scalar> (count - 1);
    for (int i = 1; i <= count - 2; ++i)
        out.emplace_back (interpolationEntry (A, (B - A) / divisor, i));

    out.emplace_back (B);
}

} // namespace Brenvo
