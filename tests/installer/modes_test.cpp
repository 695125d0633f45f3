// The four modes end to end on the in-memory machine, and the uninstall log bytes.
#include "tests/installer/golden_files.h"
#include "tests/installer/installer_fixture.h"

namespace {

const std::string kKey = "Software\\Kelvory\\Sylvarine\\SetupInfo";
const std::string kRemovalKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sylvarine";
// The log of the modes' install; every log opens and ends as it does.
const std::string& InstalledLog() {
  static const std::string log = Golden("uninst.inf");
  return log;
}
std::string LogOpening() { return InstalledLog().substr(0, InstalledLog().find("<SCRIPT>") + 8); }
std::string LogEnd() { return InstalledLog().substr(InstalledLog().rfind("\r\n<ENDSCRIPT>")); }

}  // namespace

class ModesTest : public InstallerTest {
 protected:
  ModesTest() {
    machine.AddFile("sylvarine.exe", "analyser", true);
    machine.AddFile("help.htm", "help");
    machine.AddFile("RAVEZ.DLL", kMz + "r");
    machine.AddFile("DUDUDO.DLL", kMz + "d");
  }
  static std::string Commands() {
    return "<COPYREP><sylvarine.exe><sylvarine.exe><DEL>\r\n"
           "<CREATESREP1><doc><COPYSREP1><help.htm><help.htm><DEL>\r\n"
           "<CREATEGROUPE><Sylvarine><CREATEGROUPELINK><Sylvarine><sylvarine.exe><DEL>\r\n"
           "<ENDSCRIPT>";
  }
  // Installs with the dialog answered by `typed`.
  int Install(const std::string& typed, ScriptHeader h = {}) {
    h.system = "SYSTEM";
    h.depend = "TESTDEPEND";
    PutScript(MakeScript(h, Commands()));
    ui.typed = typed;
    return Run();
  }
};

TEST_F(ModesTest, InstallShowsEveryStatusInOrderAndLeavesLogAndRegistration) {
  ui.typed = "C:\\Program Files\\Sylvarine";
  machine.AddDirectory("C:\\Program Files");
  EXPECT_EQ(Install("C:\\Program Files\\Sylvarine"), 0);
  EXPECT_EQ(ui.proposed, "C:\\Sylvarine") << "entry 4 as it stands";
  EXPECT_EQ(ui.askedPrompt,
            "Enter here the directory where you want to install this program or accept the "
            "proposed directory. (Recommended).");
  EXPECT_EQ(ui.statuses,
            (std::vector<std::string>{
                "HKEY_LOCAL_MACHINE", "Copy System Files...", "Copy Files...", "sylvarine.exe",
                "Test dependency of sylvarine.exe", "Create a subdirectory...", "help.htm",
                "Test dependency of help.htm", "Create uninstall information...",
                "Create Uninstall Informations...", "CRVunins.exe",
                "Test dependency of CRVunins.exe", "Create uninstall informations...",
                "Sylvarine installed ."}));
  EXPECT_EQ(ui.events.back(), "end: 0");
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"),
            "C:\\Program Files\\Sylvarine\\");
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kRemovalKey, "UninstallString"),
            "\"C:\\WINDOWS\\CRVunins.exe\" \"C:\\Program Files\\Sylvarine\\uninst.inf\"");
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kRemovalKey, "DisplayName"), "Sylvarine");
  EXPECT_EQ(machine.FileContents("C:\\WINDOWS\\CRVunins.exe"), "installer program");
  EXPECT_TRUE(machine.IsExecutable("C:\\WINDOWS\\CRVunins.exe"));
  EXPECT_TRUE(machine.IsExecutable("C:\\Program Files\\Sylvarine\\sylvarine.exe"));
  EXPECT_EQ(machine.FileContents("C:\\Program Files\\Sylvarine\\uninst.inf"), InstalledLog());
  EXPECT_TRUE(machine.HasFile("C:\\WINDOWS\\Start Menu\\Programs\\Sylvarine\\Sylvarine.lnk"));
}

TEST_F(ModesTest, FrenchInstallTexts) {
  ScriptHeader h;
  h.language = "FR";
  EXPECT_EQ(Install("C:\\S\\", h), 0);
  EXPECT_EQ(ui.askedPrompt,
            "Entrez ici le répertoire où vous voulez installer ce programme ou acceptez le "
            "repertoire proposé. (Conseillé).");
  EXPECT_EQ(ui.statuses[1], "Copie des Fichiers Système...");
  EXPECT_EQ(ui.statuses[4], "Controle des dépendances de sylvarine.exe");
  EXPECT_EQ(ui.statuses.back(), "Sylvarine installé .");
  // Accents reach the log as Windows-1252 bytes.
  h.product = "Démo";
  EXPECT_EQ(Install("C:\\D\\", h), 0);
  EXPECT_NE(machine.FileContents("C:\\D\\uninst.inf")->find("<D\xE9mo>"), std::string::npos);
}

TEST_F(ModesTest, CancelWritesNothing) {
  ui.destinationAnswer = DestinationAnswer::Cancel;
  EXPECT_EQ(Install("C:\\Elsewhere"), 1);
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Exit..."}));
  EXPECT_FALSE(machine.HasDirectory("C:\\Elsewhere"));
  EXPECT_FALSE(machine.HasDirectory("C:\\Sylvarine"));
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"), "<missing>");
}

TEST_F(ModesTest, AnotherDialogOutcomeKeepsTheProposal) {
  ui.destinationAnswer = DestinationAnswer::Other;
  EXPECT_EQ(Install("C:\\Elsewhere"), 0);
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"), "C:\\Sylvarine\\");
}

TEST_F(ModesTest, TypedHostPathIsStoredInItsZForm) {
  machine.AddDirectory("Z:\\home\\me");
  EXPECT_EQ(Install("/home/me/Sylvarine"), 0);
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"),
            "Z:\\home\\me\\Sylvarine\\");
  EXPECT_TRUE(machine.HasFile("Z:\\home\\me\\Sylvarine\\sylvarine.exe"));
}

TEST_F(ModesTest, RelativeDestinationIsStoredLoggedAndRegisteredWhole) {
  // Typed relative, from the root of the current drive, and with climbs: each
  // becomes the directory it names from the working directory Z:\medium.
  const std::pair<std::string, std::string> answers[] = {
      {"Sylvarine", "Z:\\medium\\Sylvarine\\"},
      {".\\Sub\\..\\Sylvarine\\", "Z:\\medium\\Sylvarine\\"},
      {"\\Sylvarine", "C:\\Sylvarine\\"},  // the current drive is C:
  };
  for (const auto& [typed, whole] : answers) {
    EXPECT_EQ(Install(typed), 0) << typed;
    EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"), whole) << typed;
    EXPECT_EQ(Value(RegistryRoot::LocalMachine, kRemovalKey, "UninstallString"),
              "\"C:\\WINDOWS\\CRVunins.exe\" \"" + whole + "uninst.inf\"");
    const auto log = machine.FileContents(whole + "uninst.inf");
    ASSERT_TRUE(log.has_value()) << typed;
    EXPECT_NE(log->find("<DELETE><" + whole + "sylvarine.exe>"), std::string::npos);
    // The shortcut to the program could be made: its target has a drive.
    EXPECT_FALSE(HasMessage("Can't create a shortcut !")) << typed;
  }
  // A drive path and a network path are left as typed.
  EXPECT_EQ(Install("C:\\Drive"), 0);
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"), "C:\\Drive\\");
  Install("\\\\server\\share");
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"), "\\\\server\\share\\");
}

TEST_F(ModesTest, SecondInstallProposesTheStoredDestinationAndRewritesTheLog) {
  EXPECT_EQ(Install("C:\\First"), 0);
  ScriptHeader h;
  PutScript(MakeScript(h, "<COPYREP><help.htm><help.htm><DEL><ENDSCRIPT>"));
  ui.typed.reset();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui.proposed, "C:\\First\\");
  EXPECT_EQ(machine.FileContents("C:\\First\\uninst.inf"),
            LogOpening() + "\r\n<DELETE><C:\\First\\help.htm>" + LogEnd());
}

TEST_F(ModesTest, InstallWithNoRecordsLogsOpeningThenEnd) {
  PutScript(MakeScript({}, "<COPYREP><help.htm><help.htm><NODEL><ENDSCRIPT>"));
  ui.typed = "C:\\Plain";
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(machine.FileContents("C:\\Plain\\uninst.inf"), LogOpening() + LogEnd());
}

TEST_F(ModesTest, MissingInstallerFileStopsAtTheUninstallerCopy) {
  MemoryMachine bare;
  machine = std::move(bare);
  machine.AddFile("help.htm", "help");
  PutScript(MakeScript({}, "<COPYREP><help.htm><help.htm><DEL><ENDSCRIPT>"));
  ui.typed = "C:\\P";
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(machine.HasFile("C:\\P\\help.htm"));
  EXPECT_EQ(ui.messages.back(), "Can't find a file !");
  EXPECT_FALSE(machine.HasFile("C:\\P\\uninst.inf"));
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kRemovalKey, "DisplayName"), "<missing>");
}

TEST_F(ModesTest, UncreatableLogIsReportedAfterTheRegistration) {
  machine.uncreatable.insert("C:\\P\\uninst.inf");
  PutScript(MakeScript({}, "<ENDSCRIPT>"));
  ui.typed = "C:\\P";
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Can't create a file !");
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kRemovalKey, "DisplayName"), "Sylvarine");
}

TEST_F(ModesTest, LongUninstallStringIsWrittenWhole) {
  const std::string deep = "C:\\" + std::string(250, 'p');
  EXPECT_EQ(Install(deep), 0);
  const std::string command = Value(RegistryRoot::LocalMachine, kRemovalKey, "UninstallString");
  EXPECT_GT(command.size(), 259u);
  EXPECT_EQ(command, "\"C:\\WINDOWS\\CRVunins.exe\" \"" + deep + "\\uninst.inf\"");
}

TEST_F(ModesTest, AutoInstallWithoutDestination) {
  machine.AddFile("w.txt", "W");
  for (const char* none : {"NULL", "null", "null\\", "NULL\\"}) {
    ScriptHeader h;
    h.mode = "AUTOINSTAL";
    h.destination = none;
    PutScript(MakeScript(h, "<COPYWIN><w.txt><w.txt><DEL><ENDSCRIPT>"));
    EXPECT_EQ(Run(), 0) << none;
    EXPECT_EQ(ui.statuses.back(), "Sylvarine installed .");
    EXPECT_TRUE(machine.HasFile("C:\\WINDOWS\\w.txt"));
    EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"), "<missing>");
    EXPECT_EQ(Value(RegistryRoot::LocalMachine, kRemovalKey, "DisplayName"), "<missing>");
    EXPECT_FALSE(machine.HasFile("C:\\WINDOWS\\CRVunins.exe"));
    EXPECT_FALSE(machine.HasDirectory("Z:\\medium\\NULL"));
  }
}

TEST_F(ModesTest, AutoInstallAsksNothingAndAddsTheSeparator) {
  ScriptHeader h;
  h.mode = "autoinstal";
  PutScript(MakeScript(h, Commands()));
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(std::count(ui.events.begin(), ui.events.end(), "ask"), 0);
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"), "C:\\Sylvarine\\");
  EXPECT_TRUE(machine.HasFile("C:\\Sylvarine\\uninst.inf"));
}

TEST_F(ModesTest, UninstallYesRemovesEveryRecordedFile) {
  ASSERT_EQ(Install("C:\\P"), 0);
  machine.AddFile("C:\\P\\kept.txt", "not recorded");
  const std::string log = *machine.FileContents("C:\\P\\uninst.inf");
  // Started as the registration starts it; the log has "UNINSTAL" and ".." defaults.
  machine.RemoveFile("setup.inf");
  ui.events.clear();
  ui.statuses.clear();
  EXPECT_EQ(Run("\"C:\\P\\uninst.inf\""), 0);
  EXPECT_EQ(ui.messages.back(),
            "Are you sure you want to uninstall Sylvarine from your computer ?");
  EXPECT_EQ(ui.lastButtons, MessageButtons::YesNo);
  EXPECT_EQ(ui.statuses,
            (std::vector<std::string>{"Uninstall...", "C:\\P\\sylvarine.exe",
                                      "C:\\P\\doc\\help.htm",
                                      "C:\\WINDOWS\\Start Menu\\Programs\\Sylvarine\\Sylvarine.lnk",
                                      "Sylvarine uninstalled."}));
  EXPECT_FALSE(machine.HasFile("C:\\P\\sylvarine.exe"));
  EXPECT_FALSE(machine.HasFile("C:\\P\\doc\\help.htm"));
  EXPECT_FALSE(machine.HasFile("C:\\WINDOWS\\Start Menu\\Programs\\Sylvarine\\Sylvarine.lnk"));
  EXPECT_FALSE(machine.HasFile("C:\\P\\uninst.inf"));
  EXPECT_TRUE(machine.HasFile("C:\\P\\kept.txt"));
  EXPECT_TRUE(machine.HasFile("C:\\WINDOWS\\CRVunins.exe"));
  EXPECT_TRUE(machine.HasFile("C:\\WINDOWS\\SYSTEM\\RAVEZ.DLL"));
  EXPECT_FALSE(machine.localMachine.HasKey(kRemovalKey));
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kKey, "DestinationPath"), "C:\\P\\");

  // A second run finds the files gone and still ends as done.
  machine.AddFile("C:\\P\\uninst.inf", log);
  EXPECT_EQ(Run("C:\\P\\uninst.inf"), 0);
  EXPECT_EQ(ui.statuses.back(), "Sylvarine uninstalled.");
}

TEST_F(ModesTest, UninstallWithAFileInUseSaysSoAndKeepsWhatRunsItAgain) {
  ASSERT_EQ(Install("C:\\P"), 0);
  machine.RemoveFile("setup.inf");
  machine.inUse.insert("C:\\P\\sylvarine.exe");
  EXPECT_EQ(Run("C:\\P\\uninst.inf"), 1);
  EXPECT_EQ(ui.messages.back(), "These files could not be removed:\nC:\\P\\sylvarine.exe");
  EXPECT_FALSE(machine.HasFile("C:\\P\\doc\\help.htm"));
  EXPECT_TRUE(machine.HasFile("C:\\P\\uninst.inf"));
  EXPECT_TRUE(machine.localMachine.HasKey(kRemovalKey));
  machine.inUse.clear();
  EXPECT_EQ(Run("C:\\P\\uninst.inf"), 0);
  EXPECT_FALSE(machine.HasFile("C:\\P\\sylvarine.exe"));
}

TEST_F(ModesTest, UninstallNoRemovesNothing) {
  ASSERT_EQ(Install("C:\\P"), 0);
  machine.RemoveFile("setup.inf");
  ui.yesNoAnswer = MessageAnswer::No;
  ui.statuses.clear();
  ASSERT_EQ(Start("C:\\P\\uninst.inf"), std::nullopt);
  EXPECT_EQ(Fire(InstallerTimer::Start), std::nullopt);
  EXPECT_EQ(view->StatusText(), "Sylvarine");
  EXPECT_TRUE(timers.IsArmed(InstallerTimer::End));
  EXPECT_FALSE(timers.IsArmed(InstallerTimer::Start));
  EXPECT_EQ(Fire(InstallerTimer::End), 1) << "nothing was uninstalled";
  EXPECT_TRUE(ui.statuses.empty());
  EXPECT_TRUE(machine.HasFile("C:\\P\\sylvarine.exe"));
  EXPECT_TRUE(machine.HasFile("C:\\P\\uninst.inf"));
  EXPECT_TRUE(machine.localMachine.HasKey(kRemovalKey));
}

TEST_F(ModesTest, UninstallWithoutStoredDestinationRemovesNothing) {
  ASSERT_EQ(Install("C:\\P"), 0);
  machine.localMachine.DeleteKey(kKey);
  machine.RemoveFile("setup.inf");
  ScriptHeader h;
  EXPECT_EQ(Run("C:\\P\\uninst.inf"), 1);
  EXPECT_EQ(ui.messages.back(), "Unable to uninstall this program !");
  EXPECT_TRUE(machine.HasFile("C:\\P\\sylvarine.exe"));
  EXPECT_TRUE(machine.HasFile("C:\\P\\uninst.inf"));
}

TEST_F(ModesTest, UpdateRecopiesWithoutLogOrRegistration) {
  ASSERT_EQ(Install("C:\\P"), 0);
  const std::string log = *machine.FileContents("C:\\P\\uninst.inf");
  machine.localMachine.DeleteKey(kRemovalKey);
  machine.AddFile("sylvarine.exe", "analyser v2", true);
  machine.AddFile("new.txt", "N");
  ScriptHeader h;
  h.mode = "update";
  PutScript(MakeScript(h, "<COPYREP><sylvarine.exe><sylvarine.exe><DEL>"
                          "<COPYREP><new.txt><new.txt><DEL><ENDSCRIPT>"));
  ui.statuses.clear();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Update...", "sylvarine.exe", "new.txt",
                                                   "Sylvarine updated ."}));
  EXPECT_EQ(machine.FileContents("C:\\P\\sylvarine.exe"), "analyser v2");
  EXPECT_EQ(machine.FileContents("C:\\P\\uninst.inf"), log);
  EXPECT_FALSE(machine.localMachine.HasKey(kRemovalKey));
}

TEST_F(ModesTest, UpdateUsesTheDestinationExactlyAsRead) {
  ScriptHeader h;
  h.mode = "UPDATE";
  h.destination = "C:\\Plain";
  PutScript(MakeScript(h, "<COPYREP><help.htm><help.htm><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(machine.HasFile("C:\\Plainhelp.htm"));

  h.destination = "..";
  h.language = "FR";
  PutScript(MakeScript(h, "<ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Impossible de mettre à jour ce programme !");
  EXPECT_EQ(ui.statuses.back(), "Quitter...");
}

TEST_F(ModesTest, UnknownModeKeepsTheWindowWithTheTimerTicking) {
  ScriptHeader h;
  h.mode = "Instal";
  PutScript(MakeScript(h, Commands()));
  ASSERT_EQ(Start(), std::nullopt);
  for (int tick = 0; tick < 3; ++tick) EXPECT_EQ(Fire(InstallerTimer::Start), std::nullopt);
  EXPECT_TRUE(timers.IsArmed(InstallerTimer::Start));
  EXPECT_FALSE(timers.IsArmed(InstallerTimer::End));
  EXPECT_TRUE(ui.events.empty());
  EXPECT_EQ(view->StatusText(), "Sylvarine");
}

TEST_F(ModesTest, ModeRunsOnceAndEndsTwoSecondsAfterTheLastStatus) {
  ScriptHeader h;
  h.mode = "INSTAL";
  PutScript(MakeScript(h, "<ENDSCRIPT>"));
  ASSERT_EQ(Start(), std::nullopt);
  EXPECT_EQ(Fire(InstallerTimer::Start), std::nullopt);
  EXPECT_FALSE(timers.IsArmed(InstallerTimer::Start));
  EXPECT_EQ(timers.PeriodOf(InstallerTimer::End), 2000u);
  EXPECT_EQ(view->StatusText(), "Sylvarine installed .");
  EXPECT_EQ(Fire(InstallerTimer::End), 0);
}

TEST_F(ModesTest, UninstallerIsCopiedFromSetupExeOnAMediumWithThatName) {
  machine.RemoveFile("setup");
  machine.AddFile("setup.exe", "windows-named installer", true);
  PutScript(MakeScript({}, "<ENDSCRIPT>"));
  ui.typed = "C:\\P";
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(machine.FileContents("C:\\WINDOWS\\CRVunins.exe"), "windows-named installer");
}

TEST_F(ModesTest, TypedDestinationIsKeptAsSingleByteTextLikeTheLog) {
  machine.AddFile("a.txt", "A");
  PutScript(MakeScript({}, "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
  // "Ł" has no Windows-1252 form; "é" has one.
  ui.typed = "C:\\Łódź é";
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(view->DestinationDir(), "C:\\?ód? é\\");
  EXPECT_TRUE(machine.HasFile("C:\\?ód? é\\a.txt"));
  EXPECT_NE(machine.FileContents("C:\\?ód? é\\uninst.inf")->find("<DELETE><C:\\?\xF3" "d? \xE9\\a.txt>"),
            std::string::npos);
}

TEST_F(ModesTest, NamelessProductLeavesTheOtherRegistrationsAlone) {
  const std::string other = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other";
  machine.localMachine.SetString(other, "DisplayName", "Other");
  for (const char* nameless : {"", "\\"}) {
    ScriptHeader h;
    h.product = nameless;
    PutScript(MakeScript(h, "<ENDSCRIPT>"));
    ui.typed = "C:\\P";
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(Value(RegistryRoot::LocalMachine,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", "DisplayName"),
              "<missing>");
    EXPECT_TRUE(machine.HasFile("C:\\P\\uninst.inf")) << "the log is still written";

    machine.RemoveFile("setup.inf");
    EXPECT_EQ(Run("C:\\P\\uninst.inf"), 0);
    EXPECT_FALSE(machine.HasFile("C:\\P\\uninst.inf"));
    EXPECT_EQ(Value(RegistryRoot::LocalMachine, other, "DisplayName"), "Other") << nameless;
  }
}
