// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The pixels of a browser's screenshot, decoded here rather than in the page,
// whose security policy may forbid what decoding there needs. Only what
// Chromium writes: 8-bit RGB or RGBA, not interlaced.
//   const image = decodePng(BUFFER); image.colourAt(x, y) → "r,g,b"
import { inflateSync } from 'node:zlib';

export function decodePng(png) {
    let width, height, channels;
    const data = [];
    for (let at = 8; at < png.length;) {
        const length = png.readUInt32BE(at);
        const type = png.toString('latin1', at + 4, at + 8);
        const body = png.subarray(at + 8, at + 8 + length);
        if (type === 'IHDR') {
            [width, height] = [body.readUInt32BE(0), body.readUInt32BE(4)];
            const [depth, colourType, , , interlace] = body.subarray(8);
            if (depth !== 8 || interlace !== 0 || (colourType !== 2 && colourType !== 6))
                throw new Error(`a PNG of a kind not decoded here (depth ${depth}, colour type ${colourType})`);
            channels = colourType === 6 ? 4 : 3;
        } else if (type === 'IDAT') {
            data.push(body);
        }
        at += 12 + length;
    }
    const raw = inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const pixels = Buffer.alloc(stride * height);
    for (let y = 0; y < height; y++) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let i = 0; i < stride; i++) {
            const left = i >= channels ? pixels[y * stride + i - channels] : 0;
            const up = y > 0 ? pixels[(y - 1) * stride + i] : 0;
            const upLeft = y > 0 && i >= channels ? pixels[(y - 1) * stride + i - channels] : 0;
            const paeth = () => {
                const p = left + up - upLeft;
                const [a, b, c] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
                return a <= b && a <= c ? left : b <= c ? up : upLeft;
            };
            const predicted = [0, left, up, (left + up) >> 1, filter === 4 ? paeth() : 0][filter];
            pixels[y * stride + i] = (line[i] + predicted) & 0xff;
        }
    }
    return {
        width,
        height,
        colourAt: (x, y) => [...pixels.subarray((y * width + x) * channels, (y * width + x) * channels + 3)].join(','),
    };
}
