#pragma once
// "A propos": the program's icon, its picture and one line with its name and version.
class QWidget;

void ShowAboutBox(QWidget* parent);
