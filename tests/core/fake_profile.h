// An in-memory settings file: values by section and key, every read, write and flush logged.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "core/ports.h"
#include "tests/core/fakes.h"

namespace tunesafe::testing {

class FakeProfileStore : public ProfileStore {
 public:
  explicit FakeProfileStore(CallLog& log) : log_(log) {}

  std::string ReadString(const std::string& section, const std::string& key) override {
    log_.push_back("Read " + section + " " + key);
    const auto found = values.find({section, key});
    return found == values.end() ? "" : found->second;
  }
  bool WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override {
    log_.push_back("Write " + section + " " + key + " " + value);
    if (key == unwritable_key) return false;
    values[{section, key}] = value;
    return true;
  }
  void Flush() override { log_.push_back("Flush"); }

  std::map<std::pair<std::string, std::string>, std::string> values;
  std::string unwritable_key;  // a write of this key fails, as on a read-only folder

 private:
  CallLog& log_;
};

}  // namespace tunesafe::testing
