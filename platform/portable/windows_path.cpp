#include "platform/portable/windows_path.h"

#include "platform/portable/name_case.h"

namespace {

bool IsDriveLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Adds one component; in rooted paths "." and ".." are resolved on the spot.
void AppendComponent(WindowsPath& path, std::string component) {
  if (path.rooted || path.drive != 0) {
    if (component == ".") return;
    if (component == "..") {
      if (!path.components.empty()) path.components.pop_back();
      return;
    }
  } else if (component == ".") {
    return;
  }
  path.components.push_back(std::move(component));
}

template <typename Visit>
void ForEachComponent(std::string_view text, char separatorA, char separatorB, Visit visit) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separatorA || text[i] == separatorB) {
      if (i > start) visit(std::string(text.substr(start, i - start)));
      start = i + 1;
    }
  }
}

std::string TrimTrailingSlashes(std::string_view host) {
  std::string result(host);
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  return result;
}

}  // namespace

WindowsPath ParseWindowsPath(std::string_view path) {
  WindowsPath parsed;
  if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
    parsed.drive = AsciiUpper(path[0]);
    parsed.rooted = true;  // no per-drive working directories: "C:x" is "C:\x"
    path.remove_prefix(2);
  } else {
    parsed.rooted = !path.empty() && IsWindowsSeparator(path[0]);
  }
  ForEachComponent(path, '\\', '/', [&](std::string c) { AppendComponent(parsed, std::move(c)); });
  return parsed;
}

std::string FormatWindowsPath(const WindowsPath& path) {
  std::string text;
  if (path.drive != 0) {
    text += path.drive;
    text += ':';
  }
  if (path.rooted) text += '\\';
  for (std::size_t i = 0; i < path.components.size(); ++i) {
    if (i > 0) text += '\\';
    text += path.components[i];
  }
  return text;
}

std::string NormaliseWindowsPath(std::string_view path) {
  return FormatWindowsPath(ParseWindowsPath(path));
}

WindowsPath AbsoluteWindowsPath(std::string_view path, std::string_view workingDirectory) {
  WindowsPath parsed = ParseWindowsPath(path);
  if (parsed.drive != 0) return parsed;
  if (parsed.rooted) {
    // The machine's current drive is C:, wherever the process runs.
    parsed.drive = kCurrentDrive;
    return parsed;
  }
  WindowsPath base = ParseWindowsPath(workingDirectory);
  base.rooted = true;
  for (auto& component : parsed.components) AppendComponent(base, std::move(component));
  return base;
}

std::string JoinWindowsPath(std::string_view directory, std::string_view name) {
  std::string joined(directory);
  if (!joined.empty() && !IsWindowsSeparator(joined.back())) joined += '\\';
  joined += name;
  return joined;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

bool SameWindowsPath(std::string_view a, std::string_view b) {
  return NormaliseWindowsPath(a) == NormaliseWindowsPath(b);
}

std::string TypedPathToWindows(std::string_view text) {
  if (text.empty() || text[0] != '/') return std::string(text);
  std::string windows = "Z:";
  for (char c : text) windows += (c == '/') ? '\\' : c;
  return windows;
}

std::optional<std::string> WindowsPathToHost(std::string_view windowsPath,
                                             std::string_view machineDirectory) {
  if (windowsPath.find('\0') != std::string_view::npos) return std::nullopt;
  if (windowsPath.size() >= 2 && IsWindowsSeparator(windowsPath[0]) &&
      IsWindowsSeparator(windowsPath[1]))
    return std::nullopt;  // network path
  WindowsPath parsed = ParseWindowsPath(windowsPath);
  if (!parsed.rooted) {
    std::string relative;
    for (const auto& component : parsed.components) {
      if (!relative.empty()) relative += '/';
      relative += component;
    }
    return relative.empty() ? std::string(".") : relative;
  }
  if (parsed.drive == 0) parsed.drive = kCurrentDrive;
  std::string host;
  if (parsed.drive == 'C')
    host = TrimTrailingSlashes(machineDirectory) + "/drive_c";
  else if (parsed.drive != 'Z')
    return std::nullopt;
  for (const auto& component : parsed.components) host += "/" + component;
  if (host.empty()) host = "/";
  return host;
}

std::string HostPathToWindows(std::string_view hostPath, std::string_view machineDirectory) {
  auto split = [](std::string_view text) {
    WindowsPath path{0, true, {}};
    ForEachComponent(text, '/', '/', [&](std::string c) { AppendComponent(path, std::move(c)); });
    return path.components;
  };
  std::vector<std::string> host = split(hostPath);
  std::vector<std::string> driveC = split(machineDirectory);
  driveC.push_back("drive_c");
  WindowsPath windows{'Z', true, host};
  if (host.size() >= driveC.size() && std::equal(driveC.begin(), driveC.end(), host.begin())) {
    windows.drive = 'C';
    windows.components.assign(host.begin() + static_cast<std::ptrdiff_t>(driveC.size()),
                              host.end());
  }
  return FormatWindowsPath(windows);
}
