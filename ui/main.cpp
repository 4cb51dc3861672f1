// The program entry of Tunesafe.exe.
#include <windows.h>

#include "ui/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return tunesafe::Application::Run(); }
