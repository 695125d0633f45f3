// The two walks of the command list: installing (and updating), uninstalling.
#include <array>

#include "installer/script/setup_script.h"

namespace {

enum class CommandKind {
  CreateSubdirectory,
  CopyToDestination,
  CopyToSubdirectory,
  CopyToWindows,
  CopyToSystem,
  CreateGroup,
  GroupLink,
  StartMenuLink,
  StartupLink,
  DesktopLink,
};

struct Command {
  std::string_view keyword;
  CommandKind kind;
  int slot;  // subdirectory slot, for the commands that use one
};

// In the order the keywords are compared.
constexpr std::array<Command, 18> Commands{{
    {"CREATESREP1", CommandKind::CreateSubdirectory, 1},
    {"CREATESREP2", CommandKind::CreateSubdirectory, 2},
    {"CREATESREP3", CommandKind::CreateSubdirectory, 3},
    {"CREATESREP4", CommandKind::CreateSubdirectory, 4},
    {"CREATESREP5", CommandKind::CreateSubdirectory, 5},
    {"COPYREP", CommandKind::CopyToDestination, 0},
    {"COPYSREP1", CommandKind::CopyToSubdirectory, 1},
    {"COPYSREP2", CommandKind::CopyToSubdirectory, 2},
    {"COPYSREP3", CommandKind::CopyToSubdirectory, 3},
    {"COPYSREP4", CommandKind::CopyToSubdirectory, 4},
    {"COPYSREP5", CommandKind::CopyToSubdirectory, 5},
    {"COPYWIN", CommandKind::CopyToWindows, 0},
    {"COPYSYS", CommandKind::CopyToSystem, 0},
    {"CREATEGROUPE", CommandKind::CreateGroup, 0},
    {"CREATEGROUPELINK", CommandKind::GroupLink, 0},
    {"CREATEDEMARLINK", CommandKind::StartMenuLink, 0},
    {"CREATEAUTOSTARTLINK", CommandKind::StartupLink, 0},
    {"CREATEDESKTOPLINK", CommandKind::DesktopLink, 0},
}};

const Command* FindCommand(const std::string& entry) {
  for (const Command& command : Commands)
    if (entry == command.keyword) return &command;
  return nullptr;
}

int OperandCount(CommandKind kind) {
  return kind == CommandKind::CreateSubdirectory || kind == CommandKind::CreateGroup ? 1 : 3;
}

}  // namespace

// The index after the first "SCRIPT"; a script without one has no command list.
std::optional<std::size_t> CSetupScript::CommandListStart() const {
  for (std::size_t i = 0; i < entryTable_.size(); ++i)
    if (entryTable_[i] == "SCRIPT") return i + 1;
  return std::nullopt;
}

Flow CSetupScript::RunScript() {
  const std::optional<std::size_t> start = CommandListStart();
  if (!start) return ScriptError();
  const std::string& destinationDir = operations_.DestinationDir();
  const ShellFolders& folders = operations_.Folders();
  std::size_t p = *start;
  while (const Command* command = FindCommand(Entry(p))) {
    const std::string& first = Entry(p + 1);
    const std::string& second = Entry(p + 2);
    const std::string& flag = Entry(p + 3);
    const auto slot = static_cast<std::size_t>(command->slot);
    Flow flow = Flow::Continue;
    switch (command->kind) {
      case CommandKind::CreateSubdirectory:
        prompts_.ShowStatus(prompts_.Pick(InstallerText::CreateSubdirectory));
        subdirectory_[slot] = destinationDir + first + "\\";
        operations_.CreateOneDirectory(subdirectory_[slot]);
        break;
      case CommandKind::CreateGroup:
        groupDir_ = folders.programsDir + "\\" + first + "\\";
        operations_.CreateOneDirectory(groupDir_);
        break;
      case CommandKind::CopyToDestination:
        flow = operations_.CopyFileEntry(first, destinationDir, second, flag);
        break;
      case CommandKind::CopyToSubdirectory:
        flow = operations_.CopyFileEntry(first, subdirectory_[slot], second, flag);
        break;
      case CommandKind::CopyToWindows:
        flow = operations_.CopyFileEntry(first, operations_.WindowsDirectory(), second, flag,
                                         CInstallOperations::CopyKind::WindowsDirectory);
        break;
      case CommandKind::CopyToSystem:
        flow = operations_.CopyFileEntry(first, operations_.SystemDirectory(), second, flag);
        break;
      case CommandKind::GroupLink:
        operations_.MakeShortcut(groupDir_ + first + ".lnk", second, flag);
        break;
      case CommandKind::StartMenuLink:
        operations_.MakeShortcut(folders.startMenuDir + "\\" + first + ".lnk", second, flag);
        break;
      case CommandKind::StartupLink:
        operations_.MakeShortcut(folders.startupDir + "\\" + first + ".lnk", second, flag);
        break;
      case CommandKind::DesktopLink:
        operations_.MakeShortcut(folders.desktopDir + "\\" + first + ".lnk", second, flag);
        break;
    }
    if (flow == Flow::Quit) return Flow::Quit;
    p += 1 + static_cast<std::size_t>(OperandCount(command->kind));
  }
  if (Entry(p) != "ENDSCRIPT") return ScriptError();
  return Flow::Continue;
}

Flow CSetupScript::RunUninstallScript() {
  const std::optional<std::size_t> start = CommandListStart();
  if (!start) return ScriptError();
  std::size_t p = *start;
  while (Entry(p) == "DELETE") {
    const std::string path = Entry(p + 1);
    prompts_.ShowStatus(path);
    operations_.DeleteListedFile(path);
    p += 2;
  }
  if (Entry(p) != "ENDSCRIPT") return ScriptError();
  return Flow::Continue;
}
