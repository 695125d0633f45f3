#pragma once
// The main window: menu bar, toolbar and status bar around the view widget, and the
// framework's file, print and about commands.
#include <QBasicTimer>
#include <QLabel>
#include <QMainWindow>
#include <QPrinter>
#include <map>
#include <memory>
#include <set>

#include "analyser/app/qt_view_host.h"
#include "analyser/app/view_widget.h"
#include "analyser/document/sylvarine_doc.h"
#include "analyser/frame/status_bar.h"
#include "analyser/view/sylvarine_view.h"
#include "platform/sound_input.h"

class QMenu;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // Creates the bars and the view; the view's pre-creation step (profile, sound device)
  // runs here, before the window is shown.
  CMainFrame(CSylvarineDoc& document, QSettingsProfile& profile, ISoundInput& sound);
  ~CMainFrame() override;

  // Places the window by the screen rule and shows it.
  void PlaceAndShow();
  // Opens a snapshot; a refusal is reported to the user and false returned.
  bool OpenSnapshot(const QString& path);

  CSylvarineView& View() { return *view_; }
  CViewWidget& ViewWidget() { return *viewWidget_; }
  QAction* ActionFor(uint32_t commandId) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildStatusBar();
  QAction* CreateAction(uint32_t commandId, const char* text, bool checkable);
  void RunCommand(uint32_t commandId);
  void UpdateCheckMarks();
  static void ShowCheckMark(QAction* action, bool checked);
  void ShowMenuPromptOverWholeBar(bool overWholeBar);
  void FitFrameToPlacement();
  void RefreshDateAndTime();

  // File commands (frame_files.cpp).
  void NewDocument();
  void OpenDocument();
  void SaveDocument();
  void SaveDocumentAs();
  bool SaveTo(const QString& path);
  void AddRecentFile(const QString& path);
  void RemoveRecentFile(const QString& path);
  void WriteRecentFiles(const QStringList& files);
  QStringList RecentFiles() const;
  void RebuildRecentFileActions();
  void UpdateTitle();

  // Printing and about (frame_printing.cpp).
  void Print();
  void PrintPreview();
  void PrintSetup();
  bool PaintForPrinter(QPrinter& printer);  // false when the printer would not start
  void ShowAbout();

  CSylvarineDoc& document_;
  QSettingsProfile& profile_;
  QtMessageBox messages_;
  WidgetInvalidation invalidation_;
  ISoundInput& sound_;
  CViewWidget* viewWidget_ = nullptr;
  std::unique_ptr<CSylvarineView> view_;
  bool viewDestroyed_ = false;

  std::map<uint32_t, QAction*> actions_;
  std::set<uint32_t> checkedByRule_;  // items whose check mark follows a rule
  QMenu* fileMenu_ = nullptr;
  QAction* recentAnchor_ = nullptr;  // the separator that follows the recent files
  QList<QAction*> recentActions_;
  QToolBar* toolbar_ = nullptr;
  QLabel* idlePrompt_ = nullptr;
  QList<QWidget*> permanentPanes_;
  int openMenus_ = 0;  // top-level menus shown
  MenuPromptPane menuPrompt_;
  QLabel* datePane_ = nullptr;
  QLabel* timePane_ = nullptr;
  QBasicTimer statusClock_;
  QString documentPath_;
  std::unique_ptr<QPrinter> printer_;
};
