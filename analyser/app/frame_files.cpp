// The frame's file commands: new, open, save, save as and the recent-file list.
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "analyser/app/main_frame.h"
#include "analyser/app/support/snapshot_file.h"
#include "analyser/state/application_title.h"
#include "analyser/state/command_ids.h"
#include "analyser/frame/menu_table.h"

namespace {
const QString kFilter = QStringLiteral("Ruzirivadudid (*.osc)");
const QString kRecentGroup = QStringLiteral("Recent File List");
const QString kUntitled = QStringLiteral("Sans titre");
}  // namespace

void CMainFrame::NewDocument() {
  document_.OnNewDocument();
  documentPath_.clear();
  UpdateTitle();
  viewWidget_->update();
}

void CMainFrame::OpenDocument() {
  const QString path = QFileDialog::getOpenFileName(this, QString(), QFileInfo(documentPath_).path(),
                                                    kFilter);
  if (!path.isEmpty()) OpenSnapshot(path);
}

bool CMainFrame::OpenSnapshot(const QString& path) {
  QString error;
  if (!ReadSnapshotFile(path, document_, error)) {
    messages_.ShowMessage(error.toStdString(), kApplicationTitle, MessageIcon::Warning, MessageButtons::Ok,
                          isVisible());
    return false;
  }
  documentPath_ = QFileInfo(path).absoluteFilePath();
  AddRecentFile(documentPath_);
  UpdateTitle();
  viewWidget_->update();
  return true;
}

void CMainFrame::SaveDocument() {
  if (documentPath_.isEmpty()) {
    SaveDocumentAs();
  } else {
    SaveTo(documentPath_);
  }
}

void CMainFrame::SaveDocumentAs() {
  QFileDialog dialog(this, QString(), documentPath_, kFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("osc"));
  if (documentPath_.isEmpty()) dialog.selectFile(kUntitled + QStringLiteral(".osc"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  if (SaveTo(path)) {
    documentPath_ = QFileInfo(path).absoluteFilePath();
    AddRecentFile(documentPath_);
    UpdateTitle();
  }
}

bool CMainFrame::SaveTo(const QString& path) {
  QString error;
  if (WriteSnapshotFile(path, document_, error)) return true;
  messages_.ShowMessage(error.toStdString(), kApplicationTitle, MessageIcon::Warning, MessageButtons::Ok,
                        true);
  return false;
}

QStringList CMainFrame::RecentFiles() const {
  QSettings& settings = profile_.Settings();
  QStringList files;
  for (int i = 1; i <= kRecentFileCount; ++i) {
    const QString file = settings.value(kRecentGroup + QStringLiteral("/File%1").arg(i)).toString();
    if (!file.isEmpty()) files.append(file);
  }
  return files;
}

void CMainFrame::AddRecentFile(const QString& path) {
  QStringList files = RecentFiles();
  files.removeAll(path);
  files.prepend(path);
  WriteRecentFiles(files);
}

void CMainFrame::RemoveRecentFile(const QString& path) {
  QStringList files = RecentFiles();
  files.removeAll(path);
  WriteRecentFiles(files);
}

void CMainFrame::WriteRecentFiles(const QStringList& files) {
  QSettings& settings = profile_.Settings();
  for (int i = 0; i < kRecentFileCount; ++i) {
    const QString key = kRecentGroup + QStringLiteral("/File%1").arg(i + 1);
    if (i < files.size()) {
      settings.setValue(key, files[i]);
    } else {
      settings.remove(key);
    }
  }
}

void CMainFrame::RebuildRecentFileActions() {
  for (QAction* action : recentActions_) {
    actions_.erase(action->data().toUInt());
    delete action;
  }
  recentActions_.clear();
  const QStringList files = RecentFiles();
  if (files.isEmpty()) {
    auto* none = new QAction(QStringLiteral("Fichier récent"), this);
    none->setEnabled(false);
    fileMenu_->insertAction(recentAnchor_, none);
    recentActions_.append(none);
    return;
  }
  for (qsizetype i = 0; i < files.size(); ++i) {
    const auto id = CommandId::FileMru1 + static_cast<uint32_t>(i);
    // A "&" of the name is shown, not taken for the mnemonic.
    QString name = QFileInfo(files[i]).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(name);
    QAction* action = CreateAction(id, "", false);
    action->setText(text);
    action->setData(id);
    fileMenu_->insertAction(recentAnchor_, action);
    recentActions_.append(action);
  }
}

void CMainFrame::UpdateTitle() {
  const QString name =
      documentPath_.isEmpty() ? kUntitled : QFileInfo(documentPath_).fileName();
  setWindowTitle(name + QStringLiteral(" - ") + QString::fromLatin1(kApplicationTitle));
}
