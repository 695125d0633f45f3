// The command list: every command, its operands, and the ways a list goes wrong.
#include "tests/installer/installer_fixture.h"

namespace {

ScriptHeader AutoInstall() {
  ScriptHeader h;
  h.mode = "autoinstal";
  return h;
}

}  // namespace

TEST_F(InstallerTest, EveryInstallCommandDoesItsWork) {
  machine.AddFile("a.txt", "A");
  machine.AddFile("prog.exe", "P", true);
  PutScript(MakeScript(AutoInstall(),
                       "<COPYREP><a.txt><a.txt><DEL>\r\n"
                       "<CREATESREP1><one><CREATESREP2><two><CREATESREP3><three>"
                       "<CREATESREP4><four><CREATESREP5><five>\r\n"
                       "<COPYSREP1><a.txt><a1.txt><DEL><COPYSREP2><a.txt><a2.txt><DEL>"
                       "<COPYSREP3><a.txt><a3.txt><DEL><COPYSREP4><a.txt><a4.txt><DEL>"
                       "<COPYSREP5><a.txt><a5.txt><DEL>\r\n"
                       "<COPYWIN><a.txt><w.txt><DEL><COPYSYS><a.txt><s.txt><del>\r\n"
                       "<COPYREP><prog.exe><prog.exe><NODEL>\r\n"
                       "<CREATEGROUPE><Group>\r\n"
                       "<CREATEGROUPELINK><G><prog.exe><DEL>"
                       "<CREATEDEMARLINK><M><prog.exe><DEL>"
                       "<CREATEAUTOSTARTLINK><S><prog.exe><DEL>"
                       "<CREATEDESKTOPLINK><D><prog.exe><DEL>\r\n"
                       "<ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
  for (const char* path :
       {"C:\\Sylvarine\\a.txt", "C:\\Sylvarine\\one\\a1.txt", "C:\\Sylvarine\\two\\a2.txt",
        "C:\\Sylvarine\\three\\a3.txt", "C:\\Sylvarine\\four\\a4.txt",
        "C:\\Sylvarine\\five\\a5.txt", "C:\\WINDOWS\\w.txt", "C:\\WINDOWS\\SYSTEM\\s.txt",
        "C:\\WINDOWS\\Start Menu\\Programs\\Group\\G.lnk", "C:\\WINDOWS\\Start Menu\\M.lnk",
        "C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\S.lnk", "C:\\WINDOWS\\Desktop\\D.lnk"})
    EXPECT_TRUE(machine.HasFile(path)) << path;
  EXPECT_TRUE(machine.IsExecutable("C:\\Sylvarine\\prog.exe"));
  EXPECT_FALSE(machine.IsExecutable("C:\\Sylvarine\\a.txt"));

  const std::string log = *machine.FileContents("C:\\Sylvarine\\uninst.inf");
  const std::string records = log.substr(log.find("<SCRIPT>") + 8);
  EXPECT_EQ(records,
            "\r\n<DELETE><C:\\Sylvarine\\a.txt>"
            "\r\n<DELETE><C:\\Sylvarine\\one\\a1.txt>\r\n<DELETE><C:\\Sylvarine\\two\\a2.txt>"
            "\r\n<DELETE><C:\\Sylvarine\\three\\a3.txt>\r\n<DELETE><C:\\Sylvarine\\four\\a4.txt>"
            "\r\n<DELETE><C:\\Sylvarine\\five\\a5.txt>\r\n<DELETE><C:\\WINDOWS\\w.txt>"
            "\r\n<DELETE><C:\\WINDOWS\\SYSTEM\\s.txt>"
            "\r\n<DELETE><C:\\WINDOWS\\Start Menu\\Programs\\Group\\G.lnk>"
            "\r\n<DELETE><C:\\WINDOWS\\Start Menu\\M.lnk>"
            "\r\n<DELETE><C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\S.lnk>"
            "\r\n<DELETE><C:\\WINDOWS\\Desktop\\D.lnk>"
            "\r\n<ENDSCRIPT>\r\n\r\n\r\n\r\n");
}

TEST_F(InstallerTest, EndscriptRightAfterScriptRunsNothingAndSucceeds) {
  PutScript(MakeScript(AutoInstall(), "<ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.statuses.back(), "Sylvarine installed .");
}

TEST_F(InstallerTest, KeywordsAreExactAndCaseSensitive) {
  machine.AddFile("a.txt", "A");
  for (const char* bad : {"<copyrep><a.txt><a.txt><DEL>", "<COPY\r\nREP><a.txt><a.txt><DEL>",
                          "<COPYREP ><a.txt><a.txt><DEL>", "<Endscript>"}) {
    PutScript(MakeScript(AutoInstall(), bad));
    ui.events.clear();
    EXPECT_EQ(Run(), 1) << bad;
    EXPECT_EQ(ui.events.back(), "end: 1");
    EXPECT_EQ(ui.messages.back(), "Script error !") << bad;
    EXPECT_FALSE(machine.HasFile("C:\\Sylvarine\\uninst.inf"));
  }
}

TEST_F(InstallerTest, OperandsAreTakenByPosition) {
  // The target name "ENDSCRIPT" is an operand, not the end of the list.
  machine.AddFile("COPYREP", "x");
  PutScript(MakeScript(AutoInstall(), "<COPYREP><COPYREP><ENDSCRIPT><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(machine.FileContents("C:\\Sylvarine\\ENDSCRIPT"), "x");
}

TEST_F(InstallerTest, WrongOperandCountIsAScriptError) {
  machine.AddFile("a.txt", "A");
  // Two operands instead of three: the next command lands on an operand position.
  PutScript(MakeScript(AutoInstall(), "<COPYREP><a.txt><a.txt><CREATESREP1><d><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Script error !");
}

TEST_F(InstallerTest, OperandsPastTheLastEntryAreEmpty) {
  PutScript(MakeScript(AutoInstall(), "<CREATESREP1>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Script error !"}));
  // The directory was made from an empty name before the check failed.
  EXPECT_EQ(ui.statuses.back(), "Exit...");
}

TEST_F(InstallerTest, ScriptWithoutScriptEntryIsAScriptError) {
  machine.AddFile("setup.inf", "CRV<P><EN><autoinstal><K><C:\\P><x><x><COPYREP>");
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Script error !");
}

TEST_F(InstallerTest, ScriptAmongTheHeaderEntriesStartsTheListThere) {
  // Entry 5 is "SCRIPT": entries 6 on are commands, and keep their header meaning too.
  machine.AddFile("setup.inf", "CRV<P><EN><autoinstal><K><C:\\P\\><SCRIPT><ENDSCRIPT>");
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui.statuses.back(), "P installed .");

  // Entry 6 (the dependency switch) is read as a command as well.
  machine.AddFile("a.txt", "MFC42");
  machine.AddFile("setup.inf",
                  "CRV<P><EN><autoinstal><K><C:\\P\\><SCRIPT><testdepend><ENDSCRIPT>");
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Script error !");
}

TEST_F(InstallerTest, LanguageIsFrenchOnlyForUpperCaseFR) {
  ScriptHeader h = AutoInstall();
  h.language = "fr";
  PutScript(MakeScript(h, "<BAD>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Script error !");
  EXPECT_EQ(ui.statuses.back(), "Exit...");

  h.language = "FR";
  PutScript(MakeScript(h, "<BAD>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Erreur de script !");
  EXPECT_EQ(ui.statuses.back(), "Quitter...");
}

TEST_F(InstallerTest, DeletionFlagRules) {
  machine.AddFile("a.txt", "A");
  PutScript(MakeScript(AutoInstall(),
                       "<COPYREP><a.txt><lower.txt><del><COPYREP><a.txt><none.txt><NODEL>"
                       "<CREATEDESKTOPLINK><lowerlink><lower.txt><del>"
                       "<CREATEDESKTOPLINK><upperlink><lower.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(machine.HasFile("C:\\WINDOWS\\Desktop\\lowerlink.lnk"));
  const std::string log = *machine.FileContents("C:\\Sylvarine\\uninst.inf");
  EXPECT_NE(log.find("<DELETE><C:\\Sylvarine\\lower.txt>"), std::string::npos);
  EXPECT_EQ(log.find("none.txt"), std::string::npos);
  EXPECT_EQ(log.find("lowerlink"), std::string::npos);
  EXPECT_NE(log.find("<DELETE><C:\\WINDOWS\\Desktop\\upperlink.lnk>"), std::string::npos);
}

TEST_F(InstallerTest, FailedShortcutIsReportedRecordedAndTheRunGoesOn) {
  machine.AddFile("a.txt", "A");
  PutScript(MakeScript(AutoInstall(),
                       "<CREATEDESKTOPLINK><early><a.txt><DEL>"
                       "<COPYREP><a.txt><a.txt><NODEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Can't create a shortcut !"}));
  EXPECT_FALSE(machine.HasFile("C:\\WINDOWS\\Desktop\\early.lnk"));
  EXPECT_TRUE(machine.HasFile("C:\\Sylvarine\\a.txt"));
  EXPECT_NE(machine.FileContents("C:\\Sylvarine\\uninst.inf")->find("early.lnk"),
            std::string::npos);
}

TEST_F(InstallerTest, GroupLinkBeforeAnyGroupLandsInTheWorkingDirectory) {
  machine.AddFile("a.txt", "A");
  PutScript(MakeScript(AutoInstall(),
                       "<COPYREP><a.txt><a.txt><NODEL><CREATEGROUPELINK><L><a.txt><NODEL>"
                       "<ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(machine.HasFile("Z:\\medium\\L.lnk"));
}

TEST_F(InstallerTest, UninstallListMustEndWithEndscript) {
  ScriptHeader h;
  h.mode = "UNINSTAL";
  h.destination = "C:\\P\\";
  machine.AddFile("C:\\P\\a.txt", "A");
  PutScript(MakeScript(h, "<DELETE><C:\\P\\a.txt><DELETE>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_FALSE(machine.HasFile("C:\\P\\a.txt"));
  EXPECT_EQ(ui.messages.back(), "Script error !");
}
