/*
    CACFUnknown through a small host-facing test interface that answers its own identifiers by
    overriding InternalQueryInterface, as the effect objects do.
*/
#include "AAX_Init.h"
#include "AAX_UIDs.h"
#include "CACFUnknown.h"
#include "RawEntry.h"

#include <gtest/gtest.h>

using duveline::test::CallEntry;

namespace
{
constexpr acfIID kIID_TestV1 = { 0x1F2E3D4C, 0x0001, 0x4000, { 0x80, 0, 0, 0, 0, 0, 0, 1 } };
constexpr acfIID kIID_TestV2 = { 0x1F2E3D4C, 0x0002, 0x4000, { 0x80, 0, 0, 0, 0, 0, 0, 2 } };

class ITestInterface : public IACFUnknown
{
public:
    virtual int32_t Value() = 0; // entry 3

protected:
    ~ITestInterface() = default;
};

class TestObject : public ITestInterface, public CACFUnknown
{
public:
    ACF_DECLARE_STANDARD_UNKNOWN()

    int32_t Value() override { return 42; }

    acfResult InternalQueryInterface (const acfIID& iid, void** ppOut) override
    {
        if (ppOut == nullptr)
            return ACF_E_POINTER;
        if (iid == kIID_TestV1 || iid == kIID_TestV2)
        {
            *ppOut = static_cast<ITestInterface*> (this);
            static_cast<ITestInterface*> (this)->AddRef();
            return ACF_OK;
        }
        return CACFUnknown::InternalQueryInterface (iid, ppOut);
    }

    void FinalRelease() override { ++finalReleases; }

    static inline int finalReleases = 0;
};
} // namespace

TEST (Unknown, NewObjectIsCountedAndGoesAwayOnLastRelease)
{
    const int32_t before = AAXCanUnloadNow (nullptr);
    TestObject::finalReleases = 0;
    auto* object = new TestObject();
    EXPECT_EQ (before + 1, AAXCanUnloadNow (nullptr));
    EXPECT_EQ (before + 1, CACFUnknown::GetActiveObjectCount());

    ITestInterface* asInterface = object;
    EXPECT_EQ (1u, asInterface->AddRef());
    EXPECT_EQ (0u, asInterface->Release());
    EXPECT_EQ (1, TestObject::finalReleases);
    EXPECT_EQ (before, AAXCanUnloadNow (nullptr));
}

TEST (Unknown, EveryVersionAnswersWithTheSamePointer)
{
    auto* object = new TestObject();
    ITestInterface* asInterface = object;
    void* v1 = nullptr;
    void* v2 = nullptr;
    ASSERT_EQ (ACF_OK, asInterface->QueryInterface (kIID_TestV1, &v1));
    EXPECT_EQ (2u, asInterface->AddRef()); // the query took one reference
    ASSERT_EQ (ACF_OK, asInterface->QueryInterface (kIID_TestV2, &v2));
    EXPECT_EQ (v1, v2);
    EXPECT_EQ (static_cast<void*> (asInterface), v1);
    EXPECT_EQ (42, static_cast<ITestInterface*> (v2)->Value());
    EXPECT_EQ (2u, asInterface->Release());
    EXPECT_EQ (1u, asInterface->Release());
    EXPECT_EQ (0u, asInterface->Release());
}

TEST (Unknown, UnknownQueryAnswersThePrivateUnknown)
{
    auto* object = new TestObject();
    ITestInterface* asInterface = object;
    void* unknown = nullptr;
    ASSERT_EQ (ACF_OK, asInterface->QueryInterface (IID_IACFUnknown, &unknown));
    ASSERT_NE (nullptr, unknown);
    EXPECT_NE (static_cast<void*> (asInterface), unknown);
    // The private unknown counts for the same object.
    auto* privateUnknown = static_cast<IACFUnknown*> (unknown);
    EXPECT_EQ (2u, privateUnknown->AddRef());
    EXPECT_EQ (1u, privateUnknown->Release());
    EXPECT_EQ (0u, privateUnknown->Release());
}

TEST (Unknown, UnansweredQueryGivesNoInterfaceAndNull)
{
    auto* object = new TestObject();
    ITestInterface* asInterface = object;
    void* answer = &answer;
    EXPECT_EQ (static_cast<acfResult> (0x80000004u), asInterface->QueryInterface (IID_IAAXEffectParametersV1, &answer));
    EXPECT_EQ (nullptr, answer);
    asInterface->AddRef();
    asInterface->Release();
}

TEST (Unknown, InterfaceEntriesReachTheObject)
{
    auto* object = new TestObject();
    ITestInterface* asInterface = object;
    EXPECT_EQ (1u, CallEntry<acfUInt32> (static_cast<IACFUnknown*> (asInterface), 1));
    EXPECT_EQ (42, CallEntry<int32_t> (asInterface, 3));
    EXPECT_EQ (0u, CallEntry<acfUInt32> (static_cast<IACFUnknown*> (asInterface), 2));
}
