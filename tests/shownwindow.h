// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The guiless harness of the rule tests: a stand-in for the window that keeps
// what the rules would have it show, so that the board, the demonstration and
// the handlers are tested without a widget. A test of the rules alone goes
// beside those that use it (towers_test(NAME RULES) in CMakeLists.txt); a
// test that needs a real widget, a drag by the mouse or Qt's timer, goes
// beside formtest.h's.

#include "board/board.h"
#include "board/controls.h"
#include "board/statestring.h"
#include "board/tables.h"
#include "demo/demo.h"
#include "demo/solutions.h"
#include "game/events.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// What the window would show, as the rules set it. Selecting an option from
// the program raises its click at once, as the window's radio buttons do.
class ShownWindow : public Controls
{
public:
    ShownWindow() : Controls(initialBoardStore(), initialSolutions()) { Form_Load(*this); }

    void setDiskTop(int disk, int twips) override { diskTops[disk] = twips; }
    void setDiskEnabled(int disk, bool enabled) override { disksEnabled[disk] = enabled; }
    void setDiskVisible(int disk, bool visible) override { disksVisible[disk] = visible; }
    void setPegHeight(int peg, int twips) override { pegHeights[peg] = twips; }
    void selectOption(int option) override
    {
        if (option == selectedOption)
            return;
        selectedOption = option;
        Option1_Click(*this, option);
    }
    void setStepBackEnabled(bool enabled) override { stepBackEnabled = enabled; }
    bool timerEnabled() const override { return timer; }
    void setTimerEnabled(bool enabled) override { timer = enabled; }
    void Randomize() override {}
    double Rnd() override { return draw; }

    // The history, oldest first.
    QStringList history() const
    {
        QStringList entries;
        for (int i = 0; i < List1(History).count(); ++i)
            entries << List1(History).read(i);
        return entries;
    }

    // The peg each visible disk is shown on, from its place; the disks a
    // player could pick up now.
    QList<int> shownPegs() const
    {
        QList<int> pegs;
        for (int d = 0; d < DiskCount && disksVisible[d]; ++d)
            pegs << (shownLefts[d] - List1(BaseLeft).read(d).toInt()) / PegSpacing;
        return pegs;
    }
    QList<int> draggable() const
    {
        QList<int> disks;
        for (int d = 0; d < DiskCount; ++d) {
            if (disksVisible[d] && disksEnabled[d])
                disks << d;
        }
        return disks;
    }

    std::array<int, DiskCount> diskTops{}, shownLefts{};
    std::array<bool, DiskCount> disksEnabled{}, disksVisible{};
    std::array<int, PegCount> pegHeights{};
    int selectedOption = -1;
    bool stepBackEnabled = false;
    bool timer = false;
    double draw = 0;
    QString shownCounter = QStringLiteral("never shown");

protected:
    void showDiskLeft(int disk, int twips) override { shownLefts[disk] = twips; }
    void showCounterText(const QString &text) override { shownCounter = text; }
};
