// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window as the board, the demonstration and the handlers see it: the
// operations they perform on its controls, its board store and its
// form-level variables. The window (ui/form1.h) implements the operations
// with real widgets; tests may with none. Places are in twips.

#include "board/listcontrol.h"

#include <array>
#include <cstdint>

class Controls
{
public:
    enum { DiskCount = 10, PegCount = 3, OptionCount = 10 };

    virtual ~Controls() = default;

    // Picture2(d), the disks. Where each stands and its tag are kept here, and
    // the window shows the place: nothing is read back from a widget.
    int diskLeft(int disk) const { return disks.at(disk).left; }
    void setDiskLeft(int disk, int twips);
    QString diskTag(int disk) const { return disks.at(disk).tag; }
    void setDiskTag(int disk, const QString &tag) { disks.at(disk).tag = tag; }
    virtual void setDiskTop(int disk, int twips) = 0;
    virtual void setDiskEnabled(int disk, bool enabled) = 0;
    virtual void setDiskVisible(int disk, bool visible) = 0;

    // Picture1(p), the pegs: they keep their top and grow downward.
    virtual void setPegHeight(int peg, int twips) = 0;

    // Option1(i): selecting it from the program raises Option1_Click(i) at once,
    // unless it is already selected.
    virtual void selectOption(int option) = 0;

    // Command1(2), the step-back button.
    virtual void setStepBackEnabled(bool enabled) = 0;

    // Text2(0), the move counter, kept here and shown by the window.
    QString counterText() const { return counter; }
    void setCounterText(const QString &text);

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
    // The store as the window is created (initialBoardStore(),
    // initialSolutions()), each disk at its place on the left peg.
    Controls(std::array<ListControl, 6> boardStore, std::array<ListControl, 3> solutions);

    // The window shows a disk's new place and the counter's new text.
    virtual void showDiskLeft(int disk, int twips) = 0;
    virtual void showCounterText(const QString &text) = 0;

private:
    struct Disk {
        int left = 0;
        QString tag;
    };

    std::array<ListControl, 6> list1;
    std::array<ListControl, 3> list2;
    std::array<Disk, DiskCount> disks;
    QString counter;
};
