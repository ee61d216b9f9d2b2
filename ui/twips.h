// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one place where twips become pixels, TwipsPerPixel to a logical pixel.

#include "board/geometry.h"

#include <QPoint>
#include <QRect>

#include <cmath>

inline int pixelsFromTwips(int twips)
{
    return int(std::lround(double(twips) / TwipsPerPixel));
}

inline int twipsFromPixels(int pixels)
{
    return pixels * TwipsPerPixel;
}

// Edges are rounded, not the size, so that neighbouring controls never gain a
// gap or an overlap that the twips do not have.
inline QRect pixelRect(int left, int top, int width, int height)
{
    return QRect(QPoint(pixelsFromTwips(left), pixelsFromTwips(top)),
                 QPoint(pixelsFromTwips(left + width) - 1, pixelsFromTwips(top + height) - 1));
}
