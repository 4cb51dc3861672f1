// The settings file's integer reading: never crashes, and a text that does not read as a
// number gives back exactly the fallback, whatever the fallback is.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ansi_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::int32_t a = tunesafe::ReadInteger(text, 7);
  const std::int32_t b = tunesafe::ReadInteger(text, -9);
  // Either both read the same number from the text, or both fell back.
  if (a != b && !(a == 7 && b == -9)) std::abort();
  // A number written back as decimal reads as itself.
  if (a == b && tunesafe::ReadInteger(std::to_string(a), 0) != a) std::abort();
  return 0;
}
