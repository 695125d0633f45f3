// Whatever the registry holds for the HTML file types and their open commands, finding
// the browser must end in nothing or in a program text taken from a registered command.
// The input is zero-separated: the ".htm" file type, the ".html" file type, the open
// command of the first type, the open command of the second.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analyser/settings/page_launcher.h"
#include "tests/support/memory_machine.h"
#include "tests/support/view_doubles.h"

namespace {

class NoDesktopHandler : public IHtmlHandlerSource {
 public:
  std::optional<std::string> DefaultHtmlHandler() override { return std::nullopt; }
};

class PrefixedHostPaths : public IHostPaths {
 public:
  std::optional<std::string> ToHostPath(std::string_view windowsPath) override {
    return "/host/" + std::string(windowsPath);
  }
};

class RecordingStarter : public IProgramStarter {
 public:
  bool StartProgram(std::string_view program, const std::string_view*, int) override {
    started.emplace_back(program);
    return true;
  }
  std::vector<std::string> started;
};

std::vector<std::string> Fields(std::string_view input, size_t count) {
  std::vector<std::string> fields;
  while (fields.size() + 1 < count) {
    const size_t zero = input.find('\0');
    if (zero == std::string_view::npos) break;
    fields.emplace_back(input.substr(0, zero));
    input.remove_prefix(zero + 1);
  }
  fields.emplace_back(input);
  fields.resize(count);
  return fields;
}

bool EndsWithExe(std::string_view text) {
  if (text.size() < 4) return false;
  std::string tail(text.substr(text.size() - 4));
  for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return tail == ".exe";
}

// A browser found in `command` is a part of it that ends in ".exe".
void CheckTakenFrom(const std::optional<std::string>& browser, std::string_view command) {
  if (!browser) return;
  if (!EndsWithExe(*browser) || command.find(*browser) == std::string_view::npos) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> f = Fields(input, 4);
  const std::string classes = "SOFTWARE\\Classes\\";
  const std::string open = "\\Shell\\Open\\Command";

  MemoryMachine machine;
  machine.WriteRegistryString(RegistryRoot::LocalMachine, classes + ".htm", "", f[0]);
  machine.WriteRegistryString(RegistryRoot::LocalMachine, classes + ".html", "", f[1]);
  machine.WriteRegistryString(RegistryRoot::LocalMachine, classes + f[0] + open, "", f[2]);
  machine.WriteRegistryString(RegistryRoot::LocalMachine, classes + f[1] + open, "", f[3]);

  CheckTakenFrom(BrowserFromOpenCommand(f[2]), f[2]);
  NoDesktopHandler desktop;
  PrefixedHostPaths hostPaths;
  RecordingStarter starter;
  ScriptedMessages messages;
  PageLauncher launcher({machine, hostPaths, desktop, messages, starter}, kHelpPage);
  // What the registry gives back is at most the read limit, whatever was written.
  std::string htmCommand, htmlCommand;
  const auto registered = [&](const std::string& type, std::string& command) {
    machine.ReadRegistryString(RegistryRoot::LocalMachine, classes + type + open, "",
                               kRegistryStringLimit, command);
  };
  registered(f[0], htmCommand);
  registered(f[1], htmlCommand);
  CheckTakenFrom(launcher.FindBrowser(".htm"), htmCommand);
  launcher.LaunchPage();
  if (starter.started.size() > 1) __builtin_trap();
  if (starter.started.empty() != (messages.shown.size() == 1 &&
                                  messages.shown[0].text == kNoBrowserMessage))
    __builtin_trap();
  return 0;
}
