/*
    The library's exception classes and the formatting of result codes into their messages.
*/
#include "AAX_Exception.h"

std::string AAX::FormatResult (AAX_Result result)
{
    return std::string (AsStringResult (result)) + " (" + std::to_string (result) + ")";
}

AAX::Exception::Any::Any (const std::string& description) : Any (description, std::string(), std::string()) {}

AAX::Exception::Any::Any (const std::string& description, const std::string& functionText, const std::string& lineText)
    : mDescription (description), mFunctionText (functionText), mLineText (lineText),
      mMessage (CreateWhat (description, functionText, lineText))
{
}

std::string AAX::Exception::Any::CreateWhat (const std::string& description, const std::string& functionText,
                                             const std::string& lineText)
{
    std::string what = description;
    if (!functionText.empty())
        what += " func:" + functionText;
    if (!lineText.empty())
        what += " line:" + lineText;
    return what;
}

AAX::Exception::ResultError::ResultError (AAX_Result result) : Any (FormatResult (result)), mResultCode (result) {}
