// The Qt shell's pieces: menus built from the table, check marks, prompts, the profile.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

#include "analyser/app/main_frame.h"
#include "analyser/view/command_ids.h"
#include "tests/support/view_doubles.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

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

TEST_F(ShellTest, MenuBarFollowsTheTable) {
  QStringList top;
  for (const QAction* a : frame->menuBar()->actions()) top << a->text();
  EXPECT_EQ(top, (QStringList{"&Fichier", "&Affichage", "&?", "&Mesure", "Mo&de", "&Réglages",
                              "&Options"}));
  EXPECT_EQ(MenuTexts(TopMenu(3)), (QStringList{"M&arche", "A&rrêt"}));
  const QStringList file = MenuTexts(TopMenu(0));
  EXPECT_EQ(file.first(), "&Nouveau\tCtrl+N");
  EXPECT_EQ(file.last(), "&Quitter");
  EXPECT_TRUE(file.contains("Fichier récent"));  // the empty recent-file list
  QAction* print = frame->ActionFor(CommandId::FilePrint);
  ASSERT_NE(print, nullptr);
  EXPECT_EQ(print->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_EQ(frame->ActionFor(CommandId::Help)->shortcut(), QKeySequence("F1"));
  EXPECT_EQ(frame->ActionFor(CommandId::StereoOverlay)->statusTip(),
            "Affichage 2 voies superposées.");
  EXPECT_EQ(frame->ActionFor(CommandId::StereoOverlay)->toolTip(), "2voies superposées");
}

TEST_F(ShellTest, ToolbarHasTwentyThreeEntriesWithIcons) {
  const QList<QToolBar*> bars = frame->findChildren<QToolBar*>();
  ASSERT_EQ(bars.size(), 1);
  const QList<QAction*> entries = bars[0]->actions();
  ASSERT_EQ(entries.size(), 23);
  int separators = 0;
  for (const QAction* a : entries) {
    if (a->isSeparator()) {
      ++separators;
    } else {
      EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
    }
  }
  EXPECT_EQ(separators, 5);
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
  EXPECT_EQ(reread.GetProfileInt("settings", "couleur6", -1), 0x00123456);
  EXPECT_EQ(reread.GetProfileInt("settings", "trace", -1), 2);
}

TEST(QSettingsProfileTest, RoundTripAndMissingEntries) {
  App();
  QTemporaryDir dir;
  const QString file = dir.filePath("p.conf");
  {
    QSettingsProfile profile(file);
    EXPECT_EQ(profile.GetProfileInt("settings", "couleur1", 7), 7);
    EXPECT_TRUE(profile.WriteProfileInt("settings", "couleur1", 12632256));
    EXPECT_TRUE(profile.WriteProfileInt("settings", "trace", 0));
    EXPECT_TRUE(profile.WriteProfileInt("settings", "odd", -5));
  }
  QSettingsProfile again(file);
  EXPECT_EQ(again.GetProfileInt("settings", "couleur1", 7), 12632256);
  EXPECT_EQ(again.GetProfileInt("settings", "trace", 7), 0);
  EXPECT_EQ(again.GetProfileInt("settings", "odd", 7), -5);
  again.Settings().setValue("settings/bad", "pas un nombre");
  EXPECT_EQ(again.GetProfileInt("settings", "bad", 3), 3);
}

}  // namespace
