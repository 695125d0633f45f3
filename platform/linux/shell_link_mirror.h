#pragma once
// The machine's shell on the Linux desktop, as a compatibility layer's menu builder
// does it: a shortcut in the Desktop, Start Menu, Programs or StartUp folder gets a
// freedesktop desktop entry (the XDG desktop folder, the application menu, XDG
// autostart) that starts its target; deleting the shortcut removes the entry.
#include <optional>
#include <string>

class HostPaths;
class HiveStore;

class ShellLinkMirror {
 public:
  ShellLinkMirror(const HostPaths& paths, const HiveStore& hives, std::string machineName)
      : paths_(paths), hives_(hives), machineName_(std::move(machineName)) {}

  // After a file was committed at, or deleted from, `hostPath`.
  void FileCommitted(const std::string& hostPath);
  void FileDeleted(const std::string& hostPath);

  // The desktop entry that mirrors the shortcut at `hostPath`; nothing when the
  // path is no shortcut in a shell folder.
  std::optional<std::string> EntryPathFor(const std::string& hostPath) const;

 private:
  const HostPaths& paths_;
  const HiveStore& hives_;
  std::string machineName_;
};

// The text of a desktop entry named `name` that starts `target` (a host path) in
// its folder: an executable directly, any other file with the desktop's opener.
// `link` is the shortcut's Windows path, recorded so that only this entry is removed.
std::string DesktopEntryText(const std::string& name, const std::string& target, bool executable,
                             const std::string& link);
