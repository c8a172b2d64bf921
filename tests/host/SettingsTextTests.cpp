// How settings values stored as text become numbers, and the text helpers beside them.

#include <gtest/gtest.h>

#include "toolkit/IniText.h"
#include "toolkit/SysUtils.h"

TEST(IniTextToInt, ReadsDecimalAndBothHexForms) {
  EXPECT_EQ(IniTextToInt("150", 7), 150);
  EXPECT_EQ(IniTextToInt("-1", 7), -1);
  EXPECT_EQ(IniTextToInt("+42", 7), 42);
  EXPECT_EQ(IniTextToInt("0x96", 7), 150);
  EXPECT_EQ(IniTextToInt("0X96", 7), 150);
  EXPECT_EQ(IniTextToInt("$96", 7), 150);
  EXPECT_EQ(IniTextToInt("$ff", 7), 255);
  EXPECT_EQ(IniTextToInt("0x0000000096", 7), 150); // leading zeros are not significant
  EXPECT_EQ(IniTextToInt("007", 1), 7);
}

TEST(IniTextToInt, UnreadableTextGivesTheDefault) {
  EXPECT_EQ(IniTextToInt("", 150), 150);
  EXPECT_EQ(IniTextToInt("abc", 150), 150);
  EXPECT_EQ(IniTextToInt("12abc", 150), 150);
  EXPECT_EQ(IniTextToInt(" 12", 150), 150);
  EXPECT_EQ(IniTextToInt("-", 150), 150);
  EXPECT_EQ(IniTextToInt("$", 150), 150);
  EXPECT_EQ(IniTextToInt("$g", 150), 150);
  // "0x" alone is not long enough to be hexadecimal, and is no decimal either.
  EXPECT_EQ(IniTextToInt("0x", 150), 150);
  EXPECT_EQ(IniTextToInt("0x-5", 150), 150);
  EXPECT_EQ(IniTextToInt("1.5", 150), 150);
}

TEST(IniTextToInt, RangeOfThirtyTwoBits) {
  EXPECT_EQ(IniTextToInt("2147483647", 0), 2147483647);
  EXPECT_EQ(IniTextToInt("-2147483648", 0), INT32_MIN);
  EXPECT_EQ(IniTextToInt("2147483648", 5), 5);
  EXPECT_EQ(IniTextToInt("-2147483649", 5), 5);
  EXPECT_EQ(IniTextToInt("99999999999999999999", 5), 5);
  // Hexadecimal fills all 32 bits and wraps into the signed range.
  EXPECT_EQ(IniTextToInt("$FFFFFFFF", 0), -1);
  EXPECT_EQ(IniTextToInt("0x80000000", 0), INT32_MIN);
  EXPECT_EQ(IniTextToInt("$100000000", 5), 5);
}

TEST(IniTextToInt, SixteenBitKeysKeepTheLowBits) {
  EXPECT_EQ(static_cast<uint16_t>(IniTextToInt("70000", 0)), 4464);
  EXPECT_EQ(static_cast<uint16_t>(IniTextToInt("-1", 0)), 65535);
  EXPECT_EQ(static_cast<uint16_t>(IniTextToInt("65535", 0)), 65535);
}

TEST(IniTextToBool, AnyNumberButZeroIsTrue) {
  EXPECT_TRUE(IniTextToBool("1", false));
  EXPECT_TRUE(IniTextToBool("2", false));
  EXPECT_TRUE(IniTextToBool("-1", false));
  EXPECT_TRUE(IniTextToBool("0x10", false));
  EXPECT_FALSE(IniTextToBool("0", true));
  EXPECT_TRUE(IniTextToBool("", true));
  EXPECT_FALSE(IniTextToBool("", false));
  EXPECT_TRUE(IniTextToBool("yes", true));
  EXPECT_FALSE(IniTextToBool("yes", false));
}

TEST(FormatStr, ReplacesPlaceholdersInOrder) {
  EXPECT_EQ(FormatStr("Unable to write to %s", {"C:\\a\\Status.cfg"}),
            "Unable to write to C:\\a\\Status.cfg");
  EXPECT_EQ(FormatStr("Failed to set data for '%s'", {"Mirevan AutoStart"}),
            "Failed to set data for 'Mirevan AutoStart'");
  EXPECT_EQ(FormatStr("%s and %s", {"a", "b"}), "a and b");
  EXPECT_EQ(FormatStr("%s and %s", {"a"}), "a and %s");
  EXPECT_EQ(FormatStr("100%% of %s", {"x"}), "100% of x");
  EXPECT_EQ(FormatStr("trailing %", {}), "trailing %");
}

TEST(ExtractFilePath, KeepsTheTrailingSeparator) {
  EXPECT_EQ(ExtractFilePath("C:\\Program Files\\Mirevan\\Mirevan.exe"),
            "C:\\Program Files\\Mirevan\\");
  EXPECT_EQ(ExtractFilePath("C:Mirevan.exe"), "C:");
  EXPECT_EQ(ExtractFilePath("Mirevan.exe"), "");
  EXPECT_EQ(ExtractFilePath("/tmp/x/y"), "/tmp/x/");
}
