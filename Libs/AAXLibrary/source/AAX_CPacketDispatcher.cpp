/*
    AAX_CPacketDispatcher: packet bindings, dirtiness and posting, all under the dispatcher's
    owner-aware lock.
*/
#include "AAX_CPacketDispatcher.h"

#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IParameter.h"

#include <stdexcept>

void* AAX_CPacket::SPacketData::Get (uint32_t size)
{
    if (size == 0)
        throw std::out_of_range ("AAX_CPacket: a packet cannot be empty");
    mData.resize (size, 0);
    return mData.data();
}

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    AAX_StLock_Guard guard (mLock);
    mHandlersByID.clear();
    mPacketsByPort.clear();
}

void AAX_CPacketDispatcher::Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters)
{
    mController = controller;
    mEffectParameters = effectParameters;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket (AAX_CParamID parameterID, AAX_CFieldIndex port,
                                                  const AAX_IPacketHandler* handler)
{
    if (parameterID == nullptr || handler == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    if (port < 0)
        return AAX_ERROR_PORT_ID_OUT_OF_RANGE;

    AAX_StLock_Guard guard (mLock);
    std::unique_ptr<AAX_CPacket>& packet = mPacketsByPort[port];
    if (!packet)
        packet = std::make_unique<AAX_CPacket> (port);
    mHandlersByID.emplace (parameterID, Binding { packet.get(), std::unique_ptr<AAX_IPacketHandler> (handler->Clone()) });
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket (AAX_CParamID parameterID, AAX_CFieldIndex port)
{
    const AAX_CPacketHandler<AAX_CPacketDispatcher> defaultHandler (this, &AAX_CPacketDispatcher::GenerateSingleValuePacket);
    return RegisterPacket (parameterID, port, &defaultHandler);
}

AAX_Result AAX_CPacketDispatcher::SetDirty (AAX_CParamID parameterID, bool dirty)
{
    if (parameterID == nullptr)
        return AAX_SUCCESS;
    AAX_StLock_Guard guard (mLock);
    const auto range = mHandlersByID.equal_range (parameterID);
    for (auto binding = range.first; binding != range.second; ++binding)
        binding->second.packet->SetDirty (dirty);
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::Dispatch()
{
    AAX_StLock_Guard guard (mLock);
    AAX_Result result = AAX_SUCCESS;
    for (auto& [parameterID, binding] : mHandlersByID)
    {
        AAX_CPacket& packet = *binding.packet;
        if (!packet.IsDirty())
            continue;
        // A packet that its handler could not fill is dropped for this round, not retried.
        if (binding.handler->Call (parameterID.c_str(), packet) == AAX_SUCCESS && packet.GetSize() > 0)
            result = mController != nullptr ? mController->PostPacket (packet.GetID(), packet.GetData(), packet.GetSize())
                                            : AAX_ERROR_NULL_OBJECT;
        packet.SetDirty (false);
    }
    return result;
}

AAX_Result AAX_CPacketDispatcher::GenerateSingleValuePacket (AAX_CParamID parameterID, AAX_CPacket& packet)
{
    if (mEffectParameters == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    AAX_IParameter* parameter = nullptr;
    if (mEffectParameters->GetParameter (parameterID, &parameter) != AAX_SUCCESS || parameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    bool boolValue = false;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    double doubleValue = 0.0;
    if (parameter->GetValueAsBool (&boolValue))
        packet.SetValue (static_cast<int32_t> (boolValue ? 1 : 0));
    else if (parameter->GetValueAsFloat (&floatValue))
        packet.SetValue (floatValue);
    else if (parameter->GetValueAsInt32 (&intValue))
        packet.SetValue (intValue);
    else if (parameter->GetValueAsDouble (&doubleValue))
        packet.SetValue (doubleValue);
    else
        return AAX_ERROR_NULL_OBJECT;
    return AAX_SUCCESS;
}
