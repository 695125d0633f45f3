#include "installer/operations/shortcut_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/installer/golden_files.h"
#include "tests/support/memory_machine.h"

namespace {

// The shortcut to `target` (an existing file), written by the installer.
std::string ShortcutTo(MemoryMachine& machine, const std::string& target) {
  machine.AddFile(target, "MZ");
  if (!WriteShortcutFile(machine, "C:\\L.lnk", target)) return "<not written>";
  return machine.FileContents("C:\\L.lnk").value_or("<missing>");
}

// The item-list size the file declares (two bytes at offset 76).
int DeclaredListSize(const std::string& bytes) {
  return static_cast<uint8_t>(bytes.at(76)) | static_cast<uint8_t>(bytes.at(77)) << 8;
}

}  // namespace

TEST(ShortcutWriter, TwoLevelTargetGivesTheFileOf217Bytes) {
  MemoryMachine machine;
  const std::string bytes = ShortcutTo(machine, "C:\\A\\B.EXE");
  // Items of 18 and 26 bytes after the 47 of the list's fixed part.
  EXPECT_EQ(bytes.size(), 217u);
  EXPECT_EQ(DeclaredListSize(bytes), 91);
  EXPECT_EQ(bytes, Golden("a_b_exe.lnk"));
  EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST(ShortcutWriter, MatchesTheGoldenFiles) {
  const struct {
    const char* target;
    const char* golden;
  } cases[] = {
      // Long names as typed, short names from the machine.
      {"C:\\Program Files\\Sylvarine\\sylvarine.exe", "program_files_sylvarine.lnk"},
      // A directory whose short name has a dot takes the file type.
      {"C:\\App.Data\\X", "dotted_directory.lnk"},
      // Names in Windows-1252 with their single-byte lengths.
      {"C:\\Démo\\été.exe", "windows_1252_names.lnk"},
  };
  for (const auto& c : cases) {
    MemoryMachine machine;
    EXPECT_EQ(ShortcutTo(machine, c.target), Golden(c.golden)) << c.target;
  }
}

TEST(ShortcutWriter, ItemListStopsAtTheTenthComponent) {
  MemoryMachine machine;
  std::string target = "C:";
  for (char c = 'a'; c <= 'k'; ++c) target += std::string("\\") + c;  // eleven levels
  const std::string bytes = ShortcutTo(machine, target);
  EXPECT_EQ(DeclaredListSize(bytes), 47 + 10 * 18);
  EXPECT_EQ(bytes, Golden("eleven_levels.lnk"));
}

TEST(ShortcutWriter, UntidyTargetKeepsLongAndShortNamesPaired) {
  MemoryMachine machine;
  machine.AddFile("C:\\Program Files\\x.exe", "MZ");
  // A doubled separator, a forward slash and a "." step, as a script may hold them.
  for (const char* target : {"C:\\Program Files\\\\x.exe", "C:\\Program Files/x.exe",
                             "C:\\.\\Program Files\\x.exe"}) {
    ASSERT_TRUE(WriteShortcutFile(machine, "C:\\X.lnk", target)) << target;
    EXPECT_EQ(machine.FileContents("C:\\X.lnk"), Golden("program_files_x.lnk")) << target;
  }
}

TEST(ShortcutWriter, NothingWrittenWhenTheLinkCannotBeMade) {
  MemoryMachine machine;
  // Target missing: no short path, no file, and an older link stays as it was.
  machine.AddFile("C:\\old.lnk", "old");
  EXPECT_FALSE(WriteShortcutFile(machine, "C:\\old.lnk", "C:\\Missing\\B.EXE"));
  EXPECT_EQ(machine.FileContents("C:\\old.lnk"), "old");
  EXPECT_FALSE(WriteShortcutFile(machine, "C:\\new.lnk", "C:\\Missing\\B.EXE"));
  EXPECT_FALSE(machine.HasFile("C:\\new.lnk"));

  // Relative target: its short path has no drive.
  machine.AddFile("B.EXE", "MZ");
  EXPECT_FALSE(WriteShortcutFile(machine, "C:\\rel.lnk", "B.EXE"));
  EXPECT_FALSE(machine.HasFile("C:\\rel.lnk"));

  // Link folder missing, or the write failing half-way.
  machine.AddFile("C:\\A\\B.EXE", "MZ");
  EXPECT_FALSE(WriteShortcutFile(machine, "C:\\NoFolder\\B.lnk", "C:\\A\\B.EXE"));
  machine.failingWrites.insert("C:\\old.lnk");
  EXPECT_FALSE(WriteShortcutFile(machine, "C:\\old.lnk", "C:\\A\\B.EXE"));
  EXPECT_EQ(machine.FileContents("C:\\old.lnk"), "old");
  EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST(ShortcutWriter, ComposeRefusesSizesBeyondSixteenBits) {
  std::string huge(70000, 'x');
  EXPECT_FALSE(CShortcutWriter::ComposeShortcut("C:\\" + huge, "C:\\XXXXXX~1").has_value());
  EXPECT_FALSE(CShortcutWriter::ComposeShortcut("\\\\server\\share\\a", "\\\\server\\share\\a"));
  EXPECT_TRUE(CShortcutWriter::ComposeShortcut("Z:\\tmp", "Z:\\TMP").has_value());
}
