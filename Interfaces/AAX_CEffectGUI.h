/*
    AAX_CEffectGUI: the base of an effect's GUI object. It keeps the host proxies and a counted
    reference on the effect's data-model object, and tells the derived class when to build,
    attach and detach its view.
*/
#pragma once

#include "AAX_IController.h"
#include "AAX_IEffectGUI.h"
#include "AAX_IEffectParameters.h"
#include "AAX_ITransport.h"
#include "AAX_IViewContainer.h"
#include "ACF/ACFPtr.h"

#include <memory>

class AAX_VController;
class AAX_VTransport;
class AAX_VViewContainer;

class AAX_CEffectGUI : public AAX_IEffectGUI
{
public:
    AAX_CEffectGUI();
    // Releases what Uninitialize releases without calling into the derived class, whose part
    // is gone by then.
    ~AAX_CEffectGUI() override;

    AAX_CEffectGUI (const AAX_CEffectGUI&) = delete;
    AAX_CEffectGUI& operator= (const AAX_CEffectGUI&) = delete;

    // Host interface, entries 3 to 12.
    AAX_Result Initialize (IACFUnknown* hostUnknown) override;
    // Always detaches the view first (entry 6 with null), then drops the effect-parameters
    // reference and the proxies.
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result SetViewContainer (IACFUnknown* viewContainer) override;
    AAX_Result GetViewSize (AAX_Point* outViewSize) const override;
    AAX_Result Draw (AAX_Rect* drawRect) override;
    // Runs the process-wide idle hook (the framework's message queue on Linux); always 0.
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated (AAX_CParamID id) override;
    AAX_Result GetCustomLabel (AAX_EPlugInStrings selector, AAX_IString* outString) const override;
    AAX_Result SetControlHighlightInfo (AAX_CParamID id, AAX_CBoolean isHighlighted, AAX_EHighlightColor color) override;

protected:
    // Builds the view contents (on initialisation).
    virtual void CreateViewContents() = 0;
    // Places the view into the host's container (each time one is set).
    virtual void CreateViewContainer() = 0;
    // Removes the view from the container (each time it is taken away).
    virtual void DeleteViewContainer() = 0;
    // Reports every parameter through ParameterUpdated, in index order.
    virtual void UpdateAllParameters();

public:
    // The effect's data-model object when it is one of this library's, else null.
    AAX_IEffectParameters* GetEffectParameters();
    const AAX_IEffectParameters* GetEffectParameters() const;
    AAX_IViewContainer* GetViewContainer();
    const AAX_IViewContainer* GetViewContainer() const;
    int32_t GetViewContainerType();
    void* GetViewContainerPtr();
    AAX_IController* GetController();
    const AAX_ITransport* Transport() const;

private:
    std::unique_ptr<AAX_VController> mController;
    ACFPtr<AAX_IACFEffectParameters> mEffectParameters;
    std::unique_ptr<AAX_VViewContainer> mViewContainer;
    std::unique_ptr<AAX_VTransport> mTransport;
};
