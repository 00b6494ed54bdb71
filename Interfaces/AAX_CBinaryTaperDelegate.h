/*
    Included by framework clients. This library offers no binary taper: every parameter it
    carries is a float with a linear taper (AAX_CLinearTaperDelegate).
*/
#pragma once

#include "AAX_ITaperDelegate.h"
