// The small interfaces through which the core talks to the windows and to the OS.
// Every string is a byte string in the system's ANSI code page (Shift-JIS on a Japanese system).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tunesafe {

// Colour numbers with blue in the high byte: 0x00BBGGRR.
using Colour = std::uint32_t;
constexpr Colour kColourRed = 255;
constexpr Colour kColourBlue = 16711680;
constexpr Colour kColourWhite = 0xFFFFFF;
constexpr Colour kColourMaroon = 128;

enum class CounterKind { kMusic, kMovie };

// The progress window as the scan and the backup run see it.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void SetStatus(const std::string& text) = 0;
  virtual void ResetCounter(CounterKind kind) = 0;
  // Sets a counter to a value outright; the backup run uses it to show what remains.
  virtual void SetCounter(CounterKind kind, std::int32_t value) = 0;
  virtual std::int32_t Counter(CounterKind kind) const = 0;
  virtual void SetCounterColour(CounterKind kind, Colour colour) = 0;
  virtual void StepCounter(CounterKind kind, std::int32_t delta) = 0;
  virtual void RefreshCounters() = 0;
  virtual void Show() = 0;
  virtual void Refresh() = 0;
  virtual void Close() = 0;
  // The run flag: a backup run sets it to 1, the window's close button to 0.
  virtual std::int32_t RunFlag() const = 0;
  virtual void SetRunFlag(std::int32_t value) = 0;
};

// The scope choices of the main window, numbered as their radio buttons.
enum class Scope { kMusicAndMovies = 1, kMusicOnly = 2, kMoviesOnly = 3 };

// The main window's fields that the core reads and writes.
class MainFields {
 public:
  virtual ~MainFields() = default;
  // C0_01: the drive text, and its hint, which holds the scan root.
  virtual std::string DriveText() const = 0;
  virtual void SetDriveText(const std::string& text) = 0;
  virtual std::string ScanRoot() const = 0;
  virtual void SetScanRoot(const std::string& root) = 0;
  // C0_02: the file-count text.
  virtual void SetCountText(const std::string& text) = 0;
  // Button10, the start button: its caption colour and whether it takes clicks.
  virtual void SetStartButton(Colour caption_colour, bool enabled) = 0;
  // The scope radio buttons. Setting one that turns from unselected to selected unselects
  // the other two and runs the shared click handler at once, which starts a scan.
  virtual bool ScopeChecked(Scope scope) const = 0;
  virtual void SetScopeChecked(Scope scope, bool checked) = 0;
  // The window's position in screen pixels.
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetTop(int top) = 0;
  // True when the window placed at (left, top) would show at least one pixel on a monitor.
  virtual bool IsReachable(int left, int top) const = 0;
  virtual void SetVisible(bool visible) = 0;
  // Repaints the main window at once, without waiting for the message loop.
  virtual void RepaintNow() = 0;
};

// The drives of the system.
class DriveSystem {
 public:
  virtual ~DriveSystem() = default;
  // The drive items in letter order ("E:", "F: [LABEL]", ...), types 2 to 6 only.
  virtual std::vector<std::string> DriveItems() = 0;
  // Attributes readable and the folder bit set. May throw for a drive that misbehaves.
  virtual bool DirectoryExists(const std::string& path) = 0;
};

// One entry of a folder, as the directory enumeration reports it.
struct DirEntry {
  std::string long_name;
  std::string short_name;  // the 8.3 alias; empty when the volume keeps none for this entry
  bool is_folder = false;
  bool is_reparse_point = false;  // a junction or symbolic link: never descended
  // The long name does not open the entry: it cannot be written in the ANSI code page, or
  // no Win32 path can hold it (Wine lists Unix names such as a"b.mp3 as they are).
  bool long_name_lossy = false;
};

class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;
  // The absolute form of a path (GetFullPathNameA); the path itself when that fails.
  virtual std::string FullPath(const std::string& path) = 0;
  // Whether the attributes of the path can be read.
  virtual bool Exists(const std::string& path) = 0;
  // The entries of one folder in enumeration order, "." and ".." left out. The folder ends
  // with its separator. False when the enumeration fails; `entries` then holds what was read.
  virtual bool ListFolder(const std::string& folder, std::vector<DirEntry>& entries) = 0;
};

// How one tool process went.
struct ProcessOutcome {
  bool started = false;       // false: CreateProcessA failed and nothing ran
  std::uint32_t exit_code = 0;
};

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts one hidden process from the command line, waits for it to end while the window
  // messages are handled, and closes its handles. Throws when the wait itself fails.
  virtual ProcessOutcome RunHidden(const std::string& command_line) = 0;
};

// The settings file: one value at a time.
class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // The value text of a key, or "" when the section, the key or the file is missing.
  virtual std::string ReadString(const std::string& section, const std::string& key) = 0;
  // False when the file cannot be written.
  virtual bool WriteString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
  virtual void Flush() = 0;
};

// The beep and the modal message box captioned with the application title.
class Alerts {
 public:
  virtual ~Alerts() = default;
  virtual void Beep() = 0;
  virtual void Message(const std::string& text) = 0;
};

// The ANSI code page's lead-byte table.
class CodePage {
 public:
  virtual ~CodePage() = default;
  virtual bool IsLeadByte(unsigned char byte) const = 0;
};

}  // namespace tunesafe
