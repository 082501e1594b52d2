#!/usr/bin/env python3
"""Puts one small fault at a time into the portable core and counts the faults the native
suite catches. Usage: make mutants [MUTANTS=300 SEED=1] [MUTANT_PATHS="finder/ cleaner/"],
or tools/mutants/mutants.py --compare BEFORE.tsv AFTER.tsv, or --catchers REPORT.tsv (which
faults each test catches, and which it alone).

Each worker mutates its own copy of the tree under build/mutants/, never the checkout, and
puts every file back after each fault, also when interrupted."""
import argparse, os, random, re, shutil, signal, subprocess, sys, threading, time
from concurrent.futures import ThreadPoolExecutor

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
CORE = ("app/", "cleaner/", "controls/", "cookies/", "filetypes/", "finder/")
OUT = os.path.join(ROOT, "build", "mutants")

# (name, pattern, replacement); patterns run over a line with comments and literals blanked.
SWAPS = [("==", r" == ", " != "), ("!=", r" != ", " == "),
         ("<", r" < ", " <= "), ("<=", r" <= ", " < "),
         (">", r" > ", " >= "), (">=", r" >= ", " > "),
         ("&&", r" && ", " || "), ("||", r" \|\| ", " && "),
         ("+1", r"(?<=[\w)\]]) \+ 1\b", " - 1"), ("-1", r"(?<=[\w)\]]) - 1\b", " + 1"),
         ("true", r"\btrue\b", "false"), ("false", r"\bfalse\b", "true")]
DECLARATION = re.compile(r"^\s*(?:[\w:]+(?:<[^;]*>)?[\s\*&]+)+[\*&]?\w+\s*(?:=|\{|;|\(|\[)")
NOT_STATEMENT = re.compile(r"^\s*(?:if|else|for|while|switch|case|default|return|break|continue"
                           r"|do|try|catch|public|private|protected|namespace|using|template"
                           r"|friend|typedef|static_assert|[}{)#])\b")


def core_files(paths):
    listed = subprocess.run(["git", "ls-files", "--", "*.cpp", "*.h"], cwd=ROOT, check=True,
                            capture_output=True, text=True).stdout.split()
    for f in listed:
        core = f.startswith(CORE) or (f.startswith("platform/") and f.count("/") == 1)
        if core and (not paths or f.startswith(tuple(paths))):
            yield f


def blank(lines):
    """Each line with comments, string and character literals replaced by spaces."""
    out, in_block = [], False
    for line in lines:
        chars, i = list(line), 0
        while i < len(chars):
            if in_block:
                if line.startswith("*/", i):
                    chars[i:i + 2] = "  "
                    in_block, i = False, i + 2
                    continue
                chars[i] = " "
            elif line.startswith("/*", i):
                in_block = True
                continue
            elif line.startswith("//", i):
                chars[i:] = " " * (len(chars) - i)
                break
            elif chars[i] in "\"'":
                quote, j = chars[i], i + 1
                while j < len(chars) and chars[j] != quote:
                    j += 2 if chars[j] == "\\" else 1
                for k in range(i + 1, min(j, len(chars))):
                    chars[k] = " "
                i = j
            i += 1
        out.append("".join(chars))
    return out


def balanced(text):
    return all(text.count(a) == text.count(b) for a, b in ("()", "[]", "{}"))


def closing_paren(text, start):
    depth = 0
    for i in range(start, len(text)):
        depth += {"(": 1, ")": -1}.get(text[i], 0)
        if depth == 0:
            return i
    return -1


def mutants_of(path):
    lines = open(os.path.join(ROOT, path), encoding="utf-8").read().split("\n")
    masked = blank(lines)
    previous = ""
    for n, (line, code) in enumerate(zip(lines, masked)):
        stripped = code.strip()
        if not stripped or stripped.startswith("#"):
            continue
        for name, pattern, repl in SWAPS:
            for m in re.finditer(pattern, code):
                yield (path, n, name, line[:m.start()] + repl + line[m.end():])
        for m in re.finditer(r"\b(?:if|while) \(", code):
            end = closing_paren(code, m.end() - 1)
            if end > 0:
                yield (path, n, "negate",
                       line[:m.end()] + "!(" + line[m.end():end] + ")" + line[end:])
        statement_start = previous.endswith((";", "{", "}", ":")) or previous == ""
        if (statement_start and stripped.endswith(";") and balanced(stripped)
                and not NOT_STATEMENT.match(code) and not DECLARATION.match(code)):
            yield (path, n, "delete", " " * (len(line) - len(line.lstrip())) + ";")
        if previous.endswith("{") and re.match(r"^\S.*\)( const)?( override)? \{$", previous):
            yield (path, n, "return", line[:len(line) - len(line.lstrip())] + "return; " +
                   line.lstrip())
        previous = stripped


class Worker:
    """A copy of the tree and its own build folder, so that workers never meet."""

    def __init__(self, index, generator):
        self.src = os.path.join(OUT, f"worker-{index}", "src")
        self.build = os.path.join(OUT, f"worker-{index}", "build")
        self.touched = {}
        files = set(filter(None, subprocess.run(
            ["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT, check=True,
            capture_output=True, text=True).stdout.split("\n")))
        for folder, _, names in os.walk(self.src):
            for name in names:
                full = os.path.join(folder, name)
                if os.path.relpath(full, self.src) not in files:
                    os.remove(full)
        for f in files:
            src, dst = os.path.join(ROOT, f), os.path.join(self.src, f)
            if os.path.isfile(src) and not (os.path.exists(dst) and
                                            open(src, "rb").read() == open(dst, "rb").read()):
                os.makedirs(os.path.dirname(dst), exist_ok=True)
                shutil.copy2(src, dst)
        if not os.path.exists(os.path.join(self.build, "CMakeCache.txt")):
            subprocess.run(["cmake", "-S", self.src, "-B", self.build, *generator,
                            "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g0"],
                           check=True, capture_output=True)

    def compile(self):
        run = subprocess.run(["cmake", "--build", self.build, "--target", "native_tests"],
                             capture_output=True)
        return run.returncode == 0

    def test(self, limit):
        """Whether the suite passed, and the tests that failed ("(crash)" or "(time-out)" when
        the suite did not finish and tell)."""
        try:
            run = subprocess.run([os.path.join(self.build, "native_tests"), "--gtest_brief=1"],
                                 capture_output=True, timeout=limit, cwd=self.build)
        except subprocess.TimeoutExpired:
            return False, ["(time-out)"]
        if run.returncode == 0:
            return True, []
        failed = sorted(set(re.findall(r"^\[  FAILED  \] (\S+\.\S+)",
                                       run.stdout.decode(errors="replace"), re.M)))
        return False, failed or ["(crash)"]

    def apply(self, path, number, text):
        full = os.path.join(self.src, path)
        original = self.touched.setdefault(full, open(full, encoding="utf-8").read())
        lines = original.split("\n")
        lines[number] = text
        open(full, "w", encoding="utf-8").write("\n".join(lines))

    def restore(self):
        for full, original in self.touched.items():
            open(full, "w", encoding="utf-8").write(original)
        self.touched.clear()


def compare(before, after):
    def caught(file):
        return {tuple(r[:4]) for r in (l.rstrip("\n").split("\t") for l in open(file))
                if r[-1] == "caught"}
    lost = sorted(caught(before) - caught(after))
    for key in lost:
        print("no longer caught: %s:%s %s -> %s" % key)
    print(f"{len(lost)} faults caught before and not after")
    return 1 if lost else 0


def catchers(report):
    """Per test: the faults it caught, and those no other test caught. A test that is never the
    only one to catch a fault is the first to look at when the tests are folded."""
    rows = [l.rstrip("\n").split("\t") for l in open(report)]
    rows = [r for r in rows if len(r) == 7 and r[-1] == "caught"]
    every, alone = {}, {}
    for r in rows:
        tests = r[5].split()
        for t in tests:
            every[t] = every.get(t, 0) + 1
            if len(tests) == 1:
                alone[t] = alone.get(t, 0) + 1
    for t in sorted(every, key=lambda t: (alone.get(t, 0), every[t])):
        print(f"{alone.get(t, 0):4} alone {every[t]:4} in all  {t}")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--compare", nargs=2, metavar=("BEFORE", "AFTER"))
    parser.add_argument("--catchers", metavar="REPORT")
    args = parser.parse_args()
    if args.compare:
        return compare(*args.compare)
    if args.catchers:
        return catchers(args.catchers)
    paths = os.environ.get("MUTANT_PATHS", "").split()
    every = [m for f in core_files(paths) for m in mutants_of(f)]
    chosen = every
    if os.environ.get("MUTANTS"):
        chosen = random.Random(int(os.environ.get("SEED", "1"))).sample(
            every, min(len(every), int(os.environ["MUTANTS"])))
    chosen.sort(key=lambda m: (m[0], m[1]))
    jobs = int(os.environ.get("JOBS") or os.cpu_count() or 1)
    generator = ["-G", "Ninja"] if shutil.which("ninja") else []
    if shutil.which("ld.lld"):  # links the suite in a fraction of the default linker's time
        generator.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld")
    os.makedirs(OUT, exist_ok=True)
    workers = [Worker(i, generator) for i in range(jobs)]
    for w in workers:
        if not w.compile():
            sys.exit("the unmutated tree does not build")
    started = time.monotonic()
    if not workers[0].test(600)[0]:
        sys.exit("the native suite fails without any fault")
    limit = max(10.0, 10 * (time.monotonic() - started))

    stop = threading.Event()
    signal.signal(signal.SIGINT, lambda *_: stop.set())
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    # Files in order, a worker takes a whole file at a time so that its mutants share builds.
    by_file = {}
    for m in chosen:
        by_file.setdefault(m[0], []).append(m)
    queue, lock, results = list(by_file.values()), threading.Lock(), []
    print(f"{len(chosen)} faults of {len(every)} in {len(by_file)} files, {jobs} workers",
          flush=True)

    def run(worker):
        while not stop.is_set():
            with lock:
                if not queue:
                    return
                batch = queue.pop(0)
            for path, number, name, text in batch:
                if stop.is_set():
                    break
                original = open(os.path.join(ROOT, path), encoding="utf-8").read().split(
                    "\n")[number]
                failed = []
                try:
                    worker.apply(path, number, text)
                    if not worker.compile():
                        verdict = "uncompiled"
                    else:
                        passed, failed = worker.test(limit)
                        verdict = "survived" if passed else "caught"
                finally:
                    worker.restore()
                with lock:
                    results.append((path, str(number + 1), original.strip(), text.strip(),
                                    name, " ".join(failed), verdict))
                    if verdict == "survived":
                        print(f"{path}:{number + 1}: {original.strip()} -> {text.strip()}",
                              flush=True)
                    if len(results) % 100 == 0:
                        print(f"[{len(results)} of {len(chosen)} tried]", file=sys.stderr,
                              flush=True)

    with ThreadPoolExecutor(len(workers)) as pool:
        list(pool.map(run, workers))
    for w in workers:
        w.restore()
    results.sort(key=lambda r: (r[0], int(r[1]), r[3]))
    report = os.path.join(OUT, "last.tsv")
    with open(report, "w") as out:
        out.writelines("\t".join(r) + "\n" for r in results)
    counted = [r for r in results if r[-1] != "uncompiled"]
    caught = sum(r[-1] == "caught" for r in counted)
    score = 100.0 * caught / len(counted) if counted else 0.0
    print(f"\nscore: {caught} of {len(counted)} faults caught ({score:.1f}%); "
          f"{len(results) - len(counted)} did not compile; "
          f"{'interrupted; ' if stop.is_set() else ''}every result in {report}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
