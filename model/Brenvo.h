/*
    The neural widening model: hypernetwork, gated recurrent cell and weight
    interpolation.
*/
#pragma once

#include "BrenvoActivations.h"
#include "BrenvoHyperGRU.h"
#include "BrenvoInterpolation.h"
#include "BrenvoLinear.h"
#include "BrenvoMatrix.h"
#include "BrenvoSubnet.h"
