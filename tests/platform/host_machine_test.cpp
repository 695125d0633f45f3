#include "platform/linux/host_machine.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <thread>

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteWhole(IMachine& machine, const std::string& path, const std::string& text) {
  auto handle = machine.CreateForWriting(path);
  if (handle < 0) return false;
  bool written = machine.WriteFile(handle, reinterpret_cast<const uint8_t*>(text.data()),
                                   text.size());
  return machine.CloseFile(handle) && written;
}

class HostMachineTest : public ::testing::Test {
 protected:
  QTemporaryDir sandbox;
  QString machineDir() const { return sandbox.path() + "/machine"; }
  QString driveC() const { return machineDir() + "/drive_c"; }
};

}  // namespace

TEST_F(HostMachineTest, FirstUseMakesWindowsAndTheShellFolders) {
  HostMachine machine(machineDir());
  ASSERT_TRUE(machine.IsReady());
  for (const char* folder : {"/WINDOWS/SYSTEM", "/WINDOWS/Start Menu/Programs/StartUp",
                             "/WINDOWS/Desktop"})
    EXPECT_TRUE(QDir(driveC() + folder).exists()) << folder;
  const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  std::string value;
  ASSERT_TRUE(machine.ReadRegistryString(RegistryRoot::CurrentUser, key, "Startup", 300, value));
  EXPECT_EQ(value, "C:\\WINDOWS\\Start Menu\\Programs\\StartUp");
  ASSERT_TRUE(machine.ReadRegistryString(RegistryRoot::CurrentUser, key, "Start Menu", 300, value));
  EXPECT_EQ(value, "C:\\WINDOWS\\Start Menu");
  EXPECT_EQ(machine.WindowsDirectory(), "C:\\WINDOWS");
  EXPECT_EQ(machine.SystemDirectory(), "C:\\WINDOWS\\SYSTEM");
  EXPECT_TRUE(machine.FileExists(machine.SystemDirectory()));

  // Only the first use registers: a later one leaves the user's changes alone.
  ASSERT_TRUE(machine.DeleteRegistryKey(RegistryRoot::CurrentUser, key));
  HostMachine again(machineDir());
  EXPECT_TRUE(again.IsReady());
  EXPECT_FALSE(again.ReadRegistryString(RegistryRoot::CurrentUser, key, "Startup", 300, value));
}

TEST_F(HostMachineTest, DefaultDirectoryFollowsXdgDataHome) {
  QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", sandbox.path().toUtf8());
  EXPECT_EQ(HostMachine::DefaultMachineDirectory(), sandbox.path() + "/corvane-machine");
  qputenv("XDG_DATA_HOME", saved);
}

TEST_F(HostMachineTest, RegistryLivesInTwoReadableHives) {
  HostMachine machine(machineDir());
  ASSERT_TRUE(machine.WriteRegistryString(RegistryRoot::LocalMachine,
                                          "Software\\Kelvory\\Sylvarine\\SetupInfo\\",
                                          "DestinationPath", "C:\\Program Files\\Sylvarine\\"));
  HostMachine other(machineDir());
  std::string value;
  ASSERT_TRUE(other.ReadRegistryString(RegistryRoot::LocalMachine,
                                       "SOFTWARE\\KELVORY\\Sylvarine\\SetupInfo",
                                       "DestinationPath", 300, value));
  EXPECT_EQ(value, "C:\\Program Files\\Sylvarine\\");
  EXPECT_FALSE(other.ReadRegistryString(RegistryRoot::CurrentUser,
                                        "Software\\Kelvory\\Sylvarine\\SetupInfo",
                                        "DestinationPath", 300, value));
  // A value that does not fit the caller's buffer counts as missing.
  EXPECT_FALSE(other.ReadRegistryString(RegistryRoot::LocalMachine,
                                        "Software\\Kelvory\\Sylvarine\\SetupInfo",
                                        "DestinationPath", value.size(), value));
  EXPECT_TRUE(ReadAll(machineDir() + "/HKEY_LOCAL_MACHINE.reg")
                  .contains("[HKEY_LOCAL_MACHINE\\Software\\Kelvory\\Sylvarine\\SetupInfo]\r\n"
                            "\"DestinationPath\"=\"C:\\\\Program Files\\\\Sylvarine\\\\\"\r\n"));
  EXPECT_TRUE(other.DeleteRegistryKey(RegistryRoot::LocalMachine, "software\\kelvory"));
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::LocalMachine,
                                          "Software\\Kelvory\\Sylvarine\\SetupInfo",
                                          "DestinationPath", 300, value));
}

TEST_F(HostMachineTest, DamagedHiveIsNeverOverwritten) {
  HostMachine machine(machineDir());
  const QString hive = machineDir() + "/HKEY_LOCAL_MACHINE.reg";
  {
    QFile file(hive);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"x\"=dword:1\n");
  }
  QByteArray before = ReadAll(hive);
  std::string value;
  EXPECT_FALSE(machine.WriteRegistryString(RegistryRoot::LocalMachine, "A", "y", "1"));
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::LocalMachine, "A", "x", 300, value));
  EXPECT_EQ(ReadAll(hive), before);
}

TEST_F(HostMachineTest, ConcurrentWritersLoseNothing) {
  HostMachine(machineDir()).IsReady();
  constexpr int kWrites = 25;
  auto writer = [&](const std::string& name) {
    HostMachine machine(machineDir());
    for (int i = 0; i < kWrites; ++i)
      EXPECT_TRUE(machine.WriteRegistryString(RegistryRoot::LocalMachine, "Software\\Race",
                                              name + std::to_string(i), "v"));
  };
  std::thread first(writer, "a");
  std::thread second(writer, "b");
  first.join();
  second.join();
  HostMachine machine(machineDir());
  std::string value;
  for (const char* name : {"a", "b"})
    for (int i = 0; i < kWrites; ++i)
      EXPECT_TRUE(machine.ReadRegistryString(RegistryRoot::LocalMachine, "Software\\Race",
                                             name + std::to_string(i), 300, value))
          << name << i;
}

TEST_F(HostMachineTest, FileReplacedOnlyWhenCommitted) {
  const QString host = driveC() + "/f.txt";
  {
    HostMachine machine(machineDir());
    ASSERT_TRUE(WriteWhole(machine, "C:\\f.txt", "old"));
    auto handle = machine.CreateForWriting("c:\\f.txt");
    ASSERT_GE(handle, 0);
    const uint8_t data[] = {'n', 'e', 'w'};
    ASSERT_TRUE(machine.WriteFile(handle, data, 3));
    EXPECT_EQ(ReadAll(host), "old");
    // The machine goes away before the file is closed: the old file stays whole.
  }
  EXPECT_EQ(ReadAll(host), "old");
  EXPECT_EQ(QDir(driveC()).entryList(QDir::Files | QDir::Hidden), QStringList{"f.txt"});

  HostMachine machine(machineDir());
  ASSERT_TRUE(WriteWhole(machine, "C:\\f.txt", "new"));
  EXPECT_EQ(ReadAll(host), "new");
  EXPECT_TRUE(QFile::permissions(host) & QFileDevice::ReadOther);

  auto reader = machine.OpenForReading("C:\\f.txt");
  ASSERT_GE(reader, 0);
  uint8_t buffer[8];
  EXPECT_EQ(machine.ReadFile(reader, buffer, sizeof buffer), 3);
  EXPECT_EQ(machine.ReadFile(reader, buffer, sizeof buffer), 0);
  EXPECT_EQ(machine.WriteFile(reader, buffer, 1), false);
  EXPECT_TRUE(machine.CloseFile(reader));
  EXPECT_FALSE(machine.CloseFile(reader));
  EXPECT_LT(machine.OpenForReading("C:\\missing"), 0);
  EXPECT_LT(machine.CreateForWriting("C:\\no\\such\\dir\\f"), 0);
  EXPECT_LT(machine.CreateForWriting("C:\\WINDOWS"), 0);
  EXPECT_LT(machine.OpenForReading("D:\\f.txt"), 0);
}

TEST_F(HostMachineTest, DirectoriesDeletionAndExecutableMode) {
  HostMachine machine(machineDir());
  EXPECT_TRUE(machine.CreateDirectory("C:\\Program Files"));
  EXPECT_FALSE(machine.CreateDirectory("C:\\Program Files"));
  EXPECT_FALSE(machine.CreateDirectory("C:\\a\\b"));  // one level only
  ASSERT_TRUE(WriteWhole(machine, "C:\\Program Files\\setup", "#!"));
  ASSERT_TRUE(WriteWhole(machine, "C:\\Program Files\\CRVunins.exe", "#!"));
  const QString source = driveC() + "/Program Files/setup";
  QFile::setPermissions(source, QFile::permissions(source) | QFileDevice::ExeOwner);
  EXPECT_TRUE(machine.CopyExecutableMode("C:\\Program Files\\setup",
                                         "C:\\Program Files\\CRVunins.exe"));
  EXPECT_TRUE(QFile::permissions(driveC() + "/Program Files/CRVunins.exe") &
              QFileDevice::ExeOwner);
  EXPECT_FALSE(machine.DeleteFile("C:\\Program Files"));
  EXPECT_TRUE(machine.DeleteFile("C:\\Program Files\\setup"));
  EXPECT_FALSE(machine.FileExists("C:\\Program Files\\setup"));
  EXPECT_FALSE(machine.DeleteFile("C:\\Program Files\\setup"));

  // A read-only file stays, even for a user whom the host lets write anywhere.
  const QString readOnly = driveC() + "/Program Files/CRVunins.exe";
  ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  EXPECT_FALSE(machine.DeleteFile("C:\\Program Files\\CRVunins.exe"));
  EXPECT_TRUE(QFile::exists(readOnly));
}

TEST_F(HostMachineTest, PathsMapBothWaysAndShortNamesComeFromTheDisk) {
  HostMachine machine(machineDir());
  EXPECT_EQ(machine.ToHostPath("C:\\WINDOWS\\SYSTEM"), (driveC() + "/WINDOWS/SYSTEM").toStdString());
  EXPECT_EQ(machine.ToHostPath("Z:\\usr\\bin"), "/usr/bin");
  EXPECT_FALSE(machine.ToHostPath("E:\\x"));
  EXPECT_EQ(machine.ToWindowsPath((driveC() + "/WINDOWS").toStdString()), "C:\\WINDOWS");
  EXPECT_EQ(machine.ToWindowsPath("/usr/share"), "Z:\\usr\\share");

  QDir(driveC()).mkpath("Program Files/Sylvarine");
  QDir(driveC()).mkpath("Programmes");
  ASSERT_TRUE(WriteWhole(machine, "C:\\Program Files\\Sylvarine\\help.html", "x"));
  std::string shortPath;
  ASSERT_TRUE(machine.ShortPathName("c:\\Program Files\\Sylvarine\\help.html", shortPath));
  EXPECT_EQ(shortPath, "C:\\PROGRA~1\\SYLVAR~1\\HELP~1.HTM");
  ASSERT_TRUE(machine.ShortPathName("C:\\Programmes", shortPath));
  EXPECT_EQ(shortPath, "C:\\PROGRA~2");
  // Host names keep their case.
  EXPECT_FALSE(machine.ShortPathName("C:\\program files", shortPath));
  ASSERT_TRUE(machine.ShortPathName(machine.ToWindowsPath(sandbox.path().toStdString()),
                                    shortPath));
  EXPECT_EQ(shortPath.substr(0, 3), "Z:\\");

  // Relative paths are relative to the working directory.
  QString saved = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(driveC() + "/Program Files"));
  EXPECT_TRUE(machine.FileExists("Sylvarine\\help.html"));
  ASSERT_TRUE(machine.ShortPathName("Sylvarine\\help.html", shortPath));
  EXPECT_EQ(shortPath, "SYLVAR~1\\HELP~1.HTM");
  ASSERT_TRUE(machine.FileExists("\\WINDOWS"));  // the root of the current drive, C:
  QDir::setCurrent(saved);
}

TEST_F(HostMachineTest, LockLeftByAVanishedProgramIsTakenOver) {
  HostMachine machine(machineDir());
  {
    // What a program that died while writing leaves behind: its pid is gone.
    QFile lock(machineDir() + "/registry.lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\nsetup\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  }
  EXPECT_TRUE(machine.WriteRegistryString(RegistryRoot::CurrentUser, "A", "b", "c"));
}
