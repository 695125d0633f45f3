#pragma once
// The one QApplication of a Qt test program, offscreen unless told otherwise. It is never
// destroyed: tearing Qt down after a window was shown crashes at exit.
#include <QApplication>

inline QApplication& EnsureApplication() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  return *new QApplication(argc, argv);
}
