/*
    The designed weight sets: a hand-built hypernetwork whose recurrent cell
    passes mid through and scales side by a width-dependent gain.
*/
#pragma once

#include "ModelWeightsFile.h"

namespace weights
{

/** The complete weight file for one internal rate (96000 or 192000 Hz). */
std::vector<Member> designModelWeights (double internalRate);

} // namespace weights
