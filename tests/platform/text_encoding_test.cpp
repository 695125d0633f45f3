#include "platform/portable/text_encoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, FrenchAccentsRoundTrip) {
  const std::string cp1252 = "Impossible de cr\xE9" "er un raccourci ! \xC0 \xE7 \xEE \xF4 \xEB \xF9";
  const std::string utf8 = "Impossible de créer un raccourci ! À ç î ô ë ù";
  EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8);
  EXPECT_EQ(Utf8ToCp1252(utf8), cp1252);
}

TEST(TextEncoding, EveryByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80\x9C\x85"), "€œ…");
}

TEST(TextEncoding, UnmappableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x86\x92z"), "a?z");      // an arrow
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x99\x82"), "?");      // outside the BMP
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");                // cut short
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");             // overlong
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");        // a surrogate
  EXPECT_EQ(Utf8ToCp1252(std::string("\0x", 2)), std::string("\0x", 2));
}
