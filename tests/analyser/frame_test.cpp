// What the frame shows, as one listing (the golden file states it), and the frame's rules:
// pane 0 spread while a menu is open, the recent-file list, the preferences' clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analyser/frame/about_template.h"
#include "analyser/frame/accelerators.h"
#include "analyser/frame/document_files.h"
#include "analyser/frame/preferences_template.h"
#include "analyser/frame/printed_page.h"
#include "analyser/frame/recent_files.h"
#include "analyser/frame/status_bar.h"
#include "analyser/frame/toolbar_table.h"
#include "tests/support/golden_file.h"

namespace {

const char* const kKindNames[] = {"Icon",  "Picture",      "Frame",      "GroupBox",
                                  "Label", "CentredLabel", "PushButton", "DefaultPushButton",
                                  "RadioButton"};

// A text in quotes; the version, which changes with every release, as "<version>".
std::string Quoted(const char* text) {
  std::string shown = text;
  if (const auto at = shown.find(ProgramVersion()); at != std::string::npos)
    shown.replace(at, std::string(ProgramVersion()).size(), "<version>");
  return "\"" + shown + "\"";
}

// A dialog's lines: "dialog ID W H FONT POINTS TITLE", then "  KIND ID X Y W H FLAGS TEXT".
std::string DialogListing(const DialogTemplate& d) {
  std::string out = "dialog " + std::to_string(d.resourceId) + " " + std::to_string(d.width) +
                    " " + std::to_string(d.height) + " " + Quoted(d.fontFace) + " " +
                    std::to_string(d.fontPoints) + " " + Quoted(d.title) + "\n";
  for (const DialogControl& c : d.controls) {
    out += "  " + std::string(kKindNames[static_cast<int>(c.kind)]) + " " + std::to_string(c.id);
    for (const int32_t v : {c.rect.x, c.rect.y, c.rect.width, c.rect.height})
      out += " " + std::to_string(v);
    out += " " + std::to_string(c.flags) + " " + Quoted(c.text) + "\n";
  }
  return out;
}

std::string FrameListing() {
  std::string out = "panes\n";
  for (const StatusPane& p : StatusPanes())
    out += "  " + std::to_string(p.index) + " " + std::to_string(p.id) + " " + Quoted(p.text) +
           (p.timeFormat ? std::string(" ") + p.timeFormat : "") + "\n";
  out += "toolbar images " + std::to_string(kToolbarButtonImageWidth) + "x" +
         std::to_string(kToolbarButtonImageHeight) + " " + Quoted(kToolbarTitle) + "\n";
  out += "unhandled keys\n";
  for (const Accelerator& a : UnhandledAccelerators())
    out += std::string("  ") + a.keys + " = " + std::to_string(a.commandId) + "\n";
  out += std::string("files ") + Quoted(kSnapshotFilter) + " " + kSnapshotExtension + " " +
         Quoted(kSnapshotFileType) + " " + Quoted(FrameTitle("").c_str()) + "\n";
  out += "printed " + std::to_string(kPrinterDotsPerInch) + " dpi " +
         std::to_string(kPrintedArea.right) + "x" + std::to_string(kPrintedArea.bottom) + "\n";
  return out + DialogListing(AboutBoxTemplate()) + DialogListing(PreferencesTemplate());
}

TEST(Frame, PanesToolbarFilesAndDialogsAreTheRecordedOnes) {
  EXPECT_TRUE(MatchesGoldenFile("frame_windows.txt", FrameListing()));
}

TEST(Frame, DialogControlsStayInsideTheirDialogAndHaveDistinctIdentifiers) {
  for (const DialogTemplate* d : {&AboutBoxTemplate(), &PreferencesTemplate()}) {
    std::vector<int32_t> ids;
    for (const DialogControl& c : d->controls) {
      EXPECT_LE(c.rect.x + c.rect.width, d->width) << c.text;
      EXPECT_LE(c.rect.y + c.rect.height, d->height) << c.text;
      if (c.id == kStaticControlId) continue;
      EXPECT_EQ(std::count(ids.begin(), ids.end(), c.id), 0) << c.id;
      ids.push_back(c.id);
    }
  }
}

TEST(MenuPromptPane, SpreadsWhenAPopupOpensAfterAHighlightAndGivesTheLayoutBackOnClose) {
  MenuPromptPane pane;
  const PaneLayout normal{0, PaneStyle::Stretch, 300};
  EXPECT_FALSE(pane.OnInitMenuPopup(normal));  // nothing highlighted yet
  EXPECT_FALSE(pane.OnMenuSelect(true));       // a close with nothing saved
  const auto wide = pane.OnInitMenuPopup(normal);  // the close counted as a highlight
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->width, kWidePaneWidth);
  EXPECT_EQ(wide->style, kWidePaneStyle);
  EXPECT_FALSE(pane.OnInitMenuPopup({0, kWidePaneStyle, kWidePaneWidth}));  // a submenu
  EXPECT_FALSE(pane.OnMenuSelect(false));
  const auto restored = pane.OnMenuSelect(true);
  ASSERT_TRUE(restored);
  EXPECT_EQ(restored->width, 300);
  EXPECT_FALSE(pane.Spread());
  EXPECT_FALSE(pane.OnInitMenuPopup(normal));  // after a close, a highlight comes first
}

TEST(RecentFiles, TheLatestFirstOnceAtMostFourAndAmpersandsShown) {
  const std::vector<std::string> four = {"a", "b", "c", "d"};
  EXPECT_EQ(WithRecentFile(four, "c"), (std::vector<std::string>{"c", "a", "b", "d"}));
  EXPECT_EQ(WithRecentFile(four, "e"), (std::vector<std::string>{"e", "a", "b", "c"}));
  EXPECT_EQ(WithoutRecentFile(four, "b"), (std::vector<std::string>{"a", "c", "d"}));
  EXPECT_EQ(RecentFileMenuText(1, "R&D.osc"), "&2 R&&D.osc");
  EXPECT_TRUE(IsRecentFileCommand(RecentFileCommandOf(3)));
  EXPECT_FALSE(IsRecentFileCommand(RecentFileCommandOf(4)));
  EXPECT_EQ(RecentFileEntryName(3), "File4");
}

}  // namespace
