// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The board as the browser tests see it: places in the window in twips, from
// the window's design (the module ctest names in TOWERS_PLACES_JS, made by
// ui/designfacts.cpp), the colours found there, and where a place of the
// window appears on a screen of a given size, where the page shows the window
// whole, as large as fits but never larger than itself, in the middle.
const { design, twipsPerPixel, windowTwips } = await import(process.env.TOWERS_PLACES_JS);

export const windowSize = { width: windowTwips.width / twipsPerPixel, height: windowTwips.height / twipsPerPixel };

export const colours = {
    formBlue: '192,192,255', black: '0,0,0', brown: '128,64,64', darkRed: '192,0,0', orange: '255,128,0',
    turquoise: '0,192,192', purple: '128,0,128', white: '255,255,255',
};

export const places = {
    disk: (disk, peg = 0) => ({ x: design.pegX(peg), y: design.diskY(disk) }),
    // Where on the board the top edge of disk 0's outline is when the disk's
    // middle is dragged to a place.
    outlineTop: ({ x, y }) => ({ x, y: y - (design.diskY(0) - design.diskTop(0)) }),
    // Above the peg, where a released disk drops onto it.
    peg: peg => ({ x: design.pegX(peg), y: design.bandY }),
    showButton: design.showButton,
    stepBackButton: design.stepBackButton,
    startOverButton: design.startOverButton,
    counter: design.counter,
    // A disk-count button, where a click chooses it, and on its colour, right
    // of its round mark and its number.
    diskCount: i => ({ x: design.optionX, y: design.optionY(i) }),
    diskCountColour: i => ({ x: 690, y: design.optionY(i) }),
    instructionsScrollBar: design.instructionsScrollBar,
};

// The place in CSS pixels of a screen width × height.
export function onScreen({ x, y }, { width, height }) {
    const zoom = Math.min(1, width / windowSize.width, height / windowSize.height);
    return {
        x: (width - windowSize.width * zoom) / 2 + (x / twipsPerPixel) * zoom,
        y: (height - windowSize.height * zoom) / 2 + (y / twipsPerPixel) * zoom,
    };
}
