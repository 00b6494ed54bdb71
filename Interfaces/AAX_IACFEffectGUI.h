/*
    Host interface of an effect's GUI object: initialisation, the native view
    container and idle calls. Entry numbers count from QueryInterface = 0.
*/
#pragma once

#include "AAX_Enums.h"
#include "AAX_IString.h"
#include "AAX_Records.h"
#include "ACF/IACFUnknown.h"

class AAX_IACFEffectGUI : public IACFUnknown
{
public:
    virtual AAX_Result Initialize (IACFUnknown* hostUnknown) = 0;                                          // 3
    virtual AAX_Result Uninitialize() = 0;                                                                 // 4
    virtual AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size) = 0;      // 5
    virtual AAX_Result SetViewContainer (IACFUnknown* viewContainer) = 0;                                  // 6
    virtual AAX_Result GetViewSize (AAX_Point* outViewSize) const = 0;                                     // 7
    virtual AAX_Result Draw (AAX_Rect* drawRect) = 0;                                                      // 8
    virtual AAX_Result TimerWakeup() = 0;                                                                  // 9
    virtual AAX_Result ParameterUpdated (AAX_CParamID id) = 0;                                             // 10
    virtual AAX_Result GetCustomLabel (AAX_EPlugInStrings selector, AAX_IString* outString) const = 0;     // 11
    virtual AAX_Result SetControlHighlightInfo (AAX_CParamID id, AAX_CBoolean isHighlighted,
                                                AAX_EHighlightColor color) = 0;                            // 12

protected:
    ~AAX_IACFEffectGUI() = default;
};
