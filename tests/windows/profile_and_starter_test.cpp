// The profile in the registry, and programs started from argument lists.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/windows/command_line.h"
#include "platform/windows/registry_profile.h"
#include "platform/windows/win32_program_starter.h"
#include "tests/windows/scratch_folder.h"

namespace {

constexpr char kArgumentsFileVariable[] = "SYLVARINE_STARTED_ARGUMENTS";

TEST(RegistryProfile, EntriesAreDwordsOfTheSectionKey) {
  RegistryProfile profile("Kelvory", "ProfileTest");
  EXPECT_EQ(profile.ReadProfileInt("settings", "couleur1", -1), -1);
  ASSERT_TRUE(profile.WriteProfileInt("settings", "couleur1", 0x00C0C0C0));
  ASSERT_TRUE(profile.WriteProfileInt("settings", "trace", -5));
  EXPECT_EQ(RegistryProfile("Kelvory", "ProfileTest").ReadProfileInt("settings", "couleur1", -1), 0x00C0C0C0);
  EXPECT_EQ(profile.ReadProfileInt("settings", "trace", 0), -5);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Kelvory\\ProfileTest\\settings", L"couleur1",
                         RRF_RT_ANY, &type, &value, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvory\\ProfileTest");
}

// The system's own parser is the oracle: each argument comes back whole.
TEST(CommandLine, SplitsBackIntoTheArgumentsGiven) {
  const std::vector<std::wstring> arguments = {
      L"C:\\Program Files\\Sylvarine\\help.htm", L"", L"plain", L"say \"hi\"", L"ends\\",
      L"C:\\dir with space\\", L"a\\\\\"b", L"tab\there"};
  const std::wstring line =
      BuildCommandLine(L"C:\\Program Files\\Browser\\browse.exe", arguments.data(), static_cast<int>(arguments.size()));
  int count = 0;
  wchar_t** split = CommandLineToArgvW(line.c_str(), &count);
  ASSERT_EQ(count, static_cast<int>(arguments.size()) + 1) << WideToUtf8(line);
  EXPECT_STREQ(split[0], L"C:\\Program Files\\Browser\\browse.exe");
  for (int i = 0; i < static_cast<int>(arguments.size()); ++i) EXPECT_EQ(split[i + 1], arguments[i]);
  LocalFree(split);
}

// Started by the next test: writes the arguments it was given, one a line.
TEST(ProgramStarter, StartedChildWritesItsArguments) {
  const char* file = std::getenv(kArgumentsFileVariable);
  if (file == nullptr) GTEST_SKIP() << "started by ProgramStarter.StartsWithoutWaitingAndKeepsEachArgumentWhole";
  const std::filesystem::path done = Utf8ToWide(file);
  const std::filesystem::path part = done.wstring() + L".part";
  std::ofstream out(part, std::ios::binary);
  for (int i = 1; i < __argc; ++i) out << __argv[i] << "\n";
  out.close();
  std::filesystem::rename(part, done);
}

TEST(ProgramStarter, StartsWithoutWaitingAndKeepsEachArgumentWhole) {
  ScratchFolder scratch;
  const std::string written = scratch.Inside(L"arguments.txt");
  SetEnvironmentVariableA(kArgumentsFileVariable, written.c_str());
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::string program = WideToUtf8(self);
  const std::string_view arguments[] = {"--gtest_filter=ProgramStarter.StartedChildWritesItsArguments",
                                        "C:\\Program Files\\Sylvarine\\help.htm", "say \"hi\""};
  Win32ProgramStarter starter;
  ASSERT_TRUE(starter.StartProgram(program, arguments, 3));
  SetEnvironmentVariableA(kArgumentsFileVariable, nullptr);
  EXPECT_FALSE(starter.StartProgram("no-such-program.exe", nullptr, 0));

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!std::filesystem::exists(scratch.Path() / L"arguments.txt")) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the started program wrote nothing";
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::ifstream in(scratch.Path() / L"arguments.txt", std::ios::binary);
  std::string line;
  for (std::string_view expected : arguments) {
    std::getline(in, line);
    EXPECT_EQ(line, expected);
  }
}

}  // namespace
