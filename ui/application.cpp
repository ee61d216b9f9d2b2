// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include "ui/accessibility.h"
#include "ui/design.h"
#include "ui/product.h"

#include <QApplication>
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

void preferXOnWaylandDesktops()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland"); // Wayland still, should X fail
}

QIcon programIcon()
{
    // The pictures the package installs into the icon theme, built in as
    // their bare pixels, uncompressed: the launcher, the task bar and the
    // title bar show one picture, and start-up is spared the theme search
    // (about 8 ms of processor time), Qt's scan of its image plugins and the
    // PNG decoding (4.3 million instructions, 5 % of all until the first frame).
    QIcon icon;
    for (int size : {32, 48, 128}) {
        const QResource pixels(QStringLiteral(":/icons/%1.rgba").arg(size));
        const QImage image(pixels.data(), size, size, size * 4, QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

void addBuiltInFonts()
{
    bool any = false;
    for (QDirIterator file(QStringLiteral(":/fonts")); file.hasNext();)
        any |= QFontDatabase::addApplicationFont(file.next()) >= 0;
    if (any)
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

void showMainWindow(QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("wasm")) {
        window.show();
        return;
    }
    // The web platform activates the window while showing it, before its
    // controls are visible, and so gives the focus to the first of the tab
    // order instead of the control chosen to hold it first: it is given back.
    QWidget *const focus = window.focusWidget();
    window.setWindowFlags(window.windowFlags() | Qt::FramelessWindowHint);
    window.show();
    if (focus)
        focus->setFocus();
}

void prepareApplication(QApplication &app)
{
    addBuiltInFonts();
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // And one palette, the style's own, which Qt uses where no desktop theme
    // gives it colours: Windows hands it system colours that grey the disabled
    // disk-count buttons and shade the frames otherwise.
    app.setPalette(app.style()->standardPalette());
    app.setWindowIcon(programIcon());
    installBoardAccessibility();
    // The window's font is Qt's default too: a line edit lays out its empty
    // text in the default font before it takes the window's, so any other
    // default is found and loaded for nothing (2.8 million instructions, 3.5 %
    // of those to the first frame). Context menus are windows of their own,
    // which inherit no font, and keep the one they had.
    const QFont menuFont = QApplication::font("QMenu");
    QApplication::setFont(Design::windowFont());
    QApplication::setFont(menuFont, "QMenu");
    // Ties the window to its launcher on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(TOWERS_APP_ID));
}
