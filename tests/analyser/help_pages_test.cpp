// The installed help pages: self-contained UTF-8 HTML that quotes the program's labels as the
// program shows them, so a renamed menu item or panel label cannot leave the help behind.
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analyser/display/panel_layout.h"
#include "analyser/frame/menu_table.h"

namespace {

std::filesystem::path HelpDirectory() {
  // tests/analyser/<this file> -> the source tree's root.
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "analyser" /
         "resources" / "help";
}

std::string ReadPage(const char* name) {
  std::ifstream in(HelpDirectory() / name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool IsValidUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int continuation = 0;
    if (lead < 0x80) continuation = 0;
    else if (lead >= 0xC2 && lead <= 0xDF) continuation = 1;
    else if (lead >= 0xE0 && lead <= 0xEF) continuation = 2;
    else if (lead >= 0xF0 && lead <= 0xF4) continuation = 3;
    else return false;
    if (i + continuation >= text.size() && continuation > 0) return false;
    for (int k = 1; k <= continuation; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
    }
    i += continuation + 1;
  }
  return true;
}

// The text a reader sees: tags dropped, the few entities the pages use decoded, every run of
// white space one space, so a label broken across source lines still matches.
std::string VisibleText(const std::string& html) {
  std::string text;
  bool inTag = false;
  for (char c : html) {
    if (c == '<') inTag = true;
    else if (c == '>') inTag = false;
    else if (!inTag) text += c;
  }
  for (const auto& [entity, character] : {std::pair<std::string, std::string>{"&lt;", "<"},
                                          {"&gt;", ">"}, {"&amp;", "&"}}) {
    for (std::size_t at = text.find(entity); at != std::string::npos;
         at = text.find(entity, at + character.size()))
      text.replace(at, entity.size(), character);
  }
  std::string collapsed;
  for (char c : text) {
    const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (space) {
      if (!collapsed.empty() && collapsed.back() != ' ') collapsed += ' ';
    } else {
      collapsed += c;
    }
  }
  return collapsed;
}

// A menu text as the menu shows it: no mnemonic marker, no shortcut after the tab.
std::string ShownMenuText(const char* text) {
  std::string shown;
  for (const char* p = text; *p != '\0' && *p != '\t'; ++p)
    if (*p != '&') shown += *p;
  return shown;
}

TEST(HelpPages, AreSelfContainedUtf8Html) {
  for (const char* name : {"help.htm", "connect.htm"}) {
    SCOPED_TRACE(name);
    const std::string page = ReadPage(name);
    ASSERT_FALSE(page.empty());
    EXPECT_TRUE(IsValidUtf8(page));
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    for (const char* banned : {"<script", " src=", "<link", "@import", "url(", "<iframe"})
      EXPECT_EQ(page.find(banned), std::string::npos) << banned;
  }
  // The help works without a network; only the site page leads out, by a plain link.
  EXPECT_EQ(ReadPage("help.htm").find("http"), std::string::npos);
}

TEST(HelpPages, QuoteEveryMenuItemAsTheMenuShowsIt) {
  const std::string help = VisibleText(ReadPage("help.htm"));
  for (const MenuItem& item : MenuBarItems()) {
    if (item.kind != MenuItemKind::Popup && item.kind != MenuItemKind::Command) continue;
    const std::string shown = ShownMenuText(item.text);
    EXPECT_NE(help.find(shown), std::string::npos) << shown;
  }
}

TEST(HelpPages, QuoteThePanelsLabelsAndPromptsAsDrawn) {
  using namespace PanelLayout;
  const std::string help = VisibleText(ReadPage("help.htm"));
  std::vector<std::string> labels = {kSyncLabel, kScaleTitle, kHint, kPromptWhileRunning,
                                     kPromptWhileStopped};
  for (const ModeRow& row : kModeRows) labels.emplace_back(row.label);
  labels.emplace_back(kTimeBaseBoxes[0].label);
  labels.emplace_back(kTimeBaseBoxes[7].label);
  for (const ValueRow& row : kRefreshRows) labels.emplace_back(row.label);
  for (const ValueRow& row : kGainRows) labels.emplace_back(row.label);
  for (const ValueRow& row : kScaleRows) labels.emplace_back(row.label);
  for (const ValueRow& row : kSideRows) labels.emplace_back(row.label);
  for (const std::string& label : labels)
    EXPECT_NE(help.find("« " + label + " »"), std::string::npos) << label;
}

}  // namespace
