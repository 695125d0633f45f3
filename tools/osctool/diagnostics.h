#pragma once
// How osctool ends and what it says on the way: one line on stderr per error, and an exit
// status that tells the kind of failure.
#include <QString>

enum class ExitStatus : int {
  Done = 0,
  InputOutput = 1,        // a file cannot be read or written, or is not what it must be
  Usage = 2,              // the command line is wrong
  NoSoundDevice = 3,      // the sound device cannot be opened
  SoundDeviceFailed = 4,  // the sound device failed or delivered nothing while recording
};

constexpr int StatusOf(ExitStatus status) { return static_cast<int>(status); }

// Prints "osctool: <message>" on stderr and returns the status of `kind`.
int FailWith(ExitStatus kind, const QString& message);
// Prints "osctool: warning: <message>" on stderr; the command goes on.
void WarnWith(const QString& message);
