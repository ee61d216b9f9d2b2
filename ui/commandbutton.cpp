// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/commandbutton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

CommandButton::CommandButton(const QString &caption, QRgb face, QWidget *parent)
    : QPushButton(caption, parent), face(face)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), face);

    const bool down = isDown();
    const QColor light = down ? QColor(128, 128, 128) : QColor(Qt::white);
    const QColor shadow = down ? QColor(Qt::white) : QColor(128, 128, 128);
    painter.setPen(Qt::black);
    painter.drawRect(outer);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.setPen(light);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(shadow);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());

    QRect textArea = inner;
    if (down)
        textArea.translate(1, 1);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignCenter, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inner.adjusted(3, 3, -2, -2);
        focus.backgroundColor = face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
