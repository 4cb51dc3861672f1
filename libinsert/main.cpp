// libinsert.exe "<full path>": adds one media file to the iTunes library and ends when iTunes
// has finished adding it. No window of its own; the exit code tells the outcome (exit_codes.h).
#include <windows.h>

#include "libinsert/command_line.h"
#include "libinsert/itunes_import.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return libinsert::ImportFile(libinsert::PathArgument(GetCommandLineA()));
}
