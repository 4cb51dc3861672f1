#include "core/folder_walk.h"

#include "core/ansi_text.h"

namespace tunesafe {

const std::string& ReachableName(const DirEntry& entry) {
  return entry.long_name_lossy && !entry.short_name.empty() ? entry.short_name : entry.long_name;
}

void WalkFolders(DirectoryLister& lister, const CodePage& code_page, const std::string& root,
                 std::vector<std::string>& folders, const FolderEntryVisit& visit) {
  folders.clear();
  const std::string full_root = lister.FullPath(root);
  if (!lister.Exists(full_root)) return;
  folders.push_back(EndsWithBackslash(full_root, code_page) ? full_root : full_root + "\\");

  std::vector<DirEntry> entries;
  // The folder list is its own queue: index `next` is the front.
  for (std::size_t next = 0; next < folders.size(); ++next) {
    entries.clear();
    // A folder whose enumeration fails gives what was read before the failure.
    lister.ListFolder(folders[next], entries);
    for (const DirEntry& entry : entries) {
      if (entry.long_name == "." || entry.long_name == "..") continue;  // never our own tree
      if (entry.is_folder && !entry.is_reparse_point) {
        folders.push_back(folders[next] + ReachableName(entry) + "\\");
      }
      visit(next, entry);
    }
  }
}

}  // namespace tunesafe
