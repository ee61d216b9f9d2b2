// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's one window, Form1: it creates every control from the design,
// owns the board store, and wires the controls' events to their handlers.

#include "board/controls.h"
#include "ui/accessibility.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <random>

class DiskDrag;
class Picture;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class Form1 : public QWidget, public Controls
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The controls, by the names and indexes the handlers use.
    QPushButton *Command1(int i) const { return commands.at(i); }
    QRadioButton *Option1(int i) const { return options.at(i); }
    Picture *Picture1(int p) const { return pegs.at(p); }
    Picture *Picture2(int d) const { return disks.at(d); }
    QLabel *Label1() const { return titleLabel; }
    QLineEdit *Text2() const { return counter; }
    QPlainTextEdit *Text1() const { return instructions; }
    QFrame *Frame1() const { return frame; }
    const QTimer &Timer1() const { return timer; }

    // Tests replace the clock-seeded draw with one of their own.
    void setRandomDraw(std::function<double()> draw) { randomDraw = std::move(draw); }

    // Controls
    void setDiskTop(int disk, int twips) override;
    void setDiskEnabled(int disk, bool enabled) override;
    void setDiskVisible(int disk, bool visible) override;
    void setPegHeight(int peg, int twips) override;
    void selectOption(int option) override;
    void setStepBackEnabled(bool enabled) override;
    bool timerEnabled() const override;
    void setTimerEnabled(bool enabled) override;
    void Randomize() override;
    double Rnd() override;

protected:
    void showDiskLeft(int disk, int twips) override;
    void showCounterText(const QString &text) override;

private:
    void createTopRow();
    void createDiskCountChooser();
    void createBoard();
    void createInstructions();
    void setFocusOrder();
    template<typename Handler>
    void handle(Handler handler);

    std::array<QPushButton *, 3> commands{};
    std::array<QRadioButton *, OptionCount> options{};
    std::array<Picture *, PegCount> pegs{};
    std::array<Picture *, DiskCount> disks{};
    QLabel *titleLabel = nullptr;
    QLineEdit *counter = nullptr;
    QPlainTextEdit *instructions = nullptr;
    QFrame *frame = nullptr;
    QTimer timer;
    DiskDrag *drag = nullptr;
    BoardAnnouncer announcer{*this};

    std::mt19937_64 generator;
    std::function<double()> randomDraw;
};
