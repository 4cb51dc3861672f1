// The command-line split: never crashes, argument 0 is always there, no argument holds a
// double quote, and the first argument is the element after the program.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ansi_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> args = tunesafe::SplitArguments(line);
  for (const std::string& arg : args) {
    if (arg.find('"') != std::string::npos) std::abort();
  }
  const std::string first = tunesafe::FirstArgument(line);
  if (args.size() > 1 ? first != args[1] : !first.empty()) std::abort();
  tunesafe::PercentEncode(line);
  return 0;
}
