// The Qt shell's pieces: menus built from the table, check marks, prompts, the profile.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include "analyser/app/template_dialog.h"
#include "analyser/frame/about_template.h"
#include "analyser/app/main_frame.h"
#include "analyser/state/command_ids.h"
#include "analyser/frame/frame_placement.h"
#include "analyser/frame/accelerators.h"
#include "analyser/frame/menu_table.h"
#include "analyser/frame/prompt_strings.h"
#include "analyser/frame/recent_files.h"
#include "analyser/frame/toolbar_table.h"
#include "tests/support/gui_application.h"
#include "tests/support/view_doubles.h"

namespace {

QApplication& App() { return EnsureApplication(); }

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    ASSERT_TRUE(dir.isValid());
    profile = std::make_unique<QSettingsProfile>(dir.filePath("Sylvarine.conf"));
    frame = std::make_unique<CMainFrame>(document, *profile, sound);
  }

  QStringList MenuTexts(const QMenu* menu) const {
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << (a->isSeparator() ? "-" : a->text());
    return texts;
  }
  QMenu* TopMenu(int index) const { return frame->menuBar()->actions()[index]->menu(); }

  QTemporaryDir dir;
  CSylvarineDoc document;
  FakeSoundInput sound;
  std::unique_ptr<QSettingsProfile> profile;
  std::unique_ptr<CMainFrame> frame;
};

// The menus and the toolbar are the core's table; here, only that the shell builds them
// from it: the same titles and texts, shortcuts on their items, prompts and icons.
TEST_F(ShellTest, MenuBarFollowsTheTable) {
  QStringList top, tableTop;
  for (const QAction* a : frame->menuBar()->actions()) top << a->text();
  for (const MenuItem& item : MenuBarItems()) {
    if (item.depth == 0) tableTop << QString::fromUtf8(item.text);
    if (item.kind != MenuItemKind::Command) continue;
    const QAction* action = frame->ActionFor(item.commandId);
    ASSERT_NE(action, nullptr) << item.text;
    EXPECT_EQ(action->text(), QString::fromUtf8(MenuText(item))) << item.text;
    EXPECT_EQ(action->statusTip(), QString::fromUtf8(StatusPrompt(item.commandId))) << item.text;
  }
  EXPECT_EQ(top, tableTop);
  EXPECT_TRUE(MenuTexts(TopMenu(0)).contains(QString::fromUtf8(kNoRecentFileText)));
  for (const Accelerator& accelerator : Accelerators()) {
    const QKeySequence keys(QString::fromLatin1(accelerator.keys));
    const QAction* item = frame->ActionFor(accelerator.commandId);
    // A key the menu does not name lives on the frame, not on the item.
    EXPECT_EQ(item->shortcut(), accelerator.namedInMenu ? keys : QKeySequence()) << accelerator.keys;
    bool onFrame = false;
    for (const QAction* a : frame->actions()) onFrame |= a->shortcut() == keys;
    EXPECT_EQ(onFrame, !accelerator.namedInMenu) << accelerator.keys;
  }
  EXPECT_EQ(frame->ActionFor(CommandId::StereoOverlay)->toolTip(),
            QString::fromUtf8(Tooltip(CommandId::StereoOverlay)));
}

TEST_F(ShellTest, ToolbarFollowsTheTableWithIcons) {
  const QList<QToolBar*> bars = frame->findChildren<QToolBar*>();
  ASSERT_EQ(bars.size(), 1);
  const QList<QAction*> entries = bars[0]->actions();
  const auto table = ToolbarEntries();
  ASSERT_EQ(static_cast<size_t>(entries.size()), table.size());
  for (size_t i = 0; i < table.size(); ++i) {
    const QAction* a = entries[static_cast<qsizetype>(i)];
    if (table[i].commandId == 0) {
      EXPECT_TRUE(a->isSeparator()) << i;
    } else {
      EXPECT_EQ(a, frame->ActionFor(table[i].commandId)) << table[i].iconName;
      EXPECT_FALSE(a->icon().isNull()) << table[i].iconName;
    }
  }
  EXPECT_EQ(bars[0]->allowedAreas(), Qt::AllToolBarAreas);
}

TEST_F(ShellTest, CheckMarksFollowTheStateWhenAMenuOpens) {
  QAction* stop = frame->ActionFor(CommandId::Stop);
  QAction* start = frame->ActionFor(CommandId::Start);
  EXPECT_TRUE(stop->isChecked());
  frame->ActionFor(CommandId::VuMeters)->trigger();
  EXPECT_TRUE(start->isChecked());
  EXPECT_FALSE(stop->isChecked());
  EXPECT_TRUE(frame->ActionFor(CommandId::VuMeters)->isChecked());
  EXPECT_FALSE(frame->ActionFor(CommandId::StereoOffset)->isChecked());

  // A change behind the menus' back shows at the next opening.
  frame->View().State().gridVisible = 0;
  emit TopMenu(1)->aboutToShow();
  EXPECT_FALSE(frame->ActionFor(CommandId::Grid)->isChecked());
}

TEST_F(ShellTest, ClosingSavesTheProfileAfterClosingTheDevice) {
  frame->View().State().sumTraceColour = 0x00123456;
  frame->close();
  ASSERT_FALSE(sound.calls.empty());
  EXPECT_EQ(sound.calls.back(), "close");
  QSettingsProfile reread(dir.filePath("Sylvarine.conf"));
  EXPECT_EQ(reread.ReadProfileInt("settings", "couleur6", -1), 0x00123456);
  EXPECT_EQ(reread.ReadProfileInt("settings", "trace", -1), 2);
}

TEST_F(ShellTest, MenusShowCheckMarksNotIcons) {
  QAction* spectrograph = frame->ActionFor(CommandId::Spectrograph);
  EXPECT_FALSE(spectrograph->icon().isNull());  // it is on the toolbar
  EXPECT_FALSE(spectrograph->isIconVisibleInMenu());
  // Windows draws nothing beside an unchecked item; Qt would draw an empty box.
  EXPECT_FALSE(frame->ActionFor(CommandId::Start)->isCheckable());
  EXPECT_TRUE(frame->ActionFor(CommandId::Stop)->isChecked());
  EXPECT_EQ(MenuTexts(TopMenu(2)),
            (QStringList{"-", "&A propos de Sylvarine", "Aide du programme"}));
}

TEST_F(ShellTest, PromptsTakeTheWholeBarUntilTheLastMenuCloses) {
  QStatusBar* bar = frame->statusBar();
  QLabel* idle = nullptr;
  QList<QLabel*> panes;
  for (QLabel* label : bar->findChildren<QLabel*>()) {
    if (label->text() == QString::fromUtf8(kIdlePrompt))
      idle = label;
    else
      panes << label;
  }
  ASSERT_NE(idle, nullptr);
  ASSERT_EQ(panes.size(), 5);  // three lock indicators, date, time
  const auto panesHidden = [&] {
    int hidden = 0;
    for (const QLabel* pane : panes) hidden += pane->isHidden() ? 1 : 0;
    return hidden;
  };
  EXPECT_EQ(panesHidden(), 0);
  // Moving from "&Fichier" to "&Affichage": the second opens before the first closes.
  emit TopMenu(0)->aboutToShow();
  emit TopMenu(1)->aboutToShow();
  emit TopMenu(0)->aboutToHide();
  EXPECT_EQ(panesHidden(), 5);
  EXPECT_TRUE(idle->isHidden());  // a highlighted submenu shows no prompt
  emit TopMenu(1)->aboutToHide();
  EXPECT_EQ(panesHidden(), 0);
  EXPECT_FALSE(idle->isHidden());
}

TEST_F(ShellTest, WhatTheViewLeavesUnpaintedShowsTheErasedWhiteBackground) {
  frame->resize(1000, 760);
  frame->layout()->activate();
  CViewWidget& widget = frame->ViewWidget();
  ASSERT_GE(widget.width(), 760);
  const QImage image = widget.grab().toImage();
  // The settings panel's interior is painted by nobody but the erase.
  int white = 0, total = 0;
  for (int y = 100; y < 400; y += 5) {
    for (int x = 600; x < 760; x += 5) {
      ++total;
      white += image.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    }
  }
  EXPECT_GT(white, total / 2);
}

// Closes whatever modal box comes up next, after handing it to `inspect`.
void AnswerNextModal(std::function<void(QWidget*)> inspect = {}) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (inspect) inspect(modal);
    modal->close();
    poll->deleteLater();
  });
  poll->start(10);
}

TEST_F(ShellTest, RecentFilesAreNumberedAndKeepTheirAmpersands) {
  profile->Settings().setValue("Recent File List/File1", dir.filePath("a&b.osc"));
  profile->Settings().setValue("Recent File List/File2", dir.filePath("c.osc"));
  emit TopMenu(0)->aboutToShow();
  EXPECT_EQ(frame->ActionFor(CommandId::FileMru1)->text(), "&1 a&&b.osc");
  EXPECT_EQ(frame->ActionFor(CommandId::FileMru1 + 1)->text(), "&2 c.osc");
  EXPECT_EQ(frame->ActionFor(CommandId::FileMru1 + 1)->statusTip(),
            QString::fromUtf8(kRecentFilePrompt));
}

TEST_F(ShellTest, ARecentFileThatNoLongerOpensLeavesTheList) {
  const QString gone = dir.filePath("gone.osc");
  profile->Settings().setValue("Recent File List/File1", gone);
  emit TopMenu(0)->aboutToShow();  // the list is rebuilt from the profile
  QAction* first = frame->ActionFor(CommandId::FileMru1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text(), "&1 gone.osc");
  AnswerNextModal();
  first->trigger();
  EXPECT_FALSE(profile->Settings().contains("Recent File List/File1"));
  emit TopMenu(0)->aboutToShow();
  EXPECT_TRUE(MenuTexts(TopMenu(0)).contains(QString::fromUtf8(kNoRecentFileText)));
}

TEST_F(ShellTest, AboutBoxHasItsTemplateSizeTitleAndVersionLine) {
  QSize size;
  QString title;
  QStringList lines;
  AnswerNextModal([&](QWidget* box) {
    size = box->size();
    title = box->windowTitle();
    for (const QLabel* label : box->findChildren<QLabel*>()) lines << label->text();
  });
  frame->ActionFor(CommandId::AppAbout)->trigger();
  const DialogTemplate& about = AboutBoxTemplate();
  EXPECT_EQ(size, DialogUnits(TemplateFont(about)).ToPixels({0, 0, about.width, about.height}).size());
  EXPECT_EQ(title, QString::fromUtf8(about.title));
  EXPECT_TRUE(lines.contains("Sylvarine version " SYLVARINE_VERSION)) << lines.join('|').toStdString();
}

// A window manager's title bar and borders (some 24 pixels) come out of the fixed frame
// size; the view keeps its minimum height, so the start/stop prompt still shows.
TEST_F(ShellTest, TheStartPromptFitsBelowAWindowManagersTitleBar) {
  frame->resize(800, 572 - 24);
  frame->show();
  QApplication::processEvents();
  EXPECT_GE(frame->ViewWidget().height(), kViewMinimumHeight);
  frame->hide();
}

TEST(QSettingsProfileTest, RoundTripAndMissingEntries) {
  App();
  QTemporaryDir dir;
  const QString file = dir.filePath("p.conf");
  {
    QSettingsProfile profile(file);
    EXPECT_EQ(profile.ReadProfileInt("settings", "couleur1", 7), 7);
    EXPECT_TRUE(profile.WriteProfileInt("settings", "couleur1", 12632256));
    EXPECT_TRUE(profile.WriteProfileInt("settings", "trace", 0));
    EXPECT_TRUE(profile.WriteProfileInt("settings", "odd", -5));
  }
  QSettingsProfile again(file);
  EXPECT_EQ(again.ReadProfileInt("settings", "couleur1", 7), 12632256);
  EXPECT_EQ(again.ReadProfileInt("settings", "trace", 7), 0);
  EXPECT_EQ(again.ReadProfileInt("settings", "odd", 7), -5);
  again.Settings().setValue("settings/bad", "pas un nombre");
  EXPECT_EQ(again.ReadProfileInt("settings", "bad", 3), 3);
}

}  // namespace
