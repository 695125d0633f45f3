#pragma once
// Windows paths ("C:\WINDOWS\SYSTEM") as text, and how they map onto the host.
// "C:\" is the folder drive_c/ of the machine directory, "Z:\" is the host root;
// no other drive exists.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct WindowsPath {
  char drive = 0;       // upper-case letter, 0 when the path names no drive
  bool rooted = false;  // starts at a drive's root ("C:\x" or "\x")
  std::vector<std::string> components;
};

inline bool IsWindowsSeparator(char c) { return c == '\\' || c == '/'; }

// Splits on "\" and "/"; empty components vanish. For rooted paths "." is dropped
// and ".." climbs, never above the root, so a path cannot leave its drive.
WindowsPath ParseWindowsPath(std::string_view path);
std::string FormatWindowsPath(const WindowsPath& path);
// The same path with the drive letter in upper case and one "\" between components.
std::string NormaliseWindowsPath(std::string_view path);
// The machine's current drive: a path rooted without a letter ("\x") is on it.
constexpr char kCurrentDrive = 'C';

// Resolves a relative path against an absolute working directory; a path rooted
// without a letter is on the current drive.
WindowsPath AbsoluteWindowsPath(std::string_view path, std::string_view workingDirectory);

// `directory` + "\" + `name`, without doubling a separator already there.
std::string JoinWindowsPath(std::string_view directory, std::string_view name);
// Same file: drive letters compare without case, names exactly (as the host does).
bool SameWindowsPath(std::string_view a, std::string_view b);
// ASCII case-insensitive equality, for drive letters and registry keys.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// A path as a person types it or a script holds it: an absolute host path
// ("/home/me/x") becomes its Z: form ("Z:\home\me\x"); anything else is kept.
std::string TypedPathToWindows(std::string_view text);

// Host form of a Windows path, letter case as written. `machineDirectory` is an
// absolute host path; a relative path stays relative. Fails for drives other than
// C: and Z: and for network paths.
std::optional<std::string> WindowsPathToHost(std::string_view windowsPath,
                                             std::string_view machineDirectory);
// Windows form of an absolute host path: C: inside the machine's drive_c/, Z: elsewhere.
std::string HostPathToWindows(std::string_view hostPath, std::string_view machineDirectory);
