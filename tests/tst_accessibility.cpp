// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formtest.h"

#include "demo/demo.h"
#include "ui/accessibility.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

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

QString descriptionOf(QWidget *widget)
{
    return accessible(widget)->text(QAccessible::Description);
}

// Where the pegs' and the visible disks' descriptions say the disks stand.
QStringList boardAsSpoken(const Form1 &form)
{
    QStringList spoken;
    for (int p = 0; p < Controls::PegCount; ++p)
        spoken << descriptionOf(form.Picture1(p));
    for (int d = 0; d < Controls::DiskCount; ++d) {
        if (form.Picture2(d)->isVisibleTo(&form))
            spoken << descriptionOf(form.Picture2(d));
    }
    return spoken;
}

const QString left = QStringLiteral("На левия стълб, най-отгоре");
const QString leftBelow = QStringLiteral("На левия стълб, под по-малък диск");
const QString middle = QStringLiteral("На средния стълб, най-отгоре");
const QString right = QStringLiteral("На десния стълб, най-отгоре");
const QString none = QStringLiteral("Няма дискове");

// Records the accessibility events the window raises, as a screen reader
// would receive them, through Qt's test hook; only on a platform that has
// accessibility at all (not the offscreen one).
class EventRecorder
{
public:
    EventRecorder()
    {
        QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!platform)
            return;
        platform->setActive(true);
        recorder = this;
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            recorder->events.append({event->object(), event->type()});
        });
    }
    ~EventRecorder()
    {
        QAccessible::installUpdateHandler(nullptr);
        recorder = nullptr;
    }
    bool works() const { return recorder == this; }

    // The objects of one kind of event, in order, and forgets them all.
    QList<QObject *> take(QAccessible::Event type)
    {
        QList<QObject *> objects;
        for (const auto &[object, eventType] : std::as_const(events)) {
            if (eventType == type && !objects.contains(object))
                objects << object;
        }
        events.clear();
        return objects;
    }

private:
    static inline EventRecorder *recorder = nullptr;
    QList<QPair<QObject *, QAccessible::Event>> events;
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installBoardAccessibility(); }
    void everyVisibleControlHasABulgarianName();
    void greyedDiskCountButtonsReportThemselvesDisabled();
    void windowIsAWindowAndPicturesAreImages();
    void descriptionsFollowTheGame();
    void changedDescriptionsAreAnnounced();
};

void TestAccessibility::everyVisibleControlHasABulgarianName()
{
    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
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
    QVERIFY(waitForExposed(form));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(bool(accessible(form.Option1(i))->state().disabled), i < 2);
    QVERIFY(accessible(form.Option1(2))->state().checked);
    click(form.Option1(9));
    QVERIFY(accessible(form.Command1(2))->state().disabled);
}

void TestAccessibility::windowIsAWindowAndPicturesAreImages()
{
    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
    QCOMPARE(accessible(&form)->role(), QAccessible::Window);
    QCOMPARE(nameOf(&form), form.windowTitle());
    QCOMPARE(accessible(form.Picture1(1))->role(), QAccessible::Graphic);
    QCOMPARE(accessible(form.Picture2(0))->role(), QAccessible::Graphic);
    // The board's hidden disks say nothing, and say that they are hidden.
    QVERIFY(accessible(form.Picture2(3))->state().invisible);
    QCOMPARE(descriptionOf(form.Picture2(3)), QString());
    QVERIFY(!accessible(form.Picture2(2))->state().invisible);
}

void TestAccessibility::descriptionsFollowTheGame()
{
    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
    const QStringList start{QStringLiteral("3 диска"), none, none, left, leftBelow, leftBelow};
    QCOMPARE(boardAsSpoken(form), start);

    dragDiskToPeg(form, 0, 2);
    dragDiskToPeg(form, 1, 1);
    QCOMPARE(boardAsSpoken(form), (QStringList{QStringLiteral("1 диск"), QStringLiteral("1 диск"),
                                               QStringLiteral("1 диск"), right, middle, left}));
    dragDiskToPeg(form, 2, 1); // refused: nothing changes
    QCOMPARE(descriptionOf(form.Picture2(2)), left);

    click(form.Command1(2));
    click(form.Command1(2)); // the second press shows the position after the first move
    QCOMPARE(boardAsSpoken(form), (QStringList{QStringLiteral("2 диска"), none,
                                               QStringLiteral("1 диск"), right, left, leftBelow}));
    click(form.Command1(0));
    QCOMPARE(boardAsSpoken(form), start);

    click(form.Option1(4)); // five disks
    QCOMPARE(descriptionOf(form.Picture1(0)), QStringLiteral("5 диска"));
    QCOMPARE(descriptionOf(form.Picture2(4)), leftBelow);

    form.setRandomDraw([] { return 0.0; }); // a demonstration with three disks
    click(form.Command1(1));
    QCOMPARE(boardAsSpoken(form), start);
    Timer1_Timer(form); // its first move: disk 0 to the right peg
    QCOMPARE(descriptionOf(form.Picture2(0)), right);
    QCOMPARE(descriptionOf(form.Picture2(1)), left);
    QCOMPARE(descriptionOf(form.Picture1(2)), QStringLiteral("1 диск"));
}

void TestAccessibility::changedDescriptionsAreAnnounced()
{
    // Qt's offscreen platform, and the web's for the widget tests, have no
    // accessibility to raise events on; any other platform must.
    EventRecorder recorder;
    if (!recorder.works()) {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("wasm"))
            QSKIP("this platform has no accessibility to raise events on");
        QFAIL(qPrintable(QStringLiteral("the %1 platform raises no accessibility events").arg(platform)));
    }
    Form1 form;
    form.show();
    QVERIFY(waitForExposed(form));
    recorder.take(QAccessible::DescriptionChanged);

    // One move: the disk moved, the disk now on top of the left peg, and the
    // two pegs; not the disk below, nor the empty peg.
    dragDiskToPeg(form, 0, 2);
    QCOMPARE(recorder.take(QAccessible::DescriptionChanged),
             (QList<QObject *>{form.Picture1(0), form.Picture1(2), form.Picture2(0), form.Picture2(1)}));
    click(form.Command1(2)); // the counter goes down, nothing moves
    QCOMPARE(recorder.take(QAccessible::DescriptionChanged), QList<QObject *>{});
    click(form.Command1(2));
    QCOMPARE(recorder.take(QAccessible::DescriptionChanged),
             (QList<QObject *>{form.Picture1(0), form.Picture1(2), form.Picture2(0), form.Picture2(1)}));

    // A demonstration tick comes from the window's own timer.
    form.setRandomDraw([] { return 0.0; });
    click(form.Command1(1));
    recorder.take(QAccessible::DescriptionChanged);
    waitUntil([&] { return descriptionOf(form.Picture2(0)) == right; }, 3000);
    QCOMPARE(descriptionOf(form.Picture2(0)), right);
    QCOMPARE(recorder.take(QAccessible::DescriptionChanged),
             (QList<QObject *>{form.Picture1(0), form.Picture1(2), form.Picture2(0), form.Picture2(1)}));

    // The counter still says that its text changed: from empty to "1", then to "2".
    click(form.Command1(0));
    recorder.take(QAccessible::TextInserted);
    dragDiskToPeg(form, 0, 1);
    QVERIFY(recorder.take(QAccessible::TextInserted).contains(form.Text2()));
    dragDiskToPeg(form, 0, 2);
    QVERIFY(recorder.take(QAccessible::TextUpdated).contains(form.Text2()));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
