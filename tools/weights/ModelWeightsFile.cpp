/*
    Writing weight files in their one-line format.
*/
#include "ModelWeightsFile.h"

#include <cstdio>

namespace weights
{

const std::vector<std::pair<const char*, std::size_t>>& memberLayout()
{
    static const std::vector<std::pair<const char*, std::size_t>> layout {
        { "hidden", 12 },
        { "x", 8192 },
        { "y", 4098 },
        { "ih", 72 },
        { "hh", 432 },
        { "conv_in.weight", 2048 },
        { "rnn.prelayers.0.weight", 32 },
        { "rnn.prelayers.0.bias", 16 },
        { "rnn.prelayers.2.weight", 256 },
        { "rnn.prelayers.2.bias", 16 },
        { "rnn.prelayers.4.weight", 256 },
        { "rnn.prelayers.4.bias", 16 },
        { "rnn.prelayers.6.weight", 256 },
        { "rnn.prelayers.6.bias", 16 },
        { "rnn.proj_ih.weight", 1152 },
        { "rnn.proj_ih.bias", 72 },
        { "rnn.proj_hh.weight", 6912 },
        { "rnn.proj_hh.bias", 432 },
        { "linear_out.weight", 24 },
    };
    return layout;
}

std::string formatValue (float value)
{
    char text[40];
    std::snprintf (text, sizeof (text), "%.17g", static_cast<double> (value));
    return text;
}

std::string formatModelWeights (const std::vector<Member>& members)
{
    std::string out = "{";
    for (std::size_t m = 0; m < members.size(); ++m)
    {
        if (m > 0)
            out += ", ";
        out += "\"" + members[m].key + "\": [";
        const auto& values = members[m].values;
        for (std::size_t i = 0; i < values.size(); ++i)
        {
            if (i > 0)
                out += ", ";
            out += formatValue (values[i]);
        }
        out += "]";
    }
    out += "}";
    return out;
}

} // namespace weights
