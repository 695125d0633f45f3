// Opening the help and web pages: the registered browser's open command, the
// installation directory, the desktop's browser as a fallback, the two messages.
#include <gtest/gtest.h>

#include <vector>

#include "analyser/settings/page_launcher.h"
#include "platform/portable/windows_path.h"
#include "tests/support/memory_machine.h"
#include "tests/support/view_doubles.h"

namespace {

TEST(BrowserFromOpenCommand, TakesTheQuotedExecutableWithoutOptionOrPlaceholder) {
  EXPECT_EQ(BrowserFromOpenCommand("\"C:\\Program Files\\Web\\browser.exe\" -nohome \"%1\""),
            "C:\\Program Files\\Web\\browser.exe");
  EXPECT_EQ(BrowserFromOpenCommand("  C:\\WEB\\VIEW.EXE %1"), "C:\\WEB\\VIEW.EXE");
  EXPECT_EQ(BrowserFromOpenCommand("C:\\web\\Viewer.Exe"), "C:\\web\\Viewer.Exe");
}

TEST(BrowserFromOpenCommand, WithTwoExecutablesCutsAfterTheLastOne) {
  EXPECT_EQ(BrowserFromOpenCommand("C:\\run\\launch.exe C:\\web\\browser.exe -url %1"),
            "C:\\run\\launch.exe C:\\web\\browser.exe");
}

TEST(BrowserFromOpenCommand, WithoutExeThereIsNoBrowser) {
  EXPECT_EQ(BrowserFromOpenCommand("\"C:\\web\\browser\" %1"), std::nullopt);
  EXPECT_EQ(BrowserFromOpenCommand(""), std::nullopt);
  EXPECT_EQ(BrowserFromOpenCommand(".ex"), std::nullopt);
}

TEST(BrowserFromOpenCommand, APathWithoutDriveLetterIsKeptWhole) {
  EXPECT_EQ(BrowserFromOpenCommand("\"\\\\server\\apps\\web.exe\" %1"), "\\\\server\\apps\\web.exe");
  EXPECT_EQ(BrowserFromOpenCommand("browser.exe %1"), "browser.exe");
  EXPECT_EQ(BrowserFromOpenCommand("\".exe\""), ".exe");
}

class FixedHostPaths : public IHostPaths {
 public:
  std::optional<std::string> ToHostPath(std::string_view windowsPath) override {
    return WindowsPathToHost(windowsPath, "/machine");
  }
};

class FixedDesktop : public IHtmlHandlerSource {
 public:
  std::optional<std::string> DefaultHtmlHandler() override {
    ++asked;
    return handler;
  }
  std::optional<std::string> handler;
  int asked = 0;
};

class RecordingStarter : public IProgramStarter {
 public:
  struct Start {
    std::string program;
    std::vector<std::string> arguments;
  };
  bool StartProgram(std::string_view program, const std::string_view* arguments,
                    int argumentCount) override {
    Start start{std::string(program), {}};
    for (int i = 0; i < argumentCount; ++i) start.arguments.emplace_back(arguments[i]);
    starts.push_back(start);
    return succeeds;
  }
  std::vector<Start> starts;
  bool succeeds = true;
};

class PageLauncherTest : public ::testing::Test {
 protected:
  void RegisterBrowser(const char* extension, const char* fileType, const char* command) {
    machine.localMachine.SetString(std::string("SOFTWARE\\Classes\\") + extension, "", fileType);
    machine.localMachine.SetString(
        std::string("SOFTWARE\\Classes\\") + fileType + "\\Shell\\Open\\Command", "", command);
  }
  void RecordDestination(const std::string& directory) {
    machine.localMachine.SetString("Software\\Kelvory\\Sylvarine\\SetupInfo", "DestinationPath",
                                   directory);
  }
  void Launch(const char* page) {
    PageLauncher launcher(PageLauncherServices{machine, paths, desktop, messages, starter}, page);
    launcher.LaunchPage();
  }
  void ExpectOneWarning(const char* text) {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text);
    EXPECT_EQ(messages.shown[0].caption, "Sylvarine");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
  }

  MemoryMachine machine;
  FixedHostPaths paths;
  FixedDesktop desktop;
  ScriptedMessages messages;
  RecordingStarter starter;
};

TEST_F(PageLauncherTest, StartsTheRegisteredBrowserOnTheInstalledPage) {
  RegisterBrowser(".htm", "htmlfile", "\"C:\\Web\\BROWSER.EXE\" -nohome \"%1\"");
  RecordDestination("C:\\Program Files\\Sylvarine\\");
  desktop.handler = "/usr/bin/desktop-browser";
  Launch("help.htm");
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(starter.starts.size(), 1u);
  EXPECT_EQ(starter.starts[0].program, "/machine/drive_c/Web/BROWSER.EXE");
  EXPECT_EQ(starter.starts[0].arguments,
            std::vector<std::string>{"/machine/drive_c/Program Files/Sylvarine/help.htm"});
  EXPECT_EQ(desktop.asked, 0);
}

TEST_F(PageLauncherTest, FallsBackToHtmlThenToTheDesktopsBrowser) {
  RegisterBrowser(".html", "webpage", "Z:\\opt\\web\\web.exe %1");
  RecordDestination("Z:\\opt\\sylvarine\\");
  Launch("connect.htm");
  ASSERT_EQ(starter.starts.size(), 1u);
  EXPECT_EQ(starter.starts[0].program, "/opt/web/web.exe");
  EXPECT_EQ(starter.starts[0].arguments[0], "/opt/sylvarine/connect.htm");

  machine.localMachine.DeleteKey("SOFTWARE\\Classes\\webpage");  // ".html" names a missing type
  desktop.handler = "/usr/bin/desktop-browser";
  Launch("connect.htm");
  ASSERT_EQ(starter.starts.size(), 2u);
  EXPECT_EQ(starter.starts[1].program, "/usr/bin/desktop-browser");
  EXPECT_EQ(starter.starts[1].arguments[0], "/opt/sylvarine/connect.htm");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PageLauncherTest, AnOpenCommandWithoutExeCountsAsNoBrowser) {
  RegisterBrowser(".htm", "htmlfile", "C:\\web\\browser %1");
  RecordDestination("C:\\S\\");
  Launch("help.htm");
  ExpectOneWarning("Impossible d'afficher l'aide.");
  EXPECT_TRUE(starter.starts.empty());
  EXPECT_EQ(desktop.asked, 1);
}

TEST_F(PageLauncherTest, ABareProgramNameIsLeftToTheSearchPath) {
  RegisterBrowser(".htm", "htmlfile", "webview.exe %1");
  RecordDestination("C:\\S\\");
  Launch("help.htm");
  ASSERT_EQ(starter.starts.size(), 1u);
  EXPECT_EQ(starter.starts[0].program, "webview.exe");
}

TEST_F(PageLauncherTest, ANetworkBrowserIsPassedOverForTheDesktopsOne) {
  RegisterBrowser(".htm", "htmlfile", "\"\\\\server\\web.exe\" %1");
  RecordDestination("C:\\S\\");
  desktop.handler = "/usr/bin/desktop-browser";
  Launch("help.htm");
  ASSERT_EQ(starter.starts.size(), 1u);
  EXPECT_EQ(starter.starts[0].program, "/usr/bin/desktop-browser");
}

TEST_F(PageLauncherTest, WithNoBrowserAnywhereTellsTheUserAndStartsNothing) {
  RecordDestination("C:\\S\\");
  Launch("connect.htm");
  ExpectOneWarning("Impossible d'afficher l'aide.");
  EXPECT_TRUE(starter.starts.empty());
}

TEST_F(PageLauncherTest, WithoutDestinationPathWarnsOnceAndPassesThePageAlone) {
  desktop.handler = "/usr/bin/desktop-browser";
  Launch("help.htm");
  ExpectOneWarning("Une entrée du registre n'a pas été trouvée. Réinstallez le programme.");
  ASSERT_EQ(starter.starts.size(), 1u);
  EXPECT_EQ(starter.starts[0].arguments, std::vector<std::string>{"help.htm"});

  // The key exists but holds no "DestinationPath": the same.
  messages.shown.clear();
  machine.localMachine.SetString("Software\\Kelvory\\Sylvarine\\SetupInfo", "Other", "x");
  Launch("connect.htm");
  ExpectOneWarning("Une entrée du registre n'a pas été trouvée. Réinstallez le programme.");
  EXPECT_EQ(starter.starts[1].arguments, std::vector<std::string>{"connect.htm"});
}

TEST_F(PageLauncherTest, ADestinationPathOver298CharactersCountsAsMissing) {
  desktop.handler = "/usr/bin/desktop-browser";
  PageLauncher launcher(PageLauncherServices{machine, paths, desktop, messages, starter},
                        "help.htm");
  const std::string fits = "Z:\\" + std::string(294, 'd') + "\\";  // 298 bytes and the zero
  RecordDestination(fits);
  EXPECT_EQ(launcher.ReadInstallDirectory(kSetupKey), fits);
  EXPECT_TRUE(messages.shown.empty());
  RecordDestination(fits + "e");
  EXPECT_EQ(launcher.ReadInstallDirectory(kSetupKey), "");
  ExpectOneWarning("Une entrée du registre n'a pas été trouvée. Réinstallez le programme.");
}

TEST_F(PageLauncherTest, AFailedStartIsNotReported) {
  desktop.handler = "/nowhere/browser";
  RecordDestination("C:\\S\\");
  starter.succeeds = false;
  Launch("help.htm");
  EXPECT_EQ(starter.starts.size(), 1u);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
