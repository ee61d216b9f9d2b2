// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every table entry, history entry and the counter are text; these turn them
// into numbers and back the same way everywhere.

#include <QString>

// The number that the text's leading characters spell: an optional "-" and
// decimal digits, read up to the first other character. No digits there
// (the empty text included) reads as 0.
double numericValue(const QString &text);

// To the nearest integer, halves to even.
long long roundHalfEven(double value);

// Shortest decimal form, "-" in front when negative, no blank.
QString decimalText(long long value);
