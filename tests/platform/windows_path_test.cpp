#include "platform/portable/windows_path.h"

#include <gtest/gtest.h>

TEST(WindowsPath, ParseAndFormat) {
  EXPECT_EQ(NormaliseWindowsPath("c:\\WINDOWS\\\\System\\"), "C:\\WINDOWS\\System");
  EXPECT_EQ(NormaliseWindowsPath("C:/a/b"), "C:\\a\\b");
  EXPECT_EQ(NormaliseWindowsPath("C:"), "C:\\");
  EXPECT_EQ(NormaliseWindowsPath("a\\.\\b"), "a\\b");
  EXPECT_EQ(NormaliseWindowsPath("..\\b"), "..\\b");
  // ".." never climbs above a drive's root.
  EXPECT_EQ(NormaliseWindowsPath("C:\\a\\..\\..\\..\\b"), "C:\\b");
  WindowsPath parsed = ParseWindowsPath("\\x\\y");
  EXPECT_EQ(parsed.drive, 0);
  EXPECT_TRUE(parsed.rooted);
  EXPECT_EQ(parsed.components, (std::vector<std::string>{"x", "y"}));
}

TEST(WindowsPath, JoinAndCompare) {
  EXPECT_EQ(JoinWindowsPath("C:\\A", "B.EXE"), "C:\\A\\B.EXE");
  EXPECT_EQ(JoinWindowsPath("C:\\A\\", "B.EXE"), "C:\\A\\B.EXE");
  EXPECT_EQ(JoinWindowsPath("", "B.EXE"), "B.EXE");
  EXPECT_TRUE(SameWindowsPath("c:\\A\\b", "C:\\A\\b\\"));
  EXPECT_FALSE(SameWindowsPath("C:\\A\\b", "C:\\a\\b"));  // names compare as the host does
  EXPECT_TRUE(EqualsIgnoringCase("Software\\Kelvory", "SOFTWARE\\kelvory"));
  EXPECT_FALSE(EqualsIgnoringCase("abc", "abd"));
  EXPECT_EQ(FormatWindowsPath(AbsoluteWindowsPath("x\\y", "Z:\\medium")), "Z:\\medium\\x\\y");
  EXPECT_EQ(FormatWindowsPath(AbsoluteWindowsPath("\\x", "C:\\medium")), "C:\\x");
  EXPECT_EQ(FormatWindowsPath(AbsoluteWindowsPath("..\\x", "C:\\a\\b")), "C:\\a\\x");
}

TEST(WindowsPath, TypedHostPathsBecomeZ) {
  EXPECT_EQ(TypedPathToWindows("/home/me/Sylvarine"), "Z:\\home\\me\\Sylvarine");
  EXPECT_EQ(TypedPathToWindows("/home/me/Sylvarine/"), "Z:\\home\\me\\Sylvarine\\");
  EXPECT_EQ(TypedPathToWindows("C:\\Program Files\\Sylvarine\\"), "C:\\Program Files\\Sylvarine\\");
  EXPECT_EQ(TypedPathToWindows("relative\\dir"), "relative\\dir");
}

TEST(WindowsPath, MapsOntoTheHost) {
  const std::string machine = "/data/corvane-machine/";
  EXPECT_EQ(WindowsPathToHost("C:\\WINDOWS\\SYSTEM", machine),
            "/data/corvane-machine/drive_c/WINDOWS/SYSTEM");
  EXPECT_EQ(WindowsPathToHost("c:\\", machine), "/data/corvane-machine/drive_c");
  EXPECT_EQ(WindowsPathToHost("Z:\\home\\me", machine), "/home/me");
  EXPECT_EQ(WindowsPathToHost("Z:\\", machine), "/");
  EXPECT_EQ(WindowsPathToHost("setup.inf", machine), "setup.inf");
  EXPECT_EQ(WindowsPathToHost("sub\\x.dll", machine), "sub/x.dll");
  // Rooted without a letter: the current drive, C:, never the host's root.
  EXPECT_EQ(WindowsPathToHost("\\x", machine), "/data/corvane-machine/drive_c/x");
  EXPECT_EQ(WindowsPathToHost("\\", machine), "/data/corvane-machine/drive_c");
  EXPECT_EQ(WindowsPathToHost("C:\\..\\..\\etc\\passwd", machine),
            "/data/corvane-machine/drive_c/etc/passwd");
  EXPECT_FALSE(WindowsPathToHost("D:\\x", machine));
  EXPECT_FALSE(WindowsPathToHost("\\\\server\\share", machine));
  EXPECT_FALSE(WindowsPathToHost(std::string("C:\\a\0b", 6), machine));

  EXPECT_EQ(HostPathToWindows("/data/corvane-machine/drive_c/Program Files/x", machine),
            "C:\\Program Files\\x");
  EXPECT_EQ(HostPathToWindows("/data/corvane-machine/drive_c", machine), "C:\\");
  EXPECT_EQ(HostPathToWindows("/data/corvane-machine/drive_cx", machine),
            "Z:\\data\\corvane-machine\\drive_cx");
  EXPECT_EQ(HostPathToWindows("/home//me/./x/", machine), "Z:\\home\\me\\x");
  EXPECT_EQ(HostPathToWindows("/", machine), "Z:\\");
}

TEST(WindowsPath, RootedWithoutALetterIsOnTheCurrentDrive) {
  EXPECT_EQ(FormatWindowsPath(AbsoluteWindowsPath("\\x", "Z:\\medium")), "C:\\x");
  EXPECT_EQ(FormatWindowsPath(AbsoluteWindowsPath("\\", "Z:\\medium")), "C:\\");
  EXPECT_EQ(FormatWindowsPath(AbsoluteWindowsPath("x", "Z:\\medium")), "Z:\\medium\\x");
}
