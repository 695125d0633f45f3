#include "platform/linux/shell_link_mirror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>
#include <array>
#include <cstdio>
#include <span>
#include <vector>

#include "platform/linux/hive_store.h"
#include "platform/linux/host_paths.h"
#include "platform/portable/name_case.h"
#include "platform/portable/shell_link_reader.h"

namespace {

constexpr char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kLinkKey[] = "X-Machine-Shortcut";
constexpr std::string_view kLinkSuffix = ".lnk";

enum class Place { Menu, Desktop, Autostart };

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// A string value of a desktop entry: backslash and line ends escaped.
std::string EscapeValue(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

// One argument of Exec, quoted as desktop entries require; "%" doubled for the
// field codes. The value-level escape of EscapeValue comes on top.
std::string QuoteArgument(const std::string& argument) {
  std::string out = "\"";
  for (char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    if (c == '%') out += '%';
    out += c;
  }
  return out + "\"";
}

bool EndsWithLink(const std::string& path) {
  return path.size() > kLinkSuffix.size() &&
         NamesEqualIgnoringCase(std::string_view(path).substr(path.size() - kLinkSuffix.size()),
                                kLinkSuffix);
}

// `path` below `folder`: the rest, else nothing.
std::optional<std::string> Below(const std::string& path, const std::optional<std::string>& folder) {
  if (!folder || folder->empty()) return std::nullopt;
  const std::string prefix = *folder == "/" ? "/" : *folder + "/";
  if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0)
    return std::nullopt;
  return path.substr(prefix.size());
}

std::vector<uint8_t> ReadBytes(const std::string& hostPath) {
  QFile file(FromUtf8(hostPath));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.read(64 * 1024);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// Takes away folders of the menu left empty, up to `top`.
void RemoveEmptyFolders(QString folder, const QString& top) {
  while (folder.startsWith(top + "/") && QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
    if (!QDir().rmdir(folder)) return;
    folder = QFileInfo(folder).path();
  }
}

}  // namespace

std::string DesktopEntryText(const std::string& name, const std::string& target, bool executable,
                             const std::string& link) {
  const std::string directory = QFileInfo(FromUtf8(target)).path().toStdString();
  const std::string exec =
      executable ? QuoteArgument(target) : "xdg-open " + QuoteArgument(target);
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" + EscapeValue(name) + "\n" +
         "Exec=" + EscapeValue(exec) + "\n" +
         "Path=" + EscapeValue(directory) + "\n" +
         "Terminal=false\n" +
         std::string(kLinkKey) + "=" + EscapeValue(link) + "\n";
}

std::optional<std::string> ShellLinkMirror::EntryPathFor(const std::string& hostPath) const {
  if (!EndsWithLink(hostPath)) return std::nullopt;
  RegistryHive hive;
  std::string fault;
  if (!hives_.Load(RegistryRoot::CurrentUser, hive, fault)) return std::nullopt;
  auto folder = [&](const char* valueName) -> std::optional<std::string> {
    auto value = hive.GetString(kShellFoldersKey, valueName);
    if (!value) return std::nullopt;
    return paths_.ToHost(*value);
  };
  // The narrowest folder first: StartUp lies in Programs, which lies in the Start Menu.
  struct Candidate {
    const char* valueName;
    Place place;
    const char* menuFolder;
  };
  constexpr std::array<Candidate, 4> candidates{{{"Startup", Place::Autostart, ""},
                                                 {"Programs", Place::Menu, "Programs/"},
                                                 {"Start Menu", Place::Menu, ""},
                                                 {"Desktop", Place::Desktop, ""}}};
  for (const Candidate& candidate : candidates) {
    auto rest = Below(hostPath, folder(candidate.valueName));
    if (!rest) continue;
    std::string stem = rest->substr(0, rest->size() - kLinkSuffix.size()) + ".desktop";
    switch (candidate.place) {
      case Place::Autostart: {
        if (stem.find('/') != std::string::npos) return std::nullopt;  // only the folder's own
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        return config.toStdString() + "/autostart/" + machineName_ + "-" + stem;
      }
      case Place::Menu: {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        return data.toStdString() + "/applications/" + machineName_ + "/" + candidate.menuFolder + stem;
      }
      case Place::Desktop: {
        if (stem.find('/') != std::string::npos) return std::nullopt;
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        return desktop.toStdString() + "/" + stem;
      }
    }
  }
  return std::nullopt;
}

void ShellLinkMirror::FileCommitted(const std::string& hostPath) {
  const auto entryPath = EntryPathFor(hostPath);
  if (!entryPath) return;
  const std::vector<uint8_t> bytes = ReadBytes(hostPath);
  const auto targetWindows = ShellLinkTarget(std::span<const uint8_t>(bytes));
  if (!targetWindows) return;
  const auto target = paths_.ToHost(*targetWindows);
  if (!target) return;
  const QFileInfo targetInfo(FromUtf8(*target));
  const bool executable = targetInfo.isFile() && targetInfo.isExecutable();
  std::string name = QFileInfo(FromUtf8(hostPath)).fileName().toStdString();
  name.resize(name.size() - kLinkSuffix.size());
  const std::string text = DesktopEntryText(name, *target, executable, paths_.ToWindows(hostPath));

  const QString entry = FromUtf8(*entryPath);
  QDir().mkpath(QFileInfo(entry).path());
  QSaveFile file(entry);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
      !file.commit()) {
    std::fprintf(stderr, "machine: cannot write the desktop entry %s\n", entryPath->c_str());
    return;
  }
  // Desktops start only the entries of the desktop folder that are marked executable.
  QFile::setPermissions(entry, QFile::permissions(entry) | QFileDevice::ExeOwner |
                                   QFileDevice::ExeUser);
}

void ShellLinkMirror::FileDeleted(const std::string& hostPath) {
  const auto entryPath = EntryPathFor(hostPath);
  if (!entryPath) return;
  const QString entry = FromUtf8(*entryPath);
  QFile file(entry);
  if (!file.open(QIODevice::ReadOnly)) return;
  // Only the entry this shortcut made: a file of the same name that the person put
  // there stays.
  const std::string mark = std::string(kLinkKey) + "=" + EscapeValue(paths_.ToWindows(hostPath));
  bool ours = false;
  while (!file.atEnd() && !ours) ours = file.readLine().trimmed().toStdString() == mark;
  file.close();
  if (!ours) return;
  QFile::remove(entry);
  const QString menu = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                       "/applications/" + FromUtf8(machineName_);
  RemoveEmptyFolders(QFileInfo(entry).path(), menu);
  RemoveEmptyFolders(menu, QFileInfo(menu).path());
}
