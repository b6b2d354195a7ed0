#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target (fuzz/corpus/NAME/) from cases
of the test suite, encoded in the byte layout each target reads (see
fuzz_input.h: small(low, high) takes one selector byte, value = low +
selector % (high - low + 1); text() runs to a 0xFF byte)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def small(value, low):
    return bytes([value - low])


def text(s):
    return s.encode('latin-1') + b'\xff'


def f32(v):
    return struct.pack('<f', v)


def f64(v):
    return struct.pack('<d', v)


def i32(v):
    return struct.pack('<i', v)


SEEDS = {
    'fuzz_primitives': [f64(v) + small(d, 1) + text(dl) + small(k, -4) + rest.encode()
                        for v, d, dl, k, rest in [
                            (150.5, 15, ',', 2, 'a,b,,c'), (0.1, 17, '', 1, ' "x,y", z'),
                            (-2.5e-7, 7, '--', -1, '1--2--3'), (3e9, 7, ',', 0, '')]],
    'fuzz_parse': [small(s, -1) + small(p, -2) + small(b, -1) + f32(m) + t.encode('latin-1')
                   for s, p, b, m, t in [
                       (0, 3, -1, 0.0, "12'6 1/2\""), (0, 8, -1, 100.0, '5 FT 3 IN'),
                       (1, 4, 0, 0.0, '3.5 M'), (1, 4, -1, 10.0, '250MM'),
                       (0, 10, -1, 0.0, '12 \' 6 1/2 "'), (0, 5, 0, 0.0, '1-3\\4 IN')]],
    'fuzz_validate': [i32(w) + f32(lo) + f32(hi) + f32(tot) + small(s, -1) + small(f, -1) + small(m, -1)
                      + small(p, -2) + i32(line) + e.encode('latin-1')
                      for w, lo, hi, tot, s, f, m, p, line, e in [
                          (7, 0.0, 0.0, 1200.0, 0, 6, 0, 3, 9, "12 ' 6 1/2 \""),
                          (7, 12.0, 0.0, 1200.0, 0, 0, 0, 3, 9, '6 IN'),
                          (7, 0.0, 10.0, 1200.0, 0, 1, 0, 3, 9, '50 FT'),
                          (7, 0.0, 0.0, 100.0, 1, 2, 1, 2, 9, '3.5 M'),
                          (7, 0.0, 0.0, 1e9, 1, 4, 1, 3, 9, '250 MM')]],
    'fuzz_format': [small(s, -1) + small(f, -1) + small(m, -1) + small(p, -2) + f64(v) + i32(k)
                    for s, f, m, p, v, k in [
                        (0, 6, 0, 16, 150.5, 9632), (0, 0, 0, 64, 143.99, 64), (0, 3, 1, 2, 150.5, 1),
                        (1, 0, 1, 3, 98.425, 100), (1, 4, 1, 3, -19.685, 7), (0, 13, 1, 4, 6.0000001, 0),
                        (0, 14, 0, 16, 1e12, 123456)]],
    'fuzz_fraction': [small(d, -2) + small(r, -1) + f32(v) + struct.pack('<I', ratio) + t.encode('latin-1')
                      for d, r, v, ratio, t in [
                          (16, 0, 0.375, 0x35, '1 1/2'), (4, 0, 2.5, 0x113, '15/16'),
                          (16, -1, 0.33, 7, '61/31 21'), (16, 0, 0.999, 99, '5 3/8 IN'),
                          (8, 0, -0.75, 12, '1-3\\4'), (0, 0, 0.5, 3, '33/100')]],
    'fuzz_catalog': [small(c, -1) + small(sc, -1) + small(it, -1) + small(si, -1) + small(pl, -1)
                     + small(v, -2) + t.encode('latin-1')
                     for c, sc, it, si, pl, v, t in [
                         (1, 1, 1, 0, 0, 1, '1,1,1'), (1, 4, 28, 0, 1, 2, 'lib_1_4_28'),
                         (1, 0, 12, 2, 0, 3, '1,0,12,2'), (1, 5, 235, 1, 0, 0, 'LIB_1_5_LIB.VDF'),
                         (2, 0, 0, 0, 0, 4, ' "1,4", 4')]],
    'fuzz_fields': [small(p, -6) + text(d) + text(part) + lst.encode('latin-1')
                    for p, d, part, lst in [
                        (2, ',', 'x', 'a,b,,c'), (1, '', 'new', ' "x,y", z'), (-1, '","', 'q', '"a","b"'),
                        (3, '::', '', 'one::two::three'), (2, ' ', ' p ', ' a b ')]],
    'fuzz_strings': [text(ch) + text(t) + ops
                     for ch, t, ops in [
                         ('xyz', 'abc', small(1, -3) + text('one') + small(1, -2) + small(0, -3) + text('ONE')
                          + small(1, -2)),
                         ('. ', ' 12.5 ', small(-2, -3) + text('') + small(0, -2)),
                         ('', '\t a \t', small(-1, -3) + text('x') + small(3, -2))]],
    'fuzz_geometry': [f64(a) + f64(c) + small(d, -1) + small(fl, -1) + i32(v) + small(n, -2) + small(st, -2)
                      + small(b, -3) + b''.join(f64(x) for x in r)
                      for a, c, d, fl, v, n, st, b, r in [
                          (359.5, 0.0, 0, 0, 0x0F0F, 32, 0, 9, (0, 0, 1, 1, 0.5, 0.5, 2, 2)),
                          (-400.0, 90.0, 1, 1, -1, 8, 3, 31, (1, 1, 0, 0, 0, 0, 1, 1)),
                          (10.0, 15.0, 2, 0, 0x80000000 - 2**32, 0, -2, -1, (0, 0, 0, 0, 0, 0, 0, 0))]],
    'fuzz_host': [small(f, -1) + small(last, -3) + text(p) + b''.join(i32(x) for x in ids)
                  for f, last, p, ids in [
                      (5, 1, 'C:\\Plans\\House\\a.txt', (2080096055, 433179940)),
                      (0x28, -1, 'name', ()), (0x1A, 0, '\\\\server\\share\\', (10000,))]],
    'fuzz_lists': [small(p, -2) + small(k, 0) + small(m, 0) + text(d) + text(item) + lst.encode('latin-1')
                   for p, k, m, d, item, lst in [
                       (2, 0, 0, ',', 'b', 'a, b ,c'), (1, 1, 1, '', 'x', 'x,y'),
                       (3, 0, 1, '\xff', '5', '1'), (-1, 1, 0, '::', 'Z', 'a::z')]],
    'fuzz_paper': [small(i, -2) + small(o, 0) + small(s, 0) + f32(w) + f32(h) + n.encode('latin-1')
                   for i, o, s, w, h, n in [
                       (0, 1, 0, 8.5, 11.0, 'Letter'), (5, 2, 1, 210.0, 297.0, '  a4  '),
                       (40, 1, 0, 11.0, 17.0, 'TABLOID'), (-1, 3, 0, 0.0, 0.0, '')]],
}

for name, seeds in SEEDS.items():
    folder = os.path.join(HERE, 'corpus', name)
    os.makedirs(folder, exist_ok=True)
    for number, data in enumerate(seeds, 1):
        with open(os.path.join(folder, 'seed-%02d' % number), 'wb') as out:
            out.write(data)
