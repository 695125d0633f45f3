#include "platform/linux/host_machine.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>

#include "platform/registry_hive.h"
#include "platform/short_names.h"
#include "platform/windows_path.h"

namespace {

constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kShellFolders[][2] = {
    {"Programs", "C:\\WINDOWS\\Start Menu\\Programs"},
    {"Start Menu", "C:\\WINDOWS\\Start Menu"},
    {"Startup", "C:\\WINDOWS\\Start Menu\\Programs\\StartUp"},
    {"Desktop", "C:\\WINDOWS\\Desktop"}};
constexpr int kLockWaitMs = 10000;

const char* RootName(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

// Another program may hold the lock for a moment; wait for it, in short steps.
bool AcquireLock(QLockFile& lock) {
  QDeadlineTimer deadline(kLockWaitMs);
  while (!lock.tryLock(0)) {
    if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) return false;
    QThread::msleep(2);
  }
  return true;
}

void Warn(const QString& text) { std::fprintf(stderr, "machine: %s\n", text.toUtf8().constData()); }

constexpr QFileDevice::Permissions kExecutableBits =
    QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;

}  // namespace

struct HostMachine::OpenFile {
  std::unique_ptr<QFileDevice> device;
  bool writing = false;
  bool failed = false;
};

QString HostMachine::DefaultMachineDirectory() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         "/corvane-machine";
}

HostMachine::HostMachine(const QString& machineDirectory)
    : machineDirectory_(QDir(machineDirectory).absolutePath()) {
  ready_ = CreateOnFirstUse();
}

HostMachine::~HostMachine() = default;  // uncommitted writes are discarded

bool HostMachine::CreateOnFirstUse() {
  if (!QDir().mkpath(machineDirectory_)) {
    Warn("cannot create the machine directory " + machineDirectory_);
    return false;
  }
  // The working directory comes back resolved; so must the machine, for C: paths to match.
  machineDirectory_ = QFileInfo(machineDirectory_).canonicalFilePath();
  QLockFile lock(machineDirectory_ + "/registry.lock");
  if (!AcquireLock(lock)) {
    Warn("the machine directory " + machineDirectory_ + " stays locked");
    return false;
  }
  QDir driveC(machineDirectory_ + "/drive_c");
  if (driveC.exists()) return true;
  bool made = QDir().mkpath(driveC.path() + "/WINDOWS/SYSTEM");
  RegistryHive hive;
  if (!LoadHive(RegistryRoot::CurrentUser, hive)) return false;
  for (const auto& folder : kShellFolders) {
    made = QDir().mkpath(*HostPath(folder[1])) && made;
    hive.SetString(kShellFoldersKey, folder[0], folder[1]);
  }
  QSaveFile file(HivePath(RegistryRoot::CurrentUser));
  std::string text = hive.Serialise(RootName(RegistryRoot::CurrentUser));
  made = file.open(QIODevice::WriteOnly) &&
         file.write(text.data(), static_cast<qint64>(text.size())) ==
             static_cast<qint64>(text.size()) &&
         file.commit() && made;
  if (!made) Warn("cannot prepare the machine directory " + machineDirectory_);
  return made;
}

std::optional<QString> HostMachine::HostPath(std::string_view windowsPath) const {
  auto host = WindowsPathToHost(windowsPath, machineDirectory_.toStdString(),
                                QDir::currentPath().toStdString());
  if (!host) return std::nullopt;
  return QString::fromStdString(*host);
}

std::optional<std::string> HostMachine::ToHostPath(std::string_view windowsPath) const {
  return WindowsPathToHost(windowsPath, machineDirectory_.toStdString(),
                           QDir::currentPath().toStdString());
}

std::string HostMachine::ToWindowsPath(std::string_view hostPath) const {
  if (hostPath.empty() || hostPath[0] != '/') {
    std::string relative(hostPath);
    for (char& c : relative)
      if (c == '/') c = '\\';
    return relative;
  }
  return HostPathToWindows(hostPath, machineDirectory_.toStdString());
}

// ---- Registry

QString HostMachine::HivePath(RegistryRoot root) const {
  return machineDirectory_ + "/" + RootName(root) + ".reg";
}

bool HostMachine::LoadHive(RegistryRoot root, RegistryHive& hive) const {
  QFile file(HivePath(root));
  if (!file.exists()) {
    hive = RegistryHive{};
    return true;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    Warn("cannot read " + file.fileName());
    return false;
  }
  QByteArray text = file.readAll();
  RegistryParseResult parsed = RegistryHive::Parse(
      std::string_view(text.constData(), static_cast<std::size_t>(text.size())), RootName(root));
  if (!parsed.ok) {
    // A damaged hive is left as it is for a person to mend, never overwritten.
    Warn(QString("%1, line %2: %3; the registry is left unchanged")
             .arg(file.fileName())
             .arg(parsed.errorLine)
             .arg(QString::fromStdString(parsed.error)));
    return false;
  }
  hive = std::move(parsed.hive);
  return true;
}

template <typename Change>
bool HostMachine::ChangeHive(RegistryRoot root, Change change) {
  QLockFile lock(machineDirectory_ + "/registry.lock");
  if (!AcquireLock(lock)) return false;
  RegistryHive hive;
  if (!LoadHive(root, hive) || !change(hive)) return false;
  std::string text = hive.Serialise(RootName(root));
  QSaveFile file(HivePath(root));
  return file.open(QIODevice::WriteOnly) &&
         file.write(text.data(), static_cast<qint64>(text.size())) ==
             static_cast<qint64>(text.size()) &&
         file.commit();
}

bool HostMachine::ReadRegistryString(RegistryRoot root, std::string_view key,
                                     std::string_view valueName, std::size_t capacity,
                                     std::string& value) {
  RegistryHive hive;
  if (!LoadHive(root, hive)) return false;
  auto found = hive.GetString(key, valueName);
  if (!found || found->size() + 1 > capacity) return false;  // too long counts as missing
  value = std::move(*found);
  return true;
}

bool HostMachine::WriteRegistryString(RegistryRoot root, std::string_view key,
                                      std::string_view valueName, std::string_view value) {
  return ChangeHive(root, [&](RegistryHive& hive) { return hive.SetString(key, valueName, value); });
}

bool HostMachine::DeleteRegistryKey(RegistryRoot root, std::string_view key) {
  return ChangeHive(root, [&](RegistryHive& hive) { return hive.DeleteKey(key); });
}

// ---- Files and directories

bool HostMachine::FileExists(std::string_view path) {
  auto host = HostPath(path);
  return host && QFileInfo::exists(*host);
}

bool HostMachine::CreateDirectory(std::string_view path) {
  auto host = HostPath(path);
  return host && !QFileInfo::exists(*host) && QDir().mkdir(*host);
}

bool HostMachine::DeleteFile(std::string_view path) {
  auto host = HostPath(path);
  if (!host) return false;
  const QFileInfo info(*host);
  // A file without any write permission is read-only, and read-only files are not
  // deleted; the mode bits decide, not access(), which lets root write anything.
  constexpr QFileDevice::Permissions kWriteBits =
      QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  if (!info.exists() || info.isDir() || !(info.permissions() & kWriteBits)) return false;
  return QFile::remove(*host);
}

bool HostMachine::ShortPathName(std::string_view path, std::string& shortPath) {
  if (!FileExists(path)) return false;
  std::string workingDirectory = ToWindowsPath(QDir::currentPath().toStdString());
  shortPath = ShortPathOf(path, workingDirectory, [this](const std::string& directory) {
    std::vector<std::string> names;
    auto host = HostPath(directory);
    if (!host) return names;
    const QStringList entries =
        QDir(*host).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) names.push_back(entry.toStdString());
    return names;
  });
  return true;
}

// ---- Whole-file streaming

IMachine::FileHandle HostMachine::OpenForReading(std::string_view path) {
  auto host = HostPath(path);
  if (!host || QFileInfo(*host).isDir()) return -1;
  auto file = std::make_unique<QFile>(*host);
  if (!file->open(QIODevice::ReadOnly)) return -1;
  FileHandle handle = nextHandle_++;
  files_[handle] = std::make_unique<OpenFile>(OpenFile{std::move(file), false, false});
  return handle;
}

IMachine::FileHandle HostMachine::CreateForWriting(std::string_view path) {
  auto host = HostPath(path);
  if (!host || QFileInfo(*host).isDir()) return -1;
  auto file = std::make_unique<QSaveFile>(*host);
  if (!file->open(QIODevice::WriteOnly)) return -1;
  FileHandle handle = nextHandle_++;
  files_[handle] = std::make_unique<OpenFile>(OpenFile{std::move(file), true, false});
  return handle;
}

int64_t HostMachine::ReadFile(FileHandle file, uint8_t* buffer, std::size_t capacity) {
  auto it = files_.find(file);
  if (it == files_.end() || it->second->writing) return -1;
  return it->second->device->read(reinterpret_cast<char*>(buffer),
                                  static_cast<qint64>(capacity));
}

bool HostMachine::WriteFile(FileHandle file, const uint8_t* data, std::size_t size) {
  auto it = files_.find(file);
  if (it == files_.end() || !it->second->writing || it->second->failed) return false;
  qint64 written =
      it->second->device->write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  if (written != static_cast<qint64>(size)) it->second->failed = true;
  return !it->second->failed;
}

bool HostMachine::CloseFile(FileHandle file) {
  auto it = files_.find(file);
  if (it == files_.end()) return false;
  std::unique_ptr<OpenFile> open = std::move(it->second);
  files_.erase(it);
  if (!open->writing) {
    open->device->close();
    return true;
  }
  auto* saveFile = static_cast<QSaveFile*>(open->device.get());
  if (open->failed) {
    saveFile->cancelWriting();
    saveFile->commit();  // removes the temporary file, keeps the old one
    return false;
  }
  return saveFile->commit();
}

bool HostMachine::CopyExecutableMode(std::string_view source, std::string_view target) {
  auto from = HostPath(source);
  auto to = HostPath(target);
  if (!from || !to || !QFileInfo::exists(*from) || !QFileInfo::exists(*to)) return false;
  QFileDevice::Permissions executable = QFile::permissions(*from) & kExecutableBits;
  return QFile::setPermissions(*to, (QFile::permissions(*to) & ~kExecutableBits) | executable);
}
