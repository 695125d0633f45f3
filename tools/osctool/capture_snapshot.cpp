#include "tools/osctool/capture_snapshot.h"

#include <cstring>
#include <memory>

#include "analyser/capture/capture_engine.h"
#include "tools/osctool/inert_view_services.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/snapshot_io.h"
#include "tools/osctool/trigger_report.h"

int SaveCaptureAsSnapshot(const uint8_t (&buffer)[kCaptureBufferBytes], const QString& snapshotPath,
                          const QJsonObject& extra) {
  // Heap: a document and a view together are too large for the stack.
  auto analyser = std::make_unique<InertAnalyser>();
  ViewState& state = analyser->view.State();
  std::memcpy(state.captureBuffer, buffer, kCaptureBufferBytes);
  ConvertCaptureBuffer(state);
  analyser->document.AcceptBlock(state.samples);
  QString error;
  if (!WriteSnapshot(snapshotPath, analyser->document, error)) return FailWith(ExitStatus::InputOutput, error);
  PrintTriggerReport(analyser->document.Block().sumSamples, extra);
  return 0;
}
