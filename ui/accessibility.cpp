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
#include <QFrame>

namespace {

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

// The pegs, then the disks, with what each says of the board now.
struct Described {
    Picture *picture;
    QString description;
};
std::array<Described, Controls::PegCount + Controls::DiskCount> describedBoard(const Form1 &form)
{
    std::array<Described, Controls::PegCount + Controls::DiskCount> board;
    for (int p = 0; p < Controls::PegCount; ++p)
        board[p] = {form.Picture1(p), pegDescription(form, p)};
    for (int d = 0; d < Controls::DiskCount; ++d)
        board[Controls::PegCount + d] = {form.Picture2(d), diskDescription(form, d)};
    return board;
}

// A peg or a disk: an image, which AT-SPI and UI Automation both know, and
// which promises no action, as a button would; its description as the board
// stands now.
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(Picture *picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *form = qobject_cast<const Form1 *>(widget()->window());
        if (t != QAccessible::Description || !form)
            return QAccessibleWidget::text(t);
        for (const Described &described : describedBoard(*form)) {
            if (described.picture == widget())
                return described.description;
        }
        return {};
    }
};

QAccessibleInterface *boardAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    // The frame of the disk-count buttons is their group, which a screen
    // reader names before them.
    if (className == QLatin1String("QFrame")) {
        auto *frame = static_cast<QWidget *>(object);
        const auto *form = qobject_cast<const Form1 *>(frame->window());
        if (form && form->Frame1() == frame)
            return new QAccessibleWidget(frame, QAccessible::Grouping);
    }
    if (className == QLatin1String("Picture"))
        return new PictureAccessible(static_cast<Picture *>(object));
    return nullptr;
}

} // namespace

void installBoardAccessibility()
{
    QAccessible::installFactory(boardAccessible);
}

void BoardAnnouncer::announceChanges()
{
    // Qt delivers no event while no screen reader listens: nothing to compare.
    if (!QAccessible::isActive())
        return;
    const auto board = describedBoard(form);
    for (size_t i = 0; i < board.size(); ++i) {
        if (board[i].description != announced[i]) {
            announced[i] = board[i].description;
            QAccessibleEvent event(board[i].picture, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}
