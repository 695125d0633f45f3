// setup: the script-driven installer and, copied as CRVunins.exe, its uninstaller.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "installer/app/corvane_window.h"
#include "installer/app/shell_log.h"
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
  CorvaneWindow window(machine, commandLinePath);
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
