#include "analyser/frame/document_files.h"

std::string FrameTitle(std::string_view documentName) {
  const std::string_view name = documentName.empty() ? kUntitledName : documentName;
  return std::string(name) + " - " + kApplicationTitle;
}

std::string UntitledFileName() { return std::string(kUntitledName) + kSnapshotExtension; }
