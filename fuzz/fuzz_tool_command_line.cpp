// The import tool's command line: always the tool's name, one blank and both cells whole,
// however long or odd the cells are.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/backup_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
  const std::string folder = "\"" + input.substr(0, cut);
  const std::string file = input.substr(cut) + "\"";
  const std::string line = tunesafe::BuildToolCommandLine(folder, file);
  if (line != "libinsert.exe " + folder + file) std::abort();
  return 0;
}
