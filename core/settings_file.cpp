#include "core/settings_file.h"

#include <cstdint>
#include <string>
#include <utility>

#include "core/ansi_text.h"
#include "core/error.h"

namespace tunesafe {

namespace {

const char kSectionWindow[] = "SET";
const char kSectionScope[] = "SET1";
const char kKeyLeft[] = "M_LEFT";
const char kKeyTop[] = "M_TOP";

struct ScopeKey {
  Scope scope;
  const char* key;
};
constexpr ScopeKey kScopeKeys[] = {
    {Scope::kMusicAndMovies, "C0_R1"}, {Scope::kMusicOnly, "C0_R2"}, {Scope::kMoviesOnly, "C0_R3"}};

// The profile calls read a value into a buffer of 2048 bytes: a longer value is cut there.
constexpr std::size_t kMaxValueBytes = 2047;

// "%s に書き込めません" after the settings file's path.
const char kCannotWriteSuffix[] =
    " \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";  // " に書き込めません"

}  // namespace

std::string SettingsPathFor(const std::string& program_path, const CodePage& code_page) {
  return SplitPath(program_path, code_page).folder + kSettingsFileName;
}

SettingsFile::SettingsFile(ProfileStore& store, MainFields& fields, std::string path,
                           std::string first_argument)
    : store_(store),
      fields_(fields),
      path_(std::move(path)),
      first_argument_(std::move(first_argument)) {}

void SettingsFile::ReadSettings() {
  const auto read = [this](const char* section, const char* key, std::int32_t fallback) {
    return ReadInteger(store_.ReadString(section, key).substr(0, kMaxValueBytes), fallback);
  };
  const std::int32_t left = read(kSectionWindow, kKeyLeft, fields_.Left());
  const std::int32_t top = read(kSectionWindow, kKeyTop, fields_.Top());
  // A position saved with a monitor that is gone would leave the window out of reach.
  if (fields_.IsReachable(left, top)) {
    fields_.SetLeft(left);
    fields_.SetTop(top);
  }
  // Each choice that turns on starts its own scan here, with the scope of that moment.
  for (const ScopeKey& entry : kScopeKeys) {
    const std::int32_t fallback = fields_.ScopeChecked(entry.scope) ? 1 : 0;
    fields_.SetScopeChecked(entry.scope, read(kSectionScope, entry.key, fallback) != 0);
  }
}

void SettingsFile::WriteSettings() {
  if (first_argument_ == "||") return;
  const auto write = [this](const char* section, const char* key, std::int32_t value) {
    if (!store_.WriteString(section, key, std::to_string(value))) {
      // Releasing the file still flushes what was written before the failing key.
      store_.Flush();
      throw Error(path_ + kCannotWriteSuffix);
    }
  };
  write(kSectionWindow, kKeyLeft, fields_.Left());
  write(kSectionWindow, kKeyTop, fields_.Top());
  for (const ScopeKey& entry : kScopeKeys) {
    write(kSectionScope, entry.key, fields_.ScopeChecked(entry.scope) ? 1 : 0);
  }
  store_.Flush();
}

}  // namespace tunesafe
