// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formtest.h"

#include "ui/application.h"
#include "ui/product.h"
#include "ui/twips.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>

#include <memory>

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void opensOnThreeDisksOnTheLeftPeg();
    void controlsStandWhereTheDesignPutsThem_data();
    void controlsStandWhereTheDesignPutsThem();
    void disksAreInFrontOfPegsAndWiderInFrontOfNarrower();
    void instructionsHoldTenLines();
    void everyTextIsTimesNewRomanCoveringCyrillic();
    void optionButtonsOneAndTwoCannotBeChosen();
    void diskCountChoiceSetsUpTheBoard();
    void diskCountChoiceDiscardsTheGame();
    void startOverKeepsTheDiskCount();
    void clockSeededDrawDiffersFromOneStartToTheNext();
    void tabFollowsTheFocusOrder();
    void iconIsThePictureThePackageInstalls();
    void contextMenusKeepTheirFontUnderTheWindowsDefault(); // last: it prepares the application
};

// As the program does before its window exists; in a browser the window's
// font is found only among the fonts built in.
void TestWindow::initTestCase()
{
    addBuiltInFonts();
}

void TestWindow::opensOnThreeDisksOnTheLeftPeg()
{
    Form1 form;
    showMainWindow(form);
    QVERIFY(waitForExposed(form));

    QCOMPARE(form.windowTitle(), QStringLiteral(TOWERS_WINDOW_TITLE)); // the product's, from the build
    QCOMPARE(form.size(), QSize(670, 424));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 255));

    for (int d = 0; d < 10; ++d)
        QCOMPARE(form.Picture2(d)->isVisible(), d < 3);
    for (int p = 0; p < 3; ++p)
        QCOMPARE(form.Picture1(p)->heightTwips(), 1140);
    QCOMPARE(draggableDisks(form), QList<int>{0});
    QCOMPARE(form.counterText(), QString());
    QVERIFY(form.Command1(2)->isEnabled());
    QVERIFY(form.Option1(2)->isChecked());
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    QCOMPARE(form.List1(History).count(), 0);
    QVERIFY(!form.Timer1().isActive());
    QCOMPARE(form.Timer1().interval(), 2000);
    QCOMPARE(QApplication::focusWidget(), form.Text1());
    for (int k = 0; k < 5; ++k)
        QCOMPARE(form.List1(k).count(), 10);
}

void TestWindow::controlsStandWhereTheDesignPutsThem_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips"); // left, top, width, height in the window
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("caption");
    const QColor none;
    QTest::newRow("Command1(0)") << "Command1(0)" << QRect(7440, 0, 1455, 405)
                                 << QColor(255, 0, 0) << "Начало";
    QTest::newRow("Command1(1)") << "Command1(1)" << QRect(0, 0, 1455, 405)
                                 << QColor(0, 192, 192) << "Покажи";
    QTest::newRow("Command1(2)") << "Command1(2)" << QRect(1560, 0, 1455, 405)
                                 << QColor(0, 255, 0) << "Ход назад";
    QTest::newRow("Label1(0)") << "Label1(0)" << QRect(3240, 0, 3975, 375)
                               << QColor(255, 192, 128) << "Информатика - дорелски кули";
    QTest::newRow("Text2(0)") << "Text2(0)" << QRect(9000, 0, 975, 405) << none << "";
    QTest::newRow("Frame1") << "Frame1" << QRect(0, 480, 855, 3255) << QColor(192, 192, 255)
                            << "";
    QTest::newRow("Text1(0)") << "Text1(0)" << QRect(240, 3840, 9615, 2415) << none << "";
    const QList<QColor> diskColours{{192, 0, 0},   {255, 128, 0}, {192, 192, 0}, {0, 192, 0},
                                    {0, 192, 192}, {0, 0, 192},   {192, 0, 192}, {64, 64, 64},
                                    {0, 128, 128}, {128, 0, 128}};
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("Option1(%1)").arg(i);
        QTest::newRow(qPrintable(name)) << name << QRect(120, 765 + 285 * i, 615, 285)
                                        << diskColours[i] << QString::number(i + 1);
    }
    for (int p = 0; p < 3; ++p) {
        const QString name = QStringLiteral("Picture1(%1)").arg(p);
        QTest::newRow(qPrintable(name)) << name << QRect(2280 + 3000 * p, 600, 375, 1140)
                                        << QColor(128, 64, 64) << "";
    }
    const QList<int> baseLeft{2000, 1880, 1760, 1640, 1520, 1400, 1280, 1160, 1040, 920};
    for (int d = 0; d < 10; ++d) {
        const QString name = QStringLiteral("Picture2(%1)").arg(d);
        const int height = d == 4 || d == 7 ? 300 : 285;
        QTest::newRow(qPrintable(name)) << name
                                        << QRect(baseLeft[d], 800 + 285 * d, 975 + 240 * d, height)
                                        << diskColours[d] << "";
    }
}

namespace {

QWidget *controlNamed(const Form1 &form, const QString &name)
{
    const int index = name.contains(u'(') ? name.section(u'(', 1).chopped(1).toInt() : 0;
    if (name.startsWith(u"Command1"))
        return form.Command1(index);
    if (name.startsWith(u"Option1"))
        return form.Option1(index);
    if (name.startsWith(u"Picture1"))
        return form.Picture1(index);
    if (name.startsWith(u"Picture2"))
        return form.Picture2(index);
    if (name == u"Label1(0)")
        return form.Label1();
    if (name == u"Text2(0)")
        return form.Text2();
    if (name == u"Text1(0)")
        return form.Text1();
    return form.Frame1();
}

// The colour a control shows on its face, away from its edge, caption and indicator.
QColor faceColour(QWidget *widget)
{
    const int x = qobject_cast<QRadioButton *>(widget) ? widget->width() - 3 : 4;
    return QColor(widget->grab().toImage().pixel(x, widget->height() / 2));
}

int colourDistance(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

} // namespace

void TestWindow::controlsStandWhereTheDesignPutsThem()
{
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    QFETCH(QColor, colour);
    QFETCH(QString, caption);

    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
    QWidget *widget = controlNamed(form, control);
    QRect expected = pixelRect(twips.x(), twips.y(), twips.width(), twips.height());
    if (control.startsWith(u"Option1")) // placed inside the frame, which stands at 480
        expected.translate(0, -pixelsFromTwips(480));
    QCOMPARE(widget->geometry(), expected);

    if (colour.isValid()) {
        // Hidden disks are shown for the look; painted faces may shade a little.
        widget->show();
        QVERIFY2(colourDistance(faceColour(widget), colour) <= 24,
                 qPrintable(faceColour(widget).name() + " instead of " + colour.name()));
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), caption);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
    }
    if (auto *counter = qobject_cast<QLineEdit *>(widget)) {
        QVERIFY(counter->isReadOnly());
        QCOMPARE(counter->alignment(), Qt::AlignCenter);
    }
}

void TestWindow::disksAreInFrontOfPegsAndWiderInFrontOfNarrower()
{
    Form1 form;
    form.Option1(9)->click();
    // Disk 0 covers the left peg around its middle.
    QCOMPARE(form.childAt(form.Picture1(0)->geometry().center().x(),
                          form.Picture2(0)->geometry().center().y()),
             form.Picture2(0));
    // Disk 4 is 300 twips high and so reaches one pixel into disk 5's slot: disk 5 wins.
    const QRect four = form.Picture2(4)->geometry();
    const QRect five = form.Picture2(5)->geometry();
    QVERIFY(four.intersects(five));
    QCOMPARE(form.childAt(four.intersected(five).center()), form.Picture2(5));
}

void TestWindow::instructionsHoldTenLines()
{
    Form1 form;
    QPlainTextEdit *box = form.Text1();
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    const QStringList openings{
        "Задачата за Дорелски кули", "В началото дисковете", "Диск може да се мести,",
        "На ход се мести", "Задачата за Дорелските кули", "Да се реализира проект,",
        "Тема на проекта:", "Примерният проект дава", "Преместването е чрез",
        "Минималният брой премествания,"};
    QTextBlock block = box->document()->firstBlock();
    for (const QString &opening : openings) {
        QVERIFY2(block.text().startsWith(opening), qPrintable(block.text()));
        block = block.next();
    }
    QVERIFY(block.text().isEmpty()); // the tenth line ends with a line break as well
    QVERIFY(!block.next().isValid());

    QTextBlock seventh = box->document()->findBlockByNumber(6);
    QVERIFY(seventh.text().contains(QStringLiteral("Информатика - дорелски кули")));
    QTextBlock eighth = box->document()->findBlockByNumber(7);
    QVERIFY(eighth.text().contains(u" 3 ") && eighth.text().contains(u" 10 "));
    QVERIFY(box->document()->findBlockByNumber(9).text().contains(u" 2 "));
}

void TestWindow::everyTextIsTimesNewRomanCoveringCyrillic()
{
    Form1 form;
    const QList<QWidget *> texts{form.Command1(0), form.Label1(), form.Text2(), form.Option1(9),
                                 form.Text1()};
    for (QWidget *widget : texts) {
        QCOMPARE(widget->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(widget->font().pointSize(), 12);
        QCOMPARE(widget->font().weight(), QFont::Normal);
        QVERIFY(QFontMetrics(widget->font()).inFont(QChar(u'Ж')));
    }
}

void TestWindow::optionButtonsOneAndTwoCannotBeChosen()
{
    Form1 form;
    dragDiskToPeg(form, 0, 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(!form.Option1(i)->isEnabled());
        click(form.Option1(i));
        QVERIFY(!form.Option1(i)->isChecked());
    }
    QVERIFY(form.Option1(2)->isChecked());
    QCOMPARE(form.counterText(), QStringLiteral("1"));
}

void TestWindow::diskCountChoiceSetsUpTheBoard()
{
    Form1 form;
    click(form.Option1(9));
    QVERIFY(!form.Command1(2)->isEnabled());
    for (int d = 0; d < 10; ++d)
        QVERIFY(form.Picture2(d)->isVisibleTo(&form));
    QCOMPARE(form.Picture1(1)->heightTwips(), 3135);
    QCOMPARE(form.Picture1(1)->geometry().bottom() + 1, (600 + 3135) / 15);

    click(form.Option1(4));
    QVERIFY(form.Command1(2)->isEnabled());
    for (int d = 0; d < 10; ++d)
        QCOMPARE(form.Picture2(d)->isVisibleTo(&form), d <= 4);
    for (int p = 0; p < 3; ++p)
        QCOMPARE(form.Picture1(p)->heightTwips(), 570 + 285 * 4);
    QCOMPARE(draggableDisks(form), QList<int>{0});
}

void TestWindow::diskCountChoiceDiscardsTheGame()
{
    Form1 form;
    dragDiskToPeg(form, 0, 2);
    dragDiskToPeg(form, 1, 1);
    QCOMPARE(form.counterText(), QStringLiteral("2"));
    click(form.Option1(3));
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    QCOMPARE(form.diskLeft(0), 2000);
    QCOMPARE(form.diskLeft(1), 1880);
    QCOMPARE(form.counterText(), QString());
    QCOMPARE(form.List1(History).count(), 0);
}

void TestWindow::startOverKeepsTheDiskCount()
{
    Form1 form;
    click(form.Option1(5));
    dragDiskToPeg(form, 0, 1);
    click(form.Command1(0));
    QVERIFY(form.Option1(5)->isChecked());
    for (int d = 0; d < 10; ++d)
        QCOMPARE(form.Picture2(d)->isVisibleTo(&form), d <= 5);
    QCOMPARE(stateString(form), QStringLiteral("0000000000"));
    QCOMPARE(form.counterText(), QString());
    QCOMPARE(form.List1(History).count(), 0);
    QCOMPARE(draggableDisks(form), QList<int>{0});
}

void TestWindow::tabFollowsTheFocusOrder()
{
    Form1 form;
    showMainWindow(form);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Text1());

    auto tabThrough = [](const QList<QWidget *> &expected) {
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    };
    // Three disks: only disk 0 is enabled, and of the disk-count buttons only the
    // selected one is a tab stop, as in any group of option buttons.
    tabThrough({form.Option1(2), form.Picture1(2), form.Picture1(0), form.Picture1(1),
                form.Picture2(0), form.Command1(0), form.Command1(1), form.Command1(2),
                form.Text2(), form.Text1()});
    click(form.Option1(7));
    form.Text1()->setFocus();
    tabThrough({form.Picture1(2), form.Picture1(0), form.Picture1(1), form.Picture2(0),
                form.Command1(0), form.Option1(7), form.Command1(1)});
}

// The window's icon is built in as bare pixels; they must stay those of the
// PNGs that the package installs into the icon theme (built into the test,
// as a page cannot read files).
void TestWindow::iconIsThePictureThePackageInstalls()
{
    const QIcon icon = programIcon();
    for (int size : {32, 48, 128}) {
        const QImage installed(QStringLiteral(":/installed/%1.png").arg(size));
        QVERIFY(!installed.isNull());
        const QImage shown = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(shown.size(), installed.size());
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                QCOMPARE(QColor(shown.pixel(x, y)).name(QColor::HexArgb),
                         QColor(installed.pixel(x, y)).name(QColor::HexArgb));
        }
    }
}

// The window's font becomes Qt's default, for start-up's sake; the menus Qt
// opens on the counter and the instructions must not turn Times New Roman.
void TestWindow::contextMenusKeepTheirFontUnderTheWindowsDefault()
{
    const QFont menuFont = QApplication::font("QMenu");
    prepareApplication(*qApp);
    QCOMPARE(QApplication::font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(QApplication::font().pointSize(), 12);

    Form1 form;
    const std::unique_ptr<QMenu> textMenu(form.Text1()->createStandardContextMenu());
    const std::unique_ptr<QMenu> counterMenu(
        form.findChild<QLineEdit *>()->createStandardContextMenu());
    for (QMenu *menu : {textMenu.get(), counterMenu.get()}) {
        menu->ensurePolished(); // as when it opens: Qt settles its font then
        QCOMPARE(menu->font().family(), menuFont.family());
        QCOMPARE(menu->font().pointSizeF(), menuFont.pointSizeF());
    }
}

// The window's random generator stays in [0, 1), and is another at each start:
// the same every time, a class would see the same demonstration again.
void TestWindow::clockSeededDrawDiffersFromOneStartToTheNext()
{
    QList<double> seeded[2];
    for (QList<double> &drawn : seeded) {
        Form1 form;
        for (int i = 0; i < 100; ++i)
            drawn << form.Rnd();
        QTest::qSleep(2);
    }
    QVERIFY(seeded[0] != seeded[1]);
    for (double r : seeded[0] + seeded[1])
        QVERIFY(r >= 0 && r < 1);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
