#pragma once
// The version of the JSON that osctool prints (measure, spectrum and the trigger reports),
// raised whenever a member changes its meaning or goes.
constexpr int kReportSchemaVersion = 1;
