// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window tests share: reading the board off a window, and driving a
// drag with mouse events through the widgets as a player's hand would.

#include "board/statestring.h"
#include "board/tables.h"
#include "ui/form1.h"
#include "ui/picture.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

// Waits until `done` holds, for `milliseconds` at most, and says whether it
// does. In a browser the window's frames and the program's timers come only
// from the browser's own loop, which a running event loop hands control to
// (the web tests are built with asyncify) while Qt Test's waits keep it.
template<typename Condition>
bool waitUntil(Condition done, int milliseconds)
{
    for (int waited = 0; waited < milliseconds && !done(); waited += 10) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// Waits until the window is on the screen.
inline bool waitForExposed(QWidget &window)
{
    return waitUntil([&window] { return window.windowHandle() && window.windowHandle()->isExposed(); },
                     5000);
}

inline QStringList historyOf(const Form1 &form)
{
    QStringList entries;
    for (int i = 0; i < form.List1(History).count(); ++i)
        entries << form.List1(History).read(i);
    return entries;
}

// The disks the player could pick up now.
inline QList<int> draggableDisks(const Form1 &form)
{
    QList<int> disks;
    for (int d = 0; d < Controls::DiskCount; ++d) {
        if (form.Picture2(d)->isEnabled() && form.Picture2(d)->isVisibleTo(&form))
            disks << d;
    }
    return disks;
}

// Press on the middle of a disk, move in two steps and release over `target`
// at `point` (target's coordinates).
inline void dragDisk(Form1 &form, int disk, QWidget *target, QPoint point)
{
    Picture *source = form.Picture2(disk);
    const QPoint start = source->rect().center();
    const QPoint end = source->mapFromGlobal(target->mapToGlobal(point));
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, (start + end) / 2);
    QTest::mouseMove(source, end);
    QTest::mouseRelease(source, Qt::LeftButton, {}, end);
}

// Drop a disk on a peg through its free band at the top, where no disk lies.
inline void dragDiskToPeg(Form1 &form, int disk, int peg)
{
    dragDisk(form, disk, form.Picture1(peg), QPoint(12, 5));
}

inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}
