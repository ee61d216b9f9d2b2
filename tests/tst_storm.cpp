// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded storm of random player events through the widgets, with the board's
// invariants checked after every one. STORM_SEED and STORM_EVENTS override the
// defaults; a failure prints the shortest event sequence found that breaks an
// invariant, so that it can be replayed by hand.

#include "formtest.h"

#include "board/tables.h"
#include "demo/demo.h"
#include "ui/design.h"
#include "ui/twips.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

#include <algorithm>
#include <random>

namespace {

struct Event {
    enum Kind { Press, Move, Release, Click, Key, Tick } kind;
    QPoint point;                    // Press, Move, Release: in window coordinates
    Qt::MouseButton button = Qt::LeftButton;
    int control = 0;                 // Click: 0..2 command buttons, 3..12 disk-count buttons
    Qt::Key key = Qt::Key_Tab;

    QString describe() const
    {
        const QString at = QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
        switch (kind) {
        case Press:
            return QStringLiteral("press %1 at %2").arg(button == Qt::LeftButton ? "left" : "right", at);
        case Move:
            return QStringLiteral("move to %1").arg(at);
        case Release:
            return QStringLiteral("release at %1").arg(at);
        case Click:
            return control < 3 ? QStringLiteral("click Command1(%1)").arg(control)
                               : QStringLiteral("click Option1(%1)").arg(control - 3);
        case Key:
            return QStringLiteral("key %1").arg(QKeySequence(key).toString());
        case Tick:
            return QStringLiteral("timer tick");
        }
        return {};
    }
};

QList<Event> makeStorm(quint64 seed, int count)
{
    std::mt19937_64 random(seed);
    auto below = [&random](int n) { return int(random() % quint64(n)); };
    // Places from the window's design: anywhere in or a little around the
    // window, on some disk's place on some peg, on some peg as tall as ten
    // disks make it.
    const QRect window = pixelRect(0, 0, Design::ClientArea.width, Design::ClientArea.height);
    const ListControl baseLeft = initialBoardStore()[BaseLeft];
    auto within = [&](const QRect &rect) { return rect.topLeft() + QPoint(below(rect.width()), below(rect.height())); };
    auto anywhere = [&] { return within(window.adjusted(-50, -50, 50, 50)); };
    auto onADisk = [&] {
        const int d = below(10);
        return within(pixelRect(baseLeft.read(d).toInt() + PegSpacing * below(3), Design::diskTop(d),
                                Design::diskWidth(d), Design::diskHeight(d)));
    };
    auto onAPeg = [&] {
        const Design::Box peg = Design::pegBox(below(3));
        return within(pixelRect(peg.left, peg.top, peg.width, pegHeightForOption(9)));
    };
    const QList<Qt::Key> keys{Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Up,
                              Qt::Key_Down, Qt::Key_Left,    Qt::Key_Right, Qt::Key_Return};

    QList<Event> events;
    events.reserve(count);
    while (events.size() < count) {
        const int roll = below(100);
        Event event{Event::Tick, {}};
        if (roll < 20) {
            event = {Event::Press, below(2) ? onADisk() : anywhere()};
            event.button = below(8) ? Qt::LeftButton : Qt::RightButton;
        } else if (roll < 55) {
            event = {Event::Move, below(2) ? onAPeg() : anywhere()};
        } else if (roll < 72) {
            event = {Event::Release, below(2) ? onAPeg() : anywhere()};
        } else if (roll < 86) {
            event = {Event::Click, {}};
            event.control = below(13);
        } else if (roll < 93) {
            event = {Event::Key, {}};
            event.key = keys[below(int(keys.size()))];
        }
        events << event;
    }
    return events;
}

// Plays events on a fresh window and checks the invariants after each one.
class Replay
{
public:
    Replay()
    {
        form.setRandomDraw([this] { return double(random() >> 11) * 0x1.0p-53; });
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    ~Replay()
    {
        if (held != Qt::NoButton) // leave QTest's global button state clean for the next replay
            QTest::mouseRelease(grabber, held, {}, QPoint(-1000, -1000));
    }

    // The index of the first event after which an invariant breaks, or -1.
    int play(const QList<Event> &events, QString *why)
    {
        for (int i = 0; i < events.size(); ++i) {
            const qsizetype moves = form.List1(History).count();
            const bool dropping = events[i].kind == Event::Release && draggedDisk;
            if (!send(events[i]))
                continue;
            ++sent;
            tally(events[i], dropping, form.List1(History).count() - moves);
            *why = brokenInvariant(events[i].kind);
            if (!why->isEmpty())
                return i;
        }
        return -1;
    }

    int sent = 0;
    // How often the storm did what a game is made of: a storm whose drops
    // never land, or that never steps back, proves nothing of them.
    int accepted = 0;     // a dragged disk dropped onto another peg, a move counted
    int refused = 0;      // a dragged disk released over a peg, and no move counted
    int steppedBack = 0;  // a press of step back that took a move back

private:
    // False when the event cannot happen now (a press with a button already
    // held, a release with none), so that any subsequence stays playable.
    bool send(const Event &event)
    {
        switch (event.kind) {
        case Event::Press: {
            if (held != Qt::NoButton || !form.rect().contains(event.point))
                return false;
            QWidget *under = form.childAt(event.point);
            grabber = under ? under : &form;
            held = event.button;
            draggedDisk = false;
            for (int d = 0; d < 10; ++d)
                draggedDisk = draggedDisk || (held == Qt::LeftButton && under == form.Picture2(d) && under->isEnabled());
            QTest::mousePress(grabber, held, {}, grabber->mapFrom(&form, event.point));
            return true;
        }
        case Event::Move:
            if (held == Qt::NoButton)
                return false;
            QTest::mouseMove(grabber, grabber->mapFrom(&form, event.point));
            return true;
        case Event::Release:
            if (held == Qt::NoButton)
                return false;
            QTest::mouseRelease(grabber, held, {}, grabber->mapFrom(&form, event.point));
            held = Qt::NoButton;
            return true;
        case Event::Click:
            if (held != Qt::NoButton)
                return false;
            click(event.control < 3 ? static_cast<QAbstractButton *>(form.Command1(event.control))
                                    : form.Option1(event.control - 3));
            return true;
        case Event::Key:
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form,
                            event.key);
            return true;
        case Event::Tick:
            if (!form.Timer1().isActive())
                return false;
            Timer1_Timer(form);
            return true;
        }
        return false;
    }

    void tally(const Event &event, bool dropping, qsizetype movesAdded)
    {
        if (dropping && movesAdded > 0)
            ++accepted;
        else if (dropping && overAPeg(event.point))
            ++refused;
        else if (event.kind == Event::Click && event.control == 1 && movesAdded < 0)
            ++steppedBack;
    }

    static bool overAPeg(QPoint point)
    {
        for (int p = 0; p < 3; ++p) {
            const Design::Box peg = Design::pegBox(p);
            if (pixelRect(peg.left, peg.top, peg.width, pegHeightForOption(9)).contains(point))
                return true;
        }
        return false;
    }

    QString brokenInvariant(Event::Kind lastKind)
    {
        static const QRegularExpression stateString(QStringLiteral("^[0-2]{10}$"));
        static const QRegularExpression counter(QStringLiteral("^([0-9]+)?$"));
        int chosen = -1;
        for (int i = 0; i < 10; ++i) {
            if (form.Option1(i)->isChecked())
                chosen = i;
        }
        if (chosen < 2)
            return QStringLiteral("no disk count of 3 to 10 is selected");

        QList<int> tops, enabled;
        for (int p = 0; p < 3; ++p) {
            bool empty = true;
            for (int d = 0; d < 10; ++d) {
                const bool here = form.List1(DiskToPeg).read(d) == QString::number(p);
                if (form.List1(p).read(d) != (here ? QString::number(d) : QStringLiteral("-1")))
                    return QStringLiteral("peg table %1 disagrees at disk %2").arg(p).arg(d);
                if (here && empty)
                    tops << d;
                empty = empty && !here;
            }
        }
        for (int d = 0; d < 10; ++d) {
            const int peg = form.List1(DiskToPeg).read(d).toInt();
            Picture *disk = form.Picture2(d);
            if (form.diskLeft(d) != form.List1(BaseLeft).read(d).toInt() + PegSpacing * peg)
                return QStringLiteral("disk %1 is not where its peg puts it").arg(d);
            if (disk->leftTwips() != form.diskLeft(d))
                return QStringLiteral("disk %1 is shown elsewhere than the store keeps it").arg(d);
            if (disk->topTwips() != 800 + 285 * d)
                return QStringLiteral("disk %1 left its slot").arg(d);
            if (disk->geometry().topLeft()
                != QPoint(pixelsFromTwips(disk->leftTwips()), pixelsFromTwips(disk->topTwips())))
                return QStringLiteral("disk %1 is drawn away from its place").arg(d);
            if (disk->isVisibleTo(&form) != (d <= chosen))
                return QStringLiteral("disk %1 shown against the disk count").arg(d);
            if (!disk->isVisibleTo(&form) && peg != 0)
                return QStringLiteral("hidden disk %1 left the left peg").arg(d);
            if (disk->isEnabled())
                enabled << d;
        }
        std::sort(tops.begin(), tops.end());
        if (lastKind == Event::Tick && !form.Timer1().isActive())
            demoFinished = true;
        if (enabled == tops)
            demoFinished = false;
        else if (!(demoFinished && enabled.isEmpty()))
            return QStringLiteral("enabled disks are not the top disks");
        for (int i = 0; i < form.List1(History).count(); ++i) {
            if (!stateString.match(form.List1(History).read(i)).hasMatch())
                return QStringLiteral("history entry %1 is not a position").arg(i);
        }
        if (!counter.match(form.counterText()).hasMatch())
            return QStringLiteral("counter reads '%1'").arg(form.counterText());
        if (form.Text2()->text() != form.counterText())
            return QStringLiteral("counter shows '%1', not '%2'").arg(form.Text2()->text(), form.counterText());
        for (int p = 0; p < 3; ++p) {
            if (form.Picture1(p)->heightTwips() != 570 + 285 * chosen)
                return QStringLiteral("peg %1 does not fit the disk count").arg(p);
        }
        return {};
    }

    Form1 form;
    std::mt19937_64 random{7};
    QWidget *grabber = nullptr;
    Qt::MouseButton held = Qt::NoButton;
    bool draggedDisk = false;
    bool demoFinished = false;
};

bool fails(const QList<Event> &events)
{
    QString why;
    return Replay().play(events, &why) >= 0;
}

// Removes ever smaller runs of events while the sequence still fails.
QList<Event> shrink(QList<Event> events)
{
    QElapsedTimer budget;
    budget.start();
    for (qsizetype run = events.size() / 2; run >= 1 && budget.elapsed() < 120000; run /= 2) {
        for (qsizetype start = 0; start + run <= events.size();) {
            QList<Event> shorter = events;
            shorter.remove(start, run);
            if (fails(shorter))
                events = shorter;
            else
                start += run;
        }
    }
    return events;
}

quint64 environmentNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

class TestStorm : public QObject
{
    Q_OBJECT
private slots:
    void boardSurvivesARandomStorm();
};

void TestStorm::boardSurvivesARandomStorm()
{
    const quint64 seed = environmentNumber("STORM_SEED", 20261208);
    const int count = int(environmentNumber("STORM_EVENTS", 250000));
    const QList<Event> events = makeStorm(seed, count);

    Replay replay;
    QString why;
    const int broken = replay.play(events, &why);
    qInfo("storm: seed %llu, %d events generated, %d sent to the window: %d drops accepted, %d refused, "
          "%d steps back",
          seed, count, replay.sent, replay.accepted, replay.refused, replay.steppedBack);
    if (broken >= 0) {
        const QList<Event> shortest = shrink(events.mid(0, broken + 1));
        QString steps;
        for (const Event &event : shortest)
            steps += QStringLiteral("\n  ") + event.describe();
        QFAIL(qPrintable(QStringLiteral("%1 after event %2 (seed %3); shortest sequence found:%4")
                             .arg(why).arg(broken).arg(seed).arg(steps)));
    }
    QVERIFY(replay.sent >= 100000);
    // Each kind many times in a storm of the usual length, at least once in a
    // shorter one (STORM_EVENTS).
    const int often = std::max(1, int(20LL * count / 250000));
    QVERIFY2(replay.accepted >= often && replay.refused >= often && replay.steppedBack >= often,
             qPrintable(QStringLiteral("the storm must drop disks that land and that are refused, and step back, "
                                       "each at least %1 times")
                            .arg(often)));
}

QTEST_MAIN(TestStorm)
#include "tst_storm.moc"
