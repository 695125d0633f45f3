#include "analyser/app/main_frame.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "analyser/app/compact_toolbar_style.h"
#include "analyser/app/settings_commands.h"
#include "analyser/state/command_ids.h"
#include "analyser/frame/accelerators.h"
#include "analyser/frame/frame_placement.h"
#include "analyser/frame/menu_table.h"
#include "analyser/frame/prompt_strings.h"
#include "analyser/frame/recent_files.h"
#include "analyser/frame/status_bar.h"
#include "analyser/frame/toolbar_table.h"
#include "shell_qt/conversions.h"
#include "shell_qt/frame_fitting.h"

namespace {

constexpr int kFrameSettleMs = 300;
// Where no screen is known, the window is placed as on a common one.
constexpr QSize kUnknownScreenSize(1024, 768);

// Lock-key state is not something Qt reports; the panes keep their place, greyed.
// The locale's own date and time formats stand for the panes' strftime formats.
QLabel* LockPane(const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setEnabled(false);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(label->sizeHint().width() + 8);
  return label;
}

}  // namespace

// The icons live in a static library, whose resources are not registered on their own.
static void RegisterResources() { Q_INIT_RESOURCE(sylvarine); }

CMainFrame::CMainFrame(CSylvarineDoc& document, QSettingsProfile& profile, ISoundInput& sound)
    : document_(document), profile_(profile), sound_(sound) {
  RegisterResources();
  setWindowIcon(QIcon(QStringLiteral(":/icons/sylvarine.svg")));
  viewWidget_ = new CViewWidget(this);
  setCentralWidget(viewWidget_);
  invalidation_.Attach(viewWidget_);
  messages_.SetOwner(this);
  view_ = std::make_unique<CSylvarineView>(
      document_, ViewServices{viewWidget_->Timers(), invalidation_, messages_, sound_, profile_});
  viewWidget_->Attach(view_.get());
  view_->PreCreateWindow();

  BuildMenus();
  BuildToolbar();
  BuildStatusBar();
  setAcceptDrops(true);
  UpdateTitle();
  UpdateCheckMarks();
  // Clicks on the panel and the run state change what the check marks show.
  connect(viewWidget_, &CViewWidget::stateChanged, this, &CMainFrame::UpdateCheckMarks);
}

CMainFrame::~CMainFrame() {
  if (!viewDestroyed_) view_->OnDestroy();
}

QAction* CMainFrame::ActionFor(uint32_t commandId) const {
  auto it = actions_.find(commandId);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* CMainFrame::CreateAction(uint32_t commandId, const char* text, bool checkable) {
  auto* action = new QAction(QString::fromUtf8(text), this);
  if (checkable) checkedByRule_.insert(commandId);
  action->setStatusTip(ShellQt::FromUtf8(StatusPrompt(commandId)));
  action->setToolTip(ShellQt::FromUtf8(Tooltip(commandId)));
  connect(action, &QAction::triggered, this, [this, commandId] { RunCommand(commandId); });
  actions_[commandId] = action;
  return action;
}

void CMainFrame::BuildMenus() {
  QMenu* stack[8] = {};
  for (const MenuItem& item : MenuBarItems()) {
    QMenu* parent = item.depth > 0 ? stack[item.depth - 1] : nullptr;
    switch (item.kind) {
      case MenuItemKind::Popup: {
        QMenu* menu = parent ? parent->addMenu(QString::fromUtf8(item.text))
                             : menuBar()->addMenu(QString::fromUtf8(item.text));
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCheckMarks);
        if (item.depth == 0) {
          // Moving from one menu to the next may show the new one before hiding the old:
          // the menu closes when the last one hides. Opening one highlights its title.
          connect(menu, &QMenu::aboutToShow, this, [this] {
            if (openMenus_++ != 0) return;
            menuPrompt_.OnMenuSelect(false);
            if (menuPrompt_.OnInitMenuPopup({0, PaneStyle::Stretch, 0}))
              ShowMenuPromptOverWholeBar(true);
          });
          connect(menu, &QMenu::aboutToHide, this, [this] {
            if (openMenus_ == 0 || --openMenus_ != 0) return;
            if (menuPrompt_.OnMenuSelect(true)) ShowMenuPromptOverWholeBar(false);
          });
        }
        stack[item.depth] = menu;
        if (item.depth == 0 && fileMenu_ == nullptr) fileMenu_ = menu;
        break;
      }
      case MenuItemKind::Separator:
        parent->addSeparator();
        break;
      case MenuItemKind::RecentFiles:
        recentAnchor_ = parent->addSeparator();
        recentAnchor_->setVisible(false);  // the list itself stands where the table puts it
        break;
      case MenuItemKind::Command: {
        QAction* action = CreateAction(item.commandId, MenuText(item).c_str(), item.checkable);
        ShowCheckMark(action, item.checkedAtStart);  // the view's state takes over at once
        parent->addAction(action);
        break;
      }
    }
  }
  for (const Accelerator& accelerator : Accelerators()) {
    QAction* action = ActionFor(accelerator.commandId);
    if (action == nullptr) continue;
    const QKeySequence keys(QString::fromLatin1(accelerator.keys));
    if (accelerator.namedInMenu) {
      action->setShortcut(keys);
      continue;
    }
    // A key the item's text does not name: the menu must not show it either.
    auto* key = new QAction(this);
    key->setShortcut(keys);
    connect(key, &QAction::triggered, action, &QAction::trigger);
    addAction(key);
  }
  connect(fileMenu_, &QMenu::aboutToShow, this, &CMainFrame::RebuildRecentFileActions);
  RebuildRecentFileActions();
}

void CMainFrame::BuildToolbar() {
  toolbar_ = new QToolBar(QString::fromUtf8(kToolbarTitle), this);
  toolbar_->setObjectName(QStringLiteral("toolbar"));
  toolbar_->setMovable(kToolbarStyle.gripper);
  toolbar_->setFloatable(true);
  toolbar_->setAllowedAreas(kToolbarStyle.docksOnAnySide ? Qt::AllToolBarAreas
                                                         : Qt::TopToolBarArea);
  toolbar_->setIconSize(QSize(kToolbarButtonImageWidth, kToolbarButtonImageHeight));
  toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const ToolbarEntry& entry : ToolbarEntries()) {
    if (entry.commandId == 0) {
      toolbar_->addSeparator();
      continue;
    }
    QAction* action = ActionFor(entry.commandId);
    if (action == nullptr) continue;
    action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.iconName))));
    action->setIconVisibleInMenu(false);  // an icon would stand in for the check mark
    toolbar_->addAction(action);
  }
  MakeToolbarCompact(*toolbar_);
  static_assert(kToolbarStyle.startsDockedAtTop);
  addToolBar(Qt::TopToolBarArea, toolbar_);
  setDockNestingEnabled(true);
}

void CMainFrame::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  for (const StatusPane& pane : StatusPanes()) {
    switch (pane.kind) {
      case PaneKind::Prompt:
        idlePrompt_ = new QLabel(QString::fromUtf8(kIdlePrompt));
        bar->addWidget(idlePrompt_, 1);  // hidden by Qt while a prompt is shown
        break;
      case PaneKind::CapsLock:
      case PaneKind::NumLock:
      case PaneKind::ScrollLock:
        permanentPanes_.append(LockPane(pane.text));
        break;
      case PaneKind::Date:
        permanentPanes_.append(datePane_ = new QLabel);
        break;
      case PaneKind::Time:
        permanentPanes_.append(timePane_ = new QLabel);
        break;
    }
  }
  for (QWidget* pane : permanentPanes_) bar->addPermanentWidget(pane);
  RefreshDateAndTime();
  statusClock_.start(static_cast<int>(kStatusClockPeriodMs), this);
}

void CMainFrame::RefreshDateAndTime() {
  const QLocale locale;
  const QDateTime now = QDateTime::currentDateTime();
  datePane_->setText(locale.toString(now.date(), QLocale::ShortFormat));
  QString timeFormat = locale.timeFormat(QLocale::LongFormat);
  timeFormat.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
  timePane_->setText(now.time().toString(timeFormat.trimmed()));
}

void CMainFrame::ShowMenuPromptOverWholeBar(bool overWholeBar) {
  for (QWidget* pane : permanentPanes_) pane->setVisible(!overWholeBar);
  // A highlighted submenu or separator has no prompt: pane 0 stays empty meanwhile.
  idlePrompt_->setVisible(!overWholeBar);
  if (!overWholeBar) statusBar()->clearMessage();
}

void CMainFrame::timerEvent(QTimerEvent* event) {
  if (event->timerId() != statusClock_.timerId()) return QMainWindow::timerEvent(event);
  RefreshDateAndTime();
}

// Only a checked item is checkable: an unchecked one shows no empty box beside its text,
// and its toolbar button stays a plain button.
void CMainFrame::ShowCheckMark(QAction* action, bool checked) {
  action->setCheckable(checked);
  action->setChecked(checked);
}

void CMainFrame::UpdateCheckMarks() {
  for (const uint32_t id : checkedByRule_) {
    QAction* action = ActionFor(id);
    if (action == nullptr) continue;
    if (id == CommandId::ViewToolbar)
      ShowCheckMark(action, toolbar_ == nullptr || !toolbar_->isHidden());
    else if (id == CommandId::ViewStatusBar)
      ShowCheckMark(action, !statusBar()->isHidden());
    else
      ShowCheckMark(action, view_->IsChecked(id));
  }
}

void CMainFrame::RunCommand(uint32_t commandId) {
  using namespace CommandId;
  if (IsRecentFileCommand(commandId)) {
    const QStringList recent = RecentFiles();
    const auto index = static_cast<qsizetype>(RecentFileIndexOf(commandId));
    // An entry that no longer opens leaves the list.
    if (index < recent.size() && !OpenSnapshot(recent[index])) RemoveRecentFile(recent[index]);
    return;
  }
  switch (commandId) {
    case FileNew: NewDocument(); break;
    case FileOpen: OpenDocument(); break;
    case FileSave: SaveDocument(); break;
    case FileSaveAs: SaveDocumentAs(); break;
    case FilePrint: Print(); break;
    case FilePrintPreview: PrintPreview(); break;
    case FilePrintSetup: PrintSetup(); break;
    case AppExit: close(); break;
    case AppAbout: ShowAbout(); break;
    case ViewToolbar: toolbar_->setVisible(toolbar_->isHidden()); break;
    case ViewStatusBar: statusBar()->setVisible(statusBar()->isHidden()); break;
    case Help: OpenHelpPage(this); break;
    case WebPage: OpenWebPage(this); break;
    case Preferences: RunPreferencesDialog(this, *view_); break;
    case SoundMixer: StartSoundMixer(); break;
    default: view_->OnCommand(commandId); break;
  }
  UpdateCheckMarks();
}

void CMainFrame::PlaceAndShow() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect screenArea = screen ? screen->geometry() : QRect(QPoint(), kUnknownScreenSize);
  const Rect placed = MainFramePlacement(screenArea.width(), screenArea.height());
  resize(kFrameWidth, kFrameHeight);
  move(screenArea.left() + placed.left, screenArea.top() + placed.top);
  show();
  // The window manager's frame is known only once the window is up; the 800 x 572
  // include it, so the client area shrinks by its margins.
  connect(viewWidget_, &CViewWidget::firstPaint, this, [this] {
    FitFrameToPlacement();
    QTimer::singleShot(kFrameSettleMs, this, &CMainFrame::FitFrameToPlacement);
  });
}

void CMainFrame::FitFrameToPlacement() {
  const QSize frame(kFrameWidth, kFrameHeight);
  const std::optional<QSize> margins = ShellQt::FrameMargins(*this, frame);
  if (!margins) return;  // not a frame's margins: leave the client size alone
  QSize client = frame - *margins;
  const int viewHeightThen = viewWidget_->height() + client.height() - height();
  if (viewHeightThen < kViewMinimumHeight) client.rheight() += kViewMinimumHeight - viewHeightThen;
  if (size() != client) resize(client);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!viewDestroyed_) {
    viewDestroyed_ = true;
    view_->OnDestroy();  // stops, closes the device, saves the profile, in that order
    profile_.Settings().sync();
  }
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) {
      event->acceptProposedAction();
      OpenSnapshot(url.toLocalFile());
      return;
    }
  }
}
