#include "core/ansi_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/core/fakes.h"

namespace tunesafe {
namespace {

constexpr std::int32_t kFallback = 77;

struct IntegerCase {
  std::string text;
  std::int32_t expected;
};

class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, ReadsTheValueOrFallsBack) {
  EXPECT_EQ(ReadInteger(GetParam().text, kFallback), GetParam().expected)
      << "text \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ReadIntegerTest,
    ::testing::Values(
        IntegerCase{"0", 0}, IntegerCase{"-8", -8}, IntegerCase{"+5", 5}, IntegerCase{"007", 7},
        IntegerCase{"-0", 0}, IntegerCase{"2147483647", 2147483647},
        IntegerCase{"-2147483648", -2147483647 - 1}, IntegerCase{"2147483648", kFallback},
        IntegerCase{"-2147483649", kFallback}, IntegerCase{"99999999999999999999", kFallback},
        IntegerCase{"   12", 12},        // leading blanks are skipped
        IntegerCase{"12 ", kFallback},   // a trailing one is not
        IntegerCase{"\t12", kFallback},  // only the blank counts as space
        IntegerCase{"- 5", kFallback}, IntegerCase{"--5", kFallback}, IntegerCase{"+-5", kFallback},
        IntegerCase{"12abc", kFallback}, IntegerCase{"1.5", kFallback}, IntegerCase{"", kFallback},
        IntegerCase{" ", kFallback}, IntegerCase{"-", kFallback}, IntegerCase{"+", kFallback},
        // Leading zeros do not count towards the range.
        IntegerCase{std::string(2046, '0') + "5", 5}, IntegerCase{std::string(2047, '0'), 0}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ReadIntegerTest,
    ::testing::Values(IntegerCase{"0x10", 16}, IntegerCase{"0X10", 16}, IntegerCase{"$10", 16},
                      IntegerCase{"x10", 16}, IntegerCase{"X1f", 31}, IntegerCase{"$aBcD", 0xABCD},
                      // A sign before a hexadecimal value has no effect.
                      IntegerCase{"-$10", 16}, IntegerCase{"+$10", 16}, IntegerCase{"-0x10", 16},
                      IntegerCase{"-x10", 16}, IntegerCase{"  $10", 16},
                      IntegerCase{"  0x10", 16},  // blanks first: "0x" is taken after them
                      IntegerCase{"$7FFFFFFF", 2147483647},
                      IntegerCase{"$80000000", -2147483647 - 1}, IntegerCase{"$FFFFFFFF", -1},
                      IntegerCase{"0xffffffff", -1}, IntegerCase{"$00000000FF", 255},
                      IntegerCase{"$100000000", kFallback},
                      // "0x" alone is not longer than two characters, so it is not turned into
                      // "$"; it is then read as the prefix "0x" with no digit after it, which
                      // falls back just as "$" alone does. Read as decimal "0" followed by "x"
                      // it would fall back too, so no reading of the rule gives a number.
                      IntegerCase{"0x", kFallback}, IntegerCase{"$", kFallback},
                      IntegerCase{"x", kFallback}, IntegerCase{"-$", kFallback},
                      IntegerCase{"$10 ", kFallback}, IntegerCase{"$1G", kFallback},
                      IntegerCase{"$-5", kFallback}, IntegerCase{"0x-5", kFallback},
                      IntegerCase{"0x0x10", kFallback}, IntegerCase{"$$10", kFallback},
                      IntegerCase{"10x", kFallback}));

struct ArgumentsCase {
  const char* command_line;
  std::vector<std::string> arguments;
};

class SplitArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(SplitArgumentsTest, SplitsLikeTheStartupCode) {
  EXPECT_EQ(SplitArguments(GetParam().command_line), GetParam().arguments)
      << "command line " << GetParam().command_line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitArgumentsTest,
    ::testing::Values(
        ArgumentsCase{"Tunesafe.exe", {"Tunesafe.exe"}}, ArgumentsCase{"", {}},
        ArgumentsCase{"   ", {}},
        ArgumentsCase{"\"C:\\Program Files\\Tunesafe.exe\" ||",
                      {"C:\\Program Files\\Tunesafe.exe", "||"}},
        ArgumentsCase{"a\t\x01 b\r\nc", {"a", "b", "c"}},  // control characters separate
        ArgumentsCase{"a\"b c\"d e", {"ab cd", "e"}},      // quotes mid-token join and vanish
        ArgumentsCase{"a \"b c", {"a", "b c"}},            // an open quote runs to the end
        ArgumentsCase{"a \"\" b", {"a", "b"}},             // an empty pair is skipped
        ArgumentsCase{"a \"\"\"b c\"", {"a", "b c"}}, ArgumentsCase{"a b\"\"c", {"a", "bc"}},
        ArgumentsCase{"a \"", {"a"}},  // an empty argument ends the list
        // Bytes above 0x7F belong to arguments: 表 (95 5C) and a half-width katakana.
        ArgumentsCase{"\x95\x5C.exe \xB1", {"\x95\x5C.exe", "\xB1"}}));

TEST(FirstArgumentTest, IsTheTokenAfterTheProgram) {
  const struct {
    const char* command_line;
    const char* first;
  } cases[] = {
      {"Tunesafe.exe ||", "||"},
      {"Tunesafe.exe \"||\"", "||"},
      {"\"C:\\My Apps\\Tunesafe.exe\"   \"|\"\"|\"", "||"},
      {"Tunesafe.exe x ||", "x"},  // "||" as the second argument
      {"Tunesafe.exe", ""},
      {"Tunesafe.exe   ", ""},
      {"Tunesafe.exe |||", "|||"},
      {"Tunesafe.exe \"|| \"", "|| "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstArgument(c.command_line), c.first) << "command line " << c.command_line;
  }
}

TEST(PercentEncodeTest, KeepsUnreservedBytesAndEncodesTheRest) {
  EXPECT_EQ(PercentEncode("Tunesafe"), "Tunesafe");
  EXPECT_EQ(PercentEncode("AZaz09-._~"), "AZaz09-._~");
  EXPECT_EQ(PercentEncode("my tool&x=1/%"), "my%20tool%26x%3D1%2F%25");
  EXPECT_EQ(PercentEncode("\x89\xB9\x81\x9A\x94\xA0"), "%89%B9%81%9A%94%A0");  // 音★箱
  EXPECT_EQ(PercentEncode(std::string("a\0b", 3)), "a%00b");
  EXPECT_EQ(PercentEncode("\xFF"), "%FF");
  EXPECT_EQ(PercentEncode(""), "");
}

struct PathCase {
  const char* path;
  const char* expected;
};

TEST(BaseNameTest, IsTheFileNameWithoutItsLastExtension) {
  testing::Cp932CodePage cp932;
  const PathCase cases[] = {
      {"C:\\Apps\\Tunesafe.exe", "Tunesafe"},
      {"C:\\Apps\\my.tool.exe", "my.tool"},
      {"C:\\Apps\\Tunesafe", "Tunesafe"},
      {"C:\\a.b\\Tunesafe", "Tunesafe"},  // a dot in the folder is not the extension
      {"C:\\Apps\\.exe", ""},
      {"C:\\Apps\\x.", "x"},
      {"C:Tunesafe.exe", "Tunesafe"},
      {"Tunesafe.exe", "Tunesafe"},
      {"", ""},
      // ソ (83 5C): its trail byte is no separator.
      {"C:\\Apps\\\x83\x5C\x83t\x83g.exe", "\x83\x5C\x83t\x83g"},
      {"C:\\\x95\x5C\\\x95\x5C", "\x95\x5C"},
  };
  for (const PathCase& c : cases) EXPECT_EQ(BaseName(c.path, cp932), c.expected) << c.path;
}

TEST(ProgramDirOfTest, DropsTheClosingBackslashExceptAtARoot) {
  testing::Cp932CodePage cp932;
  const PathCase cases[] = {
      {"C:\\Apps\\Tunesafe.exe", "C:\\Apps"},
      {"C:\\Tunesafe.exe", "C:\\"},
      {"C:\\Apps\\Sub\\Tunesafe.exe", "C:\\Apps\\Sub"},
      // The last "\" follows another one: both stay, as at a root.
      {"C:\\Apps\\\\Tunesafe.exe", "C:\\Apps\\\\"},
      {"\\\\server\\share\\Tunesafe.exe", "\\\\server\\share"},
      {"\\Tunesafe.exe", "\\"},  // the separator is the first character
      {"C:Tunesafe.exe", "C:"},
      {"Tunesafe.exe", ""},
      {"", ""},
      // The program's own name holds ソ (83 5C): the folder ends at the real separator.
      {"C:\\Apps\\\x83\x5C\x83t\x83g.exe", "C:\\Apps"},
      // The folder's name ends in 表 (95 5C): its trail byte is not a separator, so the
      // closing backslash after it is dropped as usual.
      {"C:\\\x95\x5C\\Tunesafe.exe", "C:\\\x95\x5C"},
  };
  for (const PathCase& c : cases) EXPECT_EQ(ProgramDirOf(c.path, cp932), c.expected) << c.path;
}

TEST(WithClosingPeriodTest, AddsAPeriodAfterCharactersThatSortAfterIt) {
  testing::Cp932CodePage cp932;
  const PathCase cases[] = {
      {"", ""},
      {"done.", "done."},
      {"done!", "done!"},
      {"(x)", "(x)"},
      {"a,", "a,"},
      {"a-", "a-"},
      {"a ", "a "},
      {"a/", "a/."},
      {"error", "error."},
      {"code 3", "code 3."},
      {"\xB1", "\xB1."},  // a half-width katakana
      // ...に書き込めません: a double-byte character at the end.
      {"C:\\x \x82\xDC\x82\xB9\x82\xF1", "C:\\x \x82\xDC\x82\xB9\x82\xF1."},
      // 。 (81 42) is a Japanese character too, not ".".
      {"\x81\x42", "\x81\x42."},
      // ソ (83 5C) ends in the byte of "\", which alone would also sort after ".".
      {"\x83\x5C", "\x83\x5C."},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(WithClosingPeriod(c.path, cp932), c.expected) << c.path;
  }
}

}  // namespace
}  // namespace tunesafe
