#include "common/whole_number.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace tavrel {
namespace {

std::wstring Failure(const std::wstring& text) {
    try {
        ParseWholeNumber(text);
    } catch (const Error& error) {
        return error.message();
    }
    return L"(accepted)";
}

TEST(WholeNumber, DecimalDigitsWithSignAndLeadingBlanks) {
    EXPECT_EQ(ParseWholeNumber(L"60"), 60);
    EXPECT_EQ(ParseWholeNumber(L"0"), 0);
    EXPECT_EQ(ParseWholeNumber(L"-5"), -5);
    EXPECT_EQ(ParseWholeNumber(L"+7"), 7);
    EXPECT_EQ(ParseWholeNumber(L"   12"), 12);
    EXPECT_EQ(ParseWholeNumber(L"007"), 7);
}

TEST(WholeNumber, TheWholeSignedThirtyTwoBitRangeAndNoMore) {
    EXPECT_EQ(ParseWholeNumber(L"2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber(L"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(Failure(L"2147483648"), L"'2147483648' is not a valid integer value");
    EXPECT_EQ(Failure(L"-2147483649"), L"'-2147483649' is not a valid integer value");
    EXPECT_EQ(Failure(L"99999999999999999999999999"),
              L"'99999999999999999999999999' is not a valid integer value");
}

TEST(WholeNumber, AnythingElseIsNotAnIntegerAndTheTextIsNamedAsGiven) {
    EXPECT_EQ(Failure(L""), L"'' is not a valid integer value");
    EXPECT_EQ(Failure(L"abc"), L"'abc' is not a valid integer value");
    EXPECT_EQ(Failure(L"12 "), L"'12 ' is not a valid integer value");
    EXPECT_EQ(Failure(L"1.5"), L"'1.5' is not a valid integer value");
    EXPECT_EQ(Failure(L"-"), L"'-' is not a valid integer value");
    EXPECT_EQ(Failure(L"  "), L"'  ' is not a valid integer value");
    EXPECT_EQ(Failure(L"+-1"), L"'+-1' is not a valid integer value");
    // Full-width digits, as an input method may type them.
    EXPECT_EQ(Failure(L"\uFF16\uFF10"), L"'\uFF16\uFF10' is not a valid integer value");
}

}  // namespace
}  // namespace tavrel
