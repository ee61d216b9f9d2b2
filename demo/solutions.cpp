// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "demo/solutions.h"

#include <QString>

namespace {

// Carry the disks 0..count-1 from peg `from` to peg `to`, recording each position.
void carry(int count, int from, int to, QString &position, QStringList &positions)
{
    if (count == 0)
        return;
    const int spare = 3 - from - to;
    carry(count - 1, from, spare, position, positions);
    position[count - 1] = QChar(u'0' + to);
    positions.prepend(position);
    carry(count - 1, spare, to, position, positions);
}

} // namespace

QStringList storedSolution(int diskCount)
{
    QString position(10, u'0');
    QStringList positions;
    carry(diskCount, 0, 2, position, positions);
    return positions;
}

std::array<ListControl, 3> initialSolutions()
{
    return {ListControl(storedSolution(3)), ListControl(storedSolution(4)), ListControl(storedSolution(5))};
}
