/*
    The weight-file format: one JSON object of flat float arrays, written on one
    line in a fixed member order with every value's shortest exact-enough text.
*/
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace weights
{

struct Member
{
    std::string key;
    std::vector<float> values;
};

/** Members in the order the files hold them, with their element counts. */
const std::vector<std::pair<const char*, std::size_t>>& memberLayout();

/** Writes the members as one line: {"key": [v, v], "key": [v]} without a newline.
    Each value is the single-precision number printed with up to 17 significant digits. */
std::string formatModelWeights (const std::vector<Member>& members);

/** Formats one float as the files write it (0.2f gives 0.20000000298023224). */
std::string formatValue (float value);

} // namespace weights
