#include "installer/script/command_line.h"

#include "installer/prompts/installer_texts.h"
#include "platform/portable/windows_path.h"

// Only enclosing quotes are removed: cutting the first and last characters of a path
// that has none would name another file.
std::string CommandLineDocumentPath(std::string argument) {
  if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
    argument = argument.substr(1, argument.size() - 2);
  return TypedPathToWindows(argument);
}

bool CommandLineDocumentOpens(IMachine& machine, std::string_view documentPath) {
  const IMachine::FileHandle file = machine.OpenForReading(documentPath);
  if (file < 0) return false;
  machine.CloseFile(file);
  return true;
}

std::string DocumentNotOpenedMessage(std::string_view documentPath) {
  std::string text(InstallerText::DocumentNotOpenedStart);
  text.append(documentPath).append(InstallerText::DocumentNotOpenedMiddle);
  text.append(documentPath).append(InstallerText::DocumentNotOpenedEnd);
  return text;
}
