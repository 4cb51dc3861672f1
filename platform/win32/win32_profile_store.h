// The settings file through the system's profile calls.
#pragma once

#include <string>
#include <utility>

#include "core/ports.h"

namespace tunesafe {

class Win32ProfileStore : public ProfileStore {
 public:
  // Value texts are read up to this many bytes, the closing zero included.
  static constexpr unsigned kValueBuffer = 2048;

  explicit Win32ProfileStore(std::string path) : path_(std::move(path)) {}

  std::string ReadString(const std::string& section, const std::string& key) override;
  bool WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override;
  void Flush() override;

 private:
  std::string path_;
};

}  // namespace tunesafe
