// The frame's file commands: new, open, save, save as and the recent-file list.
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include <string>
#include <vector>

#include "analyser/app/main_frame.h"
#include "analyser/app/support/snapshot_file.h"
#include "analyser/frame/document_files.h"
#include "analyser/frame/recent_files.h"
#include "analyser/state/application_title.h"

namespace {

const QString kFilter = QString::fromUtf8(kSnapshotFilter);

QString RecentFileKey(int index) {
  return QString::fromUtf8(kRecentFileSection) + QLatin1Char('/') +
         QString::fromStdString(RecentFileEntryName(index));
}

std::vector<std::string> ToStrings(const QStringList& list) {
  std::vector<std::string> strings;
  for (const QString& item : list) strings.push_back(item.toStdString());
  return strings;
}

QStringList FromStrings(const std::vector<std::string>& strings) {
  QStringList list;
  for (const std::string& item : strings) list.append(QString::fromStdString(item));
  return list;
}

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
  dialog.setDefaultSuffix(QString::fromUtf8(kSnapshotExtension).mid(1));  // without its dot
  if (documentPath_.isEmpty()) dialog.selectFile(QString::fromStdString(UntitledFileName()));
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
  for (int i = 0; i < kRecentFileCount; ++i) {
    const QString file = settings.value(RecentFileKey(i)).toString();
    if (!file.isEmpty()) files.append(file);
  }
  return files;
}

void CMainFrame::AddRecentFile(const QString& path) {
  WriteRecentFiles(FromStrings(WithRecentFile(ToStrings(RecentFiles()), path.toStdString())));
}

void CMainFrame::RemoveRecentFile(const QString& path) {
  WriteRecentFiles(FromStrings(WithoutRecentFile(ToStrings(RecentFiles()), path.toStdString())));
}

void CMainFrame::WriteRecentFiles(const QStringList& files) {
  QSettings& settings = profile_.Settings();
  for (int i = 0; i < kRecentFileCount; ++i) {
    const QString key = RecentFileKey(i);
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
    auto* none = new QAction(QString::fromUtf8(kNoRecentFileText), this);
    none->setEnabled(false);
    fileMenu_->insertAction(recentAnchor_, none);
    recentActions_.append(none);
    return;
  }
  for (qsizetype i = 0; i < files.size(); ++i) {
    const int index = static_cast<int>(i);
    const uint32_t id = RecentFileCommandOf(index);
    const QString name = QFileInfo(files[i]).fileName();
    QAction* action = CreateAction(id, "", false);
    action->setText(QString::fromStdString(RecentFileMenuText(index, name.toStdString())));
    action->setData(id);
    fileMenu_->insertAction(recentAnchor_, action);
    recentActions_.append(action);
  }
}

void CMainFrame::UpdateTitle() {
  const QString name = documentPath_.isEmpty() ? QString() : QFileInfo(documentPath_).fileName();
  setWindowTitle(QString::fromStdString(FrameTitle(name.toStdString())));
}
