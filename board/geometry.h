// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The geometry that ties a board table's entry to the screen, in twips, and
// what a twip is on a screen: the one home of these facts, which the window's
// design, the rules and (through designfacts) the tests and the web page use.

// At 96 dots per inch 15 twips make one logical pixel (a CSS pixel in a
// browser); Qt scales logical pixels to the screen.
inline constexpr int TwipsPerPixel = 15;

inline constexpr int PegSpacing = 3000; // twips between neighbouring pegs, and a disk's places
inline constexpr int SlotTop = 800;     // Top of disk 0; each wider disk sits one slot lower
inline constexpr int SlotHeight = 285;

// The pegs' height with the disk count of option `option` (0 for one disk):
// a slot for each disk below the free band at the top.
inline constexpr int pegHeightForOption(int option)
{
    return 570 + SlotHeight * option;
}
