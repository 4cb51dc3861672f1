// Reading the one file path that Tunesafe.exe passes on the tool's command line.
#pragma once

#include <string>
#include <string_view>

namespace libinsert {

// Returns the text after the program token, without surrounding blanks and surrounding double
// quotes: `libinsert.exe "E:\a b.mp3"` gives `E:\a b.mp3`. An unquoted rest is taken whole,
// blanks included. Empty when there is no argument.
std::string PathArgument(std::string_view command_line);

}  // namespace libinsert
