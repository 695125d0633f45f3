#include "platform/portable/registry_hive.h"

#include <gtest/gtest.h>

TEST(RegistryHive, KeysAndValueNamesIgnoreCaseValuesKeepTheirText) {
  RegistryHive hive;
  ASSERT_TRUE(hive.SetString("Software\\Kelvory\\Sylvarine\\SetupInfo\\", "DestinationPath",
                             "C:\\Program Files\\Sylvarine\\"));
  EXPECT_EQ(hive.GetString("SOFTWARE\\kelvory\\sylvarine\\setupinfo", "destinationpath"),
            "C:\\Program Files\\Sylvarine\\");
  EXPECT_TRUE(hive.HasKey("software\\KELVORY"));  // parents exist
  ASSERT_TRUE(hive.SetString("software\\kelvory\\SYLVARINE\\SetupInfo", "DESTINATIONPATH", "x"));
  EXPECT_EQ(hive.GetString("Software\\Kelvory\\Sylvarine\\SetupInfo", "DestinationPath"), "x");
  EXPECT_FALSE(hive.GetString("Software\\Kelvory\\Sylvarine\\SetupInfo", "Other"));
  EXPECT_FALSE(hive.SetString("a\\\\b", "v", "x"));
  EXPECT_FALSE(hive.SetString("a\nb", "v", "x"));
  EXPECT_FALSE(hive.SetString("a", "v", std::string("x\0y", 3)));
}

TEST(RegistryHive, DeleteRemovesTheSubtreeOnly) {
  RegistryHive hive;
  hive.SetString("Uninstall\\Sylvarine\\Sub", "a", "1");
  hive.SetString("Uninstall\\Sylvarine", "UninstallString", "x");
  hive.SetString("Uninstall\\Sylvarine Extra", "a", "2");
  EXPECT_TRUE(hive.DeleteKey("uninstall\\SYLVARINE"));
  EXPECT_FALSE(hive.HasKey("Uninstall\\Sylvarine\\Sub"));
  EXPECT_FALSE(hive.HasKey("Uninstall\\Sylvarine"));
  EXPECT_EQ(hive.GetString("Uninstall\\Sylvarine Extra", "a"), "2");
  EXPECT_TRUE(hive.HasKey("Uninstall"));
  EXPECT_FALSE(hive.DeleteKey("Uninstall\\Sylvarine"));
}

TEST(RegistryHive, TextRoundTrip) {
  RegistryHive hive;
  hive.SetString("Software\\Kelvory\\Sylvarine\\SetupInfo", "DestinationPath",
                 "C:\\Program Files\\Sylvarine\\");
  hive.SetString("SOFTWARE\\Classes\\.htm", "", "htmlfile");
  hive.SetString("SOFTWARE\\Classes\\htmlfile\\Shell\\Open\\Command", "",
                 "\"C:\\Web\\browser.exe\" -nohome \"%1\"");
  hive.SetString("Odd", "na\"me\\", "line one\r\nline two  é");
  std::string text = hive.Serialise("HKEY_LOCAL_MACHINE");
  EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Kelvory\\Sylvarine\\SetupInfo]\r\n"
                      "\"DestinationPath\"=\"C:\\\\Program Files\\\\Sylvarine\\\\\"\r\n\r\n"),
            std::string::npos)
      << text;
  // "SOFTWARE" names the key "Software" made first: each component keeps its spelling.
  EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Classes\\.htm]\r\n@=\"htmlfile\"\r\n"),
            std::string::npos);
  EXPECT_EQ(text.rfind("REGEDIT4\r\n\r\n[", 0), 0u);

  RegistryParseResult parsed = RegistryHive::Parse(text, "HKEY_LOCAL_MACHINE");
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.hive.Serialise("HKEY_LOCAL_MACHINE"), text);
  EXPECT_EQ(parsed.hive.GetString("odd", "NA\"ME\\"), "line one\r\nline two  é");
  EXPECT_EQ(parsed.hive.GetString("software\\classes\\htmlfile\\shell\\open\\command", ""),
            "\"C:\\Web\\browser.exe\" -nohome \"%1\"");
}

TEST(RegistryHive, ParsesHandWrittenText) {
  RegistryParseResult parsed = RegistryHive::Parse(
      "\xEF\xBB\xBFREGEDIT4\r\n\r\n; a comment\r\n[hkey_current_user\\A\\B]  \r\n"
      "\"x\"=\"1\"\r\n@=\"d\"\r\n",
      "HKEY_CURRENT_USER");
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.hive.GetString("a\\b", "X"), "1");
  EXPECT_EQ(parsed.hive.GetString("a\\b", ""), "d");
}

TEST(RegistryHive, DamagedTextIsRefusedWithItsLine) {
  struct Case {
    const char* text;
    std::size_t line;
  };
  const Case cases[] = {
      {"", 1},
      {"REGEDIT5\n", 1},
      {"REGEDIT4\n\"a\"=\"b\"\n", 2},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n", 2},  // the other root
      {"REGEDIT4\n[HKEY_CURRENT_USERX\\A]\n", 2},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A\n", 2},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=dword:00000001\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=\"b\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=\"\\q\"\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=\"b\" x\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"\"b\"\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A\\\\B]\n", 2},
  };
  for (const Case& c : cases) {
    RegistryParseResult parsed = RegistryHive::Parse(c.text, "HKEY_CURRENT_USER");
    EXPECT_FALSE(parsed.ok) << c.text;
    EXPECT_EQ(parsed.errorLine, c.line) << c.text;
    EXPECT_FALSE(parsed.error.empty());
  }
}

TEST(RegistryHive, TextIsLaidOutAsTheRegistryEditorExportsIt) {
  RegistryHive hive;
  // Created out of order: a subkey, a sibling whose name sorts between, mixed case.
  hive.SetString("Uninstall\\Sylvarine\\Sub", "", "s");
  hive.SetString("Uninstall\\Sylvarine Extra", "a", "2");
  hive.SetString("Uninstall\\Sylvarine", "UninstallString", "u");
  hive.SetString("Uninstall\\Sylvarine", "DisplayName", "d");
  hive.SetString("uninstall\\Sylvarine_x", "x", "1");  // "_" sorts after the letters
  hive.SetString("Uninstall\\SylvarineA", "", "");
  hive.SetString("Uninstall\\SYLVARINE", "uninstallstring", "v");  // keeps its place
  EXPECT_EQ(hive.Serialise("HKEY_LOCAL_MACHINE"),
            "REGEDIT4\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Uninstall]\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Uninstall\\Sylvarine]\r\n"
            "\"UninstallString\"=\"v\"\r\n\"DisplayName\"=\"d\"\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Uninstall\\Sylvarine\\Sub]\r\n@=\"s\"\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Uninstall\\Sylvarine Extra]\r\n\"a\"=\"2\"\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Uninstall\\SylvarineA]\r\n@=\"\"\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Uninstall\\Sylvarine_x]\r\n\"x\"=\"1\"\r\n\r\n");
  RegistryParseResult parsed =
      RegistryHive::Parse(hive.Serialise("HKEY_LOCAL_MACHINE"), "HKEY_LOCAL_MACHINE");
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.hive.Serialise("HKEY_LOCAL_MACHINE"), hive.Serialise("HKEY_LOCAL_MACHINE"));
}
