#include "analyser/settings/page_launcher.h"

#include <utility>

#include "platform/portable/name_case.h"

namespace {

constexpr char kClassesKey[] = "SOFTWARE\\Classes\\";
constexpr char kOpenCommandSuffix[] = "\\Shell\\Open\\Command";

bool EndsWithExe(std::string_view text) {
  constexpr std::string_view kExe = ".exe";
  if (text.size() < kExe.size()) return false;
  const std::string_view tail = text.substr(text.size() - kExe.size());
  for (std::size_t i = 0; i < kExe.size(); ++i)
    if (AsciiLower(tail[i]) != kExe[i]) return false;
  return true;
}

bool StartsWithDrivePath(std::string_view text) {
  return text.size() >= 3 && text[1] == ':' && text[2] == '\\';
}

}  // namespace

std::optional<std::string> BrowserFromOpenCommand(std::string_view command) {
  std::string_view text = command;
  while (!text.empty() && !EndsWithExe(text)) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  std::string_view path = text;
  while (path.size() >= 4 && !StartsWithDrivePath(path)) path.remove_prefix(1);
  if (!StartsWithDrivePath(path)) {
    // A network path or a bare program name: keep it whole rather than a stub of it.
    path = text;
    while (!path.empty() && (path.front() == '"' || path.front() == ' ')) path.remove_prefix(1);
  }
  return std::string(path);
}

PageLauncher::PageLauncher(const PageLauncherServices& services, std::string page,
                           std::string setupKey)
    : services_(services), page_(std::move(page)), setupKey_(std::move(setupKey)) {}

std::optional<std::string> PageLauncher::FindBrowser(std::string_view extension) {
  std::string fileType;
  if (!services_.machine.ReadRegistryString(RegistryRoot::LocalMachine,
                                            std::string(kClassesKey) + std::string(extension), "",
                                            kRegistryStringLimit, fileType))
    return std::nullopt;
  std::string command;
  if (!services_.machine.ReadRegistryString(RegistryRoot::LocalMachine,
                                            kClassesKey + fileType + kOpenCommandSuffix, "",
                                            kRegistryStringLimit, command))
    return std::nullopt;
  return BrowserFromOpenCommand(command);
}

std::string PageLauncher::ReadInstallDirectory(std::string_view setupKey) {
  std::string directory;
  if (!services_.machine.ReadRegistryString(RegistryRoot::LocalMachine, setupKey,
                                            "DestinationPath", kRegistryStringLimit, directory)) {
    Warn(kNoInstallDirectoryMessage);
    return {};
  }
  return directory;
}

std::optional<std::string> PageLauncher::StartableProgram(const std::string& windowsPath) {
  // A bare name is looked up on the search path, as the platform does.
  if (windowsPath.find_first_of("\\/:") == std::string::npos) return windowsPath;
  return services_.hostPaths.ToHostPath(windowsPath);
}

std::optional<std::string> PageLauncher::LocateBrowser() {
  for (std::string_view extension : {".htm", ".html"}) {
    if (auto browser = FindBrowser(extension)) {
      if (auto program = StartableProgram(*browser)) return program;
    }
  }
  return services_.desktop.DefaultHtmlHandler();
}

void PageLauncher::LaunchPage() {
  const std::optional<std::string> browser = LocateBrowser();
  if (!browser) {
    Warn(kNoBrowserMessage);
    return;
  }
  const std::string page = ReadInstallDirectory(setupKey_) + page_;
  // With no directory the page name stays relative, for the browser to resolve.
  const std::string argument = services_.hostPaths.ToHostPath(page).value_or(page);
  const std::string_view arguments[] = {argument};
  services_.starter.StartProgram(*browser, arguments, 1);  // a failed start is not reported
}

void PageLauncher::Warn(std::string_view text) {
  services_.messages.ShowMessage(text, kApplicationTitle, MessageIcon::Warning, MessageButtons::Ok,
                                 true);
}

void MachineFaultNotice::Tell(const IMachine& machine, IMessageBox& messages) {
  const std::string fault = machine.MachineFault();
  if (fault.empty() || !told_.insert(fault).second) return;
  messages.ShowMessage(kMachineFaultLead + fault, kApplicationTitle, MessageIcon::Warning,
                       MessageButtons::Ok, true);
}
