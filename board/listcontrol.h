// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// A hidden list control: a table of strings, offering only what the board uses.
class ListControl
{
public:
    ListControl() = default;
    explicit ListControl(QStringList initial) : entries(std::move(initial)) {}

    QString read(int i) const { return entries.at(i); }
    void replace(int i, const QString &text) { entries[i] = text; }
    void append(const QString &text) { entries.append(text); }
    void remove(int i) { entries.removeAt(i); }
    void clear() { entries.clear(); }
    int count() const { return int(entries.size()); }

private:
    QStringList entries;
};
