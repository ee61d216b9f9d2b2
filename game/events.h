// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's own handlers: start-up, the disk-count choice and the command buttons.

class Controls;

void Form_Load(Controls &form);
void Option1_Click(Controls &form, int Index);
void Command1_Click(Controls &form, int Index);
