// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design.h"

#include <QFont>

namespace Design {

QFont windowFont()
{
    return QFont(QStringLiteral("Times New Roman"), 12);
}

} // namespace Design
