// setup: the script-driven installer and, copied as CRVunins.exe, its uninstaller.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "installer/app/corvane_session.h"
#include "installer/script/command_line.h"
#include "installer/window/window_layout.h"
#include "platform/linux/host_machine.h"
#include "shell_qt/message_box.h"

namespace {

// The machine this installer installs on, under the XDG data home; the analyser
// reads the same one.
constexpr std::string_view MachineDirectoryName = "corvane-machine";

// No view exists yet: the box has no owner, and the process ends after it.
void ShowStartupMessage(const std::string& text) {
  ShellQt::MessageBoxStyle style;
  style.plainText = true;
  ShellQt::ShowMessageBox(text, InstallerWindow::MessageCaption, MessageIcon::None,
                          MessageButtons::Ok, style);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(":/corvane/corvane.svg"));

  HostMachine machine(HostMachine::DirectoryInDataHome(MachineDirectoryName));
  if (!machine.Prepare()) {
    // No script is read yet, so both languages.
    ShowStartupMessage(std::string(InstallerText::MachineUnusable) + "\n" + machine.MachineFault());
    return 1;
  }
  machine.MirrorShellLinksOnDesktop(std::string(MachineDirectoryName));

  // The script path as received; the view removes enclosing quotes if still there.
  const std::string commandLinePath = argc > 1 ? std::string(argv[1]) : std::string();
  const std::string document = CommandLineDocumentPath(commandLinePath);
  if (!document.empty() && !CommandLineDocumentOpens(machine, document)) {
    ShowStartupMessage(DocumentNotOpenedMessage(document));
    return 1;
  }
  CorvaneSession session(machine, commandLinePath);
  session.SetWorkingDirectory(machine.ToWindowsPath(QDir::currentPath().toStdString()));
  if (const ProcessEnd end = session.InitialUpdate()) return *end;

  QTranslator qtTranslator;
  if (session.French() &&
      qtTranslator.load(QLocale(QLocale::French), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTranslator);

  session.Show();
  QApplication::exec();
  // Closing the window before the run ends it is no success.
  return session.ExitStatus().value_or(1);
}
