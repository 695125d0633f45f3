#include "tools/osctool/trigger_report.h"

#include <QJsonDocument>
#include <cstdio>

#include "tools/osctool/report_schema.h"

void PrintTriggerReport(const int32_t* sumSamples, const QJsonObject& extra) {
  const TriggerResult trigger = FindTrigger(sumSamples);
  QJsonObject report = extra;
  report["schemaVersion"] = kReportSchemaVersion;
  report["triggerFound"] = trigger.found;
  report["triggerOffset"] = trigger.offset;
  std::fputs(QJsonDocument(report).toJson(QJsonDocument::Compact).constData(), stdout);
  std::fputs("\n", stdout);
}
