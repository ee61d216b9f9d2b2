#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

void prepareApplication(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/towers-32.png")));
}
