#pragma once
// --range FIRST:LAST: a run of snapshot indices, both ends included, within 0..4010.
#include <QString>

struct SampleRange {
  int first = 0;
  int last = 0;
  int Count() const { return last - first + 1; }
};

// Parses "FIRST:LAST"; on failure `error` holds one line and false is returned.
bool ParseSampleRange(const QString& text, SampleRange& range, QString& error);
