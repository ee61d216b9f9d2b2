// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/conversions.h"

#include <cmath>

double numericValue(const QString &text)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        ++i;
    double value = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i)
        value = value * 10 + (text.at(i).unicode() - '0');
    return negative ? -value : value;
}

long long roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below + 1;
    if (fraction < 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) == 0))
        rounded = below;
    return static_cast<long long>(rounded);
}

QString decimalText(long long value)
{
    return QString::number(value);
}
