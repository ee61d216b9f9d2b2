// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/controls.h"

#include "board/conversions.h"
#include "board/tables.h"

Controls::Controls(std::array<ListControl, 6> boardStore, std::array<ListControl, 3> solutions)
    : list1(std::move(boardStore)), list2(std::move(solutions))
{
    for (int d = 0; d < DiskCount; ++d)
        disks[d].left = int(numericValue(list1[BaseLeft].read(d)));
}

void Controls::setDiskLeft(int disk, int twips)
{
    disks.at(disk).left = twips;
    showDiskLeft(disk, twips);
}

void Controls::setCounterText(const QString &text)
{
    counter = text;
    showCounterText(text);
}
