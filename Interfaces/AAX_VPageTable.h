/*
    AAX_VPageTable: the proxy over a host control-surface page table, versions 1 and 2.
*/
#pragma once

#include "AAX_IACFPageTable.h"
#include "AAX_IPageTable.h"
#include "ACF/ACFPtr.h"

class AAX_VPageTable : public AAX_IPageTable
{
public:
    explicit AAX_VPageTable (IACFUnknown* pageTableUnknown);
    ~AAX_VPageTable() override;

    AAX_VPageTable (const AAX_VPageTable&) = delete;
    AAX_VPageTable& operator= (const AAX_VPageTable&) = delete;

    // Whether the host answered at least the first version.
    bool IsSupported() const { return static_cast<bool> (mPageTableV1); }

    AAX_Result Clear() override;
    AAX_Result Empty (AAX_CBoolean& outEmpty) const override;
    AAX_Result GetNumPages (int32_t& outNumPages) const override;
    AAX_Result InsertPage (int32_t pageIndex) override;
    AAX_Result RemovePage (int32_t pageIndex) override;
    AAX_Result GetNumMappedParameterIDs (int32_t pageIndex, int32_t& outNumParameterIDs) const override;
    AAX_Result ClearMappedParameter (int32_t pageIndex, int32_t slotIndex) override;
    AAX_Result GetMappedParameterID (int32_t pageIndex, int32_t slotIndex, AAX_IString& outParameterID) const override;
    AAX_Result MapParameterID (AAX_CParamID parameterID, int32_t pageIndex, int32_t slotIndex) override;
    AAX_Result GetNumParametersWithNameVariations (int32_t& outNumParameters) const override;
    AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString& outParameterID) const override;
    AAX_Result GetNumNameVariationsForParameter (AAX_CParamID parameterID, int32_t& outNumVariations) const override;
    AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index, AAX_IString& outName,
                                                 int32_t& outLength) const override;
    AAX_Result GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length, AAX_IString& outName) const override;
    AAX_Result ClearParameterNameVariations() override;
    AAX_Result ClearNameVariationsForParameter (AAX_CParamID parameterID) override;
    AAX_Result SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString& name, int32_t length) override;

private:
    ACFPtr<AAX_IACFPageTable> mPageTableV1;
    ACFPtr<AAX_IACFPageTable_V2> mPageTableV2;
};
