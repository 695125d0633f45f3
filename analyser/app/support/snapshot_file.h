#pragma once
// Snapshot files on disk. Saving replaces an existing file atomically.
#include <QString>

#include "analyser/document/sylvarine_doc.h"

// On failure `error` holds the one line the person is told, and false is returned.
bool ReadSnapshotFile(const QString& path, CSylvarineDoc& document, QString& error);
bool WriteSnapshotFile(const QString& path, const CSylvarineDoc& document, QString& error);
