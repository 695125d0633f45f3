#pragma once
// The one path from a capture buffer to a snapshot file, shared by every converter.
#include <QJsonObject>
#include <QString>
#include <cstdint>

#include "analyser/state/view_state.h"

// Converts the buffer as one collect into a fresh (all-zero) block, saves that block to
// snapshotPath and prints the trigger report. Returns the exit status (2 after reporting
// an error, and then nothing is written). `extra` adds its members to the report.
int SaveCaptureAsSnapshot(const uint8_t (&buffer)[kCaptureBufferBytes], const QString& snapshotPath,
                          const QJsonObject& extra = {});
