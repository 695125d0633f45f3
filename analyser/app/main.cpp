// Start-up of the analyser: locale, profile, document, command line, frame and view.
#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "analyser/app/main_frame.h"
#include "analyser/app/qt_view_host.h"
#include "analyser/frame/document_files.h"
#include "analyser/state/application_title.h"
#include "platform/linux/host_sound_input.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::system());
  // The interface is French, so Qt's own buttons and dialogs are too.
  QTranslator qtTranslator;
  if (qtTranslator.load(QStringLiteral("qtbase_fr"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTranslator);

  QCoreApplication::setOrganizationName(QString::fromLatin1(kRegistryKeyName));
  QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  QCoreApplication::setApplicationVersion(QStringLiteral(SYLVARINE_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("sylvarine"));
  QSettingsProfile profile;

  CSylvarineDoc document;
  document.OnNewDocument();

  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("snapshot"), QString::fromUtf8(kSnapshotFilter));
  parser.process(app);

  HostSoundInput sound;
  int status = 1;
  {
    CMainFrame frame(document, profile, sound);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || frame.OpenSnapshot(files.constFirst())) {
      frame.PlaceAndShow();
      status = QApplication::exec();
    }
  }
  // A sound library stuck in its own thread could hold up the exit handlers: the
  // preferences are saved by now, so the process just ends.
  if (ThreadedSoundInput::AbandonedThreads() > 0) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}
