#!/usr/bin/env python3
"""Composes mock screens from the generated pictures, decoded exactly as the game's loader
reads them (map at byte 18, indices at byte 786, bottom row first, pure red transparent), and
writes them as PPM files for a look: preview.py <Graph folder> <output folder>."""
import os
import sys

W, H = 240, 320
KEY = (255, 0, 0)


def load(folder, name):
    d = open(os.path.join(folder, name), 'rb').read()
    w, h = d[12] | d[13] << 8, d[14] | d[15] << 8
    cmap = [(d[20 + 3 * i] & 0xF8, d[19 + 3 * i] & 0xFC, d[18 + 3 * i] & 0xF8) for i in range(256)]
    key = [c[0] >= 248 and c[1] <= 3 and c[2] <= 7 for c in cmap]
    rows = []
    for r in range(h):
        start = 786 + (h - 1 - r) * w
        rows.append([KEY if key[i] else cmap[i] for i in d[start:start + w]])
    return rows


def blank():
    return [[(0, 0, 0)] * W for _ in range(H)]


def put(screen, pic, x0, y0, keyed=True):
    for y, row in enumerate(pic):
        for x, c in enumerate(row):
            if not (keyed and c == KEY):
                screen[y0 + y][x0 + x] = c


def frame(screen, x0, y0, x1, y1):
    for k in (0, 1):
        for x in range(x0 - k, x1 + k + 1):
            screen[y0 - k][x] = screen[y1 + k][x] = (255, 255, 255)
        for y in range(y0 - k, y1 + k + 1):
            screen[y][x0 - k] = screen[y][x1 + k] = (255, 255, 255)


def save(screen, path):
    h, w = len(screen), len(screen[0])
    with open(path, 'wb') as f:
        f.write(b'P6 %d %d 255\n' % (w, h))
        f.write(bytes(v for row in screen for c in row for v in c))


def main(graph, out):
    names = ['pawn', 'rook', 'knight', 'bishop', 'queen', 'king']
    pieces = [load(graph, s + n + '.tga') for s in 'wb' for n in names]
    board = load(graph, 'board.tga')
    start = {0: [1, 2, 3, 4, 5, 3, 2, 1], 1: [0] * 8, 6: [6] * 8, 7: [7, 8, 9, 10, 11, 9, 8, 7]}

    play = blank()
    put(play, board, 0, 0)
    for rank, kinds in start.items():
        for f, p in enumerate(kinds):
            put(play, pieces[p], 30 * f, 210 - 30 * rank)
    for y in range(240, 260):
        for x in range(W):
            play[y][x] = (0, 124, 0) if x < 120 else (0, 0, 56)
    put(play, load(graph, 'panel2.tga'), 0, 260)
    save(play, os.path.join(out, 'play.ppm'))

    promo = [row[:] for row in play]
    put(promo, load(graph, 'panel1.tga'), 0, 260)
    for n in range(5):
        put(promo, pieces[n + 1], 20 + 40 * n, 275)
    save(promo, os.path.join(out, 'promotion.ppm'))

    for name in ('greenwin', 'bluewin'):
        s = [row[:] for row in play]
        put(s, load(graph, name + '.tga'), 8, 77)
        save(s, os.path.join(out, name + '.ppm'))

    menu = blank()
    put(menu, load(graph, 'panel3.tga'), 0, 0, keyed=False)
    for cell in ((182, 43, 200, 60), (136, 71, 154, 87), (142, 98, 161, 115), (126, 153, 149, 173)):
        frame(menu, *cell)
    save(menu, os.path.join(out, 'menu.ppm'))

    title = blank()
    put(title, board, 0, 0)
    put(title, load(graph, 'front.tga'), 0, 0)
    put(title, load(graph, 'panel4.tga'), 0, 240, keyed=False)
    save(title, os.path.join(out, 'title.ppm'))

    about = blank()
    put(about, load(graph, 'about.tga'), 0, 0, keyed=False)
    save(about, os.path.join(out, 'about.ppm'))

    sheet = [[(90, 90, 90)] * (12 * 32) for _ in range(64)]
    for i, p in enumerate(pieces):
        for row, square in enumerate((board[0][0], board[0][30])):
            for y in range(30):
                for x in range(30):
                    sheet[2 + 32 * row + y][1 + 32 * i + x] = square if p[y][x] == KEY else p[y][x]
    save(sheet, os.path.join(out, 'pieces.ppm'))


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
