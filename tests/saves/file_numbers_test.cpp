// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_numbers.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNumbers, ReadDecimalNumbersWithBlanksAroundThem) {
    const struct {
        const char* text;
        double value;
    } numbers[] = {
        {"7", 7},        {" 7 ", 7},         {"\t12\t", 12},
        {"-12", -12},    {"+5", 5},          {"0.5", 0.5},
        {"-2.5", -2.5},  {".5", 0.5},        {"45.0", 45},
        {"1e5", 100000}, {"-250.5", -250.5}, {"12345678901234567890", 12345678901234567890.0}};
    for (const auto& n : numbers) {
        double value = -1;
        EXPECT_TRUE(parseFileNumber(QString::fromLatin1(n.text), value)) << n.text;
        EXPECT_EQ(value, n.value) << n.text;
    }
}

TEST(FileNumbers, RefuseAnythingElseAndLeaveTheResultAlone) {
    for (const char* text : {"", " ", "abc", "7x", "Rs. 7000", "1e999", "-1e999", "nan", "inf",
                             "1,5", "1 000", "0x10"}) {
        double value = 42;
        EXPECT_FALSE(parseFileNumber(QString::fromLatin1(text), value)) << text;
        EXPECT_EQ(value, 42) << text;
    }
}

}  // namespace
