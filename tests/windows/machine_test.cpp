// The machine on the real registry and file system: what both programs rely on.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "platform/windows/wide_text.h"
#include "platform/windows/win32_machine.h"

namespace {

constexpr char kKey[] = "Software\\Kelvory\\MachineTest\\SetupInfo\\";

// A folder of the test's own under the system's temporary folder, removed at the end.
struct ScratchFolder {
  ScratchFolder() { std::filesystem::create_directories(path); }
  ~ScratchFolder() { std::filesystem::remove_all(path); }
  std::string Inside(const std::wstring& name) const { return WideToUtf8((path / name).wstring()); }
  inline static int made = 0;
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
      (L"sylvarine-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made));
};

std::string Contents(const std::filesystem::path& path) {
  return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

bool WriteWhole(IMachine& machine, const std::string& path, const std::string& data) {
  const IMachine::FileHandle file = machine.CreateForWriting(path);
  const bool written = machine.WriteFile(file, reinterpret_cast<const uint8_t*>(data.data()), data.size());
  return machine.CloseFile(file) && written;
}

TEST(Win32Machine, RegistryStringsRoundTripInTheCodePageAndRefuseWhatDoesNotFit) {
  Win32Machine machine;
  const std::string destination = "C:\\Program Files\\Sylvarine é\\";
  const std::size_t length = destination.size() - 1;  // "é": two bytes in UTF-8, one in the code page
  ASSERT_TRUE(machine.WriteRegistryString(RegistryRoot::LocalMachine, kKey, "DestinationPath", destination));
  std::string read;
  EXPECT_TRUE(machine.ReadRegistryString(RegistryRoot::LocalMachine, kKey, "DestinationPath", length + 1, read));
  EXPECT_EQ(read, destination);
  // A text that needs more than the caller's bytes is refused, not cut; that is no fault.
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::LocalMachine, kKey, "DestinationPath", length, read));
  EXPECT_EQ(machine.MachineFault(), "");

  // A value stored without its NUL, as older installers left them, reads whole.
  const std::wstring unterminated = L"C:\\Old\\";
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Kelvory\\MachineTest\\SetupInfo", L"Old", REG_SZ,
                            unterminated.data(), static_cast<DWORD>(unterminated.size() * 2)), ERROR_SUCCESS);
  EXPECT_TRUE(machine.ReadRegistryString(RegistryRoot::LocalMachine, kKey, "Old", 8, read));
  EXPECT_EQ(read, "C:\\Old\\");

  // A text the code page cannot hold is refused whole, and said why.
  EXPECT_FALSE(machine.WriteRegistryString(RegistryRoot::CurrentUser, kKey, "Name", "Ωmega"));
  EXPECT_NE(machine.MachineFault(), "");
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::CurrentUser, kKey, "Name", 300, read));

  EXPECT_FALSE(machine.DeleteRegistryKey(RegistryRoot::LocalMachine, "Software\\Kelvory\\MachineTest"));
  EXPECT_TRUE(machine.DeleteRegistryKey(RegistryRoot::LocalMachine, kKey));  // only a key without subkeys
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::LocalMachine, kKey, "DestinationPath", 300, read));
}

TEST(Win32Machine, ShortNamesAreTheSystemsOwnForExistingPathsOnly) {
  ScratchFolder scratch;
  const std::filesystem::path file = scratch.path / L"Program Folder" / L"Sub Folder" / L"a long name.html";
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "x";
  Win32Machine machine;
  std::string shortPath;
  ASSERT_TRUE(machine.ShortPathName(WideToUtf8(file.wstring()), shortPath));
  EXPECT_TRUE(std::regex_search(shortPath, std::regex(R"((\\[^\\. ]{1,8}){2}\\[^\\. ]{1,8}\.[^\\. ]{1,3}$)")))
      << shortPath;
  wchar_t longPath[MAX_PATH] = {};
  GetLongPathNameW(Utf8ToWide(shortPath).c_str(), longPath, MAX_PATH);
  EXPECT_EQ(std::filesystem::path(longPath), file);
  EXPECT_FALSE(machine.ShortPathName(scratch.Inside(L"Program Folder\\missing.txt"), shortPath));
  EXPECT_TRUE(machine.FileExists(machine.SystemDirectory() + "\\kernel32.dll"));
  EXPECT_TRUE(machine.FileExists(machine.WindowsDirectory() + "\\system32"));
}

TEST(Win32Machine, AReplaceThatFailsLeavesTheOldFileAndNoTrace) {
  ScratchFolder scratch;
  const std::string target = scratch.Inside(L"nom accentué.dat");
  Win32Machine machine;
  ASSERT_TRUE(WriteWhole(machine, target, "old"));
  // A program holds the file open: the system refuses to replace it, and says why.
  HANDLE holder = CreateFileW(Utf8ToWide(target).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteWhole(machine, target, "new"));
  EXPECT_NE(machine.MachineFault(), "");
  CloseHandle(holder);
  EXPECT_EQ(Contents(scratch.path / L"nom accentué.dat"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path), {}), 1);

  ASSERT_TRUE(WriteWhole(machine, target, "new"));
  EXPECT_EQ(Contents(scratch.path / L"nom accentué.dat"), "new");
}

}  // namespace
