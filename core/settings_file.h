// The settings file Tunesafe.ini: the main window's position and the scope choice.
#pragma once

#include <string>

#include "core/ports.h"

namespace tunesafe {

inline const char kSettingsFileName[] = "Tunesafe.ini";

// The settings file's full path: the program file's folder (with its separator) + the name.
std::string SettingsPathFor(const std::string& program_path, const CodePage& code_page);

class SettingsFile {
 public:
  // `first_argument` is the program's first command-line argument; "||" stops writing.
  // `path` is the settings file's full path, used in the write error's message.
  SettingsFile(ProfileStore& store, MainFields& fields, std::string path,
               std::string first_argument);
  void ReadSettings();
  // Throws tunesafe::Error "<path> に書き込めません" when a value cannot be written.
  void WriteSettings();

 private:
  ProfileStore& store_;
  MainFields& fields_;
  std::string path_;
  std::string first_argument_;
};

}  // namespace tunesafe
