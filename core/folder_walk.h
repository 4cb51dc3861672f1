// A breadth-first walk of a folder tree that lists every folder exactly once.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/ports.h"

namespace tunesafe {

// The name by which an entry can be opened: its 8.3 alias when the long name cannot be
// written in the ANSI code page and the volume keeps an alias, otherwise the long name.
const std::string& ReachableName(const DirEntry& entry);

// Called for every entry of every folder; `folder` indexes the walk's folder list.
using FolderEntryVisit = std::function<void(std::size_t folder, const DirEntry& entry)>;

// Walks `root` and every folder below it, breadth first: the root first, then subfolders in
// the order of the enumeration. Each folder is listed once; reparse points (junctions,
// symbolic links) are not descended, so a link loop cannot trap the walk. A root whose
// attributes cannot be read gives an empty walk. `folders` receives each folder's path, with
// its closing "\", in walk order; it holds the folders seen so far if the walk throws.
void WalkFolders(DirectoryLister& lister, const CodePage& code_page, const std::string& root,
                 std::vector<std::string>& folders, const FolderEntryVisit& visit);

}  // namespace tunesafe
