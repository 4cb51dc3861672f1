// Text rules for byte strings in the ANSI code page: path splitting that respects
// double-byte characters, the settings file's integer reading, the command-line split.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ports.h"

namespace tunesafe {

// Index of the last "\" or ":" that is a character of its own (not the trail byte of a
// double-byte character), or std::string::npos.
std::size_t LastSeparator(const std::string& path, const CodePage& code_page);

// True when the last character of the text is a "\" of its own.
bool EndsWithBackslash(const std::string& text, const CodePage& code_page);

struct PathParts {
  std::string folder;  // up to and including the last separator; "" when there is none
  std::string name;    // everything after it
};
PathParts SplitPath(const std::string& path, const CodePage& code_page);

// The file name without its extension (up to its last "."); a name without "." whole.
std::string BaseName(const std::string& path, const CodePage& code_page);

// The program folder as the main window keeps it: without its closing "\" unless it is a
// drive's root folder ("C:\").
std::string ProgramDirOf(const std::string& program_path, const CodePage& code_page);

// Case-insensitive (ASCII letters) test that `name` ends with "." + `extension`.
bool HasExtension(const std::string& name, const std::string& extension);

// A value text of the settings file read as a signed 32-bit integer; `fallback` when the
// text is empty, malformed or out of range. Decimal with sign, or hexadecimal after "$",
// "x", "X", "0x" or "0X" (80000000 to FFFFFFFF read as negative numbers).
std::int32_t ReadInteger(const std::string& text, std::int32_t fallback);

// A command line split by the platform's usual rule: blanks and control characters separate,
// a stretch in double quotes may hold blanks and loses its quotes. Element 0 is the program.
std::vector<std::string> SplitArguments(const std::string& command_line);

// The first argument after the program, "" when there is none.
std::string FirstArgument(const std::string& command_line);

// Bytes outside A-Z a-z 0-9 - . _ ~ written as %XX.
std::string PercentEncode(const std::string& text);

// The exception display's text: "." appended when the message is not empty and its last
// character (a whole double-byte character where it ends in one) sorts after ".".
std::string WithClosingPeriod(const std::string& message, const CodePage& code_page);

}  // namespace tunesafe
