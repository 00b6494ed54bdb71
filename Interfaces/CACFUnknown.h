/*
    CACFUnknown: the reference-counting base of every object the plug-in hands to the host, with
    its non-delegating unknown and the process-wide count of live objects.
*/
#pragma once

#include "ACF/IACFUnknown.h"

#include <atomic>

class CACFUnknown
{
public:
    // The non-delegating unknown: answers for the object itself, through the owner's table so
    // that overrides of the Internal operations apply.
    class PrivateUnknown : public IACFUnknown
    {
    public:
        explicit PrivateUnknown (CACFUnknown& owner) : mOwner (owner) {}
        PrivateUnknown (const PrivateUnknown&) = delete;
        PrivateUnknown& operator= (const PrivateUnknown&) = delete;

        acfResult QueryInterface (const acfIID& iid, void** ppOut) override;
        acfUInt32 AddRef() override;
        acfUInt32 Release() override;

        virtual ~PrivateUnknown() = default;

    private:
        CACFUnknown& mOwner;
    };

    CACFUnknown();
    virtual ~CACFUnknown();

    CACFUnknown (const CACFUnknown&) = delete;
    CACFUnknown& operator= (const CACFUnknown&) = delete;

    virtual acfResult InitializeInstance (IACFUnknown* host);
    virtual void FinalRelease();
    virtual void ReclaimMemory();
    virtual acfResult InternalQueryInterface (const acfIID& iid, void** ppOut);
    virtual acfUInt32 InternalAddRef();
    virtual acfUInt32 InternalRelease();

    // The number of live objects in this process; the bundle may be unloaded at 0.
    static int32_t GetActiveObjectCount();

protected:
    IACFUnknown* GetOuterUnknown() const { return m_OuterUnknown; }

private:
    std::atomic<acfUInt32> m_RefCount { 0 };
    IACFUnknown* m_OuterUnknown;
    PrivateUnknown m_PrivateUnknown;

    static std::atomic<int32_t> m_ActiveObjects;
};

// Implements the three IACFUnknown entries of a host-facing interface by forwarding them to the
// object's CACFUnknown part, for classes deriving from one IACFUnknown interface and CACFUnknown.
#define ACF_DECLARE_STANDARD_UNKNOWN()                                                                                           \
    acfResult QueryInterface (const acfIID& iid, void** ppOut) override                                                          \
    {                                                                                                                            \
        return GetOuterUnknown()->QueryInterface (iid, ppOut);                                                                   \
    }                                                                                                                            \
    acfUInt32 AddRef() override                                                                                                  \
    {                                                                                                                            \
        return GetOuterUnknown()->AddRef();                                                                                      \
    }                                                                                                                            \
    acfUInt32 Release() override                                                                                                 \
    {                                                                                                                            \
        return GetOuterUnknown()->Release();                                                                                     \
    }
