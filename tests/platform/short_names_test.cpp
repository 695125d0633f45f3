#include "platform/portable/short_names.h"

#include <gtest/gtest.h>

TEST(ShortNames, ValidNamesAreKeptInUpperCase) {
  EXPECT_EQ(ShortNameAmong("readme.txt", {"readme.txt"}), "README.TXT");
  EXPECT_EQ(ShortNameAmong("WINDOWS", {}), "WINDOWS");
  EXPECT_EQ(ShortNameAmong("a!#$%&'(", {}), "A!#$%&'(");
  EXPECT_EQ(ShortNameAmong("{x}-@^_`.~", {}), "{X}-@^_`.~");
  EXPECT_TRUE(IsValidShortName("12345678.123"));
  EXPECT_FALSE(IsValidShortName("123456789"));
  EXPECT_FALSE(IsValidShortName("a.1234"));
  EXPECT_FALSE(IsValidShortName("a.b.c"));
  EXPECT_FALSE(IsValidShortName(".txt"));
  EXPECT_FALSE(IsValidShortName("a."));
  EXPECT_FALSE(IsValidShortName("a b"));
  EXPECT_FALSE(IsValidShortName("a+b"));
  EXPECT_FALSE(IsValidShortName(""));
}

TEST(ShortNames, LongNamesTakeSixCharactersAndANumber) {
  EXPECT_EQ(ShortNameAmong("Program Files", {"Program Files", "WINDOWS"}), "PROGRA~1");
  EXPECT_EQ(ShortNameAmong("sylvarine.html", {}), "SYLVAR~1.HTM");
  EXPECT_EQ(ShortNameAmong("my.long.file.name.jpeg", {}), "MYLONG~1.JPE");
  EXPECT_EQ(ShortNameAmong("a b.c d", {}), "AB~1.CD");
  EXPECT_EQ(ShortNameAmong("App.Data", {}), "APP~1.DAT");  // dotted directory
  EXPECT_EQ(ShortNameAmong(".profile", {}), "PROFIL~1");
  EXPECT_EQ(ShortNameAmong("été", {}), "T~1");
  EXPECT_EQ(ShortNameAmong("x.+", {}), "X~1");
}

TEST(ShortNames, SiblingsNumberInByteOrder) {
  std::vector<std::string> siblings = {"Programs Extra", "Program Files", "programmes"};
  EXPECT_EQ(ShortNameAmong("Program Files", siblings), "PROGRA~1");
  EXPECT_EQ(ShortNameAmong("Programs Extra", siblings), "PROGRA~2");
  EXPECT_EQ(ShortNameAmong("programmes", siblings), "PROGRA~3");
  // A sibling whose own name is already PROGRA~1 keeps it; the long name moves on.
  EXPECT_EQ(ShortNameAmong("Program Files", {"Program Files", "progra~1"}), "PROGRA~2");
  // Different extensions do not collide.
  EXPECT_EQ(ShortNameAmong("long name.txt", {"long name.txt", "long name.doc"}), "LONGNA~1.TXT");
}

TEST(ShortNames, NumbersBeyondNineShortenTheStem) {
  std::vector<std::string> siblings;
  for (int i = 0; i < 12; ++i) siblings.push_back("document " + std::to_string(100 + i));
  EXPECT_EQ(ShortNameAmong("document 108", siblings), "DOCUME~9");
  EXPECT_EQ(ShortNameAmong("document 109", siblings), "DOCUM~10");
  EXPECT_EQ(ShortNameAmong("document 111", siblings), "DOCUM~12");
}

TEST(ShortNames, PathsShortenComponentByComponent) {
  // A tiny tree: C:\Program Files\Sylvarine\help.html, and the working directory C:\work.
  auto list = [](const std::string& directory) -> std::vector<std::string> {
    if (directory == "C:\\") return {"Program Files", "Programmes", "work"};
    if (directory == "C:\\Program Files") return {"Sylvarine"};
    if (directory == "C:\\Program Files\\Sylvarine") return {"help.html", "help.htm"};
    return {};
  };
  EXPECT_EQ(ShortPathOf("c:\\Program Files\\Sylvarine\\help.html", "C:\\work", list),
            "C:\\PROGRA~1\\SYLVAR~1\\HELP~1.HTM");
  EXPECT_EQ(ShortPathOf("C:\\Program Files\\Sylvarine\\help.htm", "C:\\work", list),
            "C:\\PROGRA~1\\SYLVAR~1\\HELP.HTM");
  EXPECT_EQ(ShortPathOf("..\\Programmes", "C:\\work", list), "..\\PROGRA~2");
  EXPECT_EQ(ShortPathOf("\\Program Files", "C:\\work", list), "\\PROGRA~1");
  EXPECT_EQ(ShortPathOf("C:\\", "C:\\work", list), "C:\\");
}
