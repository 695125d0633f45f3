// The profile in the registry, and programs started from argument lists.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/windows/command_line.h"
#include "platform/windows/registry_profile.h"
#include "platform/windows/win32_program_starter.h"
#include "platform/windows/wide_text.h"

namespace {

TEST(RegistryProfile, EntriesAreDwordsOfTheSectionKey) {
  RegistryProfile profile("Kelvory", "ProfileTest");
  EXPECT_EQ(profile.ReadProfileInt("settings", "couleur1", -1), -1);
  ASSERT_TRUE(profile.WriteProfileInt("settings", "couleur1", 0x00C0C0C0));
  ASSERT_TRUE(profile.WriteProfileInt("settings", "trace", -5));
  EXPECT_EQ(profile.ReadProfileInt("settings", "trace", 0), -5);
  DWORD value = 0;
  DWORD size = sizeof value;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Kelvory\\ProfileTest\\settings", L"couleur1",
                         RRF_RT_REG_DWORD, nullptr, &value, &size), ERROR_SUCCESS);
  EXPECT_EQ(value, 0x00C0C0C0u);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kelvory\\ProfileTest");
}

// The system's own parser is the oracle: each argument comes back whole.
TEST(CommandLine, SplitsBackIntoTheArgumentsGiven) {
  const std::vector<std::wstring> arguments = {L"C:\\Program Files\\Sylvarine\\help.htm", L"", L"plain",
                                               L"say \"hi\"", L"ends\\", L"C:\\dir with space\\",
                                               L"a\\\\\"b", L"tab\there"};
  const std::wstring line = BuildCommandLine(L"C:\\Program Files\\Browser\\browse.exe", arguments.data(),
                                             static_cast<int>(arguments.size()));
  int count = 0;
  wchar_t** split = CommandLineToArgvW(line.c_str(), &count);
  ASSERT_EQ(count, static_cast<int>(arguments.size()) + 1) << WideToUtf8(line);
  EXPECT_STREQ(split[0], L"C:\\Program Files\\Browser\\browse.exe");
  for (int i = 0; i < static_cast<int>(arguments.size()); ++i) EXPECT_EQ(split[i + 1], arguments[i]);
  LocalFree(split);
}

TEST(ProgramStarter, StartsWhatTheSystemFindsAndOnlyThat) {
  Win32ProgramStarter starter;
  const std::string_view arguments[] = {"/c", "exit"};
  EXPECT_TRUE(starter.StartProgram("cmd.exe", arguments, 2));  // found on the system's path
  EXPECT_FALSE(starter.StartProgram("no-such-program.exe", nullptr, 0));
}

}  // namespace
