#include "platform/linux/hive_store.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QString>
#include <QThread>
#include <cerrno>
#include <cstring>

namespace {

QString Host(const std::string& path) { return QString::fromStdString(path); }

}  // namespace

const char* HiveStore::RootName(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string HiveStore::HivePath(RegistryRoot root) const {
  return machineDirectory_ + "/" + RootName(root) + ".reg";
}

bool HiveStore::Exists(RegistryRoot root) const { return QFileInfo::exists(Host(HivePath(root))); }

bool HiveStore::Load(RegistryRoot root, RegistryHive& hive, std::string& fault) const {
  return LoadFile(HivePath(root), root, hive, fault);
}

bool HiveStore::LoadFile(const std::string& path, RegistryRoot root, RegistryHive& hive,
                         std::string& fault) {
  QFile file(Host(path));
  if (!file.exists()) {
    hive = RegistryHive{};
    return true;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    fault = path + ": " + file.errorString().toStdString();
    return false;
  }
  const QByteArray text = file.readAll();
  RegistryParseResult parsed = RegistryHive::Parse(
      std::string_view(text.constData(), static_cast<std::size_t>(text.size())), RootName(root));
  if (!parsed.ok) {
    fault = path + ", line " + std::to_string(parsed.errorLine) + ": " + parsed.error +
            " (the file is left as it is)";
    return false;
  }
  hive = std::move(parsed.hive);
  return true;
}

bool HiveStore::Read(RegistryRoot root, std::string_view key, std::string_view valueName,
                     std::optional<std::string>& value, std::string& fault) const {
  std::vector<std::string> layers{HivePath(root)};
  if (root == RegistryRoot::LocalMachine)
    for (const std::string& directory : systemDirectories_)
      layers.push_back(directory + "/" + RootName(root) + ".reg");
  for (const std::string& layer : layers) {
    RegistryHive hive;
    if (!LoadFile(layer, root, hive, fault)) return false;
    value = hive.GetString(key, valueName);
    if (value) return true;
  }
  return true;
}

bool HiveStore::Save(RegistryRoot root, const RegistryHive& hive, std::string& fault) const {
  const std::string text = hive.Serialise(RootName(root));
  QSaveFile file(Host(HivePath(root)));
  if (file.open(QIODevice::WriteOnly) &&
      file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
      file.commit())
    return true;
  fault = HivePath(root) + ": " + file.errorString().toStdString();
  return false;
}

bool HiveStore::UnderLock(const std::function<bool(std::string&)>& work, std::string& fault) const {
  QLockFile lock(Host(machineDirectory_ + "/registry.lock"));
  // A lock left by a program that died is taken over; a live holder is waited for.
  QDeadlineTimer deadline(lockWaitMs_);
  while (!lock.tryLock(0)) {
    if (lock.error() == QLockFile::PermissionError) {
      fault = machineDirectory_ + "/registry.lock: " + std::strerror(EACCES);
      return false;
    }
    if (lock.error() != QLockFile::LockFailedError) {
      fault = machineDirectory_ + "/registry.lock: the lock file cannot be made";
      return false;
    }
    if (deadline.hasExpired()) {
      qint64 pid = 0;
      QString hostName;
      QString application;
      lock.getLockInfo(&pid, &hostName, &application);
      fault = machineDirectory_ + "/registry.lock: held by another program (" +
              application.toStdString() + ", process " + std::to_string(pid) +
              ") for more than " + std::to_string(lockWaitMs_) + " ms";
      return false;
    }
    QThread::msleep(2);
  }
  return work(fault);
}

bool HiveStore::Update(RegistryRoot root, const Change& change, std::string& fault) const {
  return UnderLock(
      [&](std::string& why) {
        RegistryHive hive;
        if (!Load(root, hive, why)) return false;
        if (!change(hive)) return false;
        return Save(root, hive, why);
      },
      fault);
}
