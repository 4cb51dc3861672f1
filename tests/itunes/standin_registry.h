// Registers the stand-in iTunes in the registry of the running (Wine) system, as register.sh
// does from outside, for the life of the object.
#pragma once

#include <string>

namespace itunes_test {

class StandInRegistration {
 public:
  // `server_path`: the Windows path written as the in-process server; it need not exist.
  explicit StandInRegistration(const std::wstring& server_path);
  ~StandInRegistration();
  StandInRegistration(const StandInRegistration&) = delete;
  StandInRegistration& operator=(const StandInRegistration&) = delete;
};

// Removes any registration of "iTunes.Application" left behind.
void RemoveStandInRegistration();

}  // namespace itunes_test
