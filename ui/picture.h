// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A plain coloured rectangle with a thin sunken edge: a peg or a disk.
// It keeps its place in twips, so that moving it never accumulates rounding.

#include <QWidget>

class Picture : public QWidget
{
    Q_OBJECT
public:
    Picture(QRgb colour, int left, int top, int width, int height, QWidget *parent = nullptr);

    int leftTwips() const { return twipsLeft; }
    int topTwips() const { return twipsTop; }
    int heightTwips() const { return twipsHeight; }
    void setLeftTwips(int twips);
    void setTopTwips(int twips);
    void setHeightTwips(int twips);

signals:
    // The left button went down on this picture; disks start a drag on it.
    void leftPressed(QPointF globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void place();

    QColor colour;
    int twipsLeft, twipsTop, twipsWidth, twipsHeight;
};
