/*
    AAX_CString: construction, editing with clamped counts, number formatting and parsing.
*/
#include "AAX_CString.h"
#include "NullTextString.h"

#include <gtest/gtest.h>

#include <locale>
#include <string>

TEST (String, EmptyAndNullBothGiveAnEmptyTerminatedText)
{
    const AAX_CString empty;
    const AAX_CString fromNull (nullptr);
    for (const AAX_CString* text : { &empty, &fromNull })
    {
        EXPECT_EQ (0u, text->Length());
        ASSERT_NE (nullptr, text->Get());
        EXPECT_EQ ('\0', text->Get()[0]);
    }
}

TEST (String, MaxLengthIsOneBelowTheLargestLength)
{
    EXPECT_EQ (4294967294u, AAX_CString().MaxLength());
    EXPECT_EQ (4294967294u, AAX_CString ("abc").MaxLength());
}

TEST (String, CopiesTheTextOfAnyStringInterface)
{
    const AAX_CString source ("Width");
    const AAX_IString& asInterface = source;
    AAX_CString copy (asInterface);
    EXPECT_STREQ ("Width", copy.Get());
    copy.Set ("Gain");
    EXPECT_STREQ ("Width", source.Get());

    AAX_IString& target = copy;
    target = asInterface;
    EXPECT_STREQ ("Width", copy.Get());
    const AAX_IString& same = target;
    target = same; // assigning a string to itself keeps its text
    EXPECT_STREQ ("Width", copy.Get());
}

TEST (String, AStringWithoutTextCopiesAsEmpty)
{
    const duveline::test::NullTextString hostString;
    const AAX_CString copy (hostString);
    EXPECT_STREQ ("", copy.Get());

    AAX_CString assigned ("Width");
    static_cast<AAX_IString&> (assigned) = hostString;
    EXPECT_STREQ ("", assigned.Get());
    assigned = "Gain";
    assigned.Set (nullptr);
    EXPECT_STREQ ("", assigned.Get());
}

TEST (String, ComparesAndEditsBytes)
{
    AAX_CString text ("abc");
    EXPECT_TRUE (text == AAX_CString ("abc"));
    EXPECT_TRUE (text != AAX_CString ("abd"));
    EXPECT_FALSE (text != "abc");
    EXPECT_TRUE (text != "ab");
    text[1] = 'x';
    EXPECT_STREQ ("axc", text.CString());
    text.Clear();
    EXPECT_EQ (0u, text.Length());
}

struct EditCase
{
    uint32_t pos;
    uint32_t count;
    const char* expected;
};

class StringErase : public ::testing::TestWithParam<EditCase>
{
};

TEST_P (StringErase, NeverRemovesPastTheEnd)
{
    AAX_CString text ("abcdef");
    text.Erase (GetParam().pos, GetParam().count);
    EXPECT_STREQ (GetParam().expected, text.Get());
}

INSTANTIATE_TEST_SUITE_P (String, StringErase,
                          ::testing::Values (EditCase { 4, 5, "abcd" }, EditCase { 2, 5, "ab" }, EditCase { 1, 2, "adef" },
                                             EditCase { 0, 0xFFFFFFFFu, "" }, EditCase { 3, 0xFFFFFFFFu, "abc" },
                                             EditCase { 6, 1, "abcdef" }, EditCase { 0, 0, "abcdef" }));

class StringSubString : public ::testing::TestWithParam<EditCase>
{
};

TEST_P (StringSubString, StopsAtTheEnd)
{
    const AAX_CString text ("abcdef");
    AAX_CString out ("previous");
    text.SubString (GetParam().pos, GetParam().count, &out);
    EXPECT_STREQ (GetParam().expected, out.Get());
}

INSTANTIATE_TEST_SUITE_P (String, StringSubString,
                          ::testing::Values (EditCase { 2, 100, "cdef" }, EditCase { 6, 1, "" },
                                             EditCase { 0, 0xFFFFFFFFu, "abcdef" }, EditCase { 5, 0xFFFFFFFFu, "f" },
                                             EditCase { 1, 3, "bcd" }));

struct NumberCase
{
    double value;
    int32_t precision;
    const char* expected;
};

class StringAppendNumber : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P (StringAppendNumber, WritesFixedNotation)
{
    AAX_CString text;
    text.AppendNumber (GetParam().value, GetParam().precision);
    EXPECT_STREQ (GetParam().expected, text.Get());
}

INSTANTIATE_TEST_SUITE_P (String, StringAppendNumber,
                          ::testing::Values (NumberCase { 0.5, 3, "0.500" }, NumberCase { -1.26, 1, "-1.3" },
                                             NumberCase { 3.0, 0, "3" }, NumberCase { 1234567.0, 2, "1234567.00" },
                                             NumberCase { 1e20, 0, "100000000000000000000" }));

TEST (String, AppendedNumbersFollowEachOtherDirectly)
{
    AAX_CString text ("x=");
    text.AppendNumber (1.5, 1).AppendNumber (-2.0, 0);
    EXPECT_STREQ ("x=1.5-2", text.Get());
}

namespace
{
// A decimal comma and digit grouping, as many user locales have.
struct CommaNumbers : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};
} // namespace

TEST (String, NumbersIgnoreTheProcessLocale)
{
    // The texts the host stores must not change with the user's locale.
    const std::locale previous = std::locale::global (std::locale (std::locale::classic(), new CommaNumbers));
    AAX_CString text;
    text.AppendNumber (12345.25, 2);
    double value = 0.0;
    const bool parsed = AAX_CString ("2.5").ToDouble (&value);
    std::locale::global (previous);
    EXPECT_STREQ ("12345.25", text.Get());
    EXPECT_TRUE (parsed);
    EXPECT_EQ (2.5, value);
}

struct ParseCase
{
    const char* text;
    bool parsed;
    double value;
};

class StringToDouble : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P (StringToDouble, ReadsLikeAStream)
{
    double value = -7.0;
    EXPECT_EQ (GetParam().parsed, AAX_CString (GetParam().text).ToDouble (&value));
    EXPECT_EQ (GetParam().value, value);
}

INSTANTIATE_TEST_SUITE_P (String, StringToDouble,
                          ::testing::Values (ParseCase { " 2.5dB", true, 2.5 }, ParseCase { "abc", false, 0.0 },
                                             ParseCase { "", false, 0.0 }, ParseCase { "1e3", true, 1000.0 },
                                             ParseCase { "-0.125", true, -0.125 }, ParseCase { "1e999", false, 0.0 },
                                             ParseCase { "-1e999", false, 0.0 }));
