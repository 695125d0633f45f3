// The machine on the real registry and file system: what both programs rely on.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "platform/windows/win32_machine.h"
#include "tests/windows/scratch_folder.h"

namespace {

constexpr char kKey[] = "Software\\Kelvory\\MachineTest\\SetupInfo\\";

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool WriteWhole(IMachine& machine, const std::string& path, const std::string& data) {
  const IMachine::FileHandle file = machine.CreateForWriting(path);
  if (file < 0) return false;
  const bool written = machine.WriteFile(file, reinterpret_cast<const uint8_t*>(data.data()), data.size());
  return machine.CloseFile(file) && written;
}

TEST(Win32Machine, RegistryStringsRoundTripInTheCodePageAndRefuseWhatDoesNotFit) {
  Win32Machine machine;
  const std::string destination = "C:\\Program Files\\Sylvarine é\\";
  ASSERT_TRUE(machine.WriteRegistryString(RegistryRoot::LocalMachine, kKey, "DestinationPath", destination));

  // A value stored without its NUL, as older installers left them, reads whole.
  const std::wstring unterminated = L"C:\\Old\\";
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Kelvory\\MachineTest\\SetupInfo", L"Old",
                            REG_SZ, unterminated.data(), static_cast<DWORD>(unterminated.size() * 2)),
            ERROR_SUCCESS);
  std::string read;
  EXPECT_TRUE(machine.ReadRegistryString(RegistryRoot::LocalMachine, kKey, "Old", 8, read));
  EXPECT_EQ(read, "C:\\Old\\");

  const auto size = destination.size() - 1;  // "é": two bytes in UTF-8, one in the code page
  EXPECT_TRUE(machine.ReadRegistryString(RegistryRoot::LocalMachine, kKey, "DestinationPath", size + 1, read));
  EXPECT_EQ(read, destination);
  // A text that needs more than the caller's bytes is refused, not cut; that is no fault.
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::LocalMachine, kKey, "DestinationPath", size, read));
  EXPECT_EQ(machine.MachineFault(), "");

  // A text the code page cannot hold is refused whole, and said why.
  EXPECT_FALSE(machine.WriteRegistryString(RegistryRoot::CurrentUser, kKey, "Name", "Ωmega"));
  EXPECT_NE(machine.MachineFault(), "");
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::CurrentUser, kKey, "Name", 300, read));

  EXPECT_TRUE(machine.DeleteRegistryKey(RegistryRoot::LocalMachine, kKey));
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::LocalMachine, kKey, "DestinationPath", 300, read));
  EXPECT_EQ(machine.MachineFault(), "");
}

TEST(Win32Machine, ShortNamesAreTheSystemsOwnForExistingPathsOnly) {
  ScratchFolder scratch;
  std::filesystem::create_directories(scratch.Path() / L"Program Folder" / L"Sub Folder");
  std::ofstream(scratch.Path() / L"Program Folder" / L"Sub Folder" / L"a long name.html") << "x";
  Win32Machine machine;
  std::string shortPath;
  ASSERT_TRUE(machine.ShortPathName(scratch.Inside(L"Program Folder\\Sub Folder\\a long name.html"), shortPath));
  // Every component 8.3, and the system takes it back to the same file.
  EXPECT_TRUE(std::regex_search(shortPath, std::regex(R"(\\[^\\. ]{1,8}\\[^\\. ]{1,8}\\[^\\. ]{1,8}\.[^\\. ]{1,3}$)")))
      << shortPath;
  wchar_t longPath[MAX_PATH] = {};
  GetLongPathNameW(Utf8ToWide(shortPath).c_str(), longPath, MAX_PATH);
  EXPECT_EQ(std::filesystem::path(longPath), scratch.Path() / L"Program Folder" / L"Sub Folder" / L"a long name.html");
  EXPECT_FALSE(machine.ShortPathName(scratch.Inside(L"Program Folder\\missing.txt"), shortPath));
}

TEST(Win32Machine, AReplaceThatFailsLeavesTheOldFileAndNoTrace) {
  ScratchFolder scratch;
  const std::string target = scratch.Inside(L"nom accentué.dat");
  Win32Machine machine;
  ASSERT_TRUE(WriteWhole(machine, target, "old"));
  {
    // A program holds the file open: the system refuses to replace it.
    HANDLE holder = CreateFileW(Utf8ToWide(target).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteWhole(machine, target, "new"));
    EXPECT_NE(machine.MachineFault(), "");
    CloseHandle(holder);
  }
  EXPECT_EQ(Contents(scratch.Path() / L"nom accentué.dat"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()), {}), 1);

  ASSERT_TRUE(WriteWhole(machine, target, "new"));
  EXPECT_EQ(Contents(scratch.Path() / L"nom accentué.dat"), "new");
  uint8_t buffer[8] = {};
  const IMachine::FileHandle file = machine.OpenForReading(target);
  EXPECT_EQ(machine.ReadFile(file, buffer, sizeof buffer), 3);
  EXPECT_TRUE(machine.CloseFile(file));
}

TEST(Win32Machine, DirectoriesAndFilesAsTheSystemHasThem) {
  Win32Machine machine;
  EXPECT_TRUE(machine.FileExists(machine.WindowsDirectory()));
  EXPECT_TRUE(machine.FileExists(machine.SystemDirectory() + "\\kernel32.dll"));
  ScratchFolder scratch;
  const std::string folder = scratch.Inside(L"Dossier");
  EXPECT_TRUE(machine.MakeDirectory(folder));
  EXPECT_FALSE(machine.MakeDirectory(folder));
  EXPECT_FALSE(machine.MakeDirectory(folder + "\\a\\b"));  // one level only
  EXPECT_FALSE(machine.RemoveFile(folder));                // never a directory
  ASSERT_TRUE(WriteWhole(machine, folder + "\\f", "x"));
  EXPECT_TRUE(machine.RemoveFile(folder + "\\f"));
  EXPECT_FALSE(machine.FileExists(folder + "\\f"));
  EXPECT_EQ(machine.MachineFault(), "");
}

}  // namespace
