#pragma once
// Opens one of the program's HTML pages in the web browser: the browser the machine
// registers for HTML files, else the desktop's default one, started with the
// installation directory followed by the page as its one argument.
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "analyser/state/application_title.h"
#include "platform/machine.h"
#include "platform/message_box.h"
#include "platform/program_starter.h"

// The desktop's default program for HTML pages.
class IHtmlHandlerSource {
 public:
  virtual ~IHtmlHandlerSource() = default;
  // Host path of the program, or nothing when the desktop names none that exists.
  virtual std::optional<std::string> DefaultHtmlHandler() = 0;
};

// Where the machine's Windows paths live on the host.
class IHostPaths {
 public:
  virtual ~IHostPaths() = default;
  virtual std::optional<std::string> ToHostPath(std::string_view windowsPath) = 0;
};

struct PageLauncherServices {
  IMachine& machine;
  IHostPaths& hostPaths;
  IHtmlHandlerSource& desktop;
  IMessageBox& messages;
  IProgramStarter& starter;
};

constexpr char kSetupKey[] = "Software\\Kelvory\\Sylvarine\\SetupInfo\\";
constexpr char kHelpPage[] = "help.htm";
constexpr char kWebPage[] = "connect.htm";
constexpr char kNoBrowserMessage[] = "Impossible d'afficher l'aide.";
constexpr char kNoInstallDirectoryMessage[] =
    "Une entrée du registre n'a pas été trouvée. Réinstallez le programme.";
constexpr char kMachineFaultLead[] = "Problème de registre : ";
// Registry strings are read with a limit of 299 bytes, terminating zero included.
constexpr std::size_t kRegistryStringLimit = 299;

// The browser's executable in a registered open command: the text up to the last
// ".exe" (any case), from its drive-letter path on. A command without ".exe" gives
// nothing; one without a drive-letter path gives the text without its leading
// quotes and spaces.
std::optional<std::string> BrowserFromOpenCommand(std::string_view command);

class PageLauncher {
 public:
  PageLauncher(const PageLauncherServices& services, std::string page,
               std::string setupKey = kSetupKey);

  // The browser the machine registers for `extension` (".htm"), as a Windows path.
  std::optional<std::string> FindBrowser(std::string_view extension);
  // "DestinationPath" of `setupKey`; empty, after telling the user, when it cannot be read.
  std::string ReadInstallDirectory(std::string_view setupKey);
  // The registered browser for ".htm", then ".html", then the desktop's, as a host program.
  std::optional<std::string> LocateBrowser();

  void LaunchPage();

 private:
  void Warn(std::string_view text);
  std::optional<std::string> StartableProgram(const std::string& windowsPath);

  PageLauncherServices services_;
  std::string page_;
  std::string setupKey_;
};

// A damaged or unreadable registry file is told once per run, with its cause.
class MachineFaultNotice {
 public:
  void Tell(const IMachine& machine, IMessageBox& messages);

 private:
  std::set<std::string> told_;
};
