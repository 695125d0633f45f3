// Finding and loading the script, and the opening of the uninstall log.
#include "installer/script/command_line.h"
#include "tests/installer/golden_files.h"
#include "tests/installer/installer_fixture.h"

#include <utility>

TEST_F(InstallerTest, NoScriptAnywhereGivesTheBilingualMessageThenExit) {
  EXPECT_EQ(Start(), 1);
  EXPECT_EQ(ui.events,
            (std::vector<std::string>{"message: Can't find setup information file ! / Impossible "
                                      "de trouver le fichier d'informations !",
                                      "status: Exit...", "end: 1"}));
}

TEST_F(InstallerTest, WorkingDirectoryScriptWinsOverTheCommandLine) {
  ScriptHeader here;
  here.product = "Here";
  ScriptHeader there;
  there.product = "There";
  PutScript(MakeScript(here, "<ENDSCRIPT>"));
  PutScript(MakeScript(there, "<ENDSCRIPT>"), "C:\\other\\setup.inf");
  EXPECT_EQ(Start("\"C:\\other\\setup.inf\""), std::nullopt);
  EXPECT_EQ(view->StatusText(), "Here");
}

TEST_F(InstallerTest, FileWithoutSignatureIsPassedOverForTheCommandLine) {
  ScriptHeader there;
  there.product = "There";
  machine.AddFile("setup.inf", "crv<Here><EN><instal>");
  PutScript(MakeScript(there, "<ENDSCRIPT>"), "C:\\Program Files\\X\\uninst.inf");
  // Started with the quotes still on, or already removed by whoever started it.
  EXPECT_EQ(Start("\"C:\\Program Files\\X\\uninst.inf\""), std::nullopt);
  EXPECT_EQ(view->StatusText(), "There");
  EXPECT_EQ(Start("C:\\Program Files\\X\\uninst.inf"), std::nullopt);
  EXPECT_EQ(view->StatusText(), "There");
}

TEST_F(InstallerTest, HostPathOnTheCommandLineIsTakenAsItsZForm) {
  PutScript(MakeScript({}, "<ENDSCRIPT>"), "Z:\\tmp\\x\\setup.inf");
  EXPECT_EQ(Start("/tmp/x/setup.inf"), std::nullopt);
  EXPECT_EQ(view->StatusText(), "Sylvarine");
}

TEST_F(InstallerTest, ScriptTextIsReadAsWindows1252) {
  ScriptHeader h;
  h.product = "Démo";
  PutScript(MakeScript(h, "<ENDSCRIPT>"));
  EXPECT_EQ(Start(), std::nullopt);
  EXPECT_EQ(view->StatusText(), "Démo");
}

TEST_F(InstallerTest, ScriptOverTheLimitIsRefused) {
  std::string script = MakeScript({}, "<ENDSCRIPT>");
  script += std::string(SetupScript::MaxScriptBytes - script.size(), ' ');
  PutScript(script);
  EXPECT_EQ(Start(), std::nullopt) << "exactly the limit is accepted";

  PutScript(script + " ");
  EXPECT_EQ(Start(), 1);
  EXPECT_EQ(ui.messages.back(),
            "Can't find setup information file ! / Impossible de trouver le fichier "
            "d'informations !");
}

TEST_F(InstallerTest, ScriptWithTooManyEntriesIsAScriptError) {
  ScriptHeader h;
  h.language = "FR";
  std::string commands;
  for (int i = 0; i < 2500; ++i) commands += "<x>";
  PutScript(MakeScript(h, commands));
  EXPECT_EQ(Start(), 1);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"message: Erreur de script !",
                                                 "status: Quitter...", "end: 1"}));
}

TEST_F(InstallerTest, FirstPaintArmsTheStartTimerOnce) {
  PutScript(MakeScript({}, "<ENDSCRIPT>"));
  ASSERT_EQ(Start(), std::nullopt);
  EXPECT_EQ(timers.PeriodOf(InstallerTimer::Start), 2000u);
  EXPECT_EQ(timers.setCount, 1);
  view->OnPainted();
  EXPECT_EQ(timers.setCount, 1);
}

TEST_F(InstallerTest, UninstallLogOpensWithTheHeaderOfTheScript) {
  ScriptHeader h;
  h.product = "Prod";
  h.language = "XX";
  h.key = "Software\\K";
  PutScript(MakeScript(h, "<ENDSCRIPT>"));
  ASSERT_EQ(Start(), std::nullopt);
  // The opening of the checked-in log, with this script's entries 0, 1 and 3.
  std::string expected = Golden("uninst.inf");
  expected.erase(expected.find("<SCRIPT>") + 8);
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"<Sylvarine>", "<Prod>"},
                                 {"<EN>", "<XX>"},
                                 {"<Software\\Kelvory\\Sylvarine\\SetupInfo>", "<Software\\K>"}}) {
    const std::size_t at = expected.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    expected.replace(at, from.size(), to);
  }
  EXPECT_EQ(view->UninstallLog(), expected);
}

TEST(CommandLineDocument, QuotesAreRemovedOnlyWhenTheyEncloseThePath) {
  EXPECT_EQ(CommandLineDocumentPath("\"C:\\P\\uninst.inf\""), "C:\\P\\uninst.inf");
  EXPECT_EQ(CommandLineDocumentPath("C:\\P\\uninst.inf"), "C:\\P\\uninst.inf");
  EXPECT_EQ(CommandLineDocumentPath("\"/tmp/x/uninst.inf\""), "Z:\\tmp\\x\\uninst.inf");
  EXPECT_EQ(CommandLineDocumentPath(""), "");

  MemoryMachine machine;
  machine.AddFile("C:\\P\\uninst.inf", "CRV");
  EXPECT_TRUE(CommandLineDocumentOpens(machine, "C:\\P\\uninst.inf"));
  EXPECT_FALSE(CommandLineDocumentOpens(machine, "C:\\P\\gone.inf"));
  EXPECT_FALSE(CommandLineDocumentOpens(machine, "C:\\P"));
  EXPECT_EQ(machine.OpenHandleCount(), 0);
  EXPECT_EQ(DocumentNotOpenedMessage("C:\\P\\gone.inf"),
            "Can't open C:\\P\\gone.inf ! / Impossible d'ouvrir C:\\P\\gone.inf !");
}
