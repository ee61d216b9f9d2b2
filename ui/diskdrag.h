// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dragging a disk: the press on an enabled disk starts it at once, an outline of
// the disk follows the pointer while the button is held, and the release drops
// the disk on whatever control lies topmost under the pointer. Only a peg takes it.
//
// The drag is followed through an application event filter, installed for
// the length of the drag, rather than the disk's own handlers, so that it
// still ends where the button comes up even when a demonstration tick
// disables or moves the disk meanwhile.

#include <QObject>
#include <QPointF>

#include <array>
#include <functional>

class Picture;
class QWidget;

class DiskDrag : public QObject
{
    Q_OBJECT
public:
    using DropHandler = std::function<void(int peg, int disk, int x, int y)>;

    DiskDrag(QWidget *form, const std::array<Picture *, 3> &pegs, DropHandler onDrop);
    ~DiskDrag() override;

    void begin(int disk, const Picture *diskPicture, QPointF globalPosition);
    bool isActive() const { return draggedDisk >= 0; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QPointF globalPosition);
    void finish(QPointF globalPosition);
    int pegAt(QPointF globalPosition) const;

    QWidget *form;
    const std::array<Picture *, 3> &pegs;
    DropHandler onDrop;
    QWidget *outline;
    int draggedDisk = -1;
    const Picture *draggedPicture = nullptr;
    QPointF grabOffset; // from the outline's top left corner to the pointer
};
