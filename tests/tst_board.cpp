// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules alone, with no window: moves allowed and refused, where a moved
// disk stands, the counter from empty, stepping back to the start, the
// demonstration's last tick and the handlers, on the stand-in window of
// shownwindow.h.

#include "shownwindow.h"

#include <QTest>

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    void startUpShowsThreeDisksOnTheLeftPeg();
    void movesAreAllowedOnlyOntoWiderDisks();
    void stepBackFirstKeepsTheNewestPosition();
    void theLastTickOfADemonstrationStopsItAndLocksTheDisks();
    void tenDisksCannotBeSteppedBack();
    void firstMoveToTheRightPeg();
    void narrowerDiskRefusesAWiderOne();
    void diskJumpsOverThePegBetween();
    void dropOnItsOwnPegCountsAsAMove();
    void threeDisksSolvedInSevenMoves();
    void stepBackAfterOneMove();
    void stepBackWalksToTheStartAndStops();
    void stepBackRightAfterStartUpChangesNothing();
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

void TestBoard::firstMoveToTheRightPeg()
{
    ShownWindow window;
    Picture1_DragDrop(window, 2, 0, 0, 0);
    QCOMPARE(window.diskLeft(0), 8000);
    QCOMPARE(window.diskTops[0], 800);
    QCOMPARE(window.history(), QStringList{"2000000000"});
    QCOMPARE(window.shownCounter, QStringLiteral("1"));
    QCOMPARE(window.draggable(), (QList<int>{0, 1}));
    QCOMPARE(window.List1(PegTable0 + 2).read(0), QStringLiteral("0"));
    QCOMPARE(window.List1(PegTable0).read(0), QStringLiteral("-1"));
    QCOMPARE(window.PegShift, 2.0);
}

void TestBoard::narrowerDiskRefusesAWiderOne()
{
    ShownWindow window;
    Picture1_DragDrop(window, 2, 0, 0, 0);
    Picture1_DragDrop(window, 2, 1, 0, 0);
    QCOMPARE(window.diskLeft(1), 1880);
    QCOMPARE(window.history(), QStringList{"2000000000"});
    QCOMPARE(window.shownCounter, QStringLiteral("1"));
    QCOMPARE(stateString(window), QStringLiteral("2000000000"));

    Picture1_DragDrop(window, 1, 1, 0, 0);
    QCOMPARE(window.diskLeft(1), 1880 + 3000);
    QCOMPARE(window.history(), (QStringList{"2000000000", "2100000000"}));
    QCOMPARE(window.shownCounter, QStringLiteral("2"));
    QCOMPARE(window.draggable(), (QList<int>{0, 1, 2}));
}

void TestBoard::diskJumpsOverThePegBetween()
{
    ShownWindow window;
    Picture1_DragDrop(window, 2, 0, 0, 0);
    QCOMPARE(window.diskLeft(0), 8000);
    Picture1_DragDrop(window, 0, 0, 0, 0);
    QCOMPARE(window.diskLeft(0), 2000);
    QCOMPARE(window.PegShift, -2.0);
    QCOMPARE(window.history(), (QStringList{"2000000000", "0000000000"}));
}

void TestBoard::dropOnItsOwnPegCountsAsAMove()
{
    ShownWindow window;
    Picture1_DragDrop(window, 0, 0, 0, 0);
    QCOMPARE(window.diskLeft(0), 2000);
    QCOMPARE(window.history(), QStringList{"0000000000"});
    QCOMPARE(window.shownCounter, QStringLiteral("1"));
}

void TestBoard::threeDisksSolvedInSevenMoves()
{
    ShownWindow window;
    const QList<QPair<int, int>> moves{{0, 2}, {1, 1}, {0, 1}, {2, 2}, {0, 0}, {1, 2}, {0, 2}};
    for (const auto &[disk, peg] : moves)
        Picture1_DragDrop(window, peg, disk, 0, 0);
    QCOMPARE(stateString(window), QStringLiteral("2220000000"));
    QCOMPARE(window.shownCounter, QStringLiteral("7"));
    QCOMPARE(window.List1(History).count(), 7);
    QCOMPARE(window.draggable(), QList<int>{0});
    for (int d = 0; d < 3; ++d)
        QCOMPARE(window.diskLeft(d), window.List1(BaseLeft).read(d).toInt() + 2 * PegSpacing);
}

void TestBoard::stepBackAfterOneMove()
{
    ShownWindow window;
    Picture1_DragDrop(window, 2, 0, 0, 0);
    Command1_Click(window, 2);
    QCOMPARE(window.diskLeft(0), 8000); // the newest entry is where the board already is
    QCOMPARE(window.shownCounter, QStringLiteral("0"));
    QCOMPARE(window.List1(History).count(), 0);

    Command1_Click(window, 2);
    QCOMPARE(window.diskLeft(0), 2000);
    QCOMPARE(window.shownCounter, QStringLiteral("0"));
    QCOMPARE(window.draggable(), QList<int>{0});
}

void TestBoard::stepBackWalksToTheStartAndStops()
{
    ShownWindow window;
    Picture1_DragDrop(window, 2, 0, 0, 0);
    Picture1_DragDrop(window, 1, 1, 0, 0);
    Picture1_DragDrop(window, 1, 0, 0, 0);
    const QStringList expected{"1100000000", "2100000000", "2000000000", "0000000000"};
    const QStringList counters{"2", "1", "0", "0"};
    for (int press = 0; press < 4; ++press) {
        StepBack(window);
        QCOMPARE(stateString(window), expected[press]);
        QCOMPARE(window.shownCounter, counters[press]);
    }
    QCOMPARE(window.diskLeft(1), 1880);
    StepBack(window);
    QCOMPARE(stateString(window), QStringLiteral("0000000000"));
    QCOMPARE(window.shownCounter, QStringLiteral("0"));
    QCOMPARE(window.draggable(), QList<int>{0});
}

void TestBoard::stepBackRightAfterStartUpChangesNothing()
{
    ShownWindow window;
    Command1_Click(window, 2);
    QCOMPARE(stateString(window), QStringLiteral("0000000000"));
    QCOMPARE(window.shownCounter, QString());
    QCOMPARE(window.draggable(), QList<int>{0});
}

QTEST_GUILESS_MAIN(TestBoard)
#include "tst_board.moc"
