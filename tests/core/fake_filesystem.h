// Fakes of the drives and the directory enumeration for the native tests: a drive list with
// folders to probe, and a folder tree whose entries come in an order the test writes down.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/error.h"
#include "core/ports.h"
#include "tests/core/fakes.h"

namespace tunesafe::testing {

inline DirEntry File(std::string long_name, std::string short_name = "") {
  DirEntry entry;
  entry.long_name = std::move(long_name);
  entry.short_name = std::move(short_name);
  return entry;
}

inline DirEntry Folder(std::string long_name, std::string short_name = "") {
  DirEntry entry = File(std::move(long_name), std::move(short_name));
  entry.is_folder = true;
  return entry;
}

inline DirEntry Link(std::string long_name) {
  DirEntry entry = Folder(std::move(long_name));
  entry.is_reparse_point = true;
  return entry;
}

// An entry whose long name has characters outside the ANSI code page, so that the ANSI
// enumeration spells it with "?" in their place.
inline DirEntry Lossy(DirEntry entry) {
  entry.long_name_lossy = true;
  return entry;
}

class FakeDriveSystem : public DriveSystem {
 public:
  explicit FakeDriveSystem(CallLog& log) : log_(log) {}

  std::vector<std::string> DriveItems() override {
    log_.push_back("DriveItems");
    return items;
  }
  bool DirectoryExists(const std::string& path) override {
    log_.push_back("DirectoryExists " + path);
    if (failing.count(path)) throw Error("The device is not ready");
    const auto found = paths.find(path);
    return found != paths.end() && found->second == PathKind::kFolder;
  }

  enum class PathKind { kFolder, kFile };
  std::vector<std::string> items;         // in letter order, as the drive list has them
  std::map<std::string, PathKind> paths;  // what exists on the drives
  std::set<std::string> failing;          // paths whose probe throws

 private:
  CallLog& log_;
};

class FakeDirectoryLister : public DirectoryLister {
 public:
  explicit FakeDirectoryLister(CallLog& log) : log_(log) {}

  std::string FullPath(const std::string& path) override {
    log_.push_back("FullPath " + path);
    const auto mapped = full_paths.find(path);
    return mapped == full_paths.end() ? path : mapped->second;
  }
  bool Exists(const std::string& path) override {
    log_.push_back("Exists " + path);
    return tree.count(path) > 0 || tree.count(path + "\\") > 0;
  }
  bool ListFolder(const std::string& folder, std::vector<DirEntry>& entries) override {
    log_.push_back("ListFolder " + folder);
    ++listings[folder];
    if (on_list) on_list(folder);
    const auto found = tree.find(folder);
    if (found == tree.end()) return false;  // a folder that cannot be read
    entries.insert(entries.end(), found->second.begin(), found->second.end());
    return true;
  }

  // Each folder ("E:\iPod_Control\", with its closing "\") and its entries in enumeration order.
  std::map<std::string, std::vector<DirEntry>> tree;
  std::map<std::string, std::string> full_paths;  // FullPath's answers; the path itself otherwise
  std::map<std::string, int> listings;            // ListFolder calls per folder
  std::function<void(const std::string& folder)> on_list;  // may throw, as a failing walk does

 private:
  CallLog& log_;
};

}  // namespace tunesafe::testing
