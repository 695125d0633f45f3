// Finding, reading and cutting the setup script; the opening of the uninstall log.
#include <vector>

#include "installer/corvane_view.h"
#include "platform/portable/text_encoding.h"

namespace {

constexpr std::string_view LineEnd = "\r\n";

}  // namespace

// Reads a script whole; a file without the signature, or longer than a script
// may be, is not accepted.
CCorvaneView::ScriptFile CCorvaneView::ReadScriptFile(std::string_view path) {
  const IMachine::FileHandle file = machine_.OpenForReading(path);
  if (file < 0) return ScriptFile::NotAccepted;
  std::vector<uint8_t> scriptText(SetupScript::MaxScriptBytes);
  std::size_t length = 0;
  bool fits = true;
  while (true) {
    if (length == scriptText.size()) {
      uint8_t probe = 0;
      fits = machine_.ReadFile(file, &probe, 1) == 0;
      break;
    }
    const int64_t got = machine_.ReadFile(file, scriptText.data() + length, scriptText.size() - length);
    if (got <= 0) {
      fits = got == 0;
      break;
    }
    length += static_cast<std::size_t>(got);
  }
  machine_.CloseFile(file);
  const std::string_view bytes(reinterpret_cast<const char*>(scriptText.data()), length);
  if (!fits || !SetupScript::HasSignature(bytes)) return ScriptFile::NotAccepted;
  if (!SetupScript::CutEntries(Cp1252ToUtf8(bytes), entries_)) return ScriptFile::TooManyEntries;
  return ScriptFile::Loaded;
}

Flow CCorvaneView::LoadScript() {
  ScriptFile read = ReadScriptFile(ScriptFileName);
  if (read == ScriptFile::NotAccepted && !commandLinePath_.empty())
    read = ReadScriptFile(commandLinePath_);
  if (read == ScriptFile::TooManyEntries) return ScriptError();
  if (read == ScriptFile::NotAccepted) {
    ShowMessage(InstallerText::NoScript);
    return QuitInstaller();
  }
  StartUninstallLog();
  return Flow::Continue;
}

void CCorvaneView::StartUninstallLog() {
  uninstallLog_.clear();
  uninstallLog_.append("CRV").append(LineEnd).append(LineEnd);
  uninstallLog_.append("This file was created by Corvane.").append(LineEnd);
  uninstallLog_
      .append("Do not modify this file. It contains information about the uninstallation of a "
              "program.")
      .append(LineEnd)
      .append(LineEnd);
  for (std::string_view entry : {std::string_view(Entry(0)), std::string_view(Entry(1)),
                                 std::string_view("UNINSTAL"), std::string_view(Entry(3))})
    uninstallLog_.append("<").append(entry).append(">").append(LineEnd);
  for (int i = 0; i < 3; ++i) uninstallLog_.append("<..>").append(LineEnd);
  uninstallLog_.append("<SCRIPT>");
}

void CCorvaneView::AppendRemovalRecord(std::string_view path) {
  uninstallLog_.append(LineEnd).append("<DELETE><").append(path).append(">");
}
