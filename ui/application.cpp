#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

void prepareApplication(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The installed icon, which the launcher and the task bar show too; the
    // built-in copy stands in when the program runs from its build tree.
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("bg.informatika.towers"),
                                       QIcon(QStringLiteral(":/icons/32.png"))));
    // Ties the window to its launcher on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("bg.informatika.towers"));
}
