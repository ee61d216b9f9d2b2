// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules alone, with no window: moves allowed and refused, the counter
// from empty, stepping back, the demonstration's last tick and the handlers,
// on a stand-in for the window that keeps what they show.

#include "board/board.h"
#include "board/controls.h"
#include "board/tables.h"
#include "demo/demo.h"
#include "demo/solutions.h"
#include "game/events.h"

#include <QTest>

namespace {

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

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    void startUpShowsThreeDisksOnTheLeftPeg();
    void movesAreAllowedOnlyOntoWiderDisks();
    void stepBackFirstKeepsTheNewestPosition();
    void theLastTickOfADemonstrationStopsItAndLocksTheDisks();
    void tenDisksCannotBeSteppedBack();
};

void TestBoard::startUpShowsThreeDisksOnTheLeftPeg()
{
    ShownWindow window;
    QCOMPARE(window.selectedOption, 2);
    QCOMPARE(window.shownPegs(), (QList<int>{0, 0, 0}));
    QCOMPARE(window.diskTops[2], SlotTop + 2 * SlotHeight);
    QCOMPARE(window.pegHeights, (std::array<int, 3>{1140, 1140, 1140}));
    QCOMPARE(window.draggable(), QList<int>{0});
    QCOMPARE(window.shownCounter, QString());
    QVERIFY(window.stepBackEnabled);
}

void TestBoard::movesAreAllowedOnlyOntoWiderDisks()
{
    ShownWindow window;
    Picture1_DragDrop(window, 2, 0, 0, 0);
    QCOMPARE(window.shownPegs(), (QList<int>{2, 0, 0}));
    QCOMPARE(window.shownCounter, QStringLiteral("1")); // counted from the empty counter
    QCOMPARE(window.List1(History).read(0), QStringLiteral("2000000000"));
    QCOMPARE(window.draggable(), (QList<int>{0, 1}));

    // Onto the narrower disk 0: nothing changes, and nothing is said.
    Picture1_DragDrop(window, 2, 1, 0, 0);
    QCOMPARE(window.shownPegs(), (QList<int>{2, 0, 0}));
    QCOMPARE(window.shownCounter, QStringLiteral("1"));
    QCOMPARE(window.List1(History).count(), 1);

    Picture1_DragDrop(window, 1, 1, 0, 0);
    QCOMPARE(window.shownPegs(), (QList<int>{2, 1, 0}));
    QCOMPARE(window.shownCounter, QStringLiteral("2"));
    QCOMPARE(window.draggable(), (QList<int>{0, 1, 2}));
}

void TestBoard::stepBackFirstKeepsTheNewestPosition()
{
    ShownWindow window;
    Picture1_DragDrop(window, 2, 0, 0, 0);
    Picture1_DragDrop(window, 1, 1, 0, 0);
    Command1_Click(window, 2); // the newest position is the board as it stands
    QCOMPARE(window.shownPegs(), (QList<int>{2, 1, 0}));
    QCOMPARE(window.shownCounter, QStringLiteral("1"));
    Command1_Click(window, 2);
    QCOMPARE(window.shownPegs(), (QList<int>{2, 0, 0}));
    QCOMPARE(window.shownCounter, QStringLiteral("0"));
    Command1_Click(window, 2);
    Command1_Click(window, 2); // an empty history is the start, and stays uncounted
    QCOMPARE(window.shownPegs(), (QList<int>{0, 0, 0}));
    QCOMPARE(window.shownCounter, QStringLiteral("0"));
}

void TestBoard::theLastTickOfADemonstrationStopsItAndLocksTheDisks()
{
    ShownWindow window;
    window.draw = 0.02; // 2 of 100, so five disks: 31 moves
    Command1_Click(window, 1);
    QCOMPARE(window.selectedOption, 4);
    QVERIFY(window.timer);
    for (int tick = 1; tick < 31; ++tick)
        Timer1_Timer(window);
    QVERIFY(window.timer);
    QCOMPARE(window.shownCounter, QStringLiteral("30"));
    Timer1_Timer(window);
    QVERIFY(!window.timer);
    QCOMPARE(window.shownCounter, QStringLiteral("31"));
    QCOMPARE(window.shownPegs(), (QList<int>{2, 2, 2, 2, 2}));
    QCOMPARE(window.draggable(), QList<int>{});
}

void TestBoard::tenDisksCannotBeSteppedBack()
{
    ShownWindow window;
    window.selectOption(9);
    QCOMPARE(window.shownPegs().size(), 10);
    QCOMPARE(window.pegHeights[0], 570 + 285 * 9);
    QVERIFY(!window.stepBackEnabled);
    window.selectOption(3);
    QVERIFY(window.stepBackEnabled);
}

QTEST_GUILESS_MAIN(TestBoard)
#include "tst_board.moc"
