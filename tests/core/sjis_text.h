// Turns a UTF-8 text into the Shift-JIS bytes the program shows, so that the tests state the
// expected texts readably and check the byte literals of the program independently of them.
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>

namespace tunesafe::testing {

inline std::string Sjis(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
  std::string in = utf8;
  std::string out(utf8.size() * 2 + 1, '\0');
  char* in_ptr = in.data();
  char* out_ptr = out.data();
  std::size_t in_left = in.size();
  std::size_t out_left = out.size();
  const std::size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not in CP932: " + utf8);
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace tunesafe::testing
