#include "tools/osctool/output_file.h"
#include "tools/osctool/snapshot_export.h"

bool WriteCsvExport(const SampleBlock& block, const SampleRange& range, const QString& path,
                    QString& error) {
  QByteArray text = "index,time_ms,right,left,sum,difference\n";
  for (int k = range.first; k <= range.last; ++k) {
    text += QByteArray::number(k) + ',' + QByteArray::number(k * 1000.0 / 44100.0, 'f', 3) + ',' +
            QByteArray::number(block.rightSamples[k]) + ',' +
            QByteArray::number(block.leftSamples[k]) + ',' +
            QByteArray::number(block.sumSamples[k]) + ',' +
            QByteArray::number(block.differenceSamples[k]) + '\n';
  }
  return WriteOutputFile(path, text, error);
}
