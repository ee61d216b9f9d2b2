// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/statestring.h"

#include "board/controls.h"
#include "board/conversions.h"
#include "board/tables.h"

QString stateString(const Controls &form)
{
    QString state;
    for (int d = 0; d < Controls::DiskCount; ++d)
        state += form.List1(DiskToPeg).read(d);
    return state;
}

int pegInState(const QString &state, int disk)
{
    if (disk >= state.size())
        return 0;
    return int(roundHalfEven(numericValue(state.mid(disk, 1))));
}
