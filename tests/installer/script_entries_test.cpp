#include "installer/script/script_entries.h"

#include <gtest/gtest.h>

#include <memory>

using SetupScript::CutEntries;
using SetupScript::EntryTable;

namespace {

struct Table {
  std::unique_ptr<EntryTable> entries = std::make_unique<EntryTable>();
  EntryTable& operator*() { return *entries; }
  const std::string& operator[](std::size_t i) const { return (*entries)[i]; }
};

}  // namespace

TEST(ScriptEntries, CutsBetweenBracketsAndIgnoresEverythingElse) {
  Table t;
  ASSERT_TRUE(CutEntries("CRV comment <A> more\r\n<B C>\r\n<>x<D>", *t));
  EXPECT_EQ(t[0], "A");
  EXPECT_EQ(t[1], "B C");
  EXPECT_EQ(t[2], "");  // "<>" is an empty entry, counted
  EXPECT_EQ(t[3], "D");
  EXPECT_EQ(t[4], "");
}

TEST(ScriptEntries, KeepsLineBreaksAndInnerOpeningBrackets) {
  Table t;
  ASSERT_TRUE(CutEntries("<COPY\r\nREP><a<b>", *t));
  EXPECT_EQ(t[0], "COPY\r\nREP");
  EXPECT_EQ(t[1], "a<b");
}

TEST(ScriptEntries, OpenEntryAtTheEndTakesTheRest) {
  Table t;
  ASSERT_TRUE(CutEntries("<A><rest of\nfile", *t));
  EXPECT_EQ(t[1], "rest of\nfile");
  ASSERT_TRUE(CutEntries("<A><", *t));
  EXPECT_EQ(t[1], "");
}

TEST(ScriptEntries, ClearsEarlierEntries) {
  Table t;
  ASSERT_TRUE(CutEntries("<A><B><C>", *t));
  ASSERT_TRUE(CutEntries("<X>", *t));
  EXPECT_EQ(t[0], "X");
  EXPECT_EQ(t[1], "");
  EXPECT_EQ(t[2], "");
}

TEST(ScriptEntries, RefusesMoreEntriesThanSlots) {
  std::string text;
  for (std::size_t i = 0; i < SetupScript::EntrySlots; ++i) text += "<e>";
  Table t;
  EXPECT_TRUE(CutEntries(text + "trailing text", *t));
  EXPECT_EQ(t[SetupScript::EntrySlots - 1], "e");
  EXPECT_FALSE(CutEntries(text + "<", *t));
}

TEST(ScriptEntries, Signature) {
  EXPECT_TRUE(SetupScript::HasSignature("CRV<A>"));
  EXPECT_TRUE(SetupScript::HasSignature("CRV"));
  EXPECT_FALSE(SetupScript::HasSignature("crv<A>"));
  EXPECT_FALSE(SetupScript::HasSignature("CR"));
  EXPECT_FALSE(SetupScript::HasSignature(" CRV"));
}
