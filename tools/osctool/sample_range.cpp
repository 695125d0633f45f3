#include "tools/osctool/sample_range.h"

#include <QStringList>

#include "analyser/document/sample_block.h"

bool ParseSampleRange(const QString& text, SampleRange& range, QString& error) {
  const QStringList ends = text.split(QLatin1Char(':'));
  bool firstOk = false, lastOk = false;
  const int first = ends.size() == 2 ? ends[0].toInt(&firstOk) : 0;
  const int last = ends.size() == 2 ? ends[1].toInt(&lastOk) : 0;
  if (!firstOk || !lastOk) {
    error = QStringLiteral("--range must be FIRST:LAST (two sample indices), not \"%1\"").arg(text);
    return false;
  }
  if (first < 0 || last > kSignificantSamples - 1 || first > last) {
    error = QStringLiteral("--range %1 is empty or outside the snapshot's indices 0..%2")
                .arg(text)
                .arg(kSignificantSamples - 1);
    return false;
  }
  range = SampleRange{first, last};
  return true;
}
