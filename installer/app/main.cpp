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

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(":/corvane/corvane.svg"));

  HostMachine machine;
  if (!machine.IsReady()) {
    LogLine("error", "cannot prepare the machine directory " +
                         machine.MachineDirectory().toStdString());
    return 1;
  }

  // The script path as received; the view removes enclosing quotes if still there.
  const std::string commandLinePath = argc > 1 ? std::string(argv[1]) : std::string();
  const std::string document = CommandLineDocumentPath(commandLinePath);
  if (!document.empty() && !CommandLineDocumentOpens(machine, document)) {
    // No view exists yet: the box has no owner, and the process ends here.
    const std::string text = DocumentNotOpenedMessage(document);
    LogLine("message", text);
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(InstallerWindow::MessageCaption.data(),
                                                           InstallerWindow::MessageCaption.size()),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
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
  return QApplication::exec();
}
