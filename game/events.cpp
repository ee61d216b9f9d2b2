// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/events.h"

#include "board/board.h"
#include "board/controls.h"
#include "board/geometry.h"
#include "demo/demo.h"

void Form_Load(Controls &form)
{
    form.Randomize();
    ResetBoard(form);
    form.selectOption(2);
}

void Option1_Click(Controls &form, int Index)
{
    // A new disk count ends a running demonstration: its remaining ticks would
    // otherwise undo and then lock the game just chosen. StartDemo selects a
    // count too, and starts its timer again as its last step.
    form.setTimerEnabled(false);
    for (int d = 2; d < Controls::DiskCount; ++d)
        form.setDiskVisible(d, false);
    for (int d = 0; d <= Index; ++d)
        form.setDiskVisible(d, true);
    for (int p = 0; p < Controls::PegCount; ++p)
        form.setPegHeight(p, pegHeightForOption(Index));
    form.setStepBackEnabled(true);
    if (Index > 8)
        form.setStepBackEnabled(false); // no stepping back with ten disks
    ResetBoard(form);
}

void Command1_Click(Controls &form, int Index)
{
    switch (Index) {
    case 0:
        form.setTimerEnabled(false); // starting over ends a demonstration too
        ResetBoard(form);
        break;
    case 1:
        StartDemo(form);
        break;
    case 2:
        StepBack(form);
        break;
    }
}
