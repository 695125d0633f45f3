#pragma once
// The script-family fonts of the installer window's texts.
#include <QFont>

#include "installer/installer_window_layout.h"

QFont WindowTextFont(const InstallerWindow::WindowText& text);
