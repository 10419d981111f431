#!/usr/bin/env python3
"""Plants simple faults one at a time in the portable sources and lists those the native tests miss.

Called by scripts/mutate.sh, which says how to use it. The sources are copied into a tree of their own
(build/mutate/src) and built there (build/mutate/build), one copy a worker, so the working tree and
build/native are never touched; each mutant is written over its file in its worker's copy and the file is
put back before the next one, also when the run is stopped."""

import argparse
import functools
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import threading
import time

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(TOP, "build", "mutate")
IGNORE = os.path.join(TOP, "tests", "mutation-ignore.txt")
PORTABLE = ["app", "effects", "playback", "images", "generators", "tones", "platform", "resources/skin"]
# Tests that take seconds run after the rest, so that most mutants are caught quickly.
SLOW = "CrossThread*:WavRenderTest.*"

COMPARISONS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*", "%": "*", "+=": "-=", "-=": "+=", "&&": "||",
              "||": "&&", "<<": ">>", ">>": "<<", "&": "|", "|": "&"}
# A binary operator as clang-format writes it: a space either side.
BINARY = re.compile(r"(?<= )(<=|>=|==|!=|\+=|-=|&&|\|\||<<|>>|[<>+\-*/%&|])(?= )")
NUMBER = re.compile(r"(?<![\w.'])(0x[0-9A-Fa-f]+|\d+)(u|U|ull|ULL|ll|LL|l|L|u8)?(?![\w.'])")
INCREMENT = re.compile(r"(\+\+|--)")
BOOLEAN = re.compile(r"\b(true|false)\b")
NOT = re.compile(r"(?<=[(\s])!(?=[\w(])")
IF = re.compile(r"\b(if|while) \(")
ENUM = re.compile(r"enum\s+class\s+(\w+)(?:\s*:\s*[\w:]+)?\s*\{([^}]*)\}", re.S)
STATEMENT_START = re.compile(r"^\s*[A-Za-z_][\w:.\->\[\]()]*\s*(\(|=|\+=|-=|\.|->|\+\+|--|<<|\[)")
DECLARATION = re.compile(r"^\s*(const\s+)?(auto|int|bool|size_t|uint\w*|int\w*|double|float|char|std::|unsigned)\b")


def sources(paths):
    found = []
    for path in paths:
        full = os.path.join(TOP, path)
        if os.path.isfile(full):
            found.append(path)
            continue
        for name in sorted(os.listdir(full)):
            if name.endswith((".cpp", ".h")) and os.path.isfile(os.path.join(full, name)):
                if not name.startswith(("ToneLists", "ShiftJisTable")):  # generated tables: a changed entry is a data change
                    found.append(os.path.join(path, name))
    return found


def code_of(line):
    """The line with string and character literals blanked and any // comment cut, so that operators
    and numbers inside them are not taken for code."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("__")
                i += 2
                continue
            out.append(c if c == quote else "_")
            if c == quote:
                quote = None
        elif c in "\"'":
            if c == "'" and i > 0 and line[i - 1].isalnum():  # a digit separator
                out.append(c)
            else:
                quote = c
                out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def enums():
    """Each enum class's enumerators in order, read from every portable header."""
    table = {}
    for path in sources(PORTABLE):
        text = open(os.path.join(TOP, path), encoding="utf-8").read()
        for name, body in ENUM.findall(text):
            body = re.sub(r"//[^\n]*", "", body)
            names = [part.split("=")[0].strip() for part in body.split(",")]
            table[name] = [n for n in names if n]
    return table


def paren_end(code, start):
    depth = 0
    for i in range(start, len(code)):
        if code[i] == "(":
            depth += 1
        elif code[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def line_mutants(line, code, previous, enum_table):
    """(new line, kind) for every simple fault this line can take."""
    stripped = code.strip()
    if not stripped or stripped.startswith(("#", "static_assert", "template", "*", "/*")):
        return
    if "operator" in code:
        return
    for m in BINARY.finditer(code):
        op = m.group(1)
        if op in ("<", ">") and re.search(r"\w<|>\w|<\w", code[max(0, m.start() - 2):m.end() + 2]):
            continue
        if op in ("&&", "||") and len(re.findall(r"&&|\|\|", code)) > 1:
            continue  # "a || b && c" does not build with -Werror=parentheses
        new = COMPARISONS.get(op) or ARITHMETIC.get(op)
        if new:
            yield line[:m.start()] + new + line[m.end():], "operator"
    for m in NUMBER.finditer(code):
        literal = m.group(1)
        if re.search(r"\[\s*$", code[:m.start()]) and DECLARATION.match(code):
            continue  # an array's size: the change would not compile or would only waste a slot
        value = int(literal, 16) if literal.startswith("0x") else int(literal)
        text = hex(value + 1) if literal.startswith("0x") else str(value + 1)
        yield line[:m.start()] + text + line[m.start() + len(literal):], "constant"
    for m in INCREMENT.finditer(code):
        yield line[:m.start()] + ("--" if m.group(1) == "++" else "++") + line[m.end():], "operator"
    for m in BOOLEAN.finditer(code):
        yield line[:m.start()] + ("false" if m.group(1) == "true" else "true") + line[m.end():], "boolean"
    for m in NOT.finditer(code):
        yield line[:m.start()] + line[m.end():], "boolean"
    for m in IF.finditer(code):
        end = paren_end(code, m.end() - 1)
        if end > 0:
            yield line[:m.end()] + "!(" + line[m.end():end] + ")" + line[end:], "boolean"
    if "case " not in code:
        for m in re.finditer(r"\b(\w+)::(\w+)\b", code):
            values = enum_table.get(m.group(1))
            if values and m.group(2) in values:
                index = values.index(m.group(2))
                neighbour = values[index + 1] if index + 1 < len(values) else values[index - 1] if index else None
                if neighbour:
                    yield line[:m.start(2)] + neighbour + line[m.end(2):], "enum"
    prev = previous.rstrip()
    if (stripped.endswith(";") and STATEMENT_START.match(code) and not DECLARATION.match(code)
            and (not prev or prev.endswith((";", "{", "}", ":"))) and not stripped.startswith(("return", "using"))):
        indent = line[:len(line) - len(line.lstrip())]
        yield indent + ";  // dropped\n", "statement"


def sites(files, enum_table):
    found = []
    for path in files:
        lines = open(os.path.join(TOP, path), encoding="utf-8").readlines()
        in_block = False
        previous = ""
        for number, line in enumerate(lines, 1):
            code = code_of(line)
            if in_block:
                if "*/" in code:
                    in_block = False
                previous = line
                continue
            if "/*" in code and "*/" not in code:
                in_block = True
                continue
            seen = set()
            for new, kind in line_mutants(line, code, previous, enum_table):
                if new != line and new not in seen:
                    seen.add(new)
                    found.append((path, number, line, new, kind))
            if code.strip():
                previous = code
    return found


def key(site):
    path, _, old, new, _ = site
    return "%s: %s => %s" % (path, old.strip(), new.strip())


def ignored():
    table = set()
    if os.path.exists(IGNORE):
        for line in open(IGNORE, encoding="utf-8"):
            if line.strip() and not line.startswith("#"):
                table.add(line.split("  ## ")[0].strip())
    return table


class Workspace:
    """One worker's copy of the sources and its build tree. Worker 0 uses build/mutate/src and
    build/mutate/build; each further worker a tree of its own beside them, so that two mutants never share a
    file. The compiler cache, told each copy's top folder, serves all of them from one set of objects."""

    def __init__(self, index):
        self.work = os.path.join(WORK, "w%d" % index) if index else WORK
        self.mirror = os.path.join(self.work, "src")
        self.tree = os.path.join(self.work, "build")

    def sync(self):
        """The tracked and new files of the working tree, copied into this copy; a mutant left behind by a
        run that was stopped is put right here too."""
        listed = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard", "-z"],
                                cwd=TOP, check=True, capture_output=True).stdout.decode().split("\0")
        kept = set()
        for path in filter(None, listed):
            source, target = os.path.join(TOP, path), os.path.join(self.mirror, path)
            if not os.path.isfile(source):
                continue
            kept.add(os.path.normpath(target))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            if not os.path.exists(target) or open(source, "rb").read() != open(target, "rb").read():
                shutil.copy2(source, target)
                os.utime(target)  # newer than any object built from an earlier copy
        # A file deleted or renamed since the last run goes from the copy too: the build's globs would still
        # find it, and a test moved to another file would be defined twice.
        for folder, _, names in os.walk(self.mirror):
            for name in names:
                if os.path.normpath(os.path.join(folder, name)) not in kept:
                    os.remove(os.path.join(folder, name))

    def run(self, command, timeout=None, **kw):
        env = dict(os.environ, CCACHE_BASEDIR=self.mirror)
        # In a session of its own, so that a timeout or a stop ends everything the command started: a mutant
        # can make the skin generator, which the build runs, loop for ever.
        kw.setdefault("stdout", subprocess.DEVNULL)
        process = subprocess.Popen(command, env=env, stderr=subprocess.DEVNULL, start_new_session=True, **kw)
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return "timeout"
        finally:
            # The whole session, not just the command's group: ninja starts each step in a group of its own.
            for entry in os.listdir("/proc"):
                try:
                    if entry.isdigit() and int(entry) != process.pid and os.getsid(int(entry)) == process.pid:
                        os.kill(int(entry), signal.SIGKILL)
                except OSError:
                    pass  # gone meanwhile
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def configure(self):
        return self.run(["cmake", "-S", self.mirror, "-B", self.tree, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                         # -O1: a mutant builds in half the time, and the tests need no more speed than that.
                         # The library's checked subscripts stop a mutant whose only harm is a read past an
                         # array's end (a guard loosened by one), which would otherwise pass unseen until the
                         # sanitizer run.
                         "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG -D_GLIBCXX_ASSERTIONS",
                         "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]) == 0

    def build(self, path, timeout):
        targets = [os.path.basename(binary) for binary in suites(path)]
        return self.run(["cmake", "--build", self.tree, "--target"] + targets, timeout * 5) == 0

    def failing_tests(self, path, timeout):
        """The names of the tests that fail on the mutant, the whole suite run without stopping at the first;
        a run that crashed or hung names the test it was in."""
        return [name for binary in suites(path) for name in self.failing_tests_of(binary, timeout)]

    def failing_tests_of(self, binary, timeout):
        report, log = os.path.join(self.work, "kills.json"), os.path.join(self.work, "kills.log")
        if os.path.exists(report):
            os.remove(report)
        with open(log, "w") as out:
            outcome = self.run([os.path.join(self.tree, binary), "--gtest_output=json:" + report], timeout,
                               stdout=out)
        if outcome == 0:
            return []
        if not os.path.exists(report):
            started = [line.split("]", 1)[1].strip() for line in open(log, errors="replace")
                       if line.startswith("[ RUN")]
            return [(started[-1] if started else "(before any test)") + " (%s)" % outcome]
        results = json.load(open(report, encoding="utf-8"))
        return ["%s.%s" % (group["name"], test["name"]) for group in results["testsuites"]
                for test in group["testsuite"] if test.get("failures")] or ["(the suite failed: %s)" % outcome]

    def tests_fail(self, path, test_filter, timeout):
        return any(self.suite_fails(binary, path, test_filter, timeout) for binary in suites(path))

    def suite_fails(self, binary, path, test_filter, timeout):
        command = [os.path.join(self.tree, binary), "--gtest_fail_fast", "--gtest_brief=1"]
        if binary != "velmira_tests":
            return self.run(command, timeout) != 0
        if test_filter:
            return self.run(command + ["--gtest_filter=" + test_filter], timeout) != 0
        # The tests of the mutated file's own folder first: they catch most of its mutants, in a fraction of
        # the whole suite's time.
        own = ":".join(own_tests(path))
        phases = ([own + "-" + SLOW, "-" + own + ":" + SLOW] if own else ["-" + SLOW]) + [SLOW]
        return any(self.run(command + ["--gtest_filter=" + phase], timeout) != 0 for phase in phases)

    def plant(self, site, args):
        """Writes the mutant into this copy, builds and tests it, and puts the file back: the outcome and, with
        --kills, the tests that caught it."""
        path, number, old, new, _ = site
        target = os.path.join(self.mirror, path)
        original = open(target, encoding="utf-8").readlines()
        if original[number - 1] != old:
            return "changed since the sites were listed", []
        mutated = original[:]
        mutated[number - 1] = new
        open(target, "w", encoding="utf-8").writelines(mutated)
        try:
            if not self.build(path, args.timeout):
                return "does not build", []
            if args.kills:
                names = self.failing_tests(path, args.timeout)
                return ("caught" if names else "SURVIVED"), names
            return ("caught" if self.tests_fail(path, args.filter, args.timeout) else "SURVIVED"), []
        finally:
            open(target, "w", encoding="utf-8").writelines(original)
            os.utime(target)


SKIN = "resources/skin/"


def suites(path):
    """The test programs that see a file: the skin generator's art is checked by the skin's own tests, which
    draw the skin as the build does, and so are the program's files the generator is built from."""
    return ([] if path.startswith(SKIN) else ["velmira_tests"]) + \
        (["resources/velmira_skin_tests"] if path in skin_generator_files() else [])


@functools.lru_cache(maxsize=None)
def skin_generator_files():
    """The generator's own files, the headers they include (and those include in turn), and each such
    header's source file where the generator's build names it."""
    build = open(os.path.join(TOP, SKIN, "CMakeLists.txt"), encoding="utf-8").read()
    pending = [SKIN + name for name in os.listdir(os.path.join(TOP, SKIN)) if name.endswith((".cpp", ".h"))]
    files = set()
    while pending:
        path = pending.pop()
        if path in files or not os.path.exists(os.path.join(TOP, path)):
            continue
        files.add(path)
        text = open(os.path.join(TOP, path), encoding="utf-8").read()
        pending += re.findall(r'^#include "([^"]+)"', text, re.M)
        source = path[:-2] + ".cpp"
        if path.endswith(".h") and not path.startswith(SKIN) and "/" + source in build:
            pending.append(source)
    return files


def own_tests(path):
    """gtest filter patterns for the tests kept in the tests folder that mirrors the file's own."""
    folder = os.path.join(TOP, "tests", os.path.dirname(path))
    names = set()
    if os.path.isdir(folder):
        for name in os.listdir(folder):
            if name.endswith((".cpp", ".h")):
                text = open(os.path.join(folder, name), encoding="utf-8").read()
                names.update(re.findall(r"^TEST(?:_F|_P)?\((\w+),", text, re.M))
    # "*" before the name: a parameterised suite's tests are named after their instantiation.
    return sorted("*%s.*" % name for name in names)


def kills_report(kills):
    """For each test, the mutants it caught alone, over every run recorded in the file: a test that never
    catches a mutant alone guards nothing the others do not, and is the first to look at when the suite must
    shrink."""
    alone, caught, tests = {}, 0, set()
    for line in open(kills, encoding="utf-8"):
        site, _, names = line.rstrip("\n").partition("\t")
        names = names.split("\t") if names else []
        tests.update(names)
        caught += bool(names)
        if len(names) == 1:
            alone.setdefault(names[0], []).append(site)
    print("\n%d mutants in %s, %d caught; caught alone by:" % (sum(1 for _ in open(kills)), kills, caught))
    for name, found in sorted(alone.items(), key=lambda item: -len(item[1])):
        print("%4d %s" % (len(found), name))
    print("caught none alone: " + (" ".join(sorted(tests - set(alone))) or "-"))


def stop(signum, frame):
    raise KeyboardInterrupt


def main():
    # Ctrl+C, or a kill, lets each worker put its mutated file back before the runner ends; also when it was
    # started in the background, where SIGINT comes ignored.
    signal.signal(signal.SIGINT, stop)
    signal.signal(signal.SIGTERM, stop)
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("paths", nargs="*", help="folders or files (default: every portable folder)")
    parser.add_argument("--every", type=int, default=1, help="sample: one site in N, chosen by the seed")
    parser.add_argument("--seed", type=int, default=None, help="the sample's seed (printed when chosen)")
    parser.add_argument("--filter", default="", help="a gtest filter instead of the whole suite")
    parser.add_argument("--list", action="store_true", help="list the sites and plant nothing")
    parser.add_argument("--sources-only", action="store_true",
                        help="leave out the headers, whose mutants rebuild much of the tree")
    parser.add_argument("--kills", metavar="FILE",
                        help="run every test on each mutant and add to FILE which tests caught it; print for "
                             "each test the mutants it alone caught, over all runs in FILE")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1,
                        help="mutants built and tested at once, each in a copy of its own (default: one a core)")
    parser.add_argument("--timeout", type=int, default=120, help="seconds before a test run counts as hung")
    args = parser.parse_args()

    files = sources(args.paths or PORTABLE)
    if args.sources_only:
        files = [f for f in files if f.endswith(".cpp")]
    chosen = sites(files, enums())
    if args.every > 1:  # sampled before the ignore list is applied, so that a seed keeps its sites
        seed = args.seed if args.seed is not None else random.randrange(1 << 16)
        print("sample: one in %d, seed %d" % (args.every, seed), flush=True)
        picked = set(random.Random(seed).sample(range(len(chosen)), (len(chosen) + args.every - 1) // args.every))
        chosen = [s for i, s in enumerate(chosen) if i in picked]
    skip = ignored()
    listed = [s for s in chosen if key(s) in skip]
    chosen = [s for s in chosen if key(s) not in skip]
    if args.list:
        for s in chosen:
            print("%s:%d: [%s] %s" % (s[0], s[1], s[4], key(s).split(": ", 1)[1]))
        return 0

    spaces = [Workspace(i) for i in range(max(1, args.jobs))]
    checked = {tuple(suites(s[0])): s[0] for s in chosen}.values()
    for space in spaces:  # one after the other: the first fills the compiler cache for the rest
        space.sync()
        if not space.configure() or not all(space.build(path, args.timeout) for path in checked):
            print("the unchanged sources do not build in %s" % space.tree, file=sys.stderr)
            return 2
    if any(spaces[0].tests_fail(path, args.filter, args.timeout) for path in checked):
        print("the tests fail on the unchanged sources", file=sys.stderr)
        return 2

    survivors, unbuilt, started = [], 0, time.time()
    print("%d sites (%d in the ignore list left out), %d at a time" % (len(chosen), len(listed), len(spaces)),
          flush=True)
    pending, lock, stopping = iter(enumerate(chosen, 1)), threading.Lock(), threading.Event()

    def work(space):
        nonlocal unbuilt
        while not stopping.is_set():
            with lock:
                count, site = next(pending, (None, None))
            if site is None:
                return
            outcome, names = space.plant(site, args)
            path, number = site[0], site[1]
            with lock:
                if outcome.startswith("changed"):
                    print("%s %s" % (path, outcome), file=sys.stderr)
                    stopping.set()
                    return
                if args.kills and outcome != "does not build":
                    with open(args.kills, "a", encoding="utf-8") as table:
                        line = ["%s:%d: %s" % (path, number, key(site).split(": ", 1)[1])] + names
                        table.write("\t".join(line) + "\n")
                unbuilt += outcome == "does not build"
                if outcome == "SURVIVED":
                    survivors.append(site)
                change = ": " + key(site).split(": ", 1)[1] if outcome == "SURVIVED" else ""
                print("[%d/%d] %s:%d: %s (%s)%s" % (count, len(chosen), path, number, outcome, site[4], change),
                      flush=True)

    workers = [threading.Thread(target=work, args=(space,)) for space in spaces]
    for worker in workers:
        worker.start()
    try:
        for worker in workers:
            while worker.is_alive():
                worker.join(0.5)
    except KeyboardInterrupt:
        # Each worker finishes the mutant it holds and puts its file back; the next run's copy would also
        # set right a file left mutated.
        stopping.set()
        for worker in workers:
            worker.join()
        raise
    if stopping.is_set():
        return 2
    survivors.sort(key=lambda s: (s[0], s[1]))

    print("\n%d sites, %d did not build, %d survived, in %d s" %
          (len(chosen), unbuilt, len(survivors), time.time() - started))
    for s in survivors:
        print("survivor %s:%d: %s" % (s[0], s[1], key(s).split(": ", 1)[1]))
    if args.kills and os.path.exists(args.kills):
        kills_report(args.kills)
    built = len(chosen) - unbuilt
    if built:
        print("survivors: %.1f %% of the %d mutants that built" % (100.0 * len(survivors) / built, built))
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
