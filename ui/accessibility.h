// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader is told of the window beyond the controls' own words:
// the window is a window (a frame to AT-SPI, a window to UI Automation), and
// the pegs and disks are images that say where the disks stand. Qt would give
// a plain widget the role of a meaningless container. The roles hold from the
// program's start on.

class Form1;

// Gives each peg and visible disk a description read from the board store
// whenever a screen reader asks: on which peg a disk stands and whether it is
// the top one, how many disks a peg holds.
void describeBoard(Form1 &form);

// After each handled event: tells a listening screen reader which pegs and
// disks now stand elsewhere, so that it reads the focused one again.
void announceBoardChanges(Form1 &form);
