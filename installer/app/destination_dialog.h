#pragma once
// The destination prompt: the proposal in an editable field, OK (default) and Cancel.
#include <QDialog>
#include <QString>

class QLineEdit;

class CDestinationDlg : public QDialog {
  Q_OBJECT
 public:
  CDestinationDlg(const QString& prompt, const QString& proposal, QWidget* parent);
  QString Destination() const;

 private:
  QLineEdit* destination_ = nullptr;
};
