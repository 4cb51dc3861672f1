#include "core/ansi_text.h"

namespace tunesafe {

namespace {

// Walks the text from its start so that a trail byte is never taken for a character; calls
// `visit(index, is_single)` for the first byte of every character.
template <typename Visit>
void ForEachCharacter(const std::string& text, const CodePage& code_page, Visit visit) {
  for (std::size_t i = 0; i < text.size();) {
    const bool lead = code_page.IsLeadByte(static_cast<unsigned char>(text[i])) &&
                      i + 1 < text.size();
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
  ForEachCharacter(text, code_page, [&](std::size_t i, bool single) {
    result = single && text[i] == '\\';
  });
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

}  // namespace tunesafe
