// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor: a Qt Widgets window of forty child widgets of the program's kinds,
// with all of Qt's defaults (style, palette, font) and nothing but their places
// and a few words on the buttons. Its start-up is what Qt itself costs.

#include "ui/design.h"
#include "ui/product.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(TOWERS_WINDOW_TITLE));
    window.resize(pixelRect(0, 0, Design::ClientArea.width, Design::ClientArea.height).size());

    for (int i = 0; i < 3; ++i)
        (new QPushButton(QStringLiteral("Бутон"), &window))->setGeometry(104 * i, 0, 97, 27);
    (new QLabel(QStringLiteral("Заглавие"), &window))->setGeometry(216, 0, 265, 25);
    (new QLineEdit(&window))->setGeometry(600, 0, 65, 27);
    auto *frame = new QFrame(&window);
    frame->setGeometry(0, 32, 57, 217);
    for (int i = 0; i < 10; ++i)
        (new QRadioButton(QString::number(i + 1), frame))->setGeometry(8, 19 * (i + 1), 41, 19);
    for (int i = 0; i < 23; ++i)
        (new QWidget(&window))->setGeometry(100 + 20 * i, 60, 15, 15);
    (new QPlainTextEdit(QStringLiteral("Текст."), &window))->setGeometry(16, 256, 641, 161);

    window.show();
    return app.exec();
}
