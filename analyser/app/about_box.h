#pragma once
// The About box, made from its template.
class QWidget;

void ShowAboutBox(QWidget* parent);
