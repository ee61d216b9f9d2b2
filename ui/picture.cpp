// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture.h"

#include "ui/twips.h"

#include <QMouseEvent>
#include <QPainter>

Picture::Picture(QRgb colour, int left, int top, int width, int height, QWidget *parent)
    : QWidget(parent), colour(colour), twipsLeft(left), twipsTop(top), twipsWidth(width), twipsHeight(height)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    place();
}

void Picture::setLeftTwips(int twips)
{
    twipsLeft = twips;
    place();
}

void Picture::setTopTwips(int twips)
{
    twipsTop = twips;
    place();
}

void Picture::setHeightTwips(int twips)
{
    twipsHeight = twips;
    place();
}

void Picture::place()
{
    setGeometry(pixelRect(twipsLeft, twipsTop, twipsWidth, twipsHeight));
}

void Picture::paintEvent(QPaintEvent *)
{
    // Disabled pictures look like enabled ones: the palette plays no part.
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, colour);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(r.bottomLeft() + QPoint(1, 0), r.bottomRight());
    painter.drawLine(r.topRight() + QPoint(0, 1), r.bottomRight());
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed(event->globalPosition());
    else
        QWidget::mousePressEvent(event);
}
