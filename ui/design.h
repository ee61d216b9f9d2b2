// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's design: the values every control is created with, in twips
// from the top left corner of the client area (the option buttons: of their frame).

// It needs nothing of Qt, so that what is not built with the program (the web
// page, the end-to-end tests) can be given its facts (designfacts.cpp).

#include "board/geometry.h"

#include <array>

class QFont;

namespace Design {

struct Box {
    int left, top, width, height;
};

// A colour as Qt's QRgb holds it, opaque.
using Rgb = unsigned int;
inline constexpr Rgb rgb(int red, int green, int blue)
{
    return 0xffu << 24 | unsigned(red) << 16 | unsigned(green) << 8 | unsigned(blue);
}

inline constexpr Box ClientArea{0, 0, 10050, 6360};
inline constexpr Rgb FormColour = rgb(192, 192, 255);

// Command1(0) start over, Command1(1) show, Command1(2) step back.
inline constexpr std::array<Box, 3> CommandBoxes{{
    {7440, 0, 1455, 405},
    {0, 0, 1455, 405},
    {1560, 0, 1455, 405},
}};
inline constexpr std::array<Rgb, 3> CommandColours{rgb(255, 0, 0), rgb(0, 192, 192),
                                                    rgb(0, 255, 0)};

inline constexpr Box TitleLabelBox{3240, 0, 3975, 375};
inline constexpr Rgb TitleLabelColour = rgb(255, 192, 128);
inline constexpr Box CounterBox{9000, 0, 975, 405};
inline constexpr Box InstructionsBox{240, 3840, 9615, 2415};

inline constexpr Box FrameBox{0, 480, 855, 3255};
inline constexpr Box optionBox(int option)
{
    return {120, 285 * (option + 1), 615, 285};
}
inline constexpr int FirstChoosableOption = 2; // "1" and "2" disks are never offered

inline constexpr Rgb PegColour = rgb(128, 64, 64);
inline constexpr Box pegBox(int peg)
{
    return {2280 + PegSpacing * peg, 600, 375, 2535};
}

inline constexpr std::array<Rgb, 10> DiskColours{
    rgb(192, 0, 0),   rgb(255, 128, 0), rgb(192, 192, 0), rgb(0, 192, 0),
    rgb(0, 192, 192), rgb(0, 0, 192),   rgb(192, 0, 192), rgb(64, 64, 64),
    rgb(0, 128, 128), rgb(128, 0, 128),
};
inline constexpr int diskWidth(int disk)
{
    return 975 + 240 * disk;
}
inline constexpr int diskHeight(int disk)
{
    return disk == 4 || disk == 7 ? 300 : 285;
}
inline constexpr int diskTop(int disk)
{
    return SlotTop + SlotHeight * disk; // its slot in the starting stack
}
inline constexpr int InitiallyVisibleDisks = 3;

inline constexpr int TimerInterval = 2000; // milliseconds

// Times New Roman, 12 points: the window's font, which every control inherits.
QFont windowFont();

} // namespace Design
