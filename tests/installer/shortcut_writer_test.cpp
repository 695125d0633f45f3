#include "installer/shortcut_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_encoding.h"
#include "tests/support/memory_machine.h"

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> bytes;
  for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
  return bytes;
}

void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more) {
  out.insert(out.end(), more.begin(), more.end());
}

void AppendZeros(std::vector<uint8_t>& out, std::size_t count) { out.insert(out.end(), count, 0); }

void AppendText(std::vector<uint8_t>& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(0);
}

// Header and list head as published, written out independently of the writer.
std::vector<uint8_t> ExpectedStart(int listSize, char drive) {
  std::vector<uint8_t> out = Bytes({0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46, 0x0B, 0, 0, 0,
                                    0x20, 0, 0, 0});
  AppendZeros(out, 48);
  Append(out, Bytes({listSize & 0xFF, listSize >> 8}));
  Append(out, Bytes({0x14, 0x00, 0x1F, 0x0F, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                     0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D}));
  Append(out, Bytes({0x19, 0x00, 0x23, drive, ':', '\\', 0}));
  AppendZeros(out, 18);
  return out;
}

void AppendItem(std::vector<uint8_t>& out, const std::string& longName, const std::string& shortName,
                int type) {
  int size = static_cast<int>(longName.size() + shortName.size() + 16);
  Append(out, Bytes({size & 0xFF, size >> 8, type, 0}));
  AppendZeros(out, 10);
  AppendText(out, longName);
  AppendText(out, shortName);
}

std::vector<uint8_t> LinkBytes(MemoryMachine& machine, const std::string& path) {
  auto contents = machine.FileContents(path);
  if (!contents) return {};
  return std::vector<uint8_t>(contents->begin(), contents->end());
}

}  // namespace

TEST(ShortcutWriter, WorkedExampleIsByteExact) {
  MemoryMachine machine;
  machine.AddFile("C:\\A\\B.EXE", "MZ");
  ASSERT_TRUE(WriteShortcutFile(machine, "C:\\WINDOWS\\Desktop\\B.lnk", "C:\\A\\B.EXE"));

  std::vector<uint8_t> expected = ExpectedStart(91, 'C');
  AppendItem(expected, "A", "A", 0x31);
  AppendItem(expected, "B.EXE", "B.EXE", 0x32);
  AppendZeros(expected, 50);
  ASSERT_EQ(expected.size(), 217u);
  EXPECT_EQ(LinkBytes(machine, "C:\\WINDOWS\\Desktop\\B.lnk"), expected);
  EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST(ShortcutWriter, LongNamesAsTypedShortNamesFromTheMachine) {
  MemoryMachine machine;
  machine.AddFile("C:\\Program Files\\Sylvarine\\sylvarine.exe", "MZ");
  ASSERT_TRUE(WriteShortcutFile(machine, "C:\\WINDOWS\\Desktop\\Sylvarine.lnk",
                                "C:\\Program Files\\Sylvarine\\sylvarine.exe"));
  std::vector<uint8_t> expected = ExpectedStart(47 + 37 + 33 + 41, 'C');
  AppendItem(expected, "Program Files", "PROGRA~1", 0x31);
  AppendItem(expected, "Sylvarine", "SYLVAR~1", 0x31);
  AppendItem(expected, "sylvarine.exe", "SYLVAR~1.EXE", 0x32);
  AppendZeros(expected, 50);
  EXPECT_EQ(LinkBytes(machine, "C:\\WINDOWS\\Desktop\\Sylvarine.lnk"), expected);
}

TEST(ShortcutWriter, DirectoryWithDottedShortNameTakesFileType) {
  MemoryMachine machine;
  machine.AddFile("C:\\App.Data\\X", "");
  ASSERT_TRUE(WriteShortcutFile(machine, "C:\\X.lnk", "C:\\App.Data\\X"));
  std::vector<uint8_t> expected = ExpectedStart(47 + 33 + 18, 'C');
  AppendItem(expected, "App.Data", "APP~1.DAT", 0x32);
  AppendItem(expected, "X", "X", 0x31);
  AppendZeros(expected, 50);
  EXPECT_EQ(LinkBytes(machine, "C:\\X.lnk"), expected);
}

TEST(ShortcutWriter, ItemListStopsAtTheTenthComponent) {
  MemoryMachine machine;
  std::string target = "C:";
  for (char c = 'a'; c <= 'k'; ++c) target += std::string("\\") + c;  // eleven levels
  machine.AddFile(target, "");
  ASSERT_TRUE(WriteShortcutFile(machine, "C:\\deep.lnk", target));
  std::vector<uint8_t> expected = ExpectedStart(47 + 10 * 18, 'C');
  for (char c = 'a'; c <= 'j'; ++c)
    AppendItem(expected, std::string(1, c), std::string(1, static_cast<char>(c - 32)), 0x31);
  AppendZeros(expected, 50);
  EXPECT_EQ(LinkBytes(machine, "C:\\deep.lnk"), expected);
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

TEST(ShortcutWriter, NamesAreWrittenInWindows1252WithTheirSingleByteLengths) {
  MemoryMachine machine;
  machine.AddFile("C:\\Démo\\été.exe", "MZ");
  ASSERT_TRUE(WriteShortcutFile(machine, "C:\\D.lnk", "C:\\Démo\\été.exe"));
  std::vector<uint8_t> expected = ExpectedStart(47 + (4 + 5 + 16) + (7 + 7 + 16), 'C');
  AppendItem(expected, "D\xE9mo", "DMO~1", 0x31);
  AppendItem(expected, "\xE9t\xE9.exe", "T~1.EXE", 0x32);
  AppendZeros(expected, 50);
  EXPECT_EQ(LinkBytes(machine, "C:\\D.lnk"), expected);
}

TEST(ShortcutWriter, UntidyTargetKeepsLongAndShortNamesPaired) {
  MemoryMachine machine;
  machine.AddFile("C:\\Program Files\\x.exe", "MZ");
  // A doubled separator, a forward slash and a "." step, as a script may hold them.
  for (const char* target : {"C:\\Program Files\\\\x.exe", "C:\\Program Files/x.exe",
                             "C:\\.\\Program Files\\x.exe"}) {
    ASSERT_TRUE(WriteShortcutFile(machine, "C:\\X.lnk", target)) << target;
    std::vector<uint8_t> expected = ExpectedStart(47 + 37 + 26, 'C');
    AppendItem(expected, "Program Files", "PROGRA~1", 0x31);
    AppendItem(expected, "x.exe", "X.EXE", 0x32);
    AppendZeros(expected, 50);
    EXPECT_EQ(LinkBytes(machine, "C:\\X.lnk"), expected) << target;
  }
}
