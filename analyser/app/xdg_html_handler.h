#pragma once
// The desktop's default browser: the desktop entry `xdg-mime` names for text/html,
// its program found on PATH.
#include <QString>
#include <optional>
#include <string>

#include "analyser/settings/page_launcher.h"

class XdgHtmlHandler : public IHtmlHandlerSource {
 public:
  std::optional<std::string> DefaultHtmlHandler() override;
};

// The program of a desktop entry's Exec line (its first word, quotes undone),
// or an empty text when the entry holds none.
QString ExecProgramOfDesktopEntry(const QString& desktopEntryText);
