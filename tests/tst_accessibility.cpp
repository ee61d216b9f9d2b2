// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formtest.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString nameOf(QWidget *widget)
{
    return accessible(widget)->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void everyVisibleControlHasABulgarianName();
    void greyedDiskCountButtonsReportThemselvesDisabled();
};

void TestAccessibility::everyVisibleControlHasABulgarianName()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(nameOf(form.Picture1(0)), QStringLiteral("Ляв стълб"));
    QCOMPARE(nameOf(form.Picture1(1)), QStringLiteral("Среден стълб"));
    QCOMPARE(nameOf(form.Picture1(2)), QStringLiteral("Десен стълб"));
    QCOMPARE(nameOf(form.Picture2(0)), QStringLiteral("Диск 1, тъмночервен"));
    QCOMPARE(nameOf(form.Picture2(9)), QStringLiteral("Диск 10, лилав"));
    QCOMPARE(nameOf(form.Text2()), QStringLiteral("Брояч на ходовете"));
    QCOMPARE(nameOf(form.Text1()), QStringLiteral("Указания"));
    QCOMPARE(nameOf(form.Frame1()), QStringLiteral("Брой дискове"));
    QCOMPARE(nameOf(form.Label1()), QStringLiteral("Информатика - дорелски кули"));
    QCOMPARE(nameOf(form.Command1(0)), QStringLiteral("Начало"));
    QCOMPARE(nameOf(form.Command1(1)), QStringLiteral("Покажи"));
    QCOMPARE(nameOf(form.Command1(2)), QStringLiteral("Ход назад"));
    QCOMPARE(nameOf(form.Option1(9)), QStringLiteral("10"));
    QCOMPARE(accessible(form.Command1(1))->role(), QAccessible::Button);
    QCOMPARE(accessible(form.Option1(4))->role(), QAccessible::RadioButton);

    // Every visible control in the window's tree has a name; the disks' names all differ.
    QSet<QString> diskNames;
    for (int d = 0; d < 10; ++d)
        diskNames.insert(nameOf(form.Picture2(d)));
    QCOMPARE(diskNames.size(), 10);
    for (QWidget *child : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            QVERIFY2(!nameOf(child).isEmpty(), child->metaObject()->className());
    }
}

void TestAccessibility::greyedDiskCountButtonsReportThemselvesDisabled()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(bool(accessible(form.Option1(i))->state().disabled), i < 2);
    QVERIFY(accessible(form.Option1(2))->state().checked);
    click(form.Option1(9));
    QVERIFY(accessible(form.Command1(2))->state().disabled);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
