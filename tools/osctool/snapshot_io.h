#pragma once
// Snapshot files as osctool reads and writes them: the analyser's format, osctool's words.
#include <QString>

#include "analyser/document/sylvarine_doc.h"

// Loads `path` into `document`: a regular file of at least one snapshot's bytes, and not a
// sound recording; a longer file is read with a warning. On failure `error` holds one line
// and false is returned.
bool ReadSnapshot(const QString& path, CSylvarineDoc& document, QString& error);
// Writes the document's block to `path`, whole or not at all.
bool WriteSnapshot(const QString& path, const CSylvarineDoc& document, QString& error);
