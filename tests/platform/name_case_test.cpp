#include "platform/name_case.h"

#include <gtest/gtest.h>

TEST(NameCase, FoldsAsciiAndTheAccentedLettersOfTheCodePage) {
  EXPECT_EQ(FoldNameCase("Program Files"), "program files");
  EXPECT_TRUE(NamesEqualIgnoringCase("ÉLÉMENTS", "éléments"));
  EXPECT_TRUE(NamesEqualIgnoringCase("ŒUVRE", "œuvre"));
  EXPECT_TRUE(NamesEqualIgnoringCase("Ÿ", "ÿ"));
  EXPECT_FALSE(NamesEqualIgnoringCase("×", "÷")) << "signs are no letters";
  EXPECT_FALSE(NamesEqualIgnoringCase("a.txt", "a.tx"));
  // Bytes that are no UTF-8 letter are compared as they are.
  EXPECT_EQ(FoldNameCase("\xC3"), "\xC3");
  EXPECT_EQ(FoldNameCase("A\xE9Z"), "a\xE9z");
}

TEST(NameCase, ExactNameWinsElseTheFirstInByteOrder) {
  const std::vector<std::string> entries = {"help.htm", "Help.htm", "HELP.HTM", "other"};
  EXPECT_EQ(MatchEntryName("Help.htm", entries), "Help.htm");
  EXPECT_EQ(MatchEntryName("hElP.htm", entries), "HELP.HTM");
  EXPECT_EQ(MatchEntryName("OTHER", entries), "other");
  EXPECT_EQ(MatchEntryName("missing", entries), std::nullopt);
  EXPECT_EQ(MatchEntryName("x", {}), std::nullopt);
}
