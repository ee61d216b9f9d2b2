// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    preferXOnWaylandDesktops();
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 form;
    showMainWindow(form);
    return app.exec();
}
