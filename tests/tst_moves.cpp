// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// Moves made with the mouse on the window's widgets: which disk a press
// picks up, where a release lands, the outline that follows the pointer. The
// rules of a move, with no window, are tst_board's.

#include "formtest.h"

#include "board/board.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

class TestMoves : public QObject
{
    Q_OBJECT
private slots:
    void onlyTopDisksArePickedUp();
    void dropsOffAPegChangeNothing_data();
    void dropsOffAPegChangeNothing();
    void dropInAPegsTopBandReachesIt();
    void outlineFollowsThePointerWhileTheDiskStays();
    void releaseEndsTheDragEvenWhenTheDiskWasDisabledMeanwhile();
    void diskHiddenDuringItsDragStaysOnTheLeftPeg();
};

void TestMoves::onlyTopDisksArePickedUp()
{
    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
    // Disk 1 lies under disk 0; dragging it by its visible part does nothing.
    dragDisk(form, 1, form.Picture1(2), QPoint(12, 5));
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    QCOMPARE(form.counterText(), QString());
    // A hidden disk cannot be reached at all; a right-button drag does not start.
    Picture *top = form.Picture2(0);
    const QPoint onPeg = top->mapFromGlobal(form.Picture1(1)->mapToGlobal(QPoint(12, 5)));
    QTest::mousePress(top, Qt::RightButton, {}, top->rect().center());
    QTest::mouseMove(top, onPeg);
    QTest::mouseRelease(top, Qt::RightButton, {}, onPeg);
    QCOMPARE(form.counterText(), QString());
}

void TestMoves::dropsOffAPegChangeNothing_data()
{
    QTest::addColumn<QString>("place");
    QTest::newRow("bare window") << "window";
    QTest::newRow("command button") << "button";
    QTest::newRow("frame") << "frame";
    QTest::newRow("disk-count button") << "option";
    QTest::newRow("instruction text") << "text";
    QTest::newRow("counter") << "counter";
    QTest::newRow("title label") << "label";
    QTest::newRow("disk in front of a peg") << "disk";
    QTest::newRow("the dragged disk itself") << "self";
    QTest::newRow("outside the window") << "outside";
}

void TestMoves::dropsOffAPegChangeNothing()
{
    QFETCH(QString, place);
    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
    dragDiskToPeg(form, 0, 1); // disk 0 now lies in front of the middle peg

    const QHash<QString, QPair<QWidget *, QPoint>> targets{
        {"window", {&form, QPoint(450, 230)}},
        {"button", {form.Command1(1), QPoint(10, 10)}},
        {"frame", {form.Frame1(), QPoint(3, 3)}},
        {"option", {form.Option1(5), QPoint(30, 8)}},
        {"text", {form.Text1(), QPoint(100, 50)}},
        {"counter", {form.Text2(), QPoint(20, 10)}},
        {"label", {form.Label1(), QPoint(100, 10)}},
        {"disk", {form.Picture2(0), QPoint(32, 9)}},
        {"self", {form.Picture2(1), QPoint(5, 9)}},
        {"outside", {&form, QPoint(700, 500)}},
    };
    const auto [target, point] = targets.value(place);
    dragDisk(form, 1, target, point);
    QCOMPARE(stateString(form), QStringLiteral("1000000000"));
    QCOMPARE(form.counterText(), QStringLiteral("1"));
    QCOMPARE(form.List1(History).count(), 1);
    QCOMPARE(form.diskLeft(1), 1880);
}

void TestMoves::dropInAPegsTopBandReachesIt()
{
    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
    dragDiskToPeg(form, 0, 1);
    // Below the disks the peg shows again and takes the drop.
    dragDisk(form, 1, form.Picture1(2), QPoint(12, form.Picture1(2)->height() - 3));
    QCOMPARE(stateString(form), QStringLiteral("1200000000"));
    // Disk 0 rests on the middle peg; the band above it still reaches the peg.
    dragDisk(form, 0, form.Picture1(2), QPoint(0, 0));
    QCOMPARE(stateString(form), QStringLiteral("2200000000"));
    QCOMPARE(form.counterText(), QStringLiteral("3"));
}

void TestMoves::outlineFollowsThePointerWhileTheDiskStays()
{
    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
    Picture *disk = form.Picture2(0);
    const QRect before = disk->geometry();
    QTest::mousePress(disk, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(disk, QPoint(110, 60));
    QWidget *outline = form.childAt(before.topLeft() + QPoint(100, 50));
    QCOMPARE(disk->geometry(), before);
    // The outline is transparent to the mouse: only its rendering shows it.
    QCOMPARE(outline, nullptr);
    const QImage shot = form.grab().toImage();
    QCOMPARE(QColor(shot.pixel(before.topLeft() + QPoint(101, 51))), QColor(Qt::black));
    QTest::mouseRelease(disk, Qt::LeftButton, {}, QPoint(110, 60));
    const QImage after = form.grab().toImage();
    QVERIFY(QColor(after.pixel(before.topLeft() + QPoint(101, 51))) != QColor(Qt::black));
}

void TestMoves::releaseEndsTheDragEvenWhenTheDiskWasDisabledMeanwhile()
{
    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
    Picture *disk = form.Picture2(0);
    const QPoint onPeg = disk->mapFromGlobal(form.Picture1(2)->mapToGlobal(QPoint(12, 5)));
    QTest::mousePress(disk, Qt::LeftButton, {}, disk->rect().center());
    QTest::mouseMove(disk, onPeg);
    form.setDiskEnabled(0, false); // as the last tick of a demonstration does
    QTest::mouseRelease(disk, Qt::LeftButton, {}, onPeg);
    QCOMPARE(stateString(form), QStringLiteral("2000000000"));
    // The drag is over: the next press elsewhere belongs to that control again.
    click(form.Command1(0));
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
}

void TestMoves::diskHiddenDuringItsDragStaysOnTheLeftPeg()
{
    Form1 form;
    click(form.Option1(3));
    form.show();
    QVERIFY(waitForExposed(form));
    for (const auto &[disk, peg] : QList<QPair<int, int>>{{0, 1}, {1, 2}, {0, 2}, {2, 1}})
        dragDiskToPeg(form, disk, peg);
    QCOMPARE(draggableDisks(form), (QList<int>{0, 2, 3}));

    Picture *disk = form.Picture2(3);
    const QPoint onPeg = disk->mapFromGlobal(form.Picture1(0)->mapToGlobal(QPoint(12, 5)));
    QTest::mousePress(disk, Qt::LeftButton, {}, disk->rect().center());
    form.Option1(2)->setChecked(true); // three disks, chosen with the keyboard mid-drag
    QTest::mouseMove(disk, onPeg);
    QTest::mouseRelease(disk, Qt::LeftButton, {}, onPeg);
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    QCOMPARE(form.counterText(), QString());
}

QTEST_MAIN(TestMoves)
#include "tst_moves.moc"
