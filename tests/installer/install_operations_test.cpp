// Copies, the runtime rewrite, the private runtime files and the registry reads.
#include <algorithm>

#include "installer/operations/piece_copy.h"
#include "installer/operations/runtime_patch.h"
#include "tests/installer/installer_fixture.h"

namespace {

ScriptHeader AutoInstall() {
  ScriptHeader h;
  h.mode = "autoinstal";
  return h;
}

std::string Patched(std::string bytes) {
  RuntimePatch::Apply(reinterpret_cast<uint8_t*>(bytes.data()), bytes.size());
  return bytes;
}

}  // namespace

TEST(RuntimePatch, ReplacesEveryReferenceWhereverItStands) {
  EXPECT_EQ(Patched("MFC42.DLL\0MSVCRT.dll xMFC42x MSVCRTD MFC42MSVCRT"),
            "RAVEZ.DLL\0DUDUDO.dll xRAVEZx DUDUDOD RAVEZDUDUDO");
  EXPECT_EQ(Patched("mfc42 msvcrt Mfc42 MSVCRt"), "mfc42 msvcrt Mfc42 MSVCRt");
  // A reference cut by the end of the data is not one.
  EXPECT_EQ(Patched("abcMFC4"), "abcMFC4");
  EXPECT_EQ(Patched("abcMSVCR"), "abcMSVCR");
  EXPECT_EQ(Patched("MMFC42"), "MRAVEZ");
}

TEST(RuntimePatch, AppliesOnlyToLowerOrUpperCaseExe) {
  EXPECT_TRUE(RuntimePatch::AppliesTo("sylvarine.exe"));
  EXPECT_TRUE(RuntimePatch::AppliesTo("SYLVARINE.EXE"));
  EXPECT_FALSE(RuntimePatch::AppliesTo("sylvarine.Exe"));
  EXPECT_FALSE(RuntimePatch::AppliesTo("RAVEZ.DLL"));
  EXPECT_FALSE(RuntimePatch::AppliesTo("exe"));
}

TEST(PieceCopy, FileLargerThanTheBufferIsCopiedWholeAndPatchedAcrossPieces) {
  MemoryMachine machine;
  // References straddling every piece boundary of a 16-byte buffer.
  std::string source;
  for (int i = 0; i < 40; ++i) source += std::string(static_cast<std::size_t>(i % 7), '.') + "MFC42" + "MSVCRT";
  machine.AddFile("big.exe", source);
  std::vector<uint8_t> buffer(16);
  CPieceCopy copy(machine, buffer);
  ASSERT_TRUE(copy.OpenSource("big.exe"));
  EXPECT_EQ(copy.FirstPiece().size(), 16u);
  EXPECT_EQ(copy.WriteTo("C:\\big.exe", true), CPieceCopy::Result::Written);
  EXPECT_EQ(machine.FileContents("C:\\big.exe"), Patched(source));
  EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST(PieceCopy, ExactlyFullBufferAndEmptyFile) {
  MemoryMachine machine;
  machine.AddFile("full", std::string(16, 'x'));
  machine.AddFile("empty", "");
  std::vector<uint8_t> buffer(16);
  for (const char* name : {"full", "empty"}) {
    CPieceCopy copy(machine, buffer);
    ASSERT_TRUE(copy.OpenSource(name));
    EXPECT_EQ(copy.WriteTo(std::string("C:\\") + name, false), CPieceCopy::Result::Written);
    EXPECT_EQ(machine.FileContents(std::string("C:\\") + name), machine.FileContents(name));
  }
}

TEST(PieceCopy, FailedCommitIsReported) {
  MemoryMachine machine;
  machine.AddFile("a", "new");
  machine.AddFile("C:\\a", "old");
  machine.failingCommits.insert("C:\\a");
  std::vector<uint8_t> buffer(16);
  CPieceCopy copy(machine, buffer);
  ASSERT_TRUE(copy.OpenSource("a"));
  EXPECT_EQ(copy.WriteTo("C:\\a", false), CPieceCopy::Result::TargetUnwritable);
  EXPECT_EQ(machine.FileContents("C:\\a"), "old");
}

TEST_F(InstallerTest, FileLargerThanTheInstallBufferIsInstalledWhole) {
  std::string big(InstallerFileBufferBytes + 12345, 'b');
  big.replace(InstallerFileBufferBytes - 2, 5, "MFC42");
  machine.AddFile("big.exe", big);
  ScriptHeader h = AutoInstall();
  h.depend = "TESTDEPEND";
  PutScript(MakeScript(h, "<COPYREP><big.exe><big.exe><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  const auto copied = machine.FileContents("C:\\Sylvarine\\big.exe");
  ASSERT_TRUE(copied);
  EXPECT_EQ(copied->size(), big.size());
  EXPECT_EQ(copied->substr(InstallerFileBufferBytes - 2, 5), "RAVEZ");
}

TEST_F(InstallerTest, DependencySwitchPatchesOnlyExecutablesAndShowsEveryFile) {
  const std::string image = kMz + "..MFC42.DLL..MSVCRT.dll..";
  machine.AddFile("a.exe", image);
  ScriptHeader h = AutoInstall();
  h.depend = "testdepend";
  PutScript(MakeScript(h,
                       "<COPYREP><a.exe><a.exe><NODEL><COPYREP><a.exe><b.EXE><NODEL>"
                       "<COPYREP><a.exe><c.Exe><NODEL><COPYREP><a.exe><d.dll><NODEL>"
                       "<ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  const std::string patched = kMz + "..RAVEZ.DLL..DUDUDO.dll..";
  EXPECT_EQ(machine.FileContents("C:\\Sylvarine\\a.exe"), patched);
  EXPECT_EQ(machine.FileContents("C:\\Sylvarine\\b.EXE"), patched);
  EXPECT_EQ(machine.FileContents("C:\\Sylvarine\\c.Exe"), image);
  EXPECT_EQ(machine.FileContents("C:\\Sylvarine\\d.dll"), image);
  EXPECT_EQ(machine.FileContents("a.exe"), image) << "the source stays as it was";
  const std::vector<std::string> expected = {
      "Copy Files...", "a.exe", "Test dependency of a.exe", "b.EXE", "Test dependency of b.EXE",
      "c.Exe", "Test dependency of c.Exe", "d.dll", "Test dependency of d.dll"};
  ASSERT_GE(ui.statuses.size(), expected.size() + 1);
  EXPECT_EQ(std::vector<std::string>(ui.statuses.begin() + 1,
                                     ui.statuses.begin() + 1 + static_cast<long>(expected.size())),
            expected);
}

TEST_F(InstallerTest, MissingSourceStopsTheInstallation) {
  machine.AddFile("a.txt", "A");
  PutScript(MakeScript(AutoInstall(),
                       "<COPYREP><a.txt><a.txt><DEL><COPYREP><gone.txt><gone.txt><DEL>"
                       "<COPYREP><a.txt><b.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  const std::vector<std::string> tail(ui.events.end() - 4, ui.events.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"status: gone.txt", "message: Can't find a file !",
                                            "status: Exit...", "end: 1"}));
  EXPECT_TRUE(machine.HasFile("C:\\Sylvarine\\a.txt"));
  EXPECT_FALSE(machine.HasFile("C:\\Sylvarine\\b.txt"));
  EXPECT_FALSE(machine.HasFile("C:\\Sylvarine\\uninst.inf"));
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, std::string(UninstallKeyPrefix) + "Sylvarine",
                  "DisplayName"),
            "<missing>");
}

TEST_F(InstallerTest, UncreatableTargetMessages) {
  machine.AddFile("a.txt", "A");
  ScriptHeader h = AutoInstall();
  h.language = "FR";
  // A subdirectory slot used before it was set: relative to the working directory.
  machine.uncreatable.insert("Z:\\medium\\x.txt");
  PutScript(MakeScript(h, "<COPYSREP2><a.txt><x.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Un fichier n'a pas pu être créé !");

  // In English the Windows-directory copy has its own wording.
  machine.uncreatable.insert("C:\\WINDOWS\\w.txt");
  PutScript(MakeScript(AutoInstall(), "<COPYWIN><a.txt><w.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Can't create a file");
  PutScript(MakeScript(AutoInstall(), "<COPYREP><a.txt><missing\\w.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Can't create a file !");
}

TEST_F(InstallerTest, SecondCopyReplacesTheTarget) {
  machine.AddFile("a.txt", "new");
  machine.AddFile("C:\\Sylvarine\\a.txt", "old, longer");
  PutScript(MakeScript(AutoInstall(), "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(machine.FileContents("C:\\Sylvarine\\a.txt"), "new");
}

TEST_F(InstallerTest, RuntimeFilesAreCheckedAndNeverReplaced) {
  machine.AddFile("RAVEZ.DLL", kMz + "new ravez");
  machine.AddFile("DUDUDO.DLL", kMz + "new dududo");
  machine.AddFile("C:\\WINDOWS\\SYSTEM\\RAVEZ.DLL", "older, not even MZ");
  ScriptHeader h = AutoInstall();
  h.system = "SYSTEM";
  PutScript(MakeScript(h, "<ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(machine.FileContents("C:\\WINDOWS\\SYSTEM\\RAVEZ.DLL"), "older, not even MZ");
  EXPECT_EQ(machine.FileContents("C:\\WINDOWS\\SYSTEM\\DUDUDO.DLL"), kMz + "new dududo");
  EXPECT_NE(std::find(ui.statuses.begin(), ui.statuses.end(), "Copy System Files..."),
            ui.statuses.end());
  EXPECT_EQ(machine.FileContents("C:\\Sylvarine\\uninst.inf")->find("DLL"), std::string::npos);
}

TEST_F(InstallerTest, RuntimeFileFailuresStopBeforeAnyCommand) {
  machine.AddFile("a.txt", "A");
  ScriptHeader h = AutoInstall();
  h.system = "system";
  h.language = "FR";
  struct Case {
    std::string ravez;
    std::string dududo;
    std::string message;
  };
  const Case cases[] = {
      {"", "", "Impossible de trouver RAVEZ.DLL"},
      {"MZ", kMz, "Le fichier RAVEZ.DLL est abîmé"},
      {"MZ\x91" "abc", kMz, "Le fichier RAVEZ.DLL est abîmé"},
      {kMz, "", "Impossible de trouver DUDUDO.DLL"},
      {kMz, "MZ", "DUDUDO.DLL est abîmé !"},
  };
  for (const Case& c : cases) {
    MemoryMachine fresh;
    machine = std::move(fresh);
    machine.AddFile("setup", "installer");
    machine.AddFile("a.txt", "A");
    if (!c.ravez.empty()) machine.AddFile("RAVEZ.DLL", c.ravez);
    if (!c.dududo.empty()) machine.AddFile("DUDUDO.DLL", c.dududo);
    PutScript(MakeScript(h, "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
    EXPECT_EQ(Run(), 1) << c.message;
    EXPECT_EQ(ui.messages.back(), c.message);
    EXPECT_FALSE(machine.HasFile("C:\\Sylvarine\\a.txt"));
  }
  machine.uncreatable.insert("C:\\WINDOWS\\SYSTEM\\DUDUDO.DLL");
  machine.AddFile("RAVEZ.DLL", kMz);
  machine.AddFile("DUDUDO.DLL", kMz);
  h.language = "EN";
  PutScript(MakeScript(h, "<ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Can't create DUDUDO.DLL !");
}

TEST_F(InstallerTest, RegistryValueTooLongForItsBufferCountsAsMissing) {
  const std::string key = "Software\\Kelvory\\Sylvarine\\SetupInfo";
  machine.localMachine.SetString(key, "DestinationPath", "C:\\" + std::string(296, 'd'));
  machine.AddFile("a.txt", "A");
  PutScript(MakeScript(ScriptHeader{}, "<COPYREP><a.txt><a.txt><NODEL><ENDSCRIPT>"));
  ui.typed = "C:\\Short";
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui.proposed, "C:\\" + std::string(296, 'd')) << "299 bytes fit";

  machine.localMachine.SetString(key, "DestinationPath", "C:\\" + std::string(297, 'd'));
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui.proposed, "C:\\Sylvarine");
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, key, "DestinationPath"), "C:\\Short\\");
}

TEST_F(InstallerTest, UnreadableShellFoldersPutTheGroupAtTheDriveRoot) {
  MemoryMachine bare(false);
  machine = std::move(bare);
  machine.AddFile("setup", "installer");
  PutScript(MakeScript(AutoInstall(), "<CREATEGROUPE><Grp><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  // The root of the current drive, C:, never the host's root.
  EXPECT_TRUE(machine.HasDirectory("C:\\Grp"));
  EXPECT_FALSE(machine.HasDirectory("Z:\\Grp"));
}

TEST_F(InstallerTest, DamagedUserRegistryIsToldOnceAndTheLinksStayOnTheMachine) {
  machine.AddFile("a.txt", "A");
  const std::string fault = "HKEY_CURRENT_USER.reg, line 3: a quoted string was expected";
  machine.registryFaults[RegistryRoot::CurrentUser] = fault;
  PutScript(MakeScript(AutoInstall(), "<COPYREP><a.txt><a.txt><NODEL>"
                                      "<CREATEDESKTOPLINK><A><a.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Registry problem: " + fault}));
  // An empty folder puts the link at the root of the current drive.
  EXPECT_TRUE(machine.HasFile("C:\\A.lnk"));
}

TEST_F(InstallerTest, UnwritableDestinationValueStopsBeforeAnyCopy) {
  machine.AddFile("a.txt", "A");
  const std::string fault = "HKEY_LOCAL_MACHINE.reg: Permission denied";
  machine.registryFaults[RegistryRoot::LocalMachine] = fault;
  PutScript(MakeScript(AutoInstall(), "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{"Registry problem: " + fault,
                                      "The destination directory could not be stored in the "
                                      "registry !\nRegistry problem: " + fault}));
  EXPECT_EQ(ui.statuses.back(), "Exit...");
  EXPECT_FALSE(machine.HasFile("C:\\Sylvarine\\a.txt"));
}

TEST_F(InstallerTest, UnwritableRemovalEntryWritesTheLogAndEndsAsAFailure) {
  machine.AddFile("a.txt", "A");
  machine.refusedKeys.insert("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sylvarine");
  PutScript(MakeScript(AutoInstall(), "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "The uninstall information could not be stored in the registry !\n"
                             "Registry problem: registry.lock: held by another program"}));
  EXPECT_TRUE(machine.HasFile("C:\\Sylvarine\\uninst.inf"));
  EXPECT_EQ(ui.statuses.back(), "Exit...");
  EXPECT_GE(machine.flushes, 1) << "what was written is flushed before the end";
}

TEST_F(InstallerTest, EntriesTheRegistryCannotHoldAreRefusedBeforeAnythingIsWritten) {
  machine.AddFile("a.txt", "A");
  struct Case {
    std::string product;
    std::string key;
    std::string message;
  };
  const std::string nul(1, '\0');
  const Case cases[] = {
      {"Sylv" + nul + "arine", "Software\\K", "The product name cannot be stored in the registry !"},
      {std::string(300, 'p'), "Software\\K", "The product name cannot be stored in the registry !"},
      {"Sylvarine", "Software\\K" + nul, "The registry key of the destination is not valid !"},
      {"Sylvarine", "Software\\\\K", "The registry key of the destination is not valid !"},
  };
  for (const Case& c : cases) {
    for (const char* mode : {"instal", "autoinstal"}) {
      ScriptHeader h;
      h.mode = mode;
      h.product = c.product;
      h.key = c.key;
      PutScript(MakeScript(h, "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
      ui.messages.clear();
      ui.events.clear();
      EXPECT_EQ(Run(), 1) << mode;
      EXPECT_EQ(ui.messages, (std::vector<std::string>{c.message})) << mode;
      EXPECT_EQ(std::count(ui.events.begin(), ui.events.end(), "ask"), 0) << "refused before the prompt";
      EXPECT_FALSE(machine.HasDirectory("C:\\Sylvarine"));
      EXPECT_EQ(machine.localMachine.Serialise("HKEY_LOCAL_MACHINE"), "REGEDIT4\r\n\r\n");
    }
  }
}

TEST_F(InstallerTest, DestinationLongerThan259CharactersIsRefusedBeforeAnythingIsWritten) {
  machine.AddFile("a.txt", "A");
  const std::string fits = "C:\\" + std::string(255, 'd') + "\\";  // 259 with its "\\"
  const std::string tooLong = "C:\\" + std::string(256, 'd');       // 260 once "\\" is added
  PutScript(MakeScript(ScriptHeader{}, "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
  ui.typed = tooLong;
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"The destination directory is longer than 259 characters !"}));
  EXPECT_FALSE(machine.HasDirectory(tooLong));
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, "Software\\Kelvory\\Sylvarine\\SetupInfo", "DestinationPath"),
            "<missing>");

  ui.typed = fits;
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(machine.HasFile(fits + "uninst.inf"));

  // Entry 4 of an automatic install or an update takes the same way out.
  ScriptHeader h = AutoInstall();
  h.destination = tooLong;
  h.key = "Software\\Other";
  PutScript(MakeScript(h, "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
  ui.messages.clear();
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "The destination directory is longer than 259 characters !");
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, h.key, "DestinationPath"), "<missing>");
  // A NUL in entry 4 is refused the same way.
  ScriptHeader nul = AutoInstall();
  nul.destination = std::string("C:\\Syl\0varine", 13);
  nul.key = "Software\\Nul";
  PutScript(MakeScript(nul, "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "The destination directory contains a NUL character !");
  h.mode = "update";  // used as read: no "\\" is added
  h.destination = tooLong + "\\";
  h.language = "FR";
  PutScript(MakeScript(h, "<COPYREP><a.txt><a.txt><DEL><ENDSCRIPT>"));
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ui.messages.back(), "Le répertoire de destination dépasse 259 caractères !");
  EXPECT_FALSE(machine.HasDirectory(tooLong));
}
