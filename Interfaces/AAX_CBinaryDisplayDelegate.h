/*
    Included by framework clients. This library offers no binary display delegate: every
    parameter it carries is shown as a number (AAX_CNumberDisplayDelegate).
*/
#pragma once

#include "AAX_IDisplayDelegate.h"
