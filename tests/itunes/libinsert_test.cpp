// libinsert.exe run as Tunesafe.exe runs it, against the stand-in iTunes: what the stand-in
// receives and logs, what lands in its library, and the exit code.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "libinsert/exit_codes.h"
#include "tests/itunes/standin_registry.h"
#include "tests/itunes/test_support.h"

namespace itunes_test {
namespace {

using Lines = std::vector<std::string>;
using Settings = std::vector<std::pair<std::wstring, std::wstring>>;

// The device folder on the removable test drive, and the stand-in's library and log on the
// fixed one.
constexpr char kDeviceUtf8[] = "Q:\\itunes_test";
constexpr wchar_t kDevice[] = L"Q:\\itunes_test";
constexpr wchar_t kWork[] = L"R:\\itunes_test";
constexpr wchar_t kLibrary[] = L"R:\\itunes_test\\library";
constexpr char kLibraryUtf8[] = "R:\\itunes_test\\library";
constexpr wchar_t kLog[] = L"R:\\itunes_test\\standin.log";

// ソ表.mp3 in 音楽: both characters of ソ表 end in the byte 0x5C, the path separator.
constexpr char kSongUtf8[] = "iPod_Control\\音楽\\ソ表.mp3";
constexpr char kSongAnsi[] = "iPod_Control\\\x89\xb9\x8a\x79\\\x83\x5c\x95\x5c.mp3";
constexpr char kSongName[] = "ソ表.mp3";

class LibinsertTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 932u) << "the tests need the Japanese locale (ja_JP.UTF-8)";
    RemoveStandInRegistration();
    std::filesystem::remove_all(kDevice);
    std::filesystem::remove_all(kWork);
    std::filesystem::create_directories(kWork);
    registration_.emplace(StandInDll());
  }
  void TearDown() override {
    registration_.reset();
    std::filesystem::remove_all(kDevice);
    std::filesystem::remove_all(kWork);
  }

  // Puts a file with `bytes` at `relative_utf8` below the device folder.
  void AddDeviceFile(const std::string& relative_utf8, const std::string& bytes) {
    const std::filesystem::path path =
        WideFromUtf8(std::string(kDeviceUtf8) + "\\" + relative_utf8);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }

  // Runs libinsert.exe with `arguments` (Shift-JIS) and the stand-in set up by `settings`.
  ProcessResult Run(const std::string& arguments, const Settings& settings = {},
                    const std::string& current_dir = "") {
    Settings all = {{L"ITUNES_STANDIN_LOG", kLog}, {L"ITUNES_STANDIN_LIBRARY", kLibrary}};
    all.insert(all.end(), settings.begin(), settings.end());
    const ScopedEnvironment environment(all);
    return RunToEnd("\"" + LibinsertExe() + "\" " + arguments, current_dir);
  }

  static std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
  static std::string DeviceAnsi(const std::string& relative_ansi) {
    return "Q:\\itunes_test\\" + relative_ansi;
  }

  static Lines Log() { return ReadLines(kLog); }
  static void ForgetRun() {
    std::filesystem::remove_all(kLibrary);
    std::filesystem::remove(kLog);
  }

  // The log of a run whose add was taken, with `busy_reads` InProgress reads answered true.
  static Lines AddedLog(const std::string& full_path_utf8, const std::string& name_utf8,
                        int busy_reads = 0) {
    Lines lines = {"load", "create", "LibraryPlaylist", "AddFile\t" + full_path_utf8};
    lines.insert(lines.end(), busy_reads, "InProgress\t1");
    const Lines rest = {"added\t" + std::string(kLibraryUtf8) + "\\" + name_utf8, "InProgress\t0",
                        "Tracks", "Count\t1", "unload\t0"};
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
  }

  std::optional<StandInRegistration> registration_;
};

TEST_F(LibinsertTest, AddsTheFileAndReleasesEveryObject) {
  struct Case {
    const char* what;
    const char* relative_utf8;  // the file below the device folder
    const char* name_utf8;
    std::string arguments;  // Shift-JIS
    std::string current_dir;
  };
  const Case cases[] = {
      {"quoted path with blanks", "iPod_Control\\Music\\F01\\a b c.mp3", "a b c.mp3",
       Quoted(DeviceAnsi("iPod_Control\\Music\\F01\\a b c.mp3")), ""},
      {"Shift-JIS names with trail bytes 0x5C", kSongUtf8, kSongName, Quoted(DeviceAnsi(kSongAnsi)),
       ""},
      {"movie in a kana folder", "iPod_Control\\表\\ビデオ.m4v", "ビデオ.m4v",
       Quoted(DeviceAnsi("iPod_Control\\\x95\x5c\\\x83\x72\x83\x66\x83\x49.m4v")), ""},
      {"unquoted path with blanks", "iPod_Control\\Music\\F02\\x y.m4a", "x y.m4a",
       DeviceAnsi("iPod_Control\\Music\\F02\\x y.m4a"), ""},
      // iTunes has a current folder of its own: the path it gets must be full.
      {"path relative to the current folder", kSongUtf8, kSongName, Quoted("\x83\x5c\x95\x5c.mp3"),
       DeviceAnsi("iPod_Control\\\x89\xb9\x8a\x79")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ForgetRun();
    const std::string content = std::string("ID3 ") + c.what;
    AddDeviceFile(c.relative_utf8, content);

    const ProcessResult result = Run(c.arguments, {}, c.current_dir);

    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.exit_code, libinsert::kExitAdded);
    EXPECT_EQ(Log(), AddedLog(std::string(kDeviceUtf8) + "\\" + c.relative_utf8, c.name_utf8));
    EXPECT_EQ(ReadFileBytes(std::wstring(kLibrary) + L"\\" + WideFromUtf8(c.name_utf8)), content);
  }
}

// iTunes adds in the background; the tool ends only after the add has finished, which the
// stand-in decides and logs at an InProgress read (copying the file into its library there).
TEST_F(LibinsertTest, EndsOnlyAfterTheAddHasFinished) {
  struct Case {
    const char* what;
    Settings settings;
    int busy_reads;  // -1: as many as the delay takes
  };
  const Case cases[] = {
      {"busy for three reads", {{L"ITUNES_STANDIN_BUSY_POLLS", L"3"}}, 3},
      {"busy for 400 ms", {{L"ITUNES_STANDIN_DELAY_MS", L"400"}}, -1},
  };
  AddDeviceFile(kSongUtf8, "ID3 wait");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ForgetRun();

    const ProcessResult result = Run(Quoted(DeviceAnsi(kSongAnsi)), c.settings);

    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.exit_code, libinsert::kExitAdded);
    const Lines log = Log();
    const int busy_reads =
        c.busy_reads >= 0 ? c.busy_reads
                          : static_cast<int>(std::count(log.begin(), log.end(), "InProgress\t1"));
    EXPECT_EQ(log, AddedLog(std::string(kDeviceUtf8) + "\\" + kSongUtf8, kSongName, busy_reads));
  }
}

TEST_F(LibinsertTest, ReportsAnAddThatITunesRefusesOrThatAddsNoTrack) {
  struct Case {
    const char* failure;
    Lines log_after_add_file;
  };
  const Case cases[] = {
      {"addfile", {"unload\t0"}},
      {"nostatus", {"unload\t0"}},
      {"notracks", {"InProgress\t0", "Tracks", "Count\t0", "unload\t0"}},
  };
  AddDeviceFile(kSongUtf8, "ID3 failure");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failure);
    ForgetRun();

    const ProcessResult result =
        Run(Quoted(DeviceAnsi(kSongAnsi)), {{L"ITUNES_STANDIN_FAIL", WideFromUtf8(c.failure)}});

    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.exit_code, libinsert::kExitImportFailed);
    Lines expected = {"load", "create", "LibraryPlaylist",
                      "AddFile\t" + std::string(kDeviceUtf8) + "\\" + kSongUtf8};
    expected.insert(expected.end(), c.log_after_add_file.begin(), c.log_after_add_file.end());
    EXPECT_EQ(Log(), expected);
    EXPECT_FALSE(FileExists(std::wstring(kLibrary) + L"\\" + WideFromUtf8(kSongName)));
  }
}

// A missing or unusable argument is found before iTunes is started: the stand-in is never
// loaded.
TEST_F(LibinsertTest, RefusesAMissingArgumentOrFileWithoutStartingITunes) {
  AddDeviceFile(kSongUtf8, "ID3");
  const std::string arguments[] = {
      "",
      "   ",
      "\"\"",
      Quoted(DeviceAnsi("iPod_Control\\missing.mp3")),
      Quoted(DeviceAnsi("iPod_Control\\\x89\xb9\x8a\x79")),  // a folder: 音楽
  };
  for (const std::string& argument : arguments) {
    SCOPED_TRACE("arguments: " + argument);
    ForgetRun();

    const ProcessResult result = Run(argument);

    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.exit_code, libinsert::kExitBadArgument);
    EXPECT_EQ(Log(), Lines());
  }
}

TEST_F(LibinsertTest, ReportsAnITunesThatCannotBeReached) {
  struct Case {
    const char* what;
    std::optional<std::wstring> server;  // none: "iTunes.Application" is not registered
    Settings settings;
    Lines log;
  };
  const Case cases[] = {
      {"not registered", std::nullopt, {}, {}},
      {"server file missing", L"Z:\\nonexistent\\itunes_standin.dll", {}, {}},
      {"server refuses to start",
       StandInDll(),
       {{L"ITUNES_STANDIN_FAIL", L"create"}},
       {"load", "create-refused", "unload\t0"}},
      {"iTunes quits during the add",
       StandInDll(),
       {{L"ITUNES_STANDIN_FAIL", L"quit"}},
       {"load", "create", "LibraryPlaylist",
        "AddFile\t" + std::string(kDeviceUtf8) + "\\" + kSongUtf8, "disconnected", "unload\t0"}},
  };
  AddDeviceFile(kSongUtf8, "ID3");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ForgetRun();
    registration_.reset();
    if (c.server) registration_.emplace(*c.server);

    const ProcessResult result = Run(Quoted(DeviceAnsi(kSongAnsi)), c.settings);

    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.exit_code, libinsert::kExitNoITunes);
    EXPECT_EQ(Log(), c.log);
  }
}

// iTunes refuses calls while it is busy (a dialog open, still starting) and refuses to start
// while it is still closing; such calls were not carried out and are made again.
TEST_F(LibinsertTest, RepeatsCallsThatABusyITunesRefuses) {
  struct Case {
    const char* what;
    Settings settings;
    int position;  // where the refusals come in the log of a taken add
    Lines refusals;
  };
  const Case cases[] = {
      {"calls rejected",
       {{L"ITUNES_STANDIN_REJECT_CALLS", L"3"}},
       2,
       {"rejected\tLibraryPlaylist", "rejected\tLibraryPlaylist", "rejected\tLibraryPlaylist"}},
      {"still closing", {{L"ITUNES_STANDIN_FAIL", L"stopping"}}, 1, {"create-stopping"}},
  };
  AddDeviceFile(kSongUtf8, "ID3 busy");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ForgetRun();

    const ProcessResult result = Run(Quoted(DeviceAnsi(kSongAnsi)), c.settings);

    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.exit_code, libinsert::kExitAdded);
    Lines expected = AddedLog(std::string(kDeviceUtf8) + "\\" + kSongUtf8, kSongName);
    expected.insert(expected.begin() + c.position, c.refusals.begin(), c.refusals.end());
    EXPECT_EQ(Log(), expected);
  }
}

}  // namespace
}  // namespace itunes_test
