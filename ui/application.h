// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;
class QIcon;
class QWidget;

// Before the application exists: on a Wayland desktop that also runs X
// (XWayland, as GNOME and KDE do), the program talks X, unless the user chose
// a platform. The desktop then draws the window's frame from the hints it
// reads there, fixed size and close button only, and shows the icon, as on
// an X desktop; as a Wayland client Qt would draw a frame of its own, with
// minimise and maximise buttons and no icon.
void preferXOnWaylandDesktops();

// What every run of the window needs from the application: one style and one
// palette on every desktop, so that the painted button faces and option colours
// look the same, the window's font as the default, the program's icon, and
// what a screen reader is told of the board.
void prepareApplication(QApplication &app);

// A browser shows a program no font of the system's: the web build carries
// Liberation Serif, whose letters have Times New Roman's widths, and the
// window's font is found in it. Elsewhere no fonts are built in, and the
// system's own font configuration makes the same match.
void addBuiltInFonts();

// Shows the window. In a browser, whose tab is the window's frame, it has no
// title bar of Qt's own and fills the place the page gives it.
void showMainWindow(QWidget &window);

// The program's icon at 32, 48 and 128 pixels.
QIcon programIcon();
