// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole position as ten digits: character d + 1 is the peg of disk d.

#include <QString>

class Controls;

// Built from the disk-to-peg table, disk 0 first.
QString stateString(const Controls &form);

// The peg that a state string gives a disk; a character beyond the end reads as 0.
int pegInState(const QString &state, int disk);
