#include "util/ParseInt.h"

#include <gtest/gtest.h>

#include <string>

namespace korvelin {
namespace {

struct ParseCase {
    const char *name;
    std::string text;
    int32_t expected;
};

void PrintTo(const ParseCase &c, std::ostream *os)
{
    *os << c.name;
}

class ParseIntTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntTest, ReadsLeadingNumber)
{
    EXPECT_EQ(ParseInt(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntTest,
    testing::Values(ParseCase{"Empty", "", 0}, ParseCase{"Zero", "0", 0}, ParseCase{"Plain", "35", 35},
                    ParseCase{"MinusForty", "-40", -40}, ParseCase{"PlusSeven", "+7", 7},
                    ParseCase{"DigitsThenLetters", "12abc", 12}, ParseCase{"StopsAtDot", "3.5", 3},
                    ParseCase{"LeadingBlankGivesZero", " 5", 0}, ParseCase{"LetterFirst", "abc", 0},
                    ParseCase{"SignAlone", "-", 0}, ParseCase{"DoubleSign", "--5", 0},
                    ParseCase{"SignThenBlank", "- 5", 0}, ParseCase{"LeadingZeros", "007", 7},
                    ParseCase{"Int32Max", "2147483647", 2147483647}, ParseCase{"WrapsPastMax", "2147483648", INT32_MIN},
                    ParseCase{"Int32Min", "-2147483648", INT32_MIN}, ParseCase{"WrapsAt32Bits", "4294967297", 1},
                    ParseCase{"HugeDigitRun", std::string(10000, '9'), -1},
                    ParseCase{"NulStops",
                              std::string("4\0"
                                          "2",
                                          3),
                              4}),
    [](const testing::TestParamInfo<ParseCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace korvelin
