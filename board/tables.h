// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which List1 table holds what, and the geometry that ties an entry to the screen.

#include "board/geometry.h"
#include "board/listcontrol.h"

#include <array>

enum BoardTable {
    PegTable0 = 0, // List1(0)..List1(2): entry d is "d" when disk d is on that peg, else "-1"
    DiskToPeg = 3, // List1(3): entry d is the peg of disk d
    BaseLeft = 4,  // List1(4): the Left of disk d on the left peg, in twips
    History = 5,   // List1(5): a state string after each move, oldest first
};

class Controls;

// List1(0)..List1(5) as the window is created; start-up overwrites the first four.
std::array<ListControl, 6> initialBoardStore();

// Peg tables rebuilt from the disk-to-peg table, which is the one they follow.
void rebuildPegTables(Controls &form);
