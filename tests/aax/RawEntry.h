/*
    Calls an interface operation through its table entry number instead of its name, so a test
    proves where the operation sits in the binary interface.
*/
#pragma once

#include <cstddef>

namespace duveline::test
{
template <typename Result, typename Interface, typename... Args>
Result CallEntry (Interface* object, std::size_t entry, Args... args)
{
    using Function = Result (*) (Interface*, Args...);
    void* const* table = *reinterpret_cast<void* const* const*> (object);
    return reinterpret_cast<Function> (table[entry]) (object, args...);
}
} // namespace duveline::test
