// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board.h"

#include "board/controls.h"
#include "board/conversions.h"
#include "board/tables.h"

void ResetBoard(Controls &form)
{
    for (int d = 0; d < Controls::DiskCount; ++d) {
        form.setDiskTop(d, SlotTop + SlotHeight * d);
        form.setDiskTag(d, decimalText(d));
        form.List1(PegTable0).replace(d, decimalText(d));
        form.List1(PegTable0 + 1).replace(d, QStringLiteral("-1"));
        form.List1(PegTable0 + 2).replace(d, QStringLiteral("-1"));
        form.List1(DiskToPeg).replace(d, QStringLiteral("0"));
        form.setDiskLeft(d, int(numericValue(form.List1(BaseLeft).read(d))));
        form.setDiskEnabled(d, true);
    }
    form.List1(History).clear();
    form.setCounterText(QString());
    EnableTopDisks(form);
}

void EnableTopDisks(Controls &form)
{
    for (int p = 0; p < Controls::PegCount; ++p) {
        bool isTop = true;
        for (int d = 0; d < Controls::DiskCount; ++d) {
            if (numericValue(form.List1(PegTable0 + p).read(d)) > -1) {
                form.setDiskEnabled(d, isTop);
                isTop = false;
            }
        }
    }
}

void rebuildPegTables(Controls &form)
{
    for (int d = 0; d < Controls::DiskCount; ++d) {
        for (int p = 0; p < Controls::PegCount; ++p)
            form.List1(PegTable0 + p).replace(d, QStringLiteral("-1"));
        const long long peg = roundHalfEven(numericValue(form.List1(DiskToPeg).read(d)));
        if (peg >= 0)
            form.List1(int(peg)).replace(d, decimalText(d));
    }
}
