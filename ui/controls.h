// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The operations the board and demonstration procedures perform on the window.
// Everything in board/ and demo/ reaches the window through this header alone;
// the window (ui/form1.h) implements it with real widgets. Places are in twips.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

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

class Controls
{
public:
    enum { DiskCount = 10, PegCount = 3, OptionCount = 10 };

    virtual ~Controls() = default;

    // Picture2(d), the disks.
    virtual int diskLeft(int disk) const = 0;
    virtual void setDiskLeft(int disk, int twips) = 0;
    virtual void setDiskTop(int disk, int twips) = 0;
    virtual void setDiskEnabled(int disk, bool enabled) = 0;
    virtual void setDiskVisible(int disk, bool visible) = 0;
    virtual QString diskTag(int disk) const = 0;
    virtual void setDiskTag(int disk, const QString &tag) = 0;

    // Picture1(p), the pegs: they keep their top and grow downward.
    virtual void setPegHeight(int peg, int twips) = 0;

    // Option1(i): selecting it from the program raises Option1_Click(i) at once,
    // unless it is already selected.
    virtual void selectOption(int option) = 0;

    // Command1(2), the step-back button.
    virtual void setStepBackEnabled(bool enabled) = 0;

    // Text2(0), the move counter.
    virtual QString counterText() const = 0;
    virtual void setCounterText(const QString &text) = 0;

    // Timer1: while enabled it raises Timer1_Timer every 2000 ms.
    virtual bool timerEnabled() const = 0;
    virtual void setTimerEnabled(bool enabled) = 0;

    // The random generator: Randomize seeds it from the clock, Rnd draws from [0, 1).
    virtual void Randomize() = 0;
    virtual double Rnd() = 0;

    // The board store: List1(0)..List1(5); the stored solutions: List2(2)..List2(4).
    ListControl &List1(int k) { return list1.at(k); }
    const ListControl &List1(int k) const { return list1.at(k); }
    const ListControl &List2(int k) const { return list2.at(k - 2); }

    // Form-level variables, carried from a handler to the procedures it calls.
    double DraggedDisk = 0;
    std::int16_t TargetPeg = 0;
    double PegShift = 0;
    int DemoTicks = 0;
    std::int16_t DemoSteps = 0;

protected:
    Controls(std::array<ListControl, 6> boardStore, std::array<ListControl, 3> solutions)
        : list1(std::move(boardStore)), list2(std::move(solutions))
    {
    }

private:
    std::array<ListControl, 6> list1;
    std::array<ListControl, 3> list2;
};
