#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""What the pages show, kept: `tevrimo-cli replay --captions` over the key-storm fuzz
corpus and a few thousand seeded key storms (keys with their modifiers, clicks into
boxes, on buttons, flags and the background, languages handed over), one hash of each
script's output and status per line. A change to the page code must leave every line
as it is; --update writes the record anew when a change of behaviour is the point.

    page_record.py CLI RECORD [--update]
"""
import concurrent.futures
import hashlib
import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, '..', 'fuzz', 'corpus', 'keys')

CATEGORIES = ['length', 'area', 'volume', 'mass', 'force', 'pressure', 'temperature',
              'time', 'speed', 'density', 'energy', 'data', 'vacuum']

# The keys of the key-storm fuzzer, in its order, as replay names them.
FUZZ_KEYS = ['back', 'tab', 'enter', 'shift', 'ctrl', 'esc', 'space', 'end', 'home',
             'left', 'up', 'right', 'down', 'del', 'c', 'v', 'a', 'num0', 'num5', 'mul',
             'add', 'sub', 'decimal', 'div', 'f1', 'plus', 'comma', 'minus', 'period',
             'slash', 'backslash', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '9',
             '0', '1']

STORM_KEYS = (['%d' % d for d in range(10)] * 3 +
              ['num%d' % d for d in range(10)] +
              ['add', 'sub', 'mul', 'div', 'decimal', 'minus', 'plus', 'period', 'comma',
               'slash', 'backslash', 'enter', 'esc', 'back', 'up', 'up', 'down', 'left',
               'right', 'home', 'end', 'tab', 'shift+tab', 'space', 'del', 'ins', 'pgup',
               'pgdn', 'shift', 'ctrl', 'ctrl+c', 'c', 'v', 'ctrl+v', 'f1', 'f10', 'a',
               'shift+left', 'shift+home', 'shift+5', 'ctrl+5', 'alt+5', 'alt+tab',
               'vk:0x0d', 'vk:190'])


def corpus_scripts():
    """The fuzz corpus read as the key-storm fuzzer reads it."""
    for name in sorted(os.listdir(CORPUS)):
        data = open(os.path.join(CORPUS, name), 'rb').read()
        if not data:
            continue
        tokens = []
        for i in range(1, len(data) - 1, 2):
            kind, value = data[i] % 16, data[i + 1]
            if kind < 10:
                key = FUZZ_KEYS[value % len(FUZZ_KEYS)]
                tokens.append(('shift+' if kind == 8 else 'ctrl+' if kind == 9 else '') + key)
            elif kind == 10:
                if value:
                    tokens.append('vk:%d' % value)
            elif kind == 11:
                tokens.append('focus:%d' % (value % 14))
            elif kind == 12:
                tokens.append('button:%d' % (value % 14))
            elif kind == 13:
                tokens.append('background' if value % 5 == 4 else 'flag:%d' % (value % 5 % 4))
            else:
                tokens.append('lang:%d' % (value % 6))
        yield 'corpus/' + name, CATEGORIES[data[0] % len(CATEGORIES)], [], tokens


def storm_scripts(count):
    rnd = random.Random(20261209)
    for n in range(count):
        category = CATEGORIES[n % len(CATEGORIES)]
        options = []
        if rnd.random() < 0.5:
            options = ['--lang', rnd.choice(['tr', 'en', 'de', 'fr', '4', '7'])]
        tokens = []
        for _ in range(rnd.randint(1, 60)):
            r = rnd.random()
            if r < 0.78:
                tokens.append(rnd.choice(STORM_KEYS))
            elif r < 0.86:
                tokens.append('focus:%d' % rnd.randrange(14))
            elif r < 0.92:
                tokens.append('button:%d' % rnd.randrange(14))
            elif r < 0.96:
                tokens.append(rnd.choice(['flag:0', 'flag:1', 'flag:2', 'flag:3', 'background']))
            else:
                tokens.append('lang:' + rnd.choice(['tr', 'en', 'de', 'fr', '4', '5']))
        # A few digits at the end show where the focus is.
        tokens += ['7', 'decimal', '5']
        yield 'storm/%04d' % n, category, options, tokens


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    cli, record = sys.argv[1], sys.argv[2]
    update = '--update' in sys.argv[3:]
    scripts = list(corpus_scripts()) + list(storm_scripts(3000))

    def run(script):
        name, category, options, tokens = script
        p = subprocess.run([cli, 'replay', '--captions'] + options + [category] + tokens,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        digest = hashlib.sha256(b'%d\n' % p.returncode + p.stdout + b'\0' + p.stderr)
        return '%s %s' % (name, digest.hexdigest()[:16])

    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 1) as pool:
        lines = list(pool.map(run, scripts))
    text = '\n'.join(lines) + '\n'
    if update:
        open(record, 'w').write(text)
        print('page_record: %d scripts recorded' % len(lines))
        return
    expected = open(record).read().splitlines()
    if expected == lines:
        print('page_record: %d scripts as recorded' % len(lines))
        return
    differ = [a for a, b in zip(expected, lines) if a != b]
    for line in differ[:20]:
        print('differs: ' + line.split()[0])
    if len(expected) != len(lines):
        print('page_record: %d scripts recorded, %d now' % (len(expected), len(lines)))
    sys.exit('page_record: %d of %d scripts show something else' % (len(differ), len(lines)))


if __name__ == '__main__':
    main()
