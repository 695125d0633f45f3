// Shortcuts in the machine's shell folders become desktop entries, and go with them.
#include "platform/linux/shell_link_mirror.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "installer/operations/shortcut_writer.h"
#include "platform/linux/host_machine.h"
#include "platform/portable/shell_link_reader.h"

namespace {

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString("<missing>");
}

// Points the XDG folders of the process at the sandbox for one test.
class ShellLinkMirrorTest : public ::testing::Test {
 protected:
  ShellLinkMirrorTest() {
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"}) saved_[name] = qgetenv(name);
    qputenv("HOME", sandbox.path().toUtf8());
    qputenv("XDG_DATA_HOME", (sandbox.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (sandbox.path() + "/config").toUtf8());
    QDir().mkpath(sandbox.path() + "/config");
    QFile dirs(sandbox.path() + "/config/user-dirs.dirs");
    if (dirs.open(QIODevice::WriteOnly))
      dirs.write("XDG_DESKTOP_DIR=\"" + sandbox.path().toUtf8() + "/Bureau\"\n");
    machine = std::make_unique<HostMachine>((sandbox.path() + "/machine").toStdString());
    EXPECT_TRUE(machine->Prepare());
    machine->MirrorShellLinksOnDesktop("test-machine");
  }
  ~ShellLinkMirrorTest() override {
    for (const auto& [name, value] : saved_) qputenv(name.c_str(), value);
  }
  void PutFile(const std::string& windowsPath, bool executable) {
    const QString host = QString::fromStdString(*machine->ToHostPath(windowsPath));
    QDir().mkpath(QFileInfo(host).path());
    QFile file(host);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
  }
  QString Applications() const { return sandbox.path() + "/data/applications/test-machine"; }
  QString HostOf(const std::string& windowsPath) const {
    return QString::fromStdString(*machine->ToHostPath(windowsPath));
  }

  QTemporaryDir sandbox;
  std::unique_ptr<HostMachine> machine;
  std::map<std::string, QByteArray> saved_;
};

}  // namespace

TEST_F(ShellLinkMirrorTest, EachShellFolderHasItsPlaceOnTheDesktop) {
  PutFile("C:\\Program Files\\Sylvarine\\sylvarine", true);
  PutFile("C:\\Program Files\\Sylvarine\\help.htm", false);
  const std::string program = "C:\\Program Files\\Sylvarine\\sylvarine";
  const std::string page = "C:\\Program Files\\Sylvarine\\help.htm";
  ASSERT_TRUE(machine->MakeDirectory("C:\\WINDOWS\\Start Menu\\Programs\\Sylvarine"));
  ASSERT_TRUE(WriteShortcutFile(*machine, "C:\\WINDOWS\\Start Menu\\Programs\\Sylvarine\\Sylvarine.lnk", program));
  ASSERT_TRUE(WriteShortcutFile(*machine, "C:\\WINDOWS\\Start Menu\\Programs\\Sylvarine\\Aide de Sylvarine.lnk", page));
  ASSERT_TRUE(WriteShortcutFile(*machine, "C:\\WINDOWS\\Start Menu\\Sylvarine.lnk", program));
  ASSERT_TRUE(WriteShortcutFile(*machine, "C:\\WINDOWS\\Desktop\\Sylvarine.lnk", program));
  ASSERT_TRUE(WriteShortcutFile(*machine, "C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\Sylvarine.lnk", program));
  // Not a shell folder: no entry.
  ASSERT_TRUE(WriteShortcutFile(*machine, "C:\\Program Files\\Sylvarine.lnk", program));

  const QString target = HostOf(program);
  const QString menuEntry = Applications() + "/Programs/Sylvarine/Sylvarine.desktop";
  EXPECT_EQ(ReadText(menuEntry),
            "[Desktop Entry]\nType=Application\nName=Sylvarine\nExec=\"" + target + "\"\nPath=" +
                QFileInfo(target).path() +
                "\nTerminal=false\nX-Machine-Shortcut=C:\\\\WINDOWS\\\\Start Menu\\\\Programs\\\\"
                "Sylvarine\\\\Sylvarine.lnk\n");
  EXPECT_TRUE(ReadText(Applications() + "/Programs/Sylvarine/Aide de Sylvarine.desktop")
                  .contains("\nExec=xdg-open \"" + HostOf(page) + "\"\n"));
  EXPECT_TRUE(QFile::exists(Applications() + "/Sylvarine.desktop"));
  EXPECT_TRUE(QFile::exists(sandbox.path() + "/Bureau/Sylvarine.desktop"));
  EXPECT_TRUE(QFile::exists(sandbox.path() + "/config/autostart/test-machine-Sylvarine.desktop"));
  EXPECT_EQ(QDir(sandbox.path() + "/data/applications").entryList(QDir::Files), QStringList{});

  const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
  if (!validator.isEmpty()) {
    for (const QString& entry : {menuEntry, Applications() + "/Programs/Sylvarine/Aide de Sylvarine.desktop",
                                 sandbox.path() + "/Bureau/Sylvarine.desktop"}) {
      QProcess check;
      check.start(validator, {entry});
      ASSERT_TRUE(check.waitForFinished());
      EXPECT_EQ(check.exitCode(), 0) << entry.toStdString() << ": "
                                     << check.readAllStandardOutput().toStdString();
    }
  }

  // Deleting the shortcuts removes their entries and the menu folders they leave empty.
  for (const char* link : {"C:\\WINDOWS\\Start Menu\\Programs\\Sylvarine\\Sylvarine.lnk",
                           "C:\\WINDOWS\\Start Menu\\Programs\\Sylvarine\\Aide de Sylvarine.lnk",
                           "C:\\WINDOWS\\Start Menu\\Sylvarine.lnk", "c:\\windows\\desktop\\SYLVARINE.LNK",
                           "C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\Sylvarine.lnk"})
    EXPECT_TRUE(machine->RemoveFile(link)) << link;
  EXPECT_FALSE(QFileInfo::exists(Applications()));
  EXPECT_FALSE(QFile::exists(sandbox.path() + "/Bureau/Sylvarine.desktop"));
  EXPECT_FALSE(QFile::exists(sandbox.path() + "/config/autostart/test-machine-Sylvarine.desktop"));
}

TEST_F(ShellLinkMirrorTest, AnEntryThePersonMadeIsNotRemoved) {
  PutFile("C:\\Program Files\\App\\app", true);
  ASSERT_TRUE(WriteShortcutFile(*machine, "C:\\WINDOWS\\Desktop\\App.lnk", "C:\\Program Files\\App\\app"));
  const QString entry = sandbox.path() + "/Bureau/App.desktop";
  QFile own(entry);
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.write("[Desktop Entry]\nType=Application\nName=Mine\nExec=mine\n");
  own.close();
  EXPECT_TRUE(machine->RemoveFile("C:\\WINDOWS\\Desktop\\App.lnk"));
  EXPECT_TRUE(QFile::exists(entry));
}

TEST_F(ShellLinkMirrorTest, ExecQuotesWhatDesktopEntriesReserve) {
  const std::string text = DesktopEntryText("A\\B", "/opt/a \"b\" $c `d` 100%\\e", true, "C:\\x.lnk");
  EXPECT_NE(text.find("Name=A\\\\B\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Exec=\"/opt/a \\\\\"b\\\\\" \\\\$c \\\\`d\\\\` 100%%\\\\\\\\e\"\n"), std::string::npos) << text;
}

TEST(ShellLinkReader, ReadsTheTargetBackFromTheItemList) {
  const std::string shortPath = "C:\\PROGRA~1\\SYLVAR~1\\SYLVAR~1";
  auto bytes = CShortcutWriter::ComposeShortcut("C:\\Program Files\\Sylvarine\\sylvarine", shortPath);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(ShellLinkTarget(*bytes), "C:\\Program Files\\Sylvarine\\sylvarine");
  auto accented = CShortcutWriter::ComposeShortcut("C:\\Démo\\é.exe", "C:\\DMO~1\\~1.EXE");
  ASSERT_TRUE(accented);
  EXPECT_EQ(ShellLinkTarget(*accented), "C:\\Démo\\é.exe");
  // Cut short, or with an item list size past the end: nothing.
  for (std::size_t length : {std::size_t{0}, std::size_t{77}, std::size_t{120}, bytes->size() - 60}) {
    std::vector<uint8_t> cut(bytes->begin(), bytes->begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_EQ(ShellLinkTarget(cut), std::nullopt) << length;
  }
}
