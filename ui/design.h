// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's design: the values every control is created with, in twips
// from the top left corner of the client area (the option buttons: of their frame).

#include "board/tables.h"

#include <QColor>

#include <array>

class QFont;

namespace Design {

struct Box {
    int left, top, width, height;
};

inline constexpr Box ClientArea{0, 0, 10050, 6360};
inline constexpr QRgb FormColour = qRgb(192, 192, 255);

// Command1(0) start over, Command1(1) show, Command1(2) step back.
inline constexpr std::array<Box, 3> CommandBoxes{{
    {7440, 0, 1455, 405},
    {0, 0, 1455, 405},
    {1560, 0, 1455, 405},
}};
inline constexpr std::array<QRgb, 3> CommandColours{qRgb(255, 0, 0), qRgb(0, 192, 192),
                                                    qRgb(0, 255, 0)};

inline constexpr Box TitleLabelBox{3240, 0, 3975, 375};
inline constexpr QRgb TitleLabelColour = qRgb(255, 192, 128);
inline constexpr Box CounterBox{9000, 0, 975, 405};
inline constexpr Box InstructionsBox{240, 3840, 9615, 2415};

inline constexpr Box FrameBox{0, 480, 855, 3255};
inline constexpr Box optionBox(int option)
{
    return {120, 285 * (option + 1), 615, 285};
}
inline constexpr int FirstChoosableOption = 2; // "1" and "2" disks are never offered

inline constexpr QRgb PegColour = qRgb(128, 64, 64);
inline constexpr Box pegBox(int peg)
{
    return {2280 + 3000 * peg, 600, 375, 2535};
}

inline constexpr std::array<QRgb, 10> DiskColours{
    qRgb(192, 0, 0),   qRgb(255, 128, 0), qRgb(192, 192, 0), qRgb(0, 192, 0),
    qRgb(0, 192, 192), qRgb(0, 0, 192),   qRgb(192, 0, 192), qRgb(64, 64, 64),
    qRgb(0, 128, 128), qRgb(128, 0, 128),
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
