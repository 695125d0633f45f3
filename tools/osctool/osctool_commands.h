#pragma once
// Each sub-command takes its own arguments (after the command name) and returns the exit
// status (diagnostics.h), an error reported in one line on stderr.
#include <QStringList>

#include "tools/osctool/diagnostics.h"

int RunSpectrumCommand(const QStringList& arguments);
int RunFromRawCommand(const QStringList& arguments);
int RunFromWavCommand(const QStringList& arguments);
int RunTriggerCommand(const QStringList& arguments);
int RunRenderCommand(const QStringList& arguments);
int RunCaptureCommand(const QStringList& arguments);
int RunMeasureCommand(const QStringList& arguments);
int RunExportCommand(const QStringList& arguments);
