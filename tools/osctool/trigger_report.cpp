#include "tools/osctool/trigger_report.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

void PrintTriggerReport(const int32_t* sumSamples) {
  const TriggerResult trigger = FindTrigger(sumSamples);
  const QJsonObject report{{"triggerFound", trigger.found}, {"triggerOffset", trigger.offset}};
  std::fputs(QJsonDocument(report).toJson(QJsonDocument::Compact).constData(), stdout);
  std::fputs("\n", stdout);
}
