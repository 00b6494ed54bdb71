/*
    The designed weight sets: a hand-built hypernetwork whose recurrent cell
    passes mid through, scales side by a width-dependent gain and, with the
    width EQ on, keeps the bass of the side at its original level.
*/
#pragma once

#include "ModelWeightsFile.h"

namespace weights
{

/** The complete weight file for one internal rate (96000 or 192000 Hz). */
std::vector<Member> designModelWeights (double internalRate);

/** Side gain g for the width control w in [-1, 1]: 0 (mono) at -1, 1 at 0, 3 at 1. */
double sideGain (double width);

/** Corner of the width EQ's high-pass for the EQ control e in [0.2, 0.8] (75 Hz to 600 Hz). */
double widthEqCorner (double eq);

} // namespace weights
