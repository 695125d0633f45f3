// Finding, reading and cutting the setup script; the meaning of its header entries.
#include <vector>

#include "installer/script/command_line.h"
#include "installer/script/setup_script.h"
#include "platform/portable/text_encoding.h"

CSetupScript::CSetupScript(IMachine& machine, CInstallerPrompts& prompts,
                           CInstallOperations& operations, std::string commandLinePath)
    : machine_(machine),
      prompts_(prompts),
      operations_(operations),
      commandLinePath_(CommandLineDocumentPath(std::move(commandLinePath))) {}

const std::string& CSetupScript::Entry(std::size_t index) const {
  static const std::string empty;
  return index < entryTable_.size() ? entryTable_[index] : empty;
}

bool CSetupScript::EntryIs(std::size_t index, std::string_view lower,
                           std::string_view upper) const {
  return Entry(index) == lower || Entry(index) == upper;
}

CSetupScript::Mode CSetupScript::RunMode() const {
  if (EntryIs(2, "instal", "INSTAL")) return Mode::Install;
  if (EntryIs(2, "uninstal", "UNINSTAL")) return Mode::Uninstall;
  if (EntryIs(2, "update", "UPDATE")) return Mode::Update;
  if (EntryIs(2, "autoinstal", "AUTOINSTAL")) return Mode::AutoInstall;
  return Mode::None;
}

// Reads a script whole; a file without the signature, or longer than a script
// may be, is not accepted.
CSetupScript::ScriptFile CSetupScript::ReadScriptFile(std::string_view path) {
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
    const int64_t got =
        machine_.ReadFile(file, scriptText.data() + length, scriptText.size() - length);
    if (got <= 0) {
      fits = got == 0;
      break;
    }
    length += static_cast<std::size_t>(got);
  }
  machine_.CloseFile(file);
  const std::string_view bytes(reinterpret_cast<const char*>(scriptText.data()), length);
  if (!fits || !SetupScript::HasSignature(bytes)) return ScriptFile::NotAccepted;
  const bool cut = SetupScript::CutEntries(Cp1252ToUtf8(bytes), entryTable_);
  prompts_.SetFrench(Entry(1) == "FR");
  return cut ? ScriptFile::Loaded : ScriptFile::TooManyEntries;
}

Flow CSetupScript::LoadScript() {
  ScriptFile read = ReadScriptFile(ScriptFileName);
  if (read == ScriptFile::NotAccepted && !commandLinePath_.empty())
    read = ReadScriptFile(commandLinePath_);
  if (read == ScriptFile::TooManyEntries) return ScriptError();
  if (read == ScriptFile::NotAccepted) {
    prompts_.ShowMessage(InstallerText::NoScript);
    return prompts_.QuitInstaller();
  }
  operations_.UseProduct(ProductEntries{Entry(0), Entry(1), Entry(3), Entry(4),
                                        EntryIs(6, "testdepend", "TESTDEPEND")});
  return Flow::Continue;
}

Flow CSetupScript::ScriptError() {
  prompts_.ShowMessage(prompts_.Pick(InstallerText::ScriptError));
  return prompts_.QuitInstaller();
}
