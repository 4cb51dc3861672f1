// Files and folders on the test drives (Q: removable, R: fixed, S: network, P: no medium),
// made and removed through the "A" calls, so names are Shift-JIS bytes as the program sees
// them.
#pragma once

#include <string>
#include <vector>

namespace tunesafe::testing {

// Removes everything inside `folder` (given with its closing "\"); links are removed, never
// followed.
void EmptyFolder(const std::string& folder);
// Empties Q:\, R:\ and S:\ so no earlier test leaves an iPod_Control behind.
void EmptyTestDrives();
// Makes the folder and any missing parent folders.
void MakeFolder(const std::string& path);
// Makes the file (and its folders) with the given content, replacing an existing one.
void MakeFile(const std::string& path, const std::string& content = "");
bool PathExists(const std::string& path);
// The whole file, or "" when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// The file's lines without their line ends; none when the file is missing.
std::vector<std::string> ReadLines(const std::string& path);
// The folder of the running test program, with its closing "\".
std::string ProgramFolder();

}  // namespace tunesafe::testing
