#include "core/ansi_text.h"

namespace tunesafe {

namespace {

// Walks the text from its start so that a trail byte is never taken for a character; calls
// `visit(index, is_single)` for the first byte of every character.
template <typename Visit>
void ForEachCharacter(const std::string& text, const CodePage& code_page, Visit visit) {
  for (std::size_t i = 0; i < text.size();) {
    const bool lead =
        code_page.IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    visit(i, !lead);
    i += lead ? 2 : 1;
  }
}

}  // namespace

std::size_t LastSeparator(const std::string& path, const CodePage& code_page) {
  std::size_t last = std::string::npos;
  ForEachCharacter(path, code_page, [&](std::size_t i, bool single) {
    if (single && (path[i] == '\\' || path[i] == ':')) last = i;
  });
  return last;
}

bool EndsWithBackslash(const std::string& text, const CodePage& code_page) {
  bool result = false;
  ForEachCharacter(text, code_page,
                   [&](std::size_t i, bool single) { result = single && text[i] == '\\'; });
  return result;
}

PathParts SplitPath(const std::string& path, const CodePage& code_page) {
  const std::size_t sep = LastSeparator(path, code_page);
  if (sep == std::string::npos) return {"", path};
  return {path.substr(0, sep + 1), path.substr(sep + 1)};
}

bool HasExtension(const std::string& name, const std::string& extension) {
  if (name.size() < extension.size() + 1) return false;
  const std::size_t start = name.size() - extension.size();
  if (name[start - 1] != '.') return false;
  for (std::size_t i = 0; i < extension.size(); ++i) {
    char a = name[start + i];
    char b = extension[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

std::string BaseName(const std::string& path, const CodePage& code_page) {
  const std::string name = SplitPath(path, code_page).name;
  std::size_t last_dot = std::string::npos;
  ForEachCharacter(name, code_page, [&](std::size_t i, bool single) {
    if (single && name[i] == '.') last_dot = i;
  });
  return last_dot == std::string::npos ? name : name.substr(0, last_dot);
}

std::string ProgramDirOf(const std::string& program_path, const CodePage& code_page) {
  // The character before the last separator, found walking from the start, so that the trail
  // byte of a double-byte character is never taken for a "\".
  std::size_t last = std::string::npos;
  bool before_is_separator = false;
  bool previous_is_separator = false;
  ForEachCharacter(program_path, code_page, [&](std::size_t i, bool single) {
    const bool separator = single && (program_path[i] == '\\' || program_path[i] == ':');
    if (separator) {
      last = i;
      before_is_separator = previous_is_separator;
    }
    previous_is_separator = separator;
  });
  if (last == std::string::npos) return "";
  // A "\" closing a folder is dropped, but not the one of a root folder ("C:\", "\\").
  if (last > 0 && program_path[last] == '\\' && !before_is_separator) {
    return program_path.substr(0, last);
  }
  return program_path.substr(0, last + 1);
}

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t ReadInteger(const std::string& text, std::int32_t fallback) {
  std::string s = text;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s = "$" + s.substr(2);

  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';

  const bool hex_prefix = i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X');
  const bool zero_x = i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X');
  if (hex_prefix || zero_x) {
    i += zero_x ? 2 : 1;
    if (i == s.size()) return fallback;
    std::uint64_t value = 0;
    for (; i < s.size(); ++i) {
      const int digit = HexValue(s[i]);
      if (digit < 0) return fallback;
      value = value * 16 + static_cast<std::uint64_t>(digit);
      if (value > 0xFFFFFFFFu) return fallback;
    }
    // The bits as they stand: 80000000 to FFFFFFFF are the negative numbers; no sign applies.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  }

  if (i == s.size()) return fallback;
  const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
  std::uint64_t value = 0;
  for (; i < s.size(); ++i) {
    if (!IsDigit(s[i])) return fallback;
    value = value * 10 + static_cast<std::uint64_t>(s[i] - '0');
    if (value > limit) return fallback;
  }
  return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value))
                  : static_cast<std::int32_t>(value);
}

std::vector<std::string> SplitArguments(const std::string& command_line) {
  const auto separates = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::vector<std::string> arguments;
  std::size_t i = 0;
  const std::size_t n = command_line.size();
  while (true) {
    // Blanks, control characters and empty quote pairs lie between the arguments.
    while (true) {
      while (i < n && separates(command_line[i])) ++i;
      if (i + 1 < n && command_line[i] == '"' && command_line[i + 1] == '"') {
        i += 2;
      } else {
        break;
      }
    }
    std::string argument;
    while (i < n && !separates(command_line[i])) {
      if (command_line[i] == '"') {
        for (++i; i < n && command_line[i] != '"'; ++i) argument += command_line[i];
        if (i < n) ++i;  // the closing quote
      } else {
        argument += command_line[i++];
      }
    }
    // An empty argument ends the list, as it does for the platform's ParamStr.
    if (argument.empty()) return arguments;
    arguments.push_back(argument);
  }
}

std::string FirstArgument(const std::string& command_line) {
  const std::vector<std::string> arguments = SplitArguments(command_line);
  return arguments.size() > 1 ? arguments[1] : "";
}

std::string PercentEncode(const std::string& text) {
  static const char kHexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : text) {
    const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) ||
                            c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      encoded += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      encoded += '%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 0x0F];
    }
  }
  return encoded;
}

std::string WithClosingPeriod(const std::string& message, const CodePage& code_page) {
  std::size_t last = std::string::npos;
  ForEachCharacter(message, code_page, [&](std::size_t i, bool) { last = i; });
  if (last == std::string::npos) return message;
  // The last character compared with "." byte by byte: its first byte decides, since "." is
  // one byte and a lead byte is never "." (so a double-byte character always sorts after it).
  if (static_cast<unsigned char>(message[last]) > '.') return message + ".";
  return message;
}

}  // namespace tunesafe
