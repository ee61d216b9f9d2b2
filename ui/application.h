// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;
class QIcon;

// What every run of the window needs from the application: one style and one
// palette on every desktop, so that the painted button faces and option colours
// look the same, the window's font as the default, and the program's icon.
void prepareApplication(QApplication &app);

// The program's icon at 32, 48 and 128 pixels.
QIcon programIcon();
