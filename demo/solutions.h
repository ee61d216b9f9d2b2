// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The stored optimal solutions that the demonstration plays back.

#include "board/listcontrol.h"

#include <QStringList>

#include <array>

// The position after each move of the recursive solution that carries the
// disks 0..diskCount-1 from the left peg to the right one, newest position
// first, so that stepping back through them plays the solution forwards.
QStringList storedSolution(int diskCount);

// List2(2)..List2(4) as the window is created: the solutions for 3, 4 and 5 disks.
std::array<ListControl, 3> initialSolutions();
