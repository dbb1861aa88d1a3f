#!/usr/bin/env python3
"""A mutation sample of the engine and the game: COUNT random single-token mutants (a comparison,
sign, logical operator, increment, boolean or number changed) of engine/ and game/ sources, each
built and run against the tests that link them, to see how many faults the tests catch.
  tools/mutation-sample.py SRC BUILD COUNT SEED OUT
SRC is a copy of the tree (each mutant is written there and undone), BUILD its configured build
folder. The same COUNT and SEED give the same mutants while engine/ and game/ are unchanged, so a
sample can be run again after the tests change; ONLY=I,J,... runs only those of the sample.
Writes a line a mutant to OUT: "killed FILE LINE OLD NEW | FAILED TESTS", "survived ..." or
"stillborn ..." (it did not compile)."""

import os, random, re, subprocess, sys

if len(sys.argv) != 6:
    sys.exit('usage: tools/mutation-sample.py SRC BUILD COUNT SEED OUT')
src, build, count, seed, out = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5]
swaps = {'<': '<=', '<=': '<', '>': '>=', '>=': '>', '==': '!=', '!=': '==', '+': '-', '-': '+',
         '&&': '||', '||': '&&', 'true': 'false', 'false': 'true', '++': '--', '--': '++'}
token = re.compile(r'\b(true|false)\b|(\+\+|--|&&|\|\||<=|>=|==|!=)|(?<![<>=!&|+\-*/])([<>+\-])(?![<>=&|+\-])|\b(\d+)\b')
targets = ['engine_tests', 'game_tests', 'scenario_tests', 'session_tests', 'vorlen-monkey', 'vorlen-engine']
tests = ('^(Captures|Evaluate|Giveaway|Golden|Rules|Search|Squares|Tool|Uci|GameDrawing|PanelLayout|Clocks|'
         'FirstSession|Play|WholeGame)[.]|GoldenChoice|SearchLeavesThePosition|Sessions|^monkey$|^UciSelfPlay$')

def candidates():
    """Every mutable token outside comments, strings and preprocessor lines."""
    found = []
    for d in ('engine', 'game'):
        for name in sorted(os.listdir(os.path.join(src, d))):
            if not name.endswith('.cpp'):
                continue
            path = os.path.join(d, name)
            for n, line in enumerate(open(os.path.join(src, path)).read().split('\n')):
                code = line.split('//')[0]
                if code.lstrip().startswith(('#', '*', '/*')) or '"' in code or "'" in code:
                    continue
                for m in token.finditer(code):
                    old = m.group(0)
                    new = swaps.get(old, str(int(old) + 1) if old.isdigit() else None)
                    if new:
                        found.append((path, n, m.start(), old, new))
    return found

def run(cmd):
    """Runs a command in the build folder without its output; returns its exit status."""
    return subprocess.run(cmd, cwd=build, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode

rng = random.Random(seed)
sample = rng.sample(candidates(), count)
with open(out, 'w') as log:
    only = os.environ.get('ONLY')
    for index, (path, n, col, old, new) in enumerate(sample):
        if only is not None and str(index) not in only.split(','):
            continue
        full = os.path.join(src, path)
        text = open(full).read()
        lines = text.split('\n')
        lines[n] = lines[n][:col] + new + lines[n][col + len(old):]
        open(full, 'w').write('\n'.join(lines))
        killers = ''
        try:
            if run(['nice', '-n', '10', 'cmake', '--build', '.', '-j2', '--target'] + targets) != 0:
                verdict = 'stillborn'
            else:
                failed = run(['nice', '-n', '10', 'ctest', '-j2', '--timeout', '30', '-R', tests])
                verdict = 'killed' if failed else 'survived'
                if failed:
                    lines = open(os.path.join(build, 'Testing/Temporary/LastTestsFailed.log')).read().splitlines()
                    killers = ' '.join(l.split(':', 1)[1].split()[0] for l in lines if ':' in l)
        finally:
            open(full, 'w').write(text)
        log.write(f'{verdict} {path} {n + 1} {old} {new}' + (f' | {killers}' if verdict == 'killed' else '') + '\n')
        log.flush()
run(['nice', '-n', '10', 'cmake', '--build', '.', '-j2', '--target'] + targets)
