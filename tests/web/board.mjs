// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The board as the browser tests see it: places in the window in twips, as
// the end-to-end cases give them, the colours found there, and where a place
// of the window appears on a screen of a given size, where the page shows the
// window whole, as large as fits but never larger than itself, in the middle.
export const windowSize = { width: 670, height: 424 };

export const colours = {
    formBlue: '192,192,255', black: '0,0,0', brown: '128,64,64', darkRed: '192,0,0', orange: '255,128,0',
    turquoise: '0,192,192', purple: '128,0,128', white: '255,255,255',
};

export const places = {
    disk: (disk, peg = 0) => ({ x: 2487 + 3000 * peg, y: 800 + 285 * disk + 142 }),
    // Where on the board the top edge of disk 0's outline is when the disk's
    // middle is dragged to a place.
    outlineTop: ({ x, y }) => ({ x, y: y - 142 }),
    // Above the peg, where a released disk drops onto it.
    peg: peg => ({ x: 2467 + 3000 * peg, y: 700 }),
    showButton: { x: 727, y: 202 },
    stepBackButton: { x: 2287, y: 202 },
    counter: { x: 9487, y: 202 },
    diskCount10: { x: 690, y: 765 + 285 * 9 + 142 },
    instructionsScrollBar: { x: 9735, y: 5500 },
};

// The place in CSS pixels of a screen width × height.
export function onScreen({ x, y }, { width, height }) {
    const zoom = Math.min(1, width / windowSize.width, height / windowSize.height);
    return {
        x: (width - windowSize.width * zoom) / 2 + (x / 15) * zoom,
        y: (height - windowSize.height * zoom) / 2 + (y / 15) * zoom,
    };
}
