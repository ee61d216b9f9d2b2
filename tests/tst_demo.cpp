// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formtest.h"

#include "board/board.h"
#include "demo/demo.h"

#include <QRadioButton>

namespace {

// A draw that makes the demonstration play `disks` disks: r x 100 rounds to disks - 3.
std::function<double()> drawFor(int disks)
{
    return [disks] { return (disks - 3) / 100.0; };
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
    Form1 form;
    const ListControl &stored = form.List2(disks - 1);
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
    Form1 form;
    form.setRandomDraw(drawFor(3));
    dragDiskToPeg(form, 0, 1);
    click(form.Command1(1));
    QVERIFY(form.Timer1().isActive());
    QCOMPARE(form.Timer1().interval(), 2000);
    QCOMPARE(form.DemoSteps, std::int16_t(7));
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    QCOMPARE(form.counterText(), QString());

    Timer1_Timer(form);
    QCOMPARE(stateString(form), QStringLiteral("2000000000"));
    QCOMPARE(form.diskLeft(0), 8000);
    QCOMPARE(form.counterText(), QStringLiteral("1"));
    for (int tick = 2; tick <= 7; ++tick) {
        QVERIFY(form.Timer1().isActive());
        Timer1_Timer(form);
        QCOMPARE(form.counterText(), QString::number(tick));
    }
    QCOMPARE(stateString(form), QStringLiteral("2220000000"));
    QVERIFY(!form.Timer1().isActive());
    QCOMPARE(draggableDisks(form), QList<int>{});
    QCOMPARE(form.List1(History).count(), 0);
}

void TestDemo::fourDiskDemonstrationStartsOnTheMiddlePeg()
{
    Form1 form;
    form.setRandomDraw(drawFor(4));
    click(form.Command1(1));
    QVERIFY(form.Option1(3)->isChecked());
    QVERIFY(form.Picture2(3)->isVisibleTo(&form));
    QCOMPARE(form.Picture1(0)->heightTwips(), 570 + 285 * 3);
    QCOMPARE(form.DemoSteps, std::int16_t(15));
    QVERIFY(form.Timer1().isActive());
    Timer1_Timer(form);
    QCOMPARE(stateString(form), QStringLiteral("1000000000"));
}

void TestDemo::drawChoosesTheDiskCount()
{
    // a = round-half-even(r x 100) mod 3 picks 3 + a disks.
    // 12.5 and 62.5 round to the even 12 and 62, not up.
    const QList<QPair<double, int>> draws{{0.0, 3},   {0.014, 4},  {0.5, 5},   {0.125, 3},
                                          {0.625, 5}, {0.375, 5},  {0.99, 3},  {0.9999, 4}};
    for (const auto &[r, disks] : draws) {
        Form1 form;
        form.setRandomDraw([r] { return r; });
        StartDemo(form);
        QVERIFY2(form.Option1(disks - 1)->isChecked(), qPrintable(QString::number(r)));
        QCOMPARE(form.DemoSteps, std::int16_t((1 << disks) - 1));
    }
    // The clock-seeded draw stays in [0, 1), and is another at each start:
    // the same every time, a class would see the same demonstration again.
    QList<double> seeded[2];
    for (QList<double> &drawn : seeded) {
        Form1 form;
        for (int i = 0; i < 100; ++i)
            drawn << form.Rnd();
        QTest::qSleep(2);
    }
    QVERIFY(seeded[0] != seeded[1]);
    for (double r : seeded[0] + seeded[1])
        QVERIFY(r >= 0 && r < 1);
}

void TestDemo::showDuringADemonstrationStartsANewOne()
{
    Form1 form;
    form.setRandomDraw(drawFor(5));
    click(form.Command1(1));
    Timer1_Timer(form);
    Timer1_Timer(form);
    form.setRandomDraw(drawFor(3));
    click(form.Command1(1));
    QVERIFY(form.Timer1().isActive());
    QVERIFY(form.Option1(2)->isChecked());
    QCOMPARE(form.DemoTicks, 0);
    QCOMPARE(form.List1(History).count(), 7);
    QCOMPARE(form.counterText(), QString());
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    for (int d = 3; d < 10; ++d)
        QVERIFY(!form.Picture2(d)->isVisibleTo(&form));
}

void TestDemo::stepBackDuringADemonstrationSkipsAMove()
{
    Form1 form;
    form.setRandomDraw(drawFor(3));
    click(form.Command1(1));
    Timer1_Timer(form);
    click(form.Command1(2)); // consumes "2100000000"
    QCOMPARE(form.counterText(), QStringLiteral("1"));
    Timer1_Timer(form);
    QCOMPARE(stateString(form), QStringLiteral("1100000000"));
    QCOMPARE(form.counterText(), QStringLiteral("2"));
    for (int tick = 3; tick <= 7; ++tick)
        Timer1_Timer(form);
    // The last tick found the history empty: everything back on the left peg, then locked.
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    QVERIFY(!form.Timer1().isActive());
    QCOMPARE(draggableDisks(form), QList<int>{});
}

void TestDemo::playersMoveDuringADemonstrationIsCounted()
{
    Form1 form;
    form.setRandomDraw(drawFor(3));
    click(form.Command1(1));
    Timer1_Timer(form);
    dragDiskToPeg(form, 1, 1);
    QCOMPARE(form.counterText(), QStringLiteral("2"));
    for (int tick = 2; tick <= 7; ++tick)
        Timer1_Timer(form);
    QVERIFY(!form.Timer1().isActive());
    QCOMPARE(stateString(form), QStringLiteral("0220000000"));
    QCOMPARE(form.counterText(), QStringLiteral("8"));
    QCOMPARE(historyOf(form), QStringList{"2220000000"});
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
    Form1 form;
    form.setRandomDraw(drawFor(4));
    click(form.Command1(1));
    Timer1_Timer(form);
    click(option < 0 ? static_cast<QAbstractButton *>(form.Command1(0)) : form.Option1(option));
    QVERIFY(!form.Timer1().isActive());
    QVERIFY(form.Option1(option < 0 ? 3 : option)->isChecked());
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    QCOMPARE(form.counterText(), QString());
    dragDiskToPeg(form, 0, 2);
    QCOMPARE(stateString(form), QStringLiteral("2000000000"));
    QCOMPARE(form.counterText(), QStringLiteral("1"));
    QCOMPARE(draggableDisks(form), (QList<int>{0, 1}));
}

void TestDemo::finishedDemonstrationUnlocksOnStepBack()
{
    Form1 form;
    form.setRandomDraw(drawFor(3));
    click(form.Command1(1));
    for (int tick = 1; tick <= 7; ++tick)
        Timer1_Timer(form);
    QCOMPARE(draggableDisks(form), QList<int>{});
    click(form.Command1(2));
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    QCOMPARE(draggableDisks(form), QList<int>{0});
    QCOMPARE(form.counterText(), QStringLiteral("7"));
}

QTEST_MAIN(TestDemo)
#include "tst_demo.moc"
