/*
    ACFPtr: an owning holder of one reference on a host interface. Proxies keep every host
    pointer in one, so each reference they take is released on every path, exceptions included.
*/
#pragma once

#include "IACFUnknown.h"

#include <utility>

template <typename T> class ACFPtr
{
public:
    ACFPtr() noexcept = default;
    ACFPtr (const ACFPtr&) = delete;
    ACFPtr& operator= (const ACFPtr&) = delete;

    ACFPtr (ACFPtr&& other) noexcept : mPtr (std::exchange (other.mPtr, nullptr)) {}

    ACFPtr& operator= (ACFPtr&& other) noexcept
    {
        if (this != &other)
            Attach (std::exchange (other.mPtr, nullptr));
        return *this;
    }

    ~ACFPtr() { Reset(); }

    // Takes a new reference on p (null stays null).
    static ACFPtr AddRefed (T* p) noexcept
    {
        ACFPtr result;
        if (p != nullptr)
        {
            p->AddRef();
            result.mPtr = p;
        }
        return result;
    }

    // Adopts the reference the caller already owns.
    void Attach (T* p) noexcept
    {
        T* old = std::exchange (mPtr, p);
        if (old != nullptr)
            old->Release();
    }

    // Hands the reference over to the caller.
    T* Detach() noexcept { return std::exchange (mPtr, nullptr); }

    void Reset() noexcept { Attach (nullptr); }

    // Out-argument of a query or factory call: drops what is held and receives the answer.
    void** ReceiveVoid() noexcept
    {
        Reset();
        return reinterpret_cast<void**> (&mPtr);
    }

    T** Receive() noexcept
    {
        Reset();
        return &mPtr;
    }

    T* Get() const noexcept { return mPtr; }
    T* operator->() const noexcept { return mPtr; }
    T& operator*() const noexcept { return *mPtr; }
    explicit operator bool() const noexcept { return mPtr != nullptr; }

private:
    T* mPtr = nullptr;
};

// Queries unknown for iid into target; a null unknown is never called and leaves target null.
template <typename T> acfResult ACFQuery (IACFUnknown* unknown, const acfIID& iid, ACFPtr<T>& target)
{
    if (unknown == nullptr)
    {
        target.Reset();
        return ACF_E_POINTER;
    }
    return unknown->QueryInterface (iid, target.ReceiveVoid());
}
