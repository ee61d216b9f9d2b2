// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every word the window shows, kept together so that one file holds them all.

#include <QString>

namespace Texts {
QString windowTitle();
QString titleLabel();
QString showButton();
QString stepBackButton();
QString startOverButton();
QString instructions(); // ten lines, each ended by CR LF

// What a screen reader says for the controls that show no words of their own.
QString pegName(int peg);
QString diskName(int disk);
QString counterName();
QString instructionsName();
QString diskCountChooserName();

// Where the disks stand, as a screen reader says it of a disk and of a peg.
QString diskPlace(int peg, bool onTop);
QString pegLoad(int disks);
} // namespace Texts
