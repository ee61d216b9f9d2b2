#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What a screen reader reads of the page in headless Chromium: its
// accessibility tree, through the DevTools protocol, as the window is drawn,
// with no button pressed first, and again after two moves, a step back,
// start over, another disk count and a demonstration's tick, each made by
// real pointer events. The names and descriptions expected are the
// desktop's (the e2e_screen_reader case reads them through AT-SPI):
//   screen-reader.mjs SITE
import { colours, onScreen, places, windowSize } from './board.mjs';
import { check, expectColours, failures, limitTime, windowDrawn } from './check.mjs';
import { openBrowser, sleep } from './devtools.mjs';
import { serve } from './serve.mjs';

const [site] = process.argv.slice(2);
limitTime(180);

const at = place => onScreen(place, windowSize);
const disk = d => `Диск ${d + 1}, ${['тъмночервен', 'оранжев', 'тъмножълт', 'зелен', 'тюркоазен', 'син',
    'пурпурен', 'тъмносив', 'синьозелен', 'лилав'][d]}`;
const pegs = ['Ляв стълб', 'Среден стълб', 'Десен стълб'];

// The tree as a screen reader gets it: each node that is not ignored, with
// its role, name, description, value and states, and its children.
async function readTree(page) {
    const { nodes } = await page.command('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map(node => [node.nodeId, node]));
    const property = (node, name) => node.properties?.find(p => p.name === name)?.value?.value;
    const read = node => ({
        role: node.role?.value,
        name: node.name?.value ?? '',
        description: node.description?.value ?? '',
        value: String(node.value?.value ?? ''),
        checked: property(node, 'checked'),
        disabled: property(node, 'disabled') === true,
        node,
    });
    const shown = nodes.filter(node => !node.ignored).map(read);
    const named = (role, name) => shown.find(node => node.role === role && node.name === name);
    // Whether one node lies below another, through any nodes in between.
    const below = (child, parent) => {
        for (let id = child.node.parentId; id; id = byId.get(id)?.parentId) {
            if (id === parent.node.nodeId)
                return true;
        }
        return false;
    };
    return { shown, named, below };
}

// Waits until the tree says what is expected of it, or a few seconds have
// passed, and checks it then.
async function expectTree(page, what, expected) {
    let wrong;
    for (const end = Date.now() + 5000; ;) {
        const tree = await readTree(page);
        wrong = expected(tree).filter(([, ok]) => !ok).map(([said]) => said);
        if (wrong.length === 0 || Date.now() > end)
            break;
        await sleep(250);
    }
    return check(what, wrong.length === 0, wrong.join('\n  '));
}
const image = (tree, name, description) => [`the image "${name}": "${description}"`,
    tree.named('image', name)?.description === description];
const counter = (tree, value) => [`the counter "Брояч на ходовете" at "${value}"`,
    tree.named('textbox', 'Брояч на ходовете')?.value === value];

const server = await serve(site);
const browser = await openBrowser();
try {
    const page = await browser.newPage();
    await page.emulate(windowSize);
    await page.command('Accessibility.enable');
    await page.go(server.url);
    await page.waitFor(windowDrawn);

    await expectTree(page, 'as the window is drawn: the window, its controls, named and in their state', tree => {
        const group = tree.named('group', 'Брой дискове');
        const radios = Array.from({ length: 10 }, (_, i) => tree.named('radio', String(i + 1)));
        return [
            [`the page, named as the window: "${tree.shown[0]?.name}"`,
                tree.shown[0]?.role === 'RootWebArea' && tree.shown[0]?.name === process.env.TOWERS_WINDOW_TITLE],
            ...['Покажи', 'Ход назад', 'Начало'].map(name => [`the button "${name}"`, tree.named('button', name)]),
            ['the group "Брой дискове"', group],
            ...radios.map((radio, i) => [`the radio button "${i + 1}" in it`, radio && group && tree.below(radio, group)]),
            ['"3" checked, no other', radios.every((radio, i) => radio?.checked === (i === 2 ? 'true' : 'false'))],
            ['"1" and "2" disabled, no other', radios.every((radio, i) => radio?.disabled === i < 2)],
            counter(tree, ''),
            ['the instructions "Указания", with their text',
                tree.named('textbox', 'Указания')?.value.startsWith('Задачата за Дорелски кули')],
            image(tree, pegs[0], '3 диска'), image(tree, pegs[1], 'Няма дискове'), image(tree, pegs[2], 'Няма дискове'),
            image(tree, disk(0), 'На левия стълб, най-отгоре'),
            image(tree, disk(1), 'На левия стълб, под по-малък диск'),
            image(tree, disk(2), 'На левия стълб, под по-малък диск'),
            ['no hidden disk', [3, 4, 5, 6, 7, 8, 9].every(d => !tree.named('image', disk(d)))],
        ];
    });
    const english = (await readTree(page)).shown
        .flatMap(node => [node.name, node.description, node.value]).filter(text => /[A-Za-z]{2,}/.test(text));
    check('no English word anywhere in it', english.length === 0, english.join(' | '));

    const drag = (from, to) => page.mouseDrag(at(from), at(to));
    const click = place => page.mouseDrag(at(place), at(place), 1);
    await drag(places.disk(0), places.peg(2));
    await drag(places.disk(1), places.peg(1));
    await expectTree(page, 'after two moves, each disk says where it stands now, and the counter counts them',
        tree => [
            image(tree, disk(0), 'На десния стълб, най-отгоре'), image(tree, disk(1), 'На средния стълб, най-отгоре'),
            image(tree, disk(2), 'На левия стълб, най-отгоре'),
            image(tree, pegs[0], '1 диск'), image(tree, pegs[1], '1 диск'), image(tree, pegs[2], '1 диск'),
            counter(tree, '2'),
        ]);

    await click(places.stepBackButton);
    await click(places.stepBackButton);
    await expectTree(page, 'after stepping back twice, disk 2 is back on the left peg',
        tree => [image(tree, disk(1), 'На левия стълб, най-отгоре'), image(tree, pegs[1], 'Няма дискове'),
            counter(tree, '0')]);

    await click(places.startOverButton);
    await expectTree(page, 'after start over, every disk is back',
        tree => [image(tree, disk(0), 'На левия стълб, най-отгоре'), image(tree, pegs[0], '3 диска')]);

    await click(places.diskCount(3));
    await expectTree(page, 'four disks chosen: disk 4 shows, under the others, and "4" is checked', tree => [
        image(tree, disk(3), 'На левия стълб, под по-малък диск'), image(tree, pegs[0], '4 диска'),
        ['"4" checked', tree.named('radio', '4')?.checked === 'true'],
    ]);

    await click(places.showButton);
    await sleep(2400);
    await expectColours(page, 'a demonstration makes its first move', [
        { ...at(places.disk(0)), colour: `not ${colours.darkRed}` },
    ]);
    await expectTree(page, 'after its first tick, disk 1 says it left the left peg, and the counter counts it',
        tree => [
            [`disk 1 not on the left peg: "${tree.named('image', disk(0))?.description}"`,
                /^На (средния|десния) стълб, най-отгоре$/.test(tree.named('image', disk(0))?.description)],
            counter(tree, '1'),
        ]);
} finally {
    await browser.close();
    await server.close();
}
process.exit(failures() > 0 ? 1 : 0);
