/*
    AAX_CheckedResult: turns a result code outside its accepted set into a traced ResultError.
*/
#include "AAX_CHostServices.h"
#include "AAX_Exception.h"

AAX_CheckedResult::AAX_CheckedResult() = default;

AAX_CheckedResult::AAX_CheckedResult (AAX_Result result) : mCurrentResult (result)
{
    ResetAcceptedResults();
    Check();
}

AAX_CheckedResult& AAX_CheckedResult::operator= (AAX_Result result)
{
    mCurrentResult = result;
    Check();
    return *this;
}

void AAX_CheckedResult::Check()
{
    if (mAcceptedResults.count (mCurrentResult) != 0)
        return;

    const AAX::Exception::ResultError error (mCurrentResult);
    mLastThrownResult = mCurrentResult;
    // The holder stays usable after the throw, as if the failed call had never been assigned.
    mCurrentResult = AAX_SUCCESS;
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "AAX_CheckedResult - throwing %s", error.What().c_str());
    throw error;
}

void AAX_CheckedResult::ResetAcceptedResults()
{
    mAcceptedResults.clear();
    mAcceptedResults.insert (AAX_SUCCESS);
}

void AAX_CheckedResult::AddAcceptedResult (AAX_Result result)
{
    mAcceptedResults.insert (result);
}
