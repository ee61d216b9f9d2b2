// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// What each handler of the window costs, on Qt's offscreen platform, running
// the same library as the program.

#include "board/board.h"
#include "demo/demo.h"
#include "game/events.h"
#include "ui/form1.h"
#include "ui/picture.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<Form1> shownForm()
{
    auto form = std::make_unique<Form1>();
    form->show();
    QApplication::processEvents();
    return form;
}

void formCreationWithFormLoad(benchmark::State &state)
{
    for (auto _ : state) {
        Form1 form;
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(formCreationWithFormLoad)->Unit(benchmark::kMicrosecond);

void acceptedDrop(benchmark::State &state)
{
    auto form = shownForm();
    int peg = 0;
    for (auto _ : state) {
        peg = (peg + 1) % 3; // disk 0, the narrowest, goes anywhere
        Picture1_DragDrop(*form, peg, 0, 0, 0);
        if (form->List1(5).count() == 1000) {
            state.PauseTiming();
            form->List1(5).clear();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(acceptedDrop);

void refusedDrop(benchmark::State &state)
{
    auto form = shownForm();
    Picture1_DragDrop(*form, 2, 0, 0, 0);
    for (auto _ : state)
        Picture1_DragDrop(*form, 2, 1, 0, 0); // disk 1 onto disk 0
}
BENCHMARK(refusedDrop);

void stepBack(benchmark::State &state)
{
    auto form = shownForm();
    for (auto _ : state) {
        if (form->List1(5).count() == 0) {
            state.PauseTiming();
            for (int i = 0; i < 1000; ++i)
                form->List1(5).append(i % 2 ? QStringLiteral("2100000000")
                                            : QStringLiteral("1200000000"));
            state.ResumeTiming();
        }
        StepBack(*form);
    }
}
BENCHMARK(stepBack);

void resetBoard(benchmark::State &state)
{
    auto form = shownForm();
    for (auto _ : state)
        ResetBoard(*form);
}
BENCHMARK(resetBoard);

void tenDisksAndBack(benchmark::State &state)
{
    auto form = shownForm();
    for (auto _ : state) {
        form->selectOption(9);
        form->selectOption(2);
    }
}
BENCHMARK(tenDisksAndBack);

void startDemo(benchmark::State &state)
{
    auto form = shownForm();
    double draw = 0;
    form->setRandomDraw([&draw] { return draw; });
    for (auto _ : state) {
        draw = draw == 0 ? 0.02 : 0; // 5 disks and back to 3, so the count changes each time
        StartDemo(*form);
    }
}
BENCHMARK(startDemo);

void wholeFiveDiskDemonstration(benchmark::State &state)
{
    auto form = shownForm();
    form->setRandomDraw([] { return 0.02; });
    for (auto _ : state) {
        StartDemo(*form);
        for (int tick = 0; tick < 31; ++tick)
            Timer1_Timer(*form);
    }
}
BENCHMARK(wholeFiveDiskDemonstration)->Unit(benchmark::kMicrosecond);

void dragThroughMouseEvents(benchmark::State &state)
{
    auto form = shownForm();
    Picture *disk = form->Picture2(0);
    for (auto _ : state) {
        const QPoint start = disk->rect().center();
        const int targetPeg = disk->leftTwips() < 3000 ? 2 : 0;
        const QPoint end = disk->mapFromGlobal(form->Picture1(targetPeg)->mapToGlobal(QPoint(12, 5)));
        QTest::mousePress(disk, Qt::LeftButton, {}, start);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(disk, start + (end - start) * step / 10);
        QTest::mouseRelease(disk, Qt::LeftButton, {}, end);
        if (form->List1(5).count() == 1000) {
            state.PauseTiming();
            form->List1(5).clear();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(dragThroughMouseEvents)->Unit(benchmark::kMicrosecond);

// One step of the outline behind the pointer, painted.
void outlineMoveWithRepaint(benchmark::State &state)
{
    auto form = shownForm();
    Picture *disk = form->Picture2(0);
    const QPoint start = disk->rect().center();
    QTest::mousePress(disk, Qt::LeftButton, {}, start);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 200;
        QTest::mouseMove(disk, start + QPoint(step, step / 2));
        QApplication::processEvents(); // the repaint of where it was and where it is
    }
    QTest::mouseRelease(disk, Qt::LeftButton, {}, start);
}
BENCHMARK(outlineMoveWithRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
