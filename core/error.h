// The error the core raises for the application's exception display.
#pragma once

#include <stdexcept>
#include <string>

namespace tunesafe {

// The message is a byte string in the ANSI code page, shown as it stands.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tunesafe
