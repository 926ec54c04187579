#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora from the conformance tables in
tests/cases (run from the repository root; the result is committed)."""
import datetime, hashlib, math, os, re, struct

CASES = 'tests/cases'
OUT = 'tests/fuzz/corpus'


def unescape(field):
    def one(m):
        s = m.group(0)
        return {'\\t': '\t', '\\n': '\n', '\\r': '\r', '\\\\': '\\'}.get(s) or chr(int(s[2:], 16))
    return re.sub(r'\\u[0-9A-Fa-f]{4}|\\[tnr\\]', one, field)


def rows(name):
    with open(os.path.join(CASES, name), encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if line and not line.startswith('#'):
                yield [unescape(x) for x in line.split('\t')]


def ole(text):
    date, _, time = text.partition(' ')
    y, m, d = (int(x) for x in date.split('-'))
    h, mi, s = (int(x) for x in (time or '0:0:0').split(':'))
    delta = datetime.datetime(y, m, d, h, mi, s) - datetime.datetime(1899, 12, 30)
    return delta.days + delta.seconds / 86400.0


def write(target, data):
    folder = os.path.join(OUT, target)
    os.makedirs(folder, exist_ok=True)
    name = 'seed-' + hashlib.sha1(data).hexdigest()[:12]
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)


for r in rows('codec.tsv'):
    for text in r[:2]:
        write('codec', text.encode('utf-8'))
for r in rows('decode.tsv'):
    write('codec', r[0].encode('utf-8'))
for r in rows('text_to_number.tsv'):
    write('text_number', r[0].encode('utf-8'))
for r in rows('number_text.tsv'):
    write('text_number', r[1].encode('utf-8'))
for r in rows('parse_date.tsv'):
    write('text_date', r[0].encode('utf-8'))
for r in rows('date_text.tsv'):
    write('text_date', r[1].encode('utf-8'))
for r in rows('format_datetime.tsv'):
    write('format_datetime', struct.pack('<dbbbh', ole(r[0]), int(r[1]), int(r[2]), int(r[3]), 0))
for r in rows('drop_leading.tsv'):
    write('format_datetime', struct.pack('<dbbbh', 45366.6, 0, 0, 2, int(r[1])) + r[0].encode('utf-8'))
for r in rows('capitals.tsv'):
    write('capitals', struct.pack('<dB', float(r[0]), int(r[1])))
for value in (1e308, -1e308, math.inf, -math.inf, math.nan, -0.0, 9999999999999.99, 5e-324):
    write('capitals', struct.pack('<dB', value, 0))
for r in rows('sort.tsv'):
    write('sort_keys', bytes([int(r[0]) | 4]) + r[1].encode('utf-8'))
    write('sort_keys', bytes([int(r[0])]) + r[1].encode('utf-8'))
