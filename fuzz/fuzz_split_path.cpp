// The code-page-aware path split: the two parts always give back the path, the folder part
// ends with a real separator, and the name part holds none.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ansi_text.h"

namespace {

class Cp932 : public tunesafe::CodePage {
 public:
  bool IsLeadByte(unsigned char b) const override {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Cp932 cp932;
  const std::string path(reinterpret_cast<const char*>(data), size);
  const tunesafe::PathParts parts = tunesafe::SplitPath(path, cp932);
  if (parts.folder + parts.name != path) std::abort();
  if (!parts.folder.empty()) {
    const char last = parts.folder.back();
    if (last != '\\' && last != ':') std::abort();
    if (tunesafe::LastSeparator(parts.folder, cp932) != parts.folder.size() - 1) std::abort();
  }
  // The name part starts on a character boundary, so it holds no separator of its own.
  if (tunesafe::LastSeparator(parts.name, cp932) != std::string::npos) std::abort();
  tunesafe::BaseName(path, cp932);
  tunesafe::ProgramDirOf(path, cp932);
  tunesafe::WithClosingPeriod(path, cp932);
  return 0;
}
