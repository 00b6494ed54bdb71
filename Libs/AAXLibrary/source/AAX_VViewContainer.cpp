/*
    AAX_VViewContainer: forwards editor-window calls to the host's view container. Without one,
    the type is 0, the native view null and resizing succeeds, so an editor can exist headless.
*/
#include "AAX_VViewContainer.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"
#include "AAX_UIDs.h"

AAX_VViewContainer::AAX_VViewContainer (IACFUnknown* viewUnknown)
{
    AAX::QueryOptionalInterface (viewUnknown, IID_IAAXViewContainerV1, mViewContainerV1);
    AAX::QueryOptionalInterface (viewUnknown, IID_IAAXViewContainerV2, mViewContainerV2);
}

// Each opening of the editor makes one proxy, so both references are returned here, or every
// opening would keep one host object alive.
AAX_VViewContainer::~AAX_VViewContainer() = default;

int32_t AAX_VViewContainer::GetType()
{
    return mViewContainerV1 ? mViewContainerV1->GetType() : 0;
}

void* AAX_VViewContainer::GetPtr()
{
    return mViewContainerV1 ? mViewContainerV1->GetPtr() : nullptr;
}

AAX_Result AAX_VViewContainer::GetModifiers (uint32_t* outModifiers)
{
    return mViewContainerV1 ? mViewContainerV1->GetModifiers (outModifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::SetViewSize (AAX_Point& inSize)
{
    return mViewContainerV1 ? mViewContainerV1->SetViewSize (inSize) : AAX_SUCCESS;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers)
{
    return mViewContainerV1 ? mViewContainerV1->HandleParameterMouseDown (parameterID, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers)
{
    return mViewContainerV1 ? mViewContainerV1->HandleParameterMouseDrag (parameterID, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers)
{
    return mViewContainerV1 ? mViewContainerV1->HandleParameterMouseUp (parameterID, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t numParameters,
                                                                  uint32_t modifiers)
{
    return mViewContainerV2 ? mViewContainerV2->HandleMultipleParametersMouseDown (parameterIDs, numParameters, modifiers)
                            : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t numParameters,
                                                                  uint32_t modifiers)
{
    return mViewContainerV2 ? mViewContainerV2->HandleMultipleParametersMouseDrag (parameterIDs, numParameters, modifiers)
                            : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t numParameters,
                                                                uint32_t modifiers)
{
    return mViewContainerV2 ? mViewContainerV2->HandleMultipleParametersMouseUp (parameterIDs, numParameters, modifiers)
                            : AAX_ERROR_UNIMPLEMENTED;
}
