#include "analyser/app/about_box.h"

#include <QDialog>

#include "analyser/app/template_dialog.h"
#include "analyser/frame/about_template.h"

void ShowAboutBox(QWidget* parent) {
  QDialog about(parent);
  about.setObjectName(QStringLiteral("aboutBox"));
  BuildTemplateDialog(about, AboutBoxTemplate(), [&about](int32_t) { about.accept(); });
  about.exec();
}
