#include "libinsert/command_line.h"

namespace libinsert {
namespace {

// Blanks, tabs and double quotes are single-byte in Shift-JIS: no trail byte of a double-byte
// character falls in their range (trail bytes are 0x40 and above), so a byte scan is safe.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The program token follows Windows' rule for argument 0: quoted up to the next quote, or up
// to the first blank, with no escapes.
std::string_view SkipProgramToken(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '"') {
    const size_t close = text.find('"', 1);
    return close == std::string_view::npos ? std::string_view() : text.substr(close + 1);
  }
  size_t end = 0;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  return text.substr(end);
}

}  // namespace

std::string PathArgument(std::string_view command_line) {
  std::string_view rest = TrimBlanks(SkipProgramToken(command_line));
  if (!rest.empty() && rest.front() == '"') {
    rest.remove_prefix(1);
    if (!rest.empty() && rest.back() == '"') rest.remove_suffix(1);
  }
  return std::string(rest);
}

}  // namespace libinsert
