/*
    Puts the test process in a German locale (decimal comma, '.' between digit groups) the way a
    host may: through the C library's LC_NUMERIC alone, or through the C++ global locale, which
    sets the C library's whole locale as well. The locale before comes back at the end of the scope.
*/
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <ostream>
#include <stdexcept>
#include <string>

namespace duveline::test
{
enum class HostLocale
{
    cNumeric,
    cppGlobal
};

inline void PrintTo (HostLocale how, std::ostream* os)
{
    *os << (how == HostLocale::cNumeric ? "setlocale(LC_NUMERIC)" : "std::locale::global");
}

// Both ways, for tests parameterised over them: INSTANTIATE_TEST_SUITE_P (Host, Suite, kHostLocales, HostLocaleName).
inline const auto kHostLocales = ::testing::Values (HostLocale::cNumeric, HostLocale::cppGlobal);

inline std::string HostLocaleName (const ::testing::TestParamInfo<HostLocale>& info)
{
    return info.param == HostLocale::cNumeric ? "CNumeric" : "CppGlobal";
}

class ScopedCommaLocale
{
public:
    static constexpr const char* name = "de_DE.UTF-8";
    static constexpr const char* missing = "the de_DE.UTF-8 locale is missing: tools/setup/install-debian-packages.sh makes it";

    explicit ScopedCommaLocale (HostLocale how) : mHow (how)
    {
        if (const char* current = std::setlocale (LC_ALL, nullptr))
            mPreviousC = current;
        if (mHow == HostLocale::cNumeric)
        {
            mSet = std::setlocale (LC_NUMERIC, name) != nullptr;
        }
        else
        {
            try
            {
                mPreviousCpp = std::locale::global (std::locale (name));
                mSet = true;
            }
            catch (const std::runtime_error&)
            {
            }
        }
    }

    ~ScopedCommaLocale()
    {
        if (mHow == HostLocale::cppGlobal && mSet)
            std::locale::global (mPreviousCpp);
        std::setlocale (LC_ALL, mPreviousC.c_str());
    }

    ScopedCommaLocale (const ScopedCommaLocale&) = delete;
    ScopedCommaLocale& operator= (const ScopedCommaLocale&) = delete;

    // True once the C library writes and reads numbers with a decimal comma.
    bool IsActive() const { return mSet && std::localeconv()->decimal_point[0] == ','; }

private:
    HostLocale mHow;
    std::string mPreviousC = "C";
    std::locale mPreviousCpp;
    bool mSet = false;
};
} // namespace duveline::test
