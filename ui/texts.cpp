// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/texts.h"

#include "ui/product.h"

namespace Texts {

QString windowTitle()
{
    return QStringLiteral(TOWERS_WINDOW_TITLE); // a fact of the product's, in CMakeLists.txt
}

QString titleLabel()
{
    return QStringLiteral("Информатика - дорелски кули");
}

QString showButton()
{
    return QStringLiteral("Покажи");
}

QString stepBackButton()
{
    return QStringLiteral("Ход назад");
}

QString startOverButton()
{
    return QStringLiteral("Начало");
}

QString instructions()
{
    return QStringLiteral(
        "Задачата за Дорелски кули има прости правила: дискове с различни диаметри могат да се "
        "нанизват на три стълба.\r\n"
        "В началото дисковете са наредени на левия стълб във възходящ ред - най-малкият диаметър "
        "е най-отгоре, а най-големият е най-отдолу; целта е всички дискове да се преместят на "
        "десния стълб в същия ред.\r\n"
        "Диск може да се мести, само ако е най-горният; диск може да прескача през стълб.\r\n"
        "На ход се мести само един диск; по-голям диск не може да се поставя върху по-малък.\r\n"
        "Задачата за Дорелските кули е типичен пример за демонстриране на рекурсия при търсене "
        "с връщане назад.\r\n"
        "Да се реализира проект, който представя връзки между теми от Информатиката.\r\n"
        "Тема на проекта: Информатика - дорелски кули.\r\n"
        "Примерният проект дава възможност за избор от 3 до 10 диска, позволява връщане на ход "
        "назад и показва примерно решение за 3 диска.\r\n"
        "Преместването е чрез влачене и пускане; забранено е да се мести диск от средата на "
        "купчината и да се поставя по-голям диаметър върху по-малък.\r\n"
        "Минималният брой премествания, с които задачата се решава, е свързан със степен на 2 "
        "и зависи от броя на дисковете.\r\n");
}

QString pegName(int peg)
{
    static const char16_t *const names[] = {u"Ляв стълб", u"Среден стълб", u"Десен стълб"};
    return QString::fromUtf16(names[peg]);
}

QString diskName(int disk)
{
    static const char16_t *const colours[] = {
        u"тъмночервен", u"оранжев", u"тъмножълт", u"зелен",     u"тюркоазен",
        u"син",         u"пурпурен", u"тъмносив", u"синьозелен", u"лилав"};
    return QStringLiteral("Диск %1, %2").arg(disk + 1).arg(QString::fromUtf16(colours[disk]));
}

QString counterName()
{
    return QStringLiteral("Брояч на ходовете");
}

QString instructionsName()
{
    return QStringLiteral("Указания");
}

QString diskCountChooserName()
{
    return QStringLiteral("Брой дискове");
}

QString diskPlace(int peg, bool onTop)
{
    static const char16_t *const pegs[] = {u"левия", u"средния", u"десния"};
    return QStringLiteral("На %1 стълб, %2")
        .arg(QString::fromUtf16(pegs[peg]),
             onTop ? QStringLiteral("най-отгоре") : QStringLiteral("под по-малък диск"));
}

QString pegLoad(int disks)
{
    if (disks == 0)
        return QStringLiteral("Няма дискове");
    return disks == 1 ? QStringLiteral("1 диск") : QStringLiteral("%1 диска").arg(disks);
}

} // namespace Texts
