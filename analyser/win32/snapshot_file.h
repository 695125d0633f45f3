#pragma once
// Snapshot files on a Windows disk. Only a regular file opens (a pipe, a console or a
// port is refused before anything reads it); saving replaces the file atomically.
#include <string>

#include "analyser/document/sylvarine_doc.h"

// On failure `error` holds one line for the person and false is returned.
bool ReadSnapshotFile(const std::wstring& path, CSylvarineDoc& document, std::string& error);
bool WriteSnapshotFile(const std::wstring& path, const CSylvarineDoc& document, std::string& error);
