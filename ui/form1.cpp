// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form1.h"

#include "board/board.h"
#include "board/tables.h"
#include "demo/demo.h"
#include "demo/solutions.h"
#include "game/events.h"
#include "ui/accessibility.h"
#include "ui/commandbutton.h"
#include "ui/design.h"
#include "ui/diskdrag.h"
#include "ui/picture.h"
#include "ui/texts.h"
#include "ui/twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <chrono>

namespace {

QRect pixelRect(const Design::Box &box)
{
    return ::pixelRect(box.left, box.top, box.width, box.height);
}

void paint(QWidget *widget, QPalette::ColorRole role, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, QColor(colour));
    widget->setPalette(palette);
}

// The instructions are read, and their text selected and copied, but not
// dragged: a press on selected text starts a new selection, as in a plain text
// box. A drag of the text has nowhere to go in the window, and after the drag
// and drop it starts the player's next move of a disk was lost, on X and in a
// browser alike.
class InstructionsBox : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        QTextCursor cursor = textCursor();
        if (event->button() == Qt::LeftButton && cursor.hasSelection()) {
            cursor.clearSelection();
            setTextCursor(cursor);
        }
        QPlainTextEdit::mousePressEvent(event);
    }
};

} // namespace

// Every event of the window reaches its handler through here, so that a
// screen reader then hears what the handler changed on the board.
template<typename Handler>
void Form1::handle(Handler handler)
{
    handler();
    announcer.announceChanges();
}

Form1::Form1(QWidget *parent)
    // A thin, fixed frame on Windows too, where Qt's frame is otherwise a
    // resizing one whose size it merely holds; other platforms ignore the hint.
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Controls(initialBoardStore(), initialSolutions())
{
    setWindowTitle(Texts::windowTitle());
    setFixedSize(pixelRect(Design::ClientArea).size());
    paint(this, QPalette::Window, Design::FormColour);
    setAutoFillBackground(true);
    setFont(Design::windowFont());

    createTopRow();
    createDiskCountChooser();
    createBoard();
    createInstructions();
    setFocusOrder();

    timer.setInterval(Design::TimerInterval);
    connect(&timer, &QTimer::timeout, this, [this] { handle([this] { Timer1_Timer(*this); }); });

    Form_Load(*this); // its choice of three disks announces the board
}

Form1::~Form1() = default;

void Form1::createTopRow()
{
    const std::array<QString, 3> captions{Texts::startOverButton(), Texts::showButton(),
                                          Texts::stepBackButton()};
    for (int i = 0; i < 3; ++i) {
        auto *button = new CommandButton(captions[i], Design::CommandColours[i], this);
        button->setGeometry(pixelRect(Design::CommandBoxes[i]));
        connect(button, &QPushButton::clicked, this, [this, i] { handle([this, i] { Command1_Click(*this, i); }); });
        commands[i] = button;
    }

    titleLabel = new QLabel(Texts::titleLabel(), this);
    titleLabel->setGeometry(pixelRect(Design::TitleLabelBox));
    titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    titleLabel->setAutoFillBackground(true);
    paint(titleLabel, QPalette::Window, Design::TitleLabelColour);

    counter = new QLineEdit(this);
    counter->setGeometry(pixelRect(Design::CounterBox));
    counter->setAlignment(Qt::AlignCenter);
    counter->setReadOnly(true);
    counter->setAccessibleName(Texts::counterName());
}

void Form1::createDiskCountChooser()
{
    frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(pixelRect(Design::FrameBox));
    frame->setAccessibleName(Texts::diskCountChooserName());

    for (int i = 0; i < OptionCount; ++i) {
        // Siblings in one frame: Qt makes them one exclusive group.
        auto *option = new QRadioButton(QString::number(i + 1), frame);
        option->setGeometry(pixelRect(Design::optionBox(i)));
        option->setAutoFillBackground(true); // buttons fill with their Button colour
        paint(option, QPalette::Button, Design::DiskColours[i]);
        option->setEnabled(i >= Design::FirstChoosableOption);
        connect(option, &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected)
                handle([this, i] { Option1_Click(*this, i); });
        });
        options[i] = option;
    }
}

void Form1::createBoard()
{
    for (int p = 0; p < PegCount; ++p) {
        const Design::Box box = Design::pegBox(p);
        pegs[p] = new Picture(Design::PegColour, box.left, box.top, box.width, box.height, this);
        pegs[p]->setAccessibleName(Texts::pegName(p));
    }
    // Created narrowest first, so that each wider disk lies in front of the narrower ones.
    for (int d = 0; d < DiskCount; ++d) {
        auto *disk = new Picture(Design::DiskColours[d], diskLeft(d), Design::diskTop(d),
                                 Design::diskWidth(d), Design::diskHeight(d), this);
        disk->setVisible(d < Design::InitiallyVisibleDisks);
        disk->setAccessibleName(Texts::diskName(d));
        disks[d] = disk;
    }

    drag = new DiskDrag(this, pegs, [this](int peg, int disk, int x, int y) {
        handle([=, this] { Picture1_DragDrop(*this, peg, disk, x, y); });
    });
    for (int d = 0; d < DiskCount; ++d) {
        connect(disks[d], &Picture::leftPressed, this,
                [this, d](QPointF globalPosition) { drag->begin(d, disks[d], globalPosition); });
    }
}

void Form1::createInstructions()
{
    instructions = new InstructionsBox(this);
    instructions->setGeometry(pixelRect(Design::InstructionsBox));
    instructions->setPlainText(Texts::instructions());
    instructions->setReadOnly(true);
    instructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    instructions->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    instructions->setTabChangesFocus(true);
    instructions->setAccessibleName(Texts::instructionsName());
}

void Form1::setFocusOrder()
{
    // Pegs and disks are tab stops too, like every control of the window that
    // can hold the focus; hidden and disabled ones are passed over by Qt.
    for (Picture *picture : pegs)
        picture->setFocusPolicy(Qt::TabFocus);
    for (Picture *picture : disks)
        picture->setFocusPolicy(Qt::TabFocus);

    const std::array<QWidget *, 28> order{
        instructions, options[0], options[1], options[2], options[3], options[4],
        options[5],   options[6], pegs[2],    pegs[0],    pegs[1],    disks[0],
        disks[1],     disks[2],   disks[3],   disks[4],   disks[5],   disks[6],
        commands[0],  disks[7],   options[7], disks[8],   options[8], options[9],
        disks[9],     commands[1], commands[2], counter,
    };
    for (size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    instructions->setFocus();
}

void Form1::showDiskLeft(int disk, int twips)
{
    disks.at(disk)->setLeftTwips(twips);
}

void Form1::setDiskTop(int disk, int twips)
{
    disks.at(disk)->setTopTwips(twips);
}

void Form1::setDiskEnabled(int disk, bool enabled)
{
    disks.at(disk)->setEnabled(enabled);
}

void Form1::setDiskVisible(int disk, bool visible)
{
    disks.at(disk)->setVisible(visible);
}

void Form1::setPegHeight(int peg, int twips)
{
    pegs.at(peg)->setHeightTwips(twips);
}

void Form1::selectOption(int option)
{
    options.at(option)->setChecked(true);
}

void Form1::setStepBackEnabled(bool enabled)
{
    commands[2]->setEnabled(enabled);
}

void Form1::showCounterText(const QString &text)
{
    counter->setText(text);
}

bool Form1::timerEnabled() const
{
    return timer.isActive();
}

void Form1::setTimerEnabled(bool enabled)
{
    if (enabled)
        timer.start();
    else
        timer.stop();
}

void Form1::Randomize()
{
    generator.seed(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
    randomDraw = [this] { return double(generator() >> 11) * 0x1.0p-53; };
}

double Form1::Rnd()
{
    return randomDraw();
}
