// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A command button whose whole face is painted in one colour, with a raised
// edge that sinks while it is pressed. The style's own buttons shade the face
// with a gradient, which would not show the button's colour.

#include <QPushButton>

class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(const QString &caption, QRgb face, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor face;
};
