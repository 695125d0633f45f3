#pragma once
// Files osctool writes, whole or not at all: the bytes are made first, then written into a
// temporary file beside the target, flushed to the disk and checked, and only then renamed
// over it. A full disk or any other failure leaves an existing file as it was.
#include <QByteArray>
#include <QString>

// Replaces (or creates) `path` with `bytes`; a link is followed and its target replaced.
// On failure `error` holds one line, the system's reason in English.
bool WriteOutputFile(const QString& path, const QByteArray& bytes, QString& error);

// False, with one line in `error`, when `output` is the very file `input` is (under another
// name or through a link): writing it would destroy what is being read.
bool OutputSparesInput(const QString& input, const QString& output, QString& error);

// The system's text for an errno value, in English whatever the locale.
QString SystemReason(int errorNumber);
