#include "platform/portable/name_case.h"

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
