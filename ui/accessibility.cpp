// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include "board/conversions.h"
#include "board/tables.h"
#include "ui/form1.h"
#include "ui/picture.h"
#include "ui/texts.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// A peg or a disk: an image, which AT-SPI and UI Automation both know, and
// which promises no action, as a button would; its description is the
// picture's own, as it stands now.
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(Picture *picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return static_cast<Picture *>(widget())->description();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *boardAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("Picture"))
        return new PictureAccessible(static_cast<Picture *>(object));
    return nullptr;
}

// Installed as the program starts, before any widget exists: Qt keeps the
// interface it first made for a widget, and a screen reader asks as soon as
// the controls are created and named.
const bool boardAccessibleInstalled = (QAccessible::installFactory(boardAccessible), true);

// The peg a visible disk stands on, from the disk-to-peg table; -1 for a hidden disk.
int pegOf(const Form1 &form, int disk)
{
    if (!form.Picture2(disk)->isVisibleTo(&form))
        return -1;
    const int peg = int(numericValue(form.List1(DiskToPeg).read(disk)));
    return peg < Controls::PegCount ? peg : -1;
}

QString diskDescription(const Form1 &form, int disk)
{
    const int peg = pegOf(form, disk);
    if (peg < 0)
        return {};
    bool onTop = true;
    for (int narrower = 0; narrower < disk; ++narrower)
        onTop = onTop && pegOf(form, narrower) != peg;
    return Texts::diskPlace(peg, onTop);
}

QString pegDescription(const Form1 &form, int peg)
{
    int disks = 0;
    for (int d = 0; d < Controls::DiskCount; ++d)
        disks += pegOf(form, d) == peg;
    return Texts::pegLoad(disks);
}

} // namespace

void describeBoard(Form1 &form)
{
    for (int p = 0; p < Controls::PegCount; ++p)
        form.Picture1(p)->setDescriber([&form, p] { return pegDescription(form, p); });
    for (int d = 0; d < Controls::DiskCount; ++d)
        form.Picture2(d)->setDescriber([&form, d] { return diskDescription(form, d); });
}

void announceBoardChanges(Form1 &form)
{
    // Qt delivers no event while no screen reader listens: nothing to compare.
    if (!QAccessible::isActive())
        return;
    QList<Picture *> pictures;
    for (int p = 0; p < Controls::PegCount; ++p)
        pictures << form.Picture1(p);
    for (int d = 0; d < Controls::DiskCount; ++d)
        pictures << form.Picture2(d);
    for (Picture *picture : pictures) {
        if (picture->takeDescriptionChange()) {
            QAccessibleEvent event(picture, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}
