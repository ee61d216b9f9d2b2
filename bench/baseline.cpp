// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Qt Widgets window with the program's widgets, kinds, places, colours,
// font and text length, and no logic: the yardstick for the program's start-up.

#include "ui/application.h"
#include "ui/design.h"
#include "ui/texts.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>

namespace {

QWidget *coloured(QWidget *widget, QRect pixels, QColor colour,
                  QPalette::ColorRole role = QPalette::Window)
{
    widget->setGeometry(pixels);
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    return widget;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    addBuiltInFonts(); // the program's font, in the web build
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                | Qt::WindowCloseButtonHint);
    window.setWindowTitle(Texts::windowTitle());
    window.setFixedSize(pixelRect(0, 0, Design::ClientArea.width, Design::ClientArea.height).size());
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    coloured(&window, window.geometry(), QColor(192, 192, 255));

    const QStringList captions{"Покажи", "Ход назад", "Начало"};
    const int buttonLefts[] = {0, 104, 496};
    for (int i = 0; i < 3; ++i)
        coloured(new QPushButton(captions[i], &window), {buttonLefts[i], 0, 97, 27},
                 Qt::green, QPalette::Button);
    coloured(new QLabel(QStringLiteral("Информатика - дорелски кули"), &window), {216, 0, 265, 25},
             QColor(255, 192, 128));
    auto *counter = new QLineEdit(&window);
    counter->setGeometry(600, 0, 65, 27);
    counter->setReadOnly(true);

    auto *frame = new QFrame(&window);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(0, 32, 57, 217);
    for (int i = 0; i < 10; ++i)
        coloured(new QRadioButton(QString::number(i + 1), frame), {8, 19 * (i + 1), 41, 19},
                 Qt::red, QPalette::Button);
    for (int p = 0; p < 3; ++p)
        coloured(new QWidget(&window), {152 + 200 * p, 40, 25, 76}, QColor(128, 64, 64));
    for (int d = 0; d < 10; ++d)
        coloured(new QWidget(&window), {133 - 8 * d, 53 + 19 * d, 65 + 16 * d, 19},
                 Qt::darkRed)->setVisible(d < 3);

    QString text;
    for (int line = 0; line < 10; ++line)
        text += QStringLiteral("Примерен ред от указанията, колкото дълъг е и истинският. ")
                    .repeated(2) + QStringLiteral("\r\n");
    auto *instructions = new QPlainTextEdit(text, &window);
    instructions->setGeometry(16, 256, 641, 161);
    instructions->setReadOnly(true);
    instructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    showMainWindow(window);
    return app.exec();
}
