#pragma once
// Each sub-command takes its own arguments (after the command name) and returns
// the exit status: 0 done, 2 for any error, reported in one line on stderr.
#include <QStringList>

int RunSpectrumCommand(const QStringList& arguments);
int RunFromRawCommand(const QStringList& arguments);
int RunFromWavCommand(const QStringList& arguments);
int RunTriggerCommand(const QStringList& arguments);
int RunRenderCommand(const QStringList& arguments);
int RunCaptureCommand(const QStringList& arguments);
int RunMeasureCommand(const QStringList& arguments);
int RunExportCommand(const QStringList& arguments);

// Prints "osctool: <message>" on stderr and returns 2.
int FailWith(const QString& message);
// Prints "osctool: warning: <message>" on stderr; the command goes on.
void WarnWith(const QString& message);
