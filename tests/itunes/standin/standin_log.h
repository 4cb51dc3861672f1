// The stand-in's event log: one line per event, "<event>" or "<event>\t<detail>", UTF-8, so
// tests can see exactly which UTF-16 text iTunes would have received.
#pragma once

#include <string>

namespace itunes_standin {

void LogEvent(const char* event, const std::wstring& detail = std::wstring());

}  // namespace itunes_standin
