// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// The demonstration and the stored solutions it plays, with no window: what
// each tick shows, and how the pupil's own presses during it are taken.

#include "shownwindow.h"

#include <QTest>

namespace {

// A draw that makes the demonstration play `disks` disks: r x 100 rounds to disks - 3.
double drawFor(int disks)
{
    return (disks - 3) / 100.0;
}

// The one disk that moves between two positions, or -1 if not exactly one does.
int movedDisk(const QString &from, const QString &to)
{
    int moved = -1;
    for (int d = 0; d < 10; ++d) {
        if (from[d] != to[d]) {
            if (moved >= 0)
                return -1;
            moved = d;
        }
    }
    return moved;
}

} // namespace

class TestDemo : public QObject
{
    Q_OBJECT
private slots:
    void storedSolutionsAreOptimalGames_data();
    void storedSolutionsAreOptimalGames();
    void threeDiskDemonstrationPlaysToTheRightPeg();
    void fourDiskDemonstrationStartsOnTheMiddlePeg();
    void drawChoosesTheDiskCount();
    void showDuringADemonstrationStartsANewOne();
    void stepBackDuringADemonstrationSkipsAMove();
    void playersMoveDuringADemonstrationIsCounted();
    void startOverOrADiskCountEndsADemonstration_data();
    void startOverOrADiskCountEndsADemonstration();
    void finishedDemonstrationUnlocksOnStepBack();
};

void TestDemo::storedSolutionsAreOptimalGames_data()
{
    QTest::addColumn<int>("disks");
    QTest::newRow("3 disks") << 3;
    QTest::newRow("4 disks") << 4;
    QTest::newRow("5 disks") << 5;
}

void TestDemo::storedSolutionsAreOptimalGames()
{
    QFETCH(int, disks);
    const ShownWindow window;
    const ListControl &stored = window.List2(disks - 1);
    QCOMPARE(stored.count(), (1 << disks) - 1);

    // Played from the end back to the start, every entry is one legal move on from the last.
    QString position(10, u'0');
    for (int i = stored.count() - 1; i >= 0; --i) {
        const QString next = stored.read(i);
        const int disk = movedDisk(position, next);
        QVERIFY2(disk >= 0 && disk < disks, qPrintable(next));
        for (int narrower = 0; narrower < disk; ++narrower) {
            QVERIFY(position[narrower] != position[disk]); // it was the top disk
            QVERIFY(position[narrower] != next[disk]);     // and lands on no narrower one
        }
        position = next;
    }
    QCOMPARE(position, QString(disks, u'2') + QString(10 - disks, u'0'));
    if (disks == 3) {
        const QStringList expected{"2220000000", "0220000000", "0120000000", "1120000000",
                                   "1100000000", "2100000000", "2000000000"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(stored.read(i), expected[i]);
    }
}

void TestDemo::threeDiskDemonstrationPlaysToTheRightPeg()
{
    ShownWindow window;
    window.draw = drawFor(3);
    Picture1_DragDrop(window, 1, 0, 0, 0);
    Command1_Click(window, 1);
    QVERIFY(window.timer);
    QCOMPARE(window.DemoSteps, std::int16_t(7));
    QCOMPARE(stateString(window), QStringLiteral("0000000000"));
    QCOMPARE(window.shownCounter, QString());

    Timer1_Timer(window);
    QCOMPARE(stateString(window), QStringLiteral("2000000000"));
    QCOMPARE(window.diskLeft(0), 8000);
    QCOMPARE(window.shownCounter, QStringLiteral("1"));
    for (int tick = 2; tick <= 7; ++tick) {
        QVERIFY(window.timer);
        Timer1_Timer(window);
        QCOMPARE(window.shownCounter, QString::number(tick));
    }
    QCOMPARE(stateString(window), QStringLiteral("2220000000"));
    QVERIFY(!window.timer);
    QCOMPARE(window.draggable(), QList<int>{});
    QCOMPARE(window.List1(History).count(), 0);
}

void TestDemo::fourDiskDemonstrationStartsOnTheMiddlePeg()
{
    ShownWindow window;
    window.draw = drawFor(4);
    Command1_Click(window, 1);
    QCOMPARE(window.selectedOption, 3);
    QVERIFY(window.disksVisible[3]);
    QCOMPARE(window.pegHeights[0], 570 + 285 * 3);
    QCOMPARE(window.DemoSteps, std::int16_t(15));
    QVERIFY(window.timer);
    Timer1_Timer(window);
    QCOMPARE(stateString(window), QStringLiteral("1000000000"));
}

void TestDemo::drawChoosesTheDiskCount()
{
    // a = round-half-even(r x 100) mod 3 picks 3 + a disks.
    // 12.5 and 62.5 round to the even 12 and 62, not up.
    const QList<QPair<double, int>> draws{{0.0, 3},   {0.014, 4},  {0.5, 5},   {0.125, 3},
                                          {0.625, 5}, {0.375, 5},  {0.99, 3},  {0.9999, 4}};
    for (const auto &[r, disks] : draws) {
        ShownWindow window;
        window.draw = r;
        StartDemo(window);
        QVERIFY2(window.selectedOption == disks - 1, qPrintable(QString::number(r)));
        QCOMPARE(window.DemoSteps, std::int16_t((1 << disks) - 1));
    }
}

void TestDemo::showDuringADemonstrationStartsANewOne()
{
    ShownWindow window;
    window.draw = drawFor(5);
    Command1_Click(window, 1);
    Timer1_Timer(window);
    Timer1_Timer(window);
    window.draw = drawFor(3);
    Command1_Click(window, 1);
    QVERIFY(window.timer);
    QCOMPARE(window.selectedOption, 2);
    QCOMPARE(window.DemoTicks, 0);
    QCOMPARE(window.List1(History).count(), 7);
    QCOMPARE(window.shownCounter, QString());
    QCOMPARE(stateString(window), QStringLiteral("0000000000"));
    for (int d = 3; d < 10; ++d)
        QVERIFY(!window.disksVisible[d]);
}

void TestDemo::stepBackDuringADemonstrationSkipsAMove()
{
    ShownWindow window;
    window.draw = drawFor(3);
    Command1_Click(window, 1);
    Timer1_Timer(window);
    Command1_Click(window, 2); // consumes "2100000000"
    QCOMPARE(window.shownCounter, QStringLiteral("1"));
    Timer1_Timer(window);
    QCOMPARE(stateString(window), QStringLiteral("1100000000"));
    QCOMPARE(window.shownCounter, QStringLiteral("2"));
    for (int tick = 3; tick <= 7; ++tick)
        Timer1_Timer(window);
    // The last tick found the history empty: everything back on the left peg, then locked.
    QCOMPARE(stateString(window), QStringLiteral("0000000000"));
    QVERIFY(!window.timer);
    QCOMPARE(window.draggable(), QList<int>{});
}

void TestDemo::playersMoveDuringADemonstrationIsCounted()
{
    ShownWindow window;
    window.draw = drawFor(3);
    Command1_Click(window, 1);
    Timer1_Timer(window);
    Picture1_DragDrop(window, 1, 1, 0, 0);
    QCOMPARE(window.shownCounter, QStringLiteral("2"));
    for (int tick = 2; tick <= 7; ++tick)
        Timer1_Timer(window);
    QVERIFY(!window.timer);
    QCOMPARE(stateString(window), QStringLiteral("0220000000"));
    QCOMPARE(window.shownCounter, QStringLiteral("8"));
    QCOMPARE(window.history(), QStringList{"2220000000"});
}

void TestDemo::startOverOrADiskCountEndsADemonstration_data()
{
    QTest::addColumn<int>("option"); // -1: start over
    QTest::newRow("start over") << -1;
    QTest::newRow("seven disks") << 6;
}

// Its remaining ticks must neither move the new game back nor lock it.
void TestDemo::startOverOrADiskCountEndsADemonstration()
{
    QFETCH(int, option);
    ShownWindow window;
    window.draw = drawFor(4);
    Command1_Click(window, 1);
    Timer1_Timer(window);
    if (option < 0)
        Command1_Click(window, 0);
    else
        window.selectOption(option);
    QVERIFY(!window.timer);
    QCOMPARE(window.selectedOption, option < 0 ? 3 : option);
    QCOMPARE(stateString(window), QStringLiteral("0000000000"));
    QCOMPARE(window.shownCounter, QString());
    Picture1_DragDrop(window, 2, 0, 0, 0);
    QCOMPARE(stateString(window), QStringLiteral("2000000000"));
    QCOMPARE(window.shownCounter, QStringLiteral("1"));
    QCOMPARE(window.draggable(), (QList<int>{0, 1}));
}

void TestDemo::finishedDemonstrationUnlocksOnStepBack()
{
    ShownWindow window;
    window.draw = drawFor(3);
    Command1_Click(window, 1);
    for (int tick = 1; tick <= 7; ++tick)
        Timer1_Timer(window);
    QCOMPARE(window.draggable(), QList<int>{});
    Command1_Click(window, 2);
    QCOMPARE(stateString(window), QStringLiteral("0000000000"));
    QCOMPARE(window.draggable(), QList<int>{0});
    QCOMPARE(window.shownCounter, QStringLiteral("7"));
}

QTEST_GUILESS_MAIN(TestDemo)
#include "tst_demo.moc"
