#include <gtest/gtest.h>

#include "core/ansi_text.h"
#include "tests/core/fakes.h"

namespace tunesafe {
namespace {

struct SplitCase {
  const char* path;
  const char* folder;
  const char* name;
};

class SplitPathTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTest, SplitsAtTheLastRealSeparator) {
  testing::Cp932CodePage cp932;
  const SplitCase& c = GetParam();
  const PathParts parts = SplitPath(c.path, cp932);
  EXPECT_EQ(parts.folder, c.folder);
  EXPECT_EQ(parts.name, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitPathTest,
    ::testing::Values(
        SplitCase{"E:\\iPod_Control\\A\\B\\x.mp3", "E:\\iPod_Control\\A\\B\\", "x.mp3"},
        SplitCase{"E:\\iPod_Control\\x.mp3", "E:\\iPod_Control\\", "x.mp3"},
        // ソ (83 5C) and 表 (95 5C): the trail byte 5C is no separator.
        SplitCase{"E:\\d\\\x83\x5C.mp3", "E:\\d\\", "\x83\x5C.mp3"},
        SplitCase{"E:\\\x95\x5C\\\x83\x5C\x95\x5C.mp3", "E:\\\x95\x5C\\", "\x83\x5C\x95\x5C.mp3"},
        SplitCase{"E:\\d\\\x95\x5C", "E:\\d\\", "\x95\x5C"},
        SplitCase{"C:x.mp3", "C:", "x.mp3"}, SplitCase{"x.mp3", "", "x.mp3"},
        SplitCase{"", "", ""}, SplitCase{"E:\\dir\\", "E:\\dir\\", ""},
        // A lone lead byte at the very end is a character of its own.
        SplitCase{"E:\\a\\b\x83", "E:\\a\\", "b\x83"}));

TEST(EndsWithBackslashTest, TrailByteDoesNotCount) {
  testing::Cp932CodePage cp932;
  EXPECT_TRUE(EndsWithBackslash("E:\\iPod_Control\\", cp932));
  EXPECT_FALSE(EndsWithBackslash("E:\\\x83\x5C", cp932));
  EXPECT_FALSE(EndsWithBackslash("", cp932));
  EXPECT_TRUE(EndsWithBackslash("E:\\\x83\x5C\\", cp932));
}

TEST(HasExtensionTest, MatchesDotAndExtensionIgnoringCase) {
  EXPECT_TRUE(HasExtension("X.MP3", "mp3"));
  EXPECT_TRUE(HasExtension("a.b.Mp3", "mp3"));
  EXPECT_FALSE(HasExtension("mp3", "mp3"));
  EXPECT_FALSE(HasExtension("xmp3", "mp3"));
  EXPECT_FALSE(HasExtension("x.mp3x", "mp3"));
  EXPECT_TRUE(HasExtension(".mp3", "mp3"));
  EXPECT_FALSE(HasExtension("x.aiff", "aif"));
}

}  // namespace
}  // namespace tunesafe
