/*
    The library's exceptions and AAX_CheckedResult, which turns an unexpected result code into
    an exception that the registration entry point turns back into its code.
*/
#pragma once

#include "AAX_Errors.h"

#include <set>
#include <string>

namespace AAX
{
// "<name> (<code>)", for example "AAX_ERROR_NULL_OBJECT (-20004)".
std::string FormatResult (AAX_Result result);

namespace Exception
{
// Deliberately not derived from std::exception: the entry points tell the two apart and
// report each differently.
class Any
{
public:
    explicit Any (const std::string& description);
    Any (const std::string& description, const std::string& functionText, const std::string& lineText);
    virtual ~Any() = default;

    Any (const Any&) = default;
    Any& operator= (const Any&) = default;

    const std::string& What() const { return mMessage; }
    const std::string& Description() const { return mDescription; }

    // The description, then " func:" and " line:" with their texts when those are not empty.
    static std::string CreateWhat (const std::string& description, const std::string& functionText, const std::string& lineText);

private:
    std::string mDescription;
    std::string mFunctionText;
    std::string mLineText;
    std::string mMessage;
};

class ResultError : public Any
{
public:
    explicit ResultError (AAX_Result result);

    AAX_Result Result() const { return mResultCode; }

private:
    AAX_Result mResultCode;
};
} // namespace Exception
} // namespace AAX

// Holds the current result; assigning a code outside the accepted set throws ResultError after
// tracing it, and leaves the holder at AAX_SUCCESS.
class AAX_CheckedResult
{
public:
    AAX_CheckedResult();
    AAX_CheckedResult (AAX_Result result); // NOLINT: implicit on purpose, as the codes it guards

    AAX_CheckedResult& operator= (AAX_Result result);

    void Check();
    void ResetAcceptedResults();
    void AddAcceptedResult (AAX_Result result);

    AAX_Result Result() const { return mCurrentResult; }
    AAX_Result LastThrownResult() const { return mLastThrownResult; }
    operator AAX_Result() const { return mCurrentResult; }

private:
    AAX_Result mCurrentResult = AAX_SUCCESS;
    AAX_Result mLastThrownResult = AAX_SUCCESS;
    std::set<AAX_Result> mAcceptedResults { AAX_SUCCESS };
};
