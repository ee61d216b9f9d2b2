// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/diskdrag.h"

#include "board/controls.h"
#include "ui/picture.h"
#include "ui/twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The rectangle that follows the pointer; the mouse passes through it.
class DragOutline : public QWidget
{
public:
    explicit DragOutline(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

bool isMouseEvent(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return true;
    default:
        return false;
    }
}

} // namespace

DiskDrag::DiskDrag(QWidget *form, const std::array<Picture *, 3> &pegs, DropHandler onDrop)
    : QObject(form), form(form), pegs(pegs), onDrop(std::move(onDrop)),
      outline(new DragOutline(form))
{
}

DiskDrag::~DiskDrag()
{
    qApp->removeEventFilter(this);
}

void DiskDrag::begin(int disk, const Picture *diskPicture, QPointF globalPosition)
{
    draggedDisk = disk;
    draggedPicture = diskPicture;
    grabOffset = globalPosition - QPointF(diskPicture->mapToGlobal(QPoint(0, 0)));
    outline->setGeometry(diskPicture->geometry());
    outline->raise();
    outline->show();
    qApp->installEventFilter(this);
}

bool DiskDrag::eventFilter(QObject *watched, QEvent *event)
{
    // Only the widgets' share of a mouse event: the window system's copy for the
    // native window must pass, as Qt keeps its own pointer bookkeeping there.
    if (!isMouseEvent(event) || !watched->isWidgetType()
        || static_cast<QWidget *>(watched)->window() != form)
        return false;

    auto *mouse = static_cast<QMouseEvent *>(event);
    if (event->type() == QEvent::MouseMove)
        follow(mouse->globalPosition());
    else if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
        finish(mouse->globalPosition());
    return true; // while a disk is dragged, no other control sees the mouse
}

void DiskDrag::follow(QPointF globalPosition)
{
    const QPointF topLeft = form->mapFromGlobal(globalPosition - grabOffset);
    outline->move(topLeft.toPoint());
}

void DiskDrag::finish(QPointF globalPosition)
{
    const int disk = draggedDisk;
    draggedDisk = -1;
    qApp->removeEventFilter(this);
    outline->hide();
    // A disk count chosen from the keyboard meanwhile may have hidden the disk:
    // hidden disks stay on the left peg.
    if (draggedPicture->isHidden())
        return;
    const int peg = pegAt(globalPosition);
    if (peg < 0)
        return;
    const QPoint inPeg = pegs[peg]->mapFromGlobal(globalPosition).toPoint();
    onDrop(peg, disk, twipsFromPixels(inPeg.x()), twipsFromPixels(inPeg.y()));
}

int DiskDrag::pegAt(QPointF globalPosition) const
{
    const QPoint inForm = form->mapFromGlobal(globalPosition).toPoint();
    if (!form->rect().contains(inForm))
        return -1;
    const QWidget *topmost = form->childAt(inForm);
    for (int p = 0; p < Controls::PegCount; ++p) {
        if (topmost == pegs[p])
            return p;
    }
    return -1;
}
