// The path argument as libinsert.exe reads it from its whole command line.
#include "libinsert/command_line.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* command_line;
  const char* path;
};

TEST(PathArgumentTest, TakesTheRestAfterTheProgramWithoutBlanksAndQuotes) {
  const Case cases[] = {
      // As Tunesafe.exe builds it: bare program name, one blank, the quoted full path.
      {"libinsert.exe \"E:\\iPod_Control\\Music\\F00\\a b.mp3\"",
       "E:\\iPod_Control\\Music\\F00\\a b.mp3"},
      // A quoted program path with blanks; and no blank between the two quoted tokens.
      {"\"C:\\Program Files\\Tunesafe\\libinsert.exe\" \"E:\\x.mp3\"", "E:\\x.mp3"},
      {"\"libinsert.exe\"\"E:\\x.mp3\"", "E:\\x.mp3"},
      // Surrounding blanks and tabs.
      {"  libinsert.exe \t \"E:\\x.mp3\" \t", "E:\\x.mp3"},
      // An unquoted rest is one path, blanks included.
      {"libinsert.exe E:\\a b.mp3", "E:\\a b.mp3"},
      // A missing closing quote.
      {"libinsert.exe \"E:\\x.mp3", "E:\\x.mp3"},
      // Shift-JIS trail bytes 0x5C are path bytes, also right before the closing quote, where
      // the C runtime's argument rules would take them as an escape: E:\ソ表 and E:\表.
      {"libinsert.exe \"E:\\\x83\x5c\x95\x5c.mp3\"", "E:\\\x83\x5c\x95\x5c.mp3"},
      {"libinsert.exe \"E:\\\x95\x5c\"", "E:\\\x95\x5c"},
      // No argument at all.
      {"libinsert.exe", ""},
      {"libinsert.exe   ", ""},
      {"libinsert.exe \"\"", ""},
      {"\"C:\\unterminated program", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(libinsert::PathArgument(c.command_line), c.path)
        << "command line: " << c.command_line;
  }
}

}  // namespace
