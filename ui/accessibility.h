// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader is told of the window beyond the controls' own words:
// the window is a window (a frame to AT-SPI, a window to UI Automation), the
// disk-count buttons' frame their group, and the pegs and disks are images
// that say where the disks stand, read from the
// board store whenever a screen reader asks: on which peg a disk stands and
// whether it is the top one, how many disks a peg holds. Qt would give a plain
// widget the role of a meaningless container.

#include "board/controls.h"

#include <QString>

#include <array>

class Form1;

// Before any widget exists, as Qt keeps the interface it first made for a
// widget and a screen reader asks as soon as the controls are created.
void installBoardAccessibility();

// After each handled event, tells a listening screen reader which pegs and
// disks now stand elsewhere, so that it reads the focused one again.
class BoardAnnouncer
{
public:
    explicit BoardAnnouncer(const Form1 &form) : form(form) {}
    void announceChanges();

private:
    const Form1 &form;
    // What was last announced of each peg, then of each disk.
    std::array<QString, Controls::PegCount + Controls::DiskCount> announced;
};
