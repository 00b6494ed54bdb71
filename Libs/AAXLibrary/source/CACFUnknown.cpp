/*
    CACFUnknown: reference counting, the non-delegating unknown and the live-object count.
*/
#include "CACFUnknown.h"

#include "AAX_UIDs.h"

std::atomic<int32_t> CACFUnknown::m_ActiveObjects { 0 };

acfResult CACFUnknown::PrivateUnknown::QueryInterface (const acfIID& iid, void** ppOut)
{
    return mOwner.InternalQueryInterface (iid, ppOut);
}

acfUInt32 CACFUnknown::PrivateUnknown::AddRef()
{
    return mOwner.InternalAddRef();
}

acfUInt32 CACFUnknown::PrivateUnknown::Release()
{
    return mOwner.InternalRelease();
}

// Objects are never aggregated: the outer unknown is always the object's own.
CACFUnknown::CACFUnknown() : m_OuterUnknown (&m_PrivateUnknown), m_PrivateUnknown (*this)
{
    m_ActiveObjects.fetch_add (1);
}

CACFUnknown::~CACFUnknown()
{
    m_ActiveObjects.fetch_sub (1);
}

int32_t CACFUnknown::GetActiveObjectCount()
{
    return m_ActiveObjects.load();
}

acfResult CACFUnknown::InitializeInstance (IACFUnknown*)
{
    return ACF_OK;
}

void CACFUnknown::FinalRelease() {}

void CACFUnknown::ReclaimMemory()
{
    delete this;
}

acfResult CACFUnknown::InternalQueryInterface (const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_POINTER;
    *ppOut = nullptr;
    if (iid == IID_IACFUnknown)
    {
        *ppOut = static_cast<IACFUnknown*> (&m_PrivateUnknown);
        m_PrivateUnknown.AddRef();
        return ACF_OK;
    }
    return ACF_E_NOINTERFACE;
}

acfUInt32 CACFUnknown::InternalAddRef()
{
    return m_RefCount.fetch_add (1) + 1;
}

acfUInt32 CACFUnknown::InternalRelease()
{
    const acfUInt32 count = m_RefCount.fetch_sub (1) - 1;
    if (count == 0)
    {
        FinalRelease();
        ReclaimMemory();
    }
    return count;
}
