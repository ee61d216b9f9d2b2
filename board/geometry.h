// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The geometry that ties a board table's entry to the screen, in twips.

inline constexpr int PegSpacing = 3000; // twips between neighbouring pegs, and a disk's places
inline constexpr int SlotTop = 800;     // Top of disk 0; each wider disk sits one slot lower
inline constexpr int SlotHeight = 285;
