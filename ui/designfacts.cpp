// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's design for what is not built with the program, printed at
// build time: the window's size in pixels and its colour, which the web
// page gives it and its frame (size: "WIDTH HEIGHT #rrggbb"), and the places the end-to-end tests point at, as shell variables
// (sh) or as a JavaScript module (js), in twips from the top left corner of
// the window's client area, with the twips to a pixel.
//   designfacts size|sh|js [FILE]
// It is built for the machine that builds, even where the program is built
// for another, and needs nothing but the design.

#include "ui/design.h"

#include <cstdio>
#include <string>

namespace {

int middle(int start, int length)
{
    return start + length / 2;
}

struct Point {
    int x, y;
};

Point middleOf(const Design::Box &box)
{
    return {middle(box.left, box.width), middle(box.top, box.height)};
}

// A disk-count button's middle, in the window rather than in its frame.
Point option(int i)
{
    const Point inFrame = middleOf(Design::optionBox(i));
    return {Design::FrameBox.left + inFrame.x, Design::FrameBox.top + inFrame.y};
}

// The middle of a disk's slot, and of the free band at the top of every peg,
// above the stack.
int diskY(int disk)
{
    return middle(Design::diskTop(disk), SlotHeight);
}
const int pegX0 = middleOf(Design::pegBox(0)).x;
const int bandY = middle(Design::pegBox(0).top, SlotTop - Design::pegBox(0).top);
// In the instructions' scroll bar, which always shows.
const Point scrollBar{Design::InstructionsBox.left + Design::InstructionsBox.width - 120,
                      middleOf(Design::InstructionsBox).y};

void shell()
{
    std::printf("twips_per_pixel=%d\n", TwipsPerPixel);
    std::printf("window_width=%d window_height=%d\n", Design::ClientArea.width, Design::ClientArea.height);
    std::printf("disk_x=%d\n", pegX0); // the centre line of the stack on the left peg
    std::printf("disk_y() { echo $((%d + %d * $1)); }\n", diskY(0), SlotHeight);
    std::printf("peg_x() { echo $((%d + %d * $1)); }\n", pegX0, PegSpacing);
    std::printf("band_y=%d\n", bandY);
    std::printf("show_x=%d step_back_x=%d start_over_x=%d buttons_y=%d\n",
                middleOf(Design::CommandBoxes[1]).x, middleOf(Design::CommandBoxes[2]).x,
                middleOf(Design::CommandBoxes[0]).x, middleOf(Design::CommandBoxes[0]).y);
    std::printf("option_x=%d\n", option(0).x);
    const Design::Box &counter = Design::CounterBox;
    std::printf("counter_left=%d counter_top=%d counter_width=%d counter_height=%d\n", counter.left, counter.top,
                counter.width, counter.height);
    std::printf("option_y() { echo $((%d + %d * $1)); }\n", option(0).y, option(1).y - option(0).y);
}

void javaScript()
{
    std::printf("export const twipsPerPixel = %d;\n", TwipsPerPixel);
    std::printf("export const windowTwips = { width: %d, height: %d };\n", Design::ClientArea.width,
                Design::ClientArea.height);
    std::printf("export const design = {\n");
    std::printf("    diskTop: d => %d + %d * d, diskY: d => %d + %d * d, pegX: p => %d + %d * p, bandY: %d,\n",
                Design::diskTop(0), SlotHeight, diskY(0), SlotHeight, pegX0, PegSpacing, bandY);
    const Point show = middleOf(Design::CommandBoxes[1]), back = middleOf(Design::CommandBoxes[2]);
    const Point over = middleOf(Design::CommandBoxes[0]), counter = middleOf(Design::CounterBox);
    std::printf("    showButton: { x: %d, y: %d }, stepBackButton: { x: %d, y: %d },\n", show.x, show.y, back.x,
                back.y);
    std::printf("    startOverButton: { x: %d, y: %d }, counter: { x: %d, y: %d },\n", over.x, over.y, counter.x,
                counter.y);
    std::printf("    optionX: %d, optionY: i => %d + %d * i, instructionsScrollBar: { x: %d, y: %d },\n",
                option(0).x, option(0).y, option(1).y - option(0).y, scrollBar.x, scrollBar.y);
    std::printf("};\n");
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string format = argc >= 2 ? argv[1] : "";
    if (argc == 3 && !std::freopen(argv[2], "w", stdout)) {
        std::perror(argv[2]);
        return 1;
    }
    if (format == "size")
        std::printf("%d %d #%06x\n", Design::ClientArea.width / TwipsPerPixel,
                    Design::ClientArea.height / TwipsPerPixel, Design::FormColour & 0xffffffu);
    else if (format == "sh")
        shell();
    else if (format == "js")
        javaScript();
    else {
        std::fprintf(stderr, "usage: %s size|sh|js [FILE]\n", argv[0]);
        return 2;
    }
    return 0;
}
