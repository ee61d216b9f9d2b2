// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The board procedures. Each acts on the one window it is given, through its
// controls, its board store and its form-level variables.

class Controls;

// All disks back on the left peg in their starting slots; history and counter cleared.
void ResetBoard(Controls &form);

// Exactly the top disk of each peg becomes draggable.
void EnableTopDisks(Controls &form);

// A dragged disk was released over peg Index; Source is the disk's index.
// X and Y, the drop point within the peg, do not matter to the move.
void Picture1_DragDrop(Controls &form, int Index, int Source, int X, int Y);

// False when the target peg already holds a narrower disk.
bool IsMoveAllowed(Controls &form);

// The new position goes into the history, the tables and the counter.
void RecordMove(Controls &form);

// Puts the newest position of the history on the board and forgets it.
void StepBack(Controls &form);
