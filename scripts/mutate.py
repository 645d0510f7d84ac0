#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Mutation testing: do the tests notice when the code changes its behaviour?

Takes a seeded sample of small changes ("mutants") to the plain C++ layers (src/units,
src/page, src/cli and the profile, src/profile), builds each in a copy of
the tree with a build folder of its own, runs the test suite on it and sorts it:

  killed        a test failed, crashed or hung (over its time limit)
  survived      every test passed: either a gap in the tests, or a change that cannot
                alter what the program does (an "equivalent" mutant, judged by hand)
  not compiled  left out of the ratio

The working tree is never touched: the copy is build-mutate/src (refreshed from the
working tree, or from a commit, at each run), the build build-mutate/build, the report
build-mutate/mutate-seed<SEED>.txt with file:line, operator and diff of every mutant.

Settings, from the environment:
  MUTATE_SEED=N     the sample (default 1); the same seed and sources give the same mutants
  MUTATE_COUNT=N    mutants in the sample (default 60)
  MUTATE_ONLY=3,17  run only these mutants of the sample (numbers as in the report)
  MUTATE_LIST=1     print the sample without building anything
  MUTATE_REV=REV    mutate and test the files of commit REV instead of the working tree
  MUTATE_JOBS=N     build and test jobs (default 2)
  MUTATE_GUI=OFF    leave out the desktop program and its tests (faster, weaker)
  MUTATE_PATHS=src/page,src/units/number.cpp
                    sample only from these folders and files of the mutated ones
                    (default: all of them); the same seed and paths give the same mutants

Operators: relational and equality flips (< <=, > >=, == !=), arithmetic swaps
(+ -, * /, % *, += -=, *= /=, ++ --), && <-> ||, an integer literal moved by one or a
digit of a decimal literal changed, a call statement dropped, a boolean return flipped,
an if or while condition negated. Binary operators are told from templates and
pointers by the blanks around them, which the formatter guarantees.
"""

import difflib
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
WORK = os.path.join(ROOT, "build-mutate")
SCRATCH = os.path.join(WORK, "src")
BUILD = os.path.join(WORK, "build")

# What is mutated. write_completions.cpp is left out: it is built only on request, so
# no test could ever see a change in it.
SOURCE_DIRS = ["src/units", "src/page", "src/cli", "src/profile"]
EXTRA_SOURCES = []
NOT_BUILT = {"src/cli/write_completions.cpp"}

# The GoogleTest suites (label "fast") run first, the rest after them, so that most
# mutants die early.
STAGES = (("quick", ["-L", "fast"]), ("slow", ["-LE", "fast"]))


# ---------------------------------------------------------------------------------------
# A small C++ lexer: enough to find operators, literals, statements and conditions
# outside comments, strings and preprocessor lines.

class Token:
    __slots__ = ("kind", "text", "start", "end", "line")

    def __init__(self, kind, text, start, end, line):
        self.kind, self.text, self.start, self.end, self.line = kind, text, start, end, line

    def __repr__(self):
        return "%s:%r@%d" % (self.kind, self.text, self.line)


PUNCTUATORS = sorted(
    ["<<=", ">>=", "...", "->*", "<=>", "::", "->", "++", "--", "<<", ">>", "<=", ">=", "==",
     "!=", "&&", "||", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", ".*"],
    key=len, reverse=True)
RAW_STRING = re.compile(r'(?:u8|u|U|L)?R"([^(\s]*)\(')
STRING = re.compile(r'(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*"')
CHARACTER = re.compile(r"(?:u8|u|U|L)?'(?:\\.|[^'\\\n])+'")
NUMBER = re.compile(r"\.?[0-9](?:[eEpP][+-]|['\w.])*")
IDENTIFIER = re.compile(r"[A-Za-z_]\w*")

KEYWORDS = {
    "alignas", "alignof", "auto", "bool", "break", "case", "catch", "char", "char32_t",
    "class", "const", "constexpr", "consteval", "constinit", "continue", "decltype",
    "default", "delete", "do", "double", "else", "enum", "explicit", "extern", "false",
    "float", "for", "friend", "goto", "if", "inline", "int", "long", "mutable", "namespace",
    "new", "noexcept", "nullptr", "operator", "private", "protected", "public", "return",
    "short", "signed", "sizeof", "static", "static_assert", "static_cast", "struct",
    "switch", "template", "this", "throw", "true", "try", "typedef", "typename", "union",
    "unsigned", "using", "virtual", "void", "volatile", "while", "co_return", "co_await",
}


def lex(src):
    tokens = []
    i, n, line = 0, len(src), 1
    line_start = True
    while i < n:
        c = src[i]
        if c == "\n":
            line, i, line_start = line + 1, i + 1, True
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if c == "#" and line_start:  # a preprocessor line, with its continuations
            k = i
            while True:
                k = src.find("\n", k)
                if k == -1:
                    k = n
                    break
                if src[k - 1] != "\\":
                    break
                k += 1
            line += src.count("\n", i, k)
            i = k
            continue
        line_start = False
        if src.startswith("//", i):
            k = src.find("\n", i)
            i = n if k == -1 else k
            continue
        if src.startswith("/*", i):
            k = src.find("*/", i + 2) + 2
            line += src.count("\n", i, k)
            i = k
            continue
        m = RAW_STRING.match(src, i)
        if m:
            end = src.find(")" + m.group(1) + '"', m.end()) + len(m.group(1)) + 2
            tokens.append(Token("string", src[i:end], i, end, line))
            line += src.count("\n", i, end)
            i = end
            continue
        for kind, pattern in (("string", STRING), ("char", CHARACTER), ("number", NUMBER),
                              ("ident", IDENTIFIER)):
            m = pattern.match(src, i)
            if m:
                tokens.append(Token(kind, m.group(0), i, m.end(), line))
                i = m.end()
                break
        else:
            text = next((p for p in PUNCTUATORS if src.startswith(p, i)), c)
            tokens.append(Token("punct", text, i, i + len(text), line))
            i += len(text)
    return tokens


def matching(tokens):
    """Index of the partner of every bracket token."""
    pairs, stack = {}, []
    for k, t in enumerate(tokens):
        if t.kind != "punct":
            continue
        if t.text in "([{":
            stack.append(k)
        elif t.text in ")]}" and stack:
            o = stack.pop()
            pairs[o], pairs[k] = k, o
    return pairs


# ---------------------------------------------------------------------------------------
# Mutation sites. Each is (path, start, end, operator, [replacements]); one replacement
# is drawn for a sampled site.

RELATIONAL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*", "%": "*", "+=": "-=", "-=": "+=",
              "*=": "/=", "/=": "*="}
LOGICAL = {"&&": "||", "||": "&&"}
CONTROL = {"if", "while", "for", "switch", "catch"}


def binary(src, t):
    return t.start > 0 and src[t.start - 1] in " \t\n" and t.end < len(src) and src[t.end] in " \n"


def literal_variants(text):
    m = re.fullmatch(r"(0[xX][0-9a-fA-F]+|[0-9]+)([uUlL]*)", text)
    if m:
        digits = m.group(1)
        if digits[:2].lower() == "0x":
            value, write = int(digits, 16), lambda v: "0x%X" % v
        elif len(digits) > 1 and digits[0] == "0":
            value, write = int(digits, 8), lambda v: "0%o" % v
        else:
            value, write = int(digits), str
        return [write(v) + m.group(2) for v in (value + 1, value - 1) if v >= 0]
    m = re.fullmatch(r"([0-9]*\.?[0-9]*)([eE][+-]?[0-9]+)?([fFlL]?)", text)
    if m and re.search(r"[0-9]", m.group(1)):
        mantissa = m.group(1)
        k = max(i for i, ch in enumerate(mantissa) if ch.isdigit())
        d = int(mantissa[k])
        rest = (m.group(2) or "") + m.group(3)
        return [mantissa[:k] + str(v) + mantissa[k + 1:] + rest
                for v in (d + 1, d - 1) if 0 <= v <= 9]
    return []


def statement_start(tokens, pairs, semicolon):
    """First token of the statement that ends at `semicolon`, or None when it is not one
    that can simply be dropped."""
    j = semicolon - 1
    while j >= 0:
        t = tokens[j]
        if t.kind == "punct" and t.text in (";", "{", "}"):
            return j + 1
        if t.kind == "ident" and t.text in ("else", "do"):
            return j + 1
        if t.kind == "punct" and t.text == ":":
            # Only after a case label; a ternary's or an initialiser's colon is no start.
            k = j - 1
            while k >= 0 and not (tokens[k].kind == "punct" and tokens[k].text in (";", "{", "}", ":")):
                k -= 1
            return j + 1 if tokens[k + 1].text in ("case", "default") else None
        if t.kind == "punct" and t.text in (")", "]"):
            o = pairs.get(j)
            if o is None:
                return None
            if t.text == ")" and o > 0 and tokens[o - 1].text in CONTROL:
                return j + 1
            j = o - 1
            continue
        j -= 1
    return None


def is_call_statement(tokens, pairs, start, stop):
    """tokens[start:stop] is name(...)[.name(...)]... with nothing else."""
    if start >= stop:
        return False
    k = start
    first = tokens[k]
    if first.kind == "ident" and first.text in KEYWORDS:
        return False
    if not (first.kind == "ident" or first.text == "::"):
        return False
    calls = 0
    expect_name = first.text == "::"
    while k < stop:
        t = tokens[k]
        if expect_name:
            if t.kind != "ident" or t.text in KEYWORDS:
                return False
            expect_name = False
            k += 1
            continue
        if t.kind == "ident":
            if k != start:
                return False
            k += 1
            continue
        if t.text in ("::", ".", "->"):
            expect_name = True
            k += 1
            continue
        if t.text == "[":
            k = pairs.get(k, stop) + 1
            continue
        if t.text == "(":
            k = pairs.get(k, stop) + 1
            calls += 1
            if k < stop and tokens[k].text not in (".", "->"):
                return False
            continue
        return False
    return calls > 0 and tokens[stop - 1].text == ")"


def function_bodies(tokens, pairs):
    """For each '{' that opens a function or lambda body: whether it returns bool."""
    bodies = {}
    for k, t in enumerate(tokens):
        if t.text != "{" or t.kind != "punct":
            continue
        j = k - 1
        trailing = []
        while j >= 0 and tokens[j].text in ("const", "noexcept", "override", "final", "mutable"):
            j -= 1
        if j >= 1 and tokens[j - 1].text == "->":  # a trailing return type
            trailing = [tokens[j].text]
            j -= 2
            while j >= 0 and tokens[j].text in ("const", "noexcept", "mutable"):
                j -= 1
        if j < 0 or tokens[j].text != ")":
            continue
        o = pairs.get(j)
        if o is None or o == 0:
            continue
        before = tokens[o - 1]
        if before.text == "]":  # a lambda
            bodies[k] = trailing == ["bool"]
            continue
        if before.kind != "ident" or before.text in CONTROL or before.text in KEYWORDS:
            continue
        # A function: skip Class:: qualifiers back to the return type.
        q = o - 2
        while q >= 1 and tokens[q].text == "::" and tokens[q - 1].kind == "ident":
            q -= 2
        bodies[k] = q >= 0 and tokens[q].text == "bool"
    return bodies


def sites_in(path, src):
    tokens = lex(src)
    pairs = matching(tokens)
    bodies = function_bodies(tokens, pairs)
    parenthesised = in_parentheses(tokens)
    out = []
    # Stretches not to mutate: static_assert(...), whose change cannot reach a test.
    frozen = set()
    for k, t in enumerate(tokens):
        if t.text == "static_assert" and k + 1 < len(tokens) and k + 1 in pairs:
            frozen.update(range(k, pairs[k + 1] + 1))

    depth_stack = []  # for each open '{': is it a function body, and does it return bool
    for k, t in enumerate(tokens):
        if k in frozen:
            continue
        if t.kind == "punct" and t.text == "{":
            depth_stack.append(bodies.get(k))
        elif t.kind == "punct" and t.text == "}" and depth_stack:
            depth_stack.pop()

        if t.kind == "punct" and t.text in RELATIONAL and binary(src, t):
            out.append((path, t.start, t.end, "relational", [RELATIONAL[t.text]]))
        elif t.kind == "punct" and t.text in ("+", "-", "*", "/", "%") and binary(src, t):
            # Text joined to a string literal would only fail to compile.
            if "string" not in (tokens[k - 1].kind, tokens[k + 1].kind):
                out.append((path, t.start, t.end, "arithmetic", [ARITHMETIC[t.text]]))
        elif t.kind == "punct" and t.text in ("+=", "-=", "*=", "/=") and binary(src, t):
            if tokens[k + 1].kind not in ("string", "char"):
                out.append((path, t.start, t.end, "arithmetic", [ARITHMETIC[t.text]]))
        elif t.kind == "punct" and t.text in ("++", "--"):
            out.append((path, t.start, t.end, "arithmetic", ["--" if t.text == "++" else "++"]))
        elif t.kind == "punct" and t.text in LOGICAL and binary(src, t):
            out.append((path, t.start, t.end, "logical", [LOGICAL[t.text]]))
        elif t.kind == "number":
            variants = literal_variants(t.text)
            if variants:
                out.append((path, t.start, t.end, "literal", variants))
        elif t.kind == "punct" and t.text == ";" and not parenthesised[k]:
            start = statement_start(tokens, pairs, k)
            if start is not None and is_call_statement(tokens, pairs, start, k):
                out.append((path, tokens[start].start, t.end, "call dropped", ["{}"]))
        elif t.kind == "ident" and t.text == "return":
            stop = k + 1
            while stop < len(tokens) and not (tokens[stop].text == ";" and
                                               not parenthesised[stop]):
                stop = pairs.get(stop, stop) + 1 if tokens[stop].text in "([{" else stop + 1
            if stop >= len(tokens) or stop == k + 1:
                continue
            if stop == k + 2 and tokens[k + 1].text in ("true", "false"):
                flipped = "false" if tokens[k + 1].text == "true" else "true"
                out.append((path, tokens[k + 1].start, tokens[k + 1].end, "boolean return",
                            [flipped]))
            elif enclosing_returns_bool(depth_stack):
                a, b = tokens[k + 1].start, tokens[stop - 1].end
                out.append((path, a, b, "boolean return", ["!(" + src[a:b] + ")"]))
        elif t.kind == "ident" and t.text in ("if", "while") and k + 1 < len(tokens):
            if tokens[k + 1].text == "constexpr" or tokens[k + 1].text != "(":
                continue
            close = pairs.get(k + 1)
            if close is None or close == k + 2:
                continue
            negated = negated_condition(src, tokens, pairs, k + 1, close)
            if negated:
                a, b = tokens[k + 2].start, tokens[close - 1].end
                out.append((path, a, b, "condition negated", [negated]))
    return out


def in_parentheses(tokens):
    """For each token: whether its innermost bracket is ( or [ rather than a block."""
    out, stack = [], []
    for t in tokens:
        out.append(bool(stack) and stack[-1] in "([")
        if t.kind == "punct" and t.text in "([{":
            stack.append(t.text)
        elif t.kind == "punct" and t.text in ")]}" and stack:
            stack.pop()
    return out


def enclosing_returns_bool(stack):
    for entry in reversed(stack):
        if entry is not None:
            return entry
    return False


def negated_condition(src, tokens, pairs, open_, close):
    inner = src[tokens[open_ + 1].start:tokens[close - 1].end]
    # An init-statement: negate what follows it.
    j = open_ + 1
    while j < close:
        t = tokens[j]
        if t.text in ("(", "[", "{") and j in pairs:
            j = pairs[j] + 1
            continue
        if t.text == ";":
            head = src[tokens[open_ + 1].start:t.end]
            tail = src[tokens[j + 1].start:tokens[close - 1].end]
            return head + " !(" + tail + ")"
        j += 1
    # A declaration as the condition ("const auto x = ..."): test the name it declares.
    j = open_ + 1
    if tokens[j].text == "const":
        j += 1
    if tokens[j].kind == "ident":
        j += 1
        while tokens[j].text == "::" and tokens[j + 1].kind == "ident":
            j += 2
        if tokens[j].text in ("&", "*"):
            j += 1
        if tokens[j].kind == "ident" and tokens[j + 1].text in ("=", "{"):
            return inner + "; !" + tokens[j].text
    return "!(" + inner + ")"


class Tree:
    """The files mutated and tested: the working tree's (tracked or new, not ignored),
    or with MUTATE_REV those of a commit."""

    def __init__(self, revision):
        self.revision = revision
        if revision:
            names = git("ls-tree", "-r", "-z", "--name-only", revision)
        else:
            names = git("ls-files", "-z", "--cached", "--others", "--exclude-standard")
        self.names = sorted(filter(None, names.decode().split("\0")))
        self.cache = {}

    def read(self, rel):
        """The bytes of file `rel`, or None for what is no regular file."""
        if rel not in self.cache:
            if self.revision:
                data = git("show", "%s:%s" % (self.revision, rel))
            else:
                path = os.path.join(ROOT, rel)
                data = None
                if os.path.isfile(path) and not os.path.islink(path):
                    with open(path, "rb") as f:
                        data = f.read()
            self.cache[rel] = data
        return self.cache[rel]

    def executable(self, rel):
        if self.revision:
            mode = git("ls-tree", self.revision, "--", rel).split()[0]
            return mode == b"100755"
        return os.access(os.path.join(ROOT, rel), os.X_OK)


def git(*args):
    return subprocess.run(["git"] + list(args), cwd=ROOT, check=True,
                          stdout=subprocess.PIPE).stdout


def all_sites(tree, paths=()):
    files = [rel for d in SOURCE_DIRS for rel in tree.names
             if os.path.dirname(rel) == d and rel.endswith(".cpp") and rel not in NOT_BUILT]
    files += EXTRA_SOURCES
    if paths:
        files = [rel for rel in files if any(rel == p or rel.startswith(p + "/") for p in paths)]
        if not files:
            sys.exit("mutate: MUTATE_PATHS names no file that is mutated: " + ", ".join(paths))
    sites = []
    for rel in files:
        sites += sites_in(rel, tree.read(rel).decode("utf-8"))
    return sites


class Mutant:
    def __init__(self, number, site, replacement, tree):
        self.number = number
        self.path, self.start, self.end, self.operator, _ = site
        self.replacement = replacement
        self.original = tree.read(self.path).decode("utf-8")
        self.mutated = self.original[:self.start] + replacement + self.original[self.end:]
        self.line = self.original.count("\n", 0, self.start) + 1
        self.status = None
        self.detail = ""

    def diff(self):
        a, b = self.original.splitlines(), self.mutated.splitlines()
        lines = []
        for tag, i1, i2, j1, j2 in difflib.SequenceMatcher(None, a, b, autojunk=False).get_opcodes():
            if tag != "equal":
                lines += ["-" + x for x in a[i1:i2]] + ["+" + x for x in b[j1:j2]]
        return "\n".join(lines)

    def title(self):
        return "%s:%d  %s  %s -> %s" % (self.path, self.line, self.operator,
                                         short(self.original[self.start:self.end]),
                                         short(self.replacement))


def short(text):
    text = " ".join(text.split())
    return text if len(text) <= 60 else text[:57] + "..."


def sample(tree, seed, count, paths=()):
    sites = all_sites(tree, paths)
    rng = random.Random(seed)
    chosen = rng.sample(range(len(sites)), min(count, len(sites)))
    return [Mutant(n + 1, sites[i], rng.choice(sites[i][4]), tree)
            for n, i in enumerate(chosen)], len(sites)


# ---------------------------------------------------------------------------------------
# Building and testing in the copy.

def run(cmd, cwd, timeout=None, env=None):
    """Runs `cmd` in its own process group; returns (status, output, seconds). A command
    over its time limit is ended, group and all, with status None."""
    began = time.monotonic()
    p = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, start_new_session=True)
    try:
        out, _ = p.communicate(timeout=timeout)
        status = p.returncode
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        out, _ = p.communicate()
        status = None
    return status, out.decode("utf-8", "replace"), time.monotonic() - began


def sync_copy(tree):
    """The copy holds the tree's files; a file is rewritten only when it differs, so the
    build stays incremental."""
    for rel in tree.names:
        data = tree.read(rel)
        if data is None:
            continue
        target = os.path.join(SCRATCH, rel)
        if os.path.exists(target):
            with open(target, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)
        os.chmod(target, 0o755 if tree.executable(rel) else 0o644)


def write_copy(rel, text):
    with open(os.path.join(SCRATCH, rel), "w", encoding="utf-8") as f:
        f.write(text)


def configure(jobs, gui):
    status, out, _ = run(["cmake", "-S", SCRATCH, "-B", BUILD, "-DCMAKE_BUILD_TYPE=Debug",
                          "-DCMAKE_CXX_FLAGS_DEBUG=-O1", "-DTEVRIMO_WERROR=OFF",
                          "-DTEVRIMO_GUI=" + gui], ROOT)
    if status != 0:
        sys.exit("mutate: configuring the copy failed:\n" + out)


def build(jobs):
    return run(["cmake", "--build", BUILD, "-j%d" % jobs], ROOT)


def failed_tests(output):
    names = re.findall(r"^\s*\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted|"
                       r"Exception|Child aborted|[^)]*)\)", output, re.M)
    return names


def test(jobs, limits):
    """Runs the quick tests, then the slow ones, each stage stopping at the first failure.
    Returns (passed, what failed, seconds per stage)."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    seconds = []
    for stage, (name, selection) in enumerate(STAGES):
        cmd = ["ctest", "--stop-on-failure", "-j%d" % jobs, "--timeout", "300"] + selection
        status, out, took = run(cmd, BUILD, limits[stage] if limits else None, env)
        seconds.append(took)
        if status is None:
            return False, "time limit (%d s) of the %s tests" % (limits[stage], name), seconds
        if status != 0:
            names = failed_tests(out)
            return False, ", ".join(names[:3]) if names else "ctest exit %d" % status, seconds
    return True, "", seconds


def report(path, seed, count, total, mutants, started):
    done = [m for m in mutants if m.status]
    killed = sum(m.status == "killed" for m in done)
    survived = sum(m.status == "survived" for m in done)
    broken = sum(m.status == "not compiled" for m in done)
    judged = killed + survived
    lines = [
        "Mutation run, seed %d: %d of %d mutants run (sample of %d from %d sites), %s" % (
            seed, len(done), len(mutants), count, total, time.strftime("%Y-%m-%d %H:%M", started)),
        "killed %d, survived %d, not compiled %d; kill ratio %s" % (
            killed, survived, broken,
            "%.1f%% (%d of %d)" % (100.0 * killed / judged, killed, judged) if judged else "-"),
        "",
    ]
    for status in ("survived", "killed", "not compiled"):
        for m in done:
            if m.status != status:
                continue
            lines.append("#%d %s  %s%s" % (m.number, status, m.title(),
                                           "  [" + m.detail + "]" if m.detail else ""))
            lines += ["    " + x for x in m.diff().splitlines()]
            lines.append("")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    return lines[1]


def main():
    try:
        os.nice(19)  # other builds on the machine come first
    except OSError:
        pass
    seed = int(os.environ.get("MUTATE_SEED", "1"))
    count = int(os.environ.get("MUTATE_COUNT", "60"))
    jobs = int(os.environ.get("MUTATE_JOBS", "2"))
    gui = os.environ.get("MUTATE_GUI", "ON")
    only = {int(x) for x in os.environ.get("MUTATE_ONLY", "").replace(",", " ").split()}
    paths = [os.path.normpath(x) for x in os.environ.get("MUTATE_PATHS", "").replace(",", " ").split()]

    revision = os.environ.get("MUTATE_REV", "")
    tree = Tree(git("rev-parse", "--verify", revision + "^{commit}").decode().strip()
                if revision else None)
    mutants, total = sample(tree, seed, count, paths)
    if os.environ.get("MUTATE_LIST"):
        for m in mutants:
            print("#%d %s" % (m.number, m.title()))
            print("\n".join("    " + x for x in m.diff().splitlines()))
        return 0
    if only:
        mutants = [m for m in mutants if m.number in only]

    started = time.localtime()
    os.makedirs(SCRATCH, exist_ok=True)
    sync_copy(tree)
    configure(jobs, gui)
    print("mutate: building and testing the unchanged copy", flush=True)
    status, out, _ = build(jobs)
    if status != 0:
        sys.exit("mutate: the unchanged copy does not build:\n" + out[-3000:])
    passed, detail, seconds = test(jobs, None)
    if not passed:
        sys.exit("mutate: the unchanged copy fails its tests (%s); fix that first" % detail)
    # A mutant may take several times as long as the unchanged code, on a loaded machine.
    limits = [int(60 + 5 * s) for s in seconds]
    print("mutate: tests take %s s; limits %s s" % (
        " + ".join("%.0f" % s for s in seconds), " + ".join(map(str, limits))), flush=True)

    results = os.path.join(WORK, "mutate-seed%d%s.txt" % (seed, "-only" if only else ""))
    try:
        for m in mutants:
            write_copy(m.path, m.mutated)
            try:
                status, out, _ = build(jobs)
                if status != 0 and re.search(r": error: |undefined reference", out):
                    m.status = "not compiled"
                elif status != 0:  # compiled, but a test program failed to list its tests
                    m.status, m.detail = "killed", "test discovery failed"
                else:
                    passed, m.detail, _ = test(jobs, limits)
                    m.status = "survived" if passed else "killed"
            finally:
                write_copy(m.path, m.original)
            print("mutate: #%d %s: %s%s" % (m.number, m.status, m.title(),
                                             "  [" + m.detail + "]" if m.detail else ""), flush=True)
            report(results, seed, count, total, mutants, started)
    finally:
        sync_copy(tree)
    summary = report(results, seed, count, total, mutants, started)
    print("mutate: " + summary)
    print("mutate: report in " + os.path.relpath(results, ROOT))
    return 0


if __name__ == "__main__":
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # a listing piped into head ends quietly
    sys.exit(main())
