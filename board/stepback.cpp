// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board.h"

#include "board/controls.h"
#include "board/conversions.h"
#include "board/statestring.h"
#include "board/tables.h"

void StepBack(Controls &form)
{
    // The newest entry is the position after the last move, so the first press
    // after a move leaves the board as it is; an empty history is the start.
    const int h = form.List1(History).count();
    const QString state = h > 0 ? form.List1(History).read(h - 1) : QString();
    for (int d = 0; d < Controls::DiskCount; ++d) {
        const int peg = pegInState(state, d);
        form.setDiskLeft(d, PegSpacing * peg + int(numericValue(form.List1(BaseLeft).read(d))));
        form.List1(DiskToPeg).replace(d, decimalText(peg));
    }
    rebuildPegTables(form);
    EnableTopDisks(form);
    if (h > 0) {
        // During a demonstration the timer counts the moves itself.
        if (!form.timerEnabled())
            form.setCounterText(decimalText(roundHalfEven(numericValue(form.counterText()) - 1)));
        form.List1(History).remove(h - 1);
    }
}
