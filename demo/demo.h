// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Controls;

// Plays the solution for 3, 4 or 5 disks, drawn at random, one move a tick.
void StartDemo(Controls &form);

// One move of the running demonstration; the last one stops it and locks the disks.
void Timer1_Timer(Controls &form);
