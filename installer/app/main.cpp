// setup: the script-driven installer and, copied as CRVunins.exe, its uninstaller.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <string>

#include "installer/app/corvane_window.h"
#include "installer/app/shell_log.h"
#include "installer/installer_window_layout.h"
#include "platform/linux/host_machine.h"

namespace {

// The machine this installer installs on, under the XDG data home; the analyser
// reads the same one.
constexpr std::string_view MachineDirectoryName = "corvane-machine";

// No view exists yet: the box has no owner, and the process ends after it.
void ShowStartupMessage(const std::string& text) {
  LogLine("message", text);
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(InstallerWindow::MessageCaption.data(),
                                                         InstallerWindow::MessageCaption.size()),
                  QString::fromStdString(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
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
  CorvaneWindow window(machine, commandLinePath);
  window.SetWorkingDirectory(machine.ToWindowsPath(QDir::currentPath().toStdString()));
  window.InitialUpdate();

  QTranslator qtTranslator;
  if (window.French() &&
      qtTranslator.load(QLocale(QLocale::French), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTranslator);

  window.PlaceOnScreen();
  window.show();
  QApplication::exec();
  // A completed mode ends the process itself; closing the window before is no success.
  return 1;
}
