// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/tables.h"

std::array<ListControl, 6> initialBoardStore()
{
    const QString none = QStringLiteral("-1");
    return {
        ListControl({"0", "1", "2", "3", "4", "5", "6", none, none, none}),
        ListControl(QStringList(10, none)),
        ListControl(QStringList(10, none)),
        ListControl({"0", "0", "0", "0", "0", "0", "0", none, none, none}),
        ListControl({"2000", "1880", "1760", "1640", "1520", "1400", "1280", "1160", "1040", "920"}),
        ListControl(),
    };
}
