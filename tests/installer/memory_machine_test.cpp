// The in-memory machine behaves as the host machine does where tests rely on it.
#include "tests/support/memory_machine.h"

#include <gtest/gtest.h>

TEST(MemoryMachine, FreshMachineHasWindowsAndShellFolders) {
  MemoryMachine machine;
  EXPECT_TRUE(machine.FileExists("C:\\WINDOWS\\SYSTEM"));
  EXPECT_TRUE(machine.FileExists("c:\\WINDOWS\\Start Menu\\Programs\\StartUp"));
  std::string value;
  ASSERT_TRUE(machine.ReadRegistryString(RegistryRoot::CurrentUser,
                                         MemoryMachine::kShellFoldersKey, "programs", 300, value));
  EXPECT_EQ(value, "C:\\WINDOWS\\Start Menu\\Programs");
  // Text plus its terminating zero must fit.
  EXPECT_FALSE(machine.ReadRegistryString(RegistryRoot::CurrentUser,
                                          MemoryMachine::kShellFoldersKey, "Programs",
                                          value.size(), value));
}

TEST(MemoryMachine, WritesReplaceOnlyOnCommit) {
  MemoryMachine machine;
  machine.AddFile("C:\\f.txt", "old");
  auto handle = machine.CreateForWriting("C:\\f.txt");
  ASSERT_GE(handle, 0);
  const uint8_t data[] = {'n', 'e', 'w'};
  ASSERT_TRUE(machine.WriteFile(handle, data, 3));
  EXPECT_EQ(machine.FileContents("C:\\f.txt"), "old");
  ASSERT_TRUE(machine.CloseFile(handle));
  EXPECT_EQ(machine.FileContents("C:\\f.txt"), "new");
  // Relative paths are in the working directory; a missing directory refuses creation.
  EXPECT_LT(machine.CreateForWriting("C:\\nowhere\\f.txt"), 0);
  machine.AddFile("setup.inf", "CRV");
  EXPECT_TRUE(machine.HasFile("Z:\\medium\\setup.inf"));
  EXPECT_FALSE(machine.MakeDirectory("C:\\a\\b"));
  EXPECT_TRUE(machine.MakeDirectory("C:\\a"));
  EXPECT_TRUE(machine.MakeDirectory("C:\\a\\b"));
}

TEST(MemoryMachine, ShortNamesFollowTheHostRule) {
  MemoryMachine machine;
  machine.AddFile("C:\\Program Files\\x", "");
  machine.AddFile("C:\\Programs Extra\\y", "");
  std::string shortPath;
  ASSERT_TRUE(machine.ShortPathName("C:\\Programs Extra\\y", shortPath));
  EXPECT_EQ(shortPath, "C:\\PROGRA~2\\Y");
  EXPECT_FALSE(machine.ShortPathName("C:\\Program Files\\z", shortPath));
}
