// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "demo/demo.h"

#include "board/board.h"
#include "board/controls.h"
#include "board/conversions.h"
#include "board/tables.h"

void StartDemo(Controls &form)
{
    const int a = int(roundHalfEven(form.Rnd() * 100) % 3);
    form.DemoSteps = 1;
    for (int i = 0; i < a + 3; ++i)
        form.DemoSteps = std::int16_t(form.DemoSteps * 2);
    form.DemoSteps = std::int16_t(form.DemoSteps - 1);
    form.DemoTicks = 0;
    ResetBoard(form);
    form.selectOption(a + 2);

    const ListControl &solution = form.List2(a + 2);
    const int count = solution.count();
    form.List1(History).clear();
    form.setCounterText(QString());
    for (int i = 1; i <= count; ++i)
        form.List1(History).append(solution.read(i - 1));
    form.setTimerEnabled(true);
}

void Timer1_Timer(Controls &form)
{
    StepBack(form);
    form.setCounterText(decimalText(roundHalfEven(numericValue(form.counterText())) + 1));
    form.DemoTicks += 1;
    if (form.DemoTicks >= form.DemoSteps) {
        form.setTimerEnabled(false);
        for (int d = 0; d < Controls::DiskCount; ++d)
            form.setDiskEnabled(d, false);
    }
}
