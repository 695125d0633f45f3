#include "platform/linux/host_machine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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
  std::string machinePath() const { return machineDir().toStdString(); }
  QString driveC() const { return machineDir() + "/drive_c"; }
};

// A machine made ready, as the installer makes it.
class PreparedMachine : public HostMachine {
 public:
  explicit PreparedMachine(const std::string& directory) : HostMachine(directory) {
    EXPECT_TRUE(Prepare()) << MachineFault();
  }
};

constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace

TEST_F(HostMachineTest, PreparingMakesWindowsProgramFilesShellFoldersAndBothHives) {
  PreparedMachine machine(machinePath());
  for (const char* folder : {"/Program Files", "/WINDOWS/SYSTEM",
                             "/WINDOWS/Start Menu/Programs/StartUp", "/WINDOWS/Desktop"})
    EXPECT_TRUE(QDir(driveC() + folder).exists()) << folder;
  EXPECT_TRUE(QFile::exists(machineDir() + "/HKEY_LOCAL_MACHINE.reg"));
  std::string value;
  ASSERT_TRUE(machine.ReadRegistryString(RegistryRoot::CurrentUser, kShellFolders, "Startup", 300, value));
  EXPECT_EQ(value, "C:\\WINDOWS\\Start Menu\\Programs\\StartUp");
  ASSERT_TRUE(machine.ReadRegistryString(RegistryRoot::CurrentUser, kShellFolders, "Start Menu", 300, value));
  EXPECT_EQ(value, "C:\\WINDOWS\\Start Menu");
  EXPECT_EQ(machine.WindowsDirectory(), "C:\\WINDOWS");
  EXPECT_EQ(machine.SystemDirectory(), "C:\\WINDOWS\\SYSTEM");
  EXPECT_TRUE(machine.FileExists(machine.SystemDirectory()));
  EXPECT_TRUE(machine.FileExists("C:\\Program Files"));
}

TEST_F(HostMachineTest, MissingPiecesAreMadeAgainWheneverTheyAreMissing) {
  // drive_c already there, as a person may have made it: nothing else exists yet.
  ASSERT_TRUE(QDir().mkpath(driveC()));
  {
    PreparedMachine machine(machinePath());
    EXPECT_TRUE(QFile::exists(machineDir() + "/HKEY_CURRENT_USER.reg"));
    EXPECT_TRUE(QDir(driveC() + "/WINDOWS/Desktop").exists());
    // The person moves one folder, loses another's value and its directory.
    ASSERT_TRUE(machine.WriteRegistryString(RegistryRoot::CurrentUser, kShellFolders, "Desktop",
                                            "C:\\Bureau"));
  }
  ASSERT_TRUE(QDir(driveC() + "/WINDOWS/Start Menu").removeRecursively());
  ASSERT_TRUE(QDir(driveC() + "/Program Files").removeRecursively());
  QFile::remove(machineDir() + "/HKEY_LOCAL_MACHINE.reg");
  PreparedMachine machine(machinePath());
  EXPECT_TRUE(QDir(driveC() + "/WINDOWS/Start Menu/Programs/StartUp").exists());
  EXPECT_TRUE(QDir(driveC() + "/Program Files").exists());
  EXPECT_TRUE(QFile::exists(machineDir() + "/HKEY_LOCAL_MACHINE.reg"));
  std::string value;
  ASSERT_TRUE(machine.ReadRegistryString(RegistryRoot::CurrentUser, kShellFolders, "Desktop", 300, value));
  EXPECT_EQ(value, "C:\\Bureau") << "a folder the person chose stays";

  // A value lost is registered again.
  QFile hive(machineDir() + "/HKEY_CURRENT_USER.reg");
  ASSERT_TRUE(hive.open(QIODevice::WriteOnly));
  hive.write("REGEDIT4\r\n\r\n");
  hive.close();
  PreparedMachine again(machinePath());
  ASSERT_TRUE(again.ReadRegistryString(RegistryRoot::CurrentUser, kShellFolders, "Programs", 300, value));
  EXPECT_EQ(value, "C:\\WINDOWS\\Start Menu\\Programs");
}

TEST_F(HostMachineTest, ReadingCreatesNothing) {
  HostMachine machine(machinePath());
  std::string value;
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::LocalMachine, "Software\\Kelvory", "x", 300, value));
  EXPECT_FALSE(machine.FileExists("C:\\WINDOWS"));
  EXPECT_FALSE(machine.ShortPathName("C:\\WINDOWS", value));
  EXPECT_LT(machine.OpenForReading("C:\\help.htm"), 0);
  EXPECT_TRUE(machine.MachineFault().empty()) << "a missing machine is no fault";
  EXPECT_FALSE(QFileInfo::exists(machineDir()));
}

TEST_F(HostMachineTest, UnusableMachineDirectoryIsToldWithItsCause) {
  QFile blocker(sandbox.path() + "/file");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  HostMachine machine((sandbox.path() + "/file/machine").toStdString());
  EXPECT_FALSE(machine.Prepare());
  EXPECT_NE(machine.MachineFault().find("Not a directory"), std::string::npos) << machine.MachineFault();
}

TEST_F(HostMachineTest, DefaultDirectoryFollowsXdgDataHome) {
  QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", sandbox.path().toUtf8());
  EXPECT_EQ(HostMachine::DirectoryInDataHome("some-machine"),
            (sandbox.path() + "/some-machine").toStdString());
  qputenv("XDG_DATA_HOME", saved);
}

TEST_F(HostMachineTest, RegistryLivesInTwoReadableHives) {
  PreparedMachine machine(machinePath());
  ASSERT_TRUE(machine.WriteRegistryString(RegistryRoot::LocalMachine,
                                          "Software\\Kelvory\\Sylvarine\\SetupInfo\\",
                                          "DestinationPath", "C:\\Program Files\\Sylvarine\\"));
  HostMachine other(machinePath());
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

TEST_F(HostMachineTest, DamagedHiveIsNeverOverwrittenAndItsLineIsTold) {
  PreparedMachine machine(machinePath());
  const QString hive = machineDir() + "/HKEY_LOCAL_MACHINE.reg";
  {
    QFile file(hive);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"x\"=dword:1\n");
  }
  QByteArray before = ReadAll(hive);
  std::string value;
  EXPECT_FALSE(machine.WriteRegistryString(RegistryRoot::LocalMachine, "A", "y", "1"));
  EXPECT_NE(machine.MachineFault().find("HKEY_LOCAL_MACHINE.reg, line 3"), std::string::npos)
      << machine.MachineFault();
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::LocalMachine, "A", "x", 300, value));
  EXPECT_FALSE(machine.MachineFault().empty());
  EXPECT_EQ(ReadAll(hive), before);
  // A damaged user root stops nothing else: it stays as it is.
  {
    QFile user(machineDir() + "/HKEY_CURRENT_USER.reg");
    ASSERT_TRUE(user.open(QIODevice::WriteOnly));
    user.write("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:1\n");
  }
  const QByteArray damagedUser = ReadAll(machineDir() + "/HKEY_CURRENT_USER.reg");
  EXPECT_TRUE(machine.Prepare());
  EXPECT_EQ(ReadAll(machineDir() + "/HKEY_CURRENT_USER.reg"), damagedUser);
}

TEST_F(HostMachineTest, ConcurrentWritersLoseNothing) {
  PreparedMachine prepared(machinePath());
  constexpr int kWrites = 25;
  auto writer = [&](const std::string& name) {
    HostMachine machine(machinePath());
    for (int i = 0; i < kWrites; ++i)
      EXPECT_TRUE(machine.WriteRegistryString(RegistryRoot::LocalMachine, "Software\\Race",
                                              name + std::to_string(i), "v"));
  };
  std::thread first(writer, "a");
  std::thread second(writer, "b");
  first.join();
  second.join();
  PreparedMachine machine(machinePath());
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
    PreparedMachine machine(machinePath());
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

  PreparedMachine machine(machinePath());
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
  PreparedMachine machine(machinePath());
  EXPECT_TRUE(machine.MakeDirectory("C:\\Apps"));
  EXPECT_FALSE(machine.MakeDirectory("C:\\Apps"));
  EXPECT_FALSE(machine.MakeDirectory("C:\\a\\b"));  // one level only
  ASSERT_TRUE(WriteWhole(machine, "C:\\Apps\\setup", "#!"));
  ASSERT_TRUE(WriteWhole(machine, "C:\\Apps\\CRVunins.exe", "#!"));
  const QString source = driveC() + "/Apps/setup";
  QFile::setPermissions(source, QFile::permissions(source) | QFileDevice::ExeOwner);
  EXPECT_TRUE(machine.CopyExecutableMode("C:\\Apps\\setup",
                                         "C:\\Apps\\CRVunins.exe"));
  EXPECT_TRUE(QFile::permissions(driveC() + "/Apps/CRVunins.exe") &
              QFileDevice::ExeOwner);
  EXPECT_FALSE(machine.RemoveFile("C:\\Apps"));
  EXPECT_TRUE(machine.RemoveFile("C:\\Apps\\setup"));
  EXPECT_FALSE(machine.FileExists("C:\\Apps\\setup"));
  EXPECT_FALSE(machine.RemoveFile("C:\\Apps\\setup"));

  // A read-only file stays, even for a user whom the host lets write anywhere.
  const QString readOnly = driveC() + "/Apps/CRVunins.exe";
  ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  EXPECT_FALSE(machine.RemoveFile("C:\\Apps\\CRVunins.exe"));
  EXPECT_TRUE(QFile::exists(readOnly));
}

TEST_F(HostMachineTest, PathsMapBothWaysAndShortNamesComeFromTheDisk) {
  PreparedMachine machine(machinePath());
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
  // Names are found whatever their case; short names come from the names on the disk.
  ASSERT_TRUE(machine.ShortPathName("C:\\program files\\SYLVARINE", shortPath));
  EXPECT_EQ(shortPath, "C:\\PROGRA~1\\SYLVAR~1");
  ASSERT_TRUE(machine.ShortPathName(machine.ToWindowsPath(sandbox.path().toStdString()),
                                    shortPath));
  EXPECT_EQ(shortPath.substr(0, 3), "Z:\\");

  // Relative paths are relative to the working directory.
  QString saved = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(driveC() + "/Program Files"));
  EXPECT_TRUE(machine.FileExists("Sylvarine\\help.html"));
  ASSERT_TRUE(machine.ShortPathName("Sylvarine\\help.html", shortPath));
  EXPECT_EQ(shortPath, "SYLVAR~1\\HELP~1.HTM");
  ASSERT_TRUE(QDir::setCurrent(sandbox.path()));  // on Z:
  EXPECT_TRUE(machine.FileExists("\\WINDOWS"));  // the root of the current drive, C:
  EXPECT_EQ(machine.ToHostPath("\\x"), (driveC() + "/x").toStdString());
  QDir::setCurrent(saved);
}

TEST_F(HostMachineTest, LockLeftByAVanishedProgramIsTakenOver) {
  PreparedMachine machine(machinePath());
  {
    // What a program that died while writing leaves behind: its pid is gone.
    QFile lock(machineDir() + "/registry.lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\nsetup\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  }
  EXPECT_TRUE(machine.WriteRegistryString(RegistryRoot::CurrentUser, "A", "b", "c"));
}

TEST_F(HostMachineTest, NamesAreFoundWhateverTheirCaseAndNewOnesKeepTheirs) {
  PreparedMachine machine(machinePath());
  ASSERT_TRUE(WriteWhole(machine, "C:\\Program Files\\Help.htm", "help"));
  // Opened, replaced and deleted whatever the case asked.
  auto reader = machine.OpenForReading("c:\\PROGRAM FILES\\HELP.HTM");
  ASSERT_GE(reader, 0);
  machine.CloseFile(reader);
  ASSERT_TRUE(WriteWhole(machine, "C:\\program files\\HELP.htm", "new"));
  EXPECT_EQ(QDir(driveC() + "/Program Files").entryList(QDir::Files), QStringList{"Help.htm"});
  EXPECT_EQ(ReadAll(driveC() + "/Program Files/Help.htm"), "new");
  // A new name keeps the case written, in the folder found.
  ASSERT_TRUE(WriteWhole(machine, "c:\\windows\\system\\New.TXT", "n"));
  EXPECT_TRUE(QFile::exists(driveC() + "/WINDOWS/SYSTEM/New.TXT"));
  EXPECT_TRUE(machine.MakeDirectory("C:\\WINDOWS\\Start menu\\PROGRAMS\\Sylvarine"));
  EXPECT_TRUE(QDir(driveC() + "/WINDOWS/Start Menu/Programs/Sylvarine").exists());
  EXPECT_FALSE(machine.MakeDirectory("c:\\windows"));  // exists, in another case
  EXPECT_TRUE(machine.RemoveFile("C:\\PROGRAM FILES\\help.HTM"));
  EXPECT_FALSE(QFile::exists(driveC() + "/Program Files/Help.htm"));

  // Accented letters of the code page compare without case too.
  ASSERT_TRUE(QDir(driveC()).mkdir(QString::fromUtf8("Éléments")));
  EXPECT_TRUE(machine.FileExists("C:\\éLÉMENTS"));

  // Z: names the host, found the same way.
  const std::string upperSandbox = machine.ToWindowsPath(sandbox.path().toUpper().toStdString());
  EXPECT_EQ(machine.ToHostPath(upperSandbox + "\\MACHINE\\drive_C"), driveC().toStdString());

  // A name on the disk in two cases: the exact one, else the first in byte order.
  ASSERT_TRUE(WriteWhole(machine, "C:\\twice\\..\\a.txt", "lower"));
  QFile upper(driveC() + "/A.txt");
  ASSERT_TRUE(upper.open(QIODevice::WriteOnly));
  upper.write("upper");
  upper.close();
  EXPECT_EQ(machine.ToHostPath("C:\\a.txt"), (driveC() + "/a.txt").toStdString());
  EXPECT_EQ(machine.ToHostPath("C:\\A.txt"), (driveC() + "/A.txt").toStdString());
  EXPECT_EQ(machine.ToHostPath("C:\\A.TXT"), (driveC() + "/A.txt").toStdString());

  // Relative names are looked up in the working directory of the moment.
  const QString saved = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(driveC() + "/WINDOWS"));
  EXPECT_TRUE(machine.FileExists("system"));
  EXPECT_FALSE(machine.FileExists("program files"));
  ASSERT_TRUE(QDir::setCurrent(driveC()));
  EXPECT_TRUE(machine.FileExists("program files"));
  EXPECT_FALSE(machine.FileExists("system"));
  QDir::setCurrent(saved);

  // A name another program adds after a lookup is found all the same.
  EXPECT_FALSE(machine.FileExists("C:\\late.txt"));
  QFile late(driveC() + "/Late.TXT");
  ASSERT_TRUE(late.open(QIODevice::WriteOnly));
  late.close();
  EXPECT_TRUE(machine.FileExists("C:\\late.txt"));
}

TEST_F(HostMachineTest, ReplacedFileKeepsItsModeAndFlushingIsSafe) {
  PreparedMachine machine(machinePath());
  ASSERT_TRUE(WriteWhole(machine, "C:\\tool", "1"));
  const QString host = driveC() + "/tool";
  ASSERT_TRUE(QFile::setPermissions(host, QFile::permissions(host) | QFileDevice::ExeOwner));
  ASSERT_TRUE(WriteWhole(machine, "C:\\tool", "2"));
  EXPECT_TRUE(QFile::permissions(host) & QFileDevice::ExeOwner);
  machine.FlushWrites();
  EXPECT_EQ(ReadAll(host), "2");
  // A failed write leaves neither the old file changed nor a temporary file behind.
  auto handle = machine.CreateForWriting("C:\\tool");
  ASSERT_GE(handle, 0);
  EXPECT_TRUE(machine.CloseFile(handle));
  EXPECT_EQ(ReadAll(host), "") << "an empty file replaces too";
  EXPECT_EQ(QDir(driveC()).entryList(QStringList{"tool*"}, QDir::Files | QDir::Hidden), QStringList{"tool"});

  // A new file follows the umask, as any program's.
  const mode_t saved = ::umask(077);
  PreparedMachine strict(machinePath());
  ::umask(saved);
  ASSERT_TRUE(WriteWhole(strict, "C:\\private", "p"));
  struct stat info{};
  ASSERT_EQ(::stat((driveC() + "/private").toUtf8().constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}
