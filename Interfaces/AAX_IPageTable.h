/*
    AAX_IPageTable: the plug-in's view of a control-surface page table.
*/
#pragma once

#include "AAX_IString.h"

class AAX_IPageTable
{
public:
    virtual ~AAX_IPageTable() = default;

    virtual AAX_Result Clear() = 0;
    virtual AAX_Result Empty (AAX_CBoolean& outEmpty) const = 0;
    virtual AAX_Result GetNumPages (int32_t& outNumPages) const = 0;
    virtual AAX_Result InsertPage (int32_t pageIndex) = 0;
    virtual AAX_Result RemovePage (int32_t pageIndex) = 0;
    virtual AAX_Result GetNumMappedParameterIDs (int32_t pageIndex, int32_t& outNumParameterIDs) const = 0;
    virtual AAX_Result ClearMappedParameter (int32_t pageIndex, int32_t slotIndex) = 0;
    virtual AAX_Result GetMappedParameterID (int32_t pageIndex, int32_t slotIndex, AAX_IString& outParameterID) const = 0;
    virtual AAX_Result MapParameterID (AAX_CParamID parameterID, int32_t pageIndex, int32_t slotIndex) = 0;
    virtual AAX_Result GetNumParametersWithNameVariations (int32_t& outNumParameters) const = 0;
    virtual AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString& outParameterID) const = 0;
    virtual AAX_Result GetNumNameVariationsForParameter (AAX_CParamID parameterID, int32_t& outNumVariations) const = 0;
    virtual AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index, AAX_IString& outName,
                                                         int32_t& outLength) const = 0;
    virtual AAX_Result GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length,
                                                          AAX_IString& outName) const = 0;
    virtual AAX_Result ClearParameterNameVariations() = 0;
    virtual AAX_Result ClearNameVariationsForParameter (AAX_CParamID parameterID) = 0;
    virtual AAX_Result SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString& name, int32_t length) = 0;
};
