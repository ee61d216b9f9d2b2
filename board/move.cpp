// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board.h"

#include "board/controls.h"
#include "board/conversions.h"
#include "board/statestring.h"
#include "board/tables.h"

void Picture1_DragDrop(Controls &form, int Index, int Source, int /*X*/, int /*Y*/)
{
    form.DraggedDisk = numericValue(form.diskTag(Source));
    form.TargetPeg = std::int16_t(Index);
    if (!IsMoveAllowed(form))
        return; // a refused move is silent

    const int disk = int(form.DraggedDisk);
    const double sourcePeg = numericValue(form.List1(DiskToPeg).read(disk));
    form.PegShift = Index - sourcePeg;
    // The disk moves sideways only: it keeps the Top of its slot.
    form.setDiskLeft(Source, int(form.diskLeft(Source) + PegSpacing * form.PegShift));
    form.List1(DiskToPeg).replace(disk, decimalText(Index));
    RecordMove(form);
}

bool IsMoveAllowed(Controls &form)
{
    bool allowed = true;
    for (int i = 0; i < Controls::DiskCount; ++i) {
        const double a = numericValue(form.List1(form.TargetPeg).read(i));
        if (a < form.DraggedDisk && a > -1)
            allowed = false;
    }
    return allowed;
}

void RecordMove(Controls &form)
{
    form.List1(History).append(stateString(form));
    rebuildPegTables(form);
    EnableTopDisks(form);
    form.setCounterText(decimalText(roundHalfEven(numericValue(form.counterText()) + 1)));
}
