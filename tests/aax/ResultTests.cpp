/*
    Result names, exceptions, checked results and the host-services link (traces, assertion
    reports, proxy lifetime and missing versions).
*/
#include "AAX_CHostServices.h"
#include "AAX_Exception.h"
#include "AAX_IHostServices.h"
#include "AAX_VHostServices.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <string>

using duveline::test::TestHost;
namespace host = duveline::host;

struct NameCase
{
    AAX_Result code;
    const char* name;
};

class ResultName : public ::testing::TestWithParam<NameCase>
{
};

TEST_P (ResultName, MatchesTheTable)
{
    EXPECT_STREQ (GetParam().name, AAX::AsStringResult (GetParam().code));
}

INSTANTIATE_TEST_SUITE_P (
    Results, ResultName,
    ::testing::Values (NameCase { 0, "AAX_SUCCESS" }, NameCase { -20001, "AAX_ERROR_INVALID_PARAMETER_ID" },
                       NameCase { -20017, "AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS" },
                       NameCase { -20022, "AAX_RESULT_PACKET_STREAM_NOT_EMPTY" },
                       NameCase { -20028, "AAX_RESULT_NEW_PACKET_POSTED" },
                       NameCase { -20046, "AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW" }, NameCase { -21000, "plug-in defined error" },
                       NameCase { -20600, "plug-in defined error" }, NameCase { -21001, "<unknown error code>" },
                       NameCase { -20599, "<unknown error code>" }, NameCase { -20047, "<unknown error code>" },
                       NameCase { 1, "<unknown error code>" }, NameCase { -333, "<unknown error code>" },
                       NameCase { -20051, "<unknown error code>" }));

TEST (Results, EveryCodeOfTheTableHasItsOwnName)
{
    std::set<std::string> names;
    for (AAX_Result code = -20046; code <= -20001; ++code)
    {
        const std::string name = AAX::AsStringResult (code);
        EXPECT_EQ (0u, name.rfind ("AAX_", 0)) << code;
        names.insert (name);
    }
    EXPECT_EQ (46u, names.size());
}

TEST (Exceptions, ResultErrorNamesItsCode)
{
    const AAX::Exception::ResultError unimplemented (-20009);
    EXPECT_EQ ("AAX_ERROR_UNIMPLEMENTED (-20009)", unimplemented.What());
    EXPECT_EQ (-20009, unimplemented.Result());
    EXPECT_EQ ("plug-in defined error (-20700)", AAX::Exception::ResultError (-20700).What());
    EXPECT_EQ ("AAX_ERROR_NULL_OBJECT (-20004)", AAX::Exception::ResultError (-20004).What());
}

TEST (Exceptions, MessageAddsFunctionAndLineOnlyWhenGiven)
{
    EXPECT_EQ ("broken", AAX::Exception::Any ("broken").What());
    EXPECT_EQ ("broken func:Load line:12", AAX::Exception::Any ("broken", "Load", "12").What());
    EXPECT_EQ ("broken line:12", AAX::Exception::Any ("broken", "", "12").What());
}

// Every test here starts and ends without the process-wide host-services proxy.
class HostServicesTest : public ::testing::Test
{
protected:
    void SetUp() override { AAX_CHostServices::Set (nullptr); }
    void TearDown() override { AAX_CHostServices::Set (nullptr); }
};

using CheckedResults = HostServicesTest;

TEST_F (CheckedResults, SuccessNeverThrows)
{
    EXPECT_NO_THROW (AAX_CheckedResult result (AAX_SUCCESS));
    AAX_CheckedResult result;
    EXPECT_NO_THROW (result = AAX_SUCCESS);
}

TEST_F (CheckedResults, FailureThrowsTracesOnceAndResets)
{
    TestHost testHost;
    const duveline::test::ScopedHostServices services (testHost.Unknown());
    AAX_CheckedResult result;
    try
    {
        result = AAX_ERROR_NULL_OBJECT;
        FAIL() << "no exception";
    }
    catch (const AAX::Exception::ResultError& error)
    {
        EXPECT_EQ (AAX_ERROR_NULL_OBJECT, error.Result());
    }
    EXPECT_EQ (AAX_SUCCESS, result.Result());
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, result.LastThrownResult());
    const auto traces = testHost.Session().Traces();
    ASSERT_EQ (1u, traces.size());
    EXPECT_EQ (0x04000000, traces[0].priority);
    EXPECT_EQ ("AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)", traces[0].message);
}

TEST_F (CheckedResults, PluginCodesThrowAndAcceptedCodesDoNot)
{
    EXPECT_THROW (AAX_CheckedResult result (-20700), AAX::Exception::ResultError);
    AAX_CheckedResult result;
    result.AddAcceptedResult (AAX_ERROR_UNIMPLEMENTED);
    EXPECT_NO_THROW (result = AAX_ERROR_UNIMPLEMENTED);
    result.ResetAcceptedResults();
    EXPECT_THROW (result = AAX_ERROR_UNIMPLEMENTED, AAX::Exception::ResultError);
}

using HostServicesLink = HostServicesTest;

TEST_F (HostServicesLink, DropsEverythingWithoutAProxy)
{
    EXPECT_EQ (nullptr, AAX_CHostServices::Get());
    EXPECT_EQ (AAX_SUCCESS, AAX_CHostServices::Trace (1, "%s", "dropped"));
    EXPECT_EQ (AAX_SUCCESS, AAX_CHostServices::HandleAssertFailure ("file", 1, "note", 1));
}

TEST_F (HostServicesLink, CutsTracesAt511Characters)
{
    TestHost testHost;
    const duveline::test::ScopedHostServices services (testHost.Unknown());
    const std::string longText (700, 'x');
    EXPECT_EQ (AAX_SUCCESS, AAX_CHostServices::Trace (0x08000000, "%s!", longText.c_str()));
    const std::string exact (511, 'y');
    EXPECT_EQ (AAX_SUCCESS, AAX_CHostServices::Trace (0x08000000, "%s", exact.c_str()));
    const auto traces = testHost.Session().Traces();
    ASSERT_EQ (2u, traces.size());
    EXPECT_EQ (std::string (511, 'x'), traces[0].message);
    EXPECT_EQ (exact, traces[1].message);
}

TEST_F (HostServicesLink, ForwardsAssertionReportsUnchanged)
{
    TestHost testHost;
    const duveline::test::ScopedHostServices services (testHost.Unknown());
    EXPECT_EQ (AAX_SUCCESS, AAX_CHostServices::HandleAssertFailure ("Interfaces/AAX_CParameter", 42, "len < 32", 1));
    const auto asserts = testHost.Session().Asserts();
    ASSERT_EQ (1u, asserts.size());
    EXPECT_EQ ("Interfaces/AAX_CParameter", asserts[0].file);
    EXPECT_EQ (42, asserts[0].line);
    EXPECT_EQ ("len < 32", asserts[0].note);
    EXPECT_EQ (1, asserts[0].flags);
}

TEST_F (HostServicesLink, KeepsTheFirstHostUntilRemoved)
{
    TestHost first;
    TestHost second;
    AAX_CHostServices::Set (first.Unknown());
    const AAX_IHostServices* proxy = AAX_CHostServices::Get();
    AAX_CHostServices::Set (second.Unknown());
    EXPECT_EQ (proxy, AAX_CHostServices::Get());
    AAX_CHostServices::Trace (1, "to the first");
    EXPECT_EQ (1u, first.Session().Traces().size());
    EXPECT_EQ (0u, second.Session().Traces().size());
    EXPECT_EQ (0, second.ObjectsHandedOut());

    AAX_CHostServices::Set (nullptr);
    EXPECT_EQ (nullptr, AAX_CHostServices::Get());
    EXPECT_EQ (0, first.ObjectsHandedOut());

    AAX_CHostServices::Set (second.Unknown());
    AAX_CHostServices::Trace (1, "to the second");
    EXPECT_EQ (1u, second.Session().Traces().size());
    AAX_CHostServices::Set (nullptr);
}

struct VersionCase
{
    int version;
    AAX_Result trace;
    AAX_Result stackTrace;
    AAX_Result assertion;
};

class HostServicesVersion : public ::testing::TestWithParam<VersionCase>
{
};

TEST_P (HostServicesVersion, MissingVersionsAnswerWithoutCalling)
{
    host::HostConfig config;
    config.hostServicesVersion = GetParam().version;
    TestHost testHost (config);
    {
        const AAX_VHostServices services (testHost.Unknown());
        EXPECT_EQ (GetParam().trace, services.Trace (1, "t"));
        EXPECT_EQ (GetParam().stackTrace, services.StackTrace (1, 2, "s"));
        EXPECT_EQ (GetParam().assertion, services.HandleAssertFailure ("f", 1, "n", 1));
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

INSTANTIATE_TEST_SUITE_P (HostServices, HostServicesVersion,
                          ::testing::Values (VersionCase { 0, -20004, -20009, -20004 }, VersionCase { 1, 0, -20009, -20004 },
                                             VersionCase { 2, 0, 0, -20004 }, VersionCase { 3, 0, 0, 0 }));

TEST (HostServices, NullFactoryAnswerThrowsWithoutLeaking)
{
    host::HostConfig config;
    config.componentFactory = host::FactoryAnswer::NullAnswer;
    TestHost testHost (config);
    try
    {
        AAX_VHostServices services (testHost.Unknown());
        FAIL() << "no exception";
    }
    catch (int32_t code)
    {
        EXPECT_EQ (static_cast<int32_t> (0x80000005u), code);
    }
    EXPECT_EQ (0, testHost.ObjectsHandedOut());
}

TEST (HostServices, RefusedFactoryLeavesEveryVersionMissing)
{
    host::HostConfig config;
    config.componentFactory = host::FactoryAnswer::Refuse;
    TestHost testHost (config);
    const AAX_VHostServices services (testHost.Unknown());
    EXPECT_EQ (AAX_ERROR_NULL_OBJECT, services.Trace (1, "t"));
    const AAX_VHostServices withoutHost (nullptr);
    EXPECT_EQ (AAX_ERROR_UNIMPLEMENTED, withoutHost.StackTrace (1, 1, "s"));
}
