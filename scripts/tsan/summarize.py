#!/usr/bin/env python3
"""Sorts the ThreadSanitizer reports of a run.

Debian's Qt is built without ThreadSanitizer, so the hand-overs it makes under its own locks are
invisible to it. The preloaded shims of scripts/sanitize.sh show it the ones the program relies on:
the end of a QThread as QThread::wait or isFinished sees it (qthread_end.cpp), a posted event, queued
signal or call from its posting to its delivery and a pool task from its start to its run
(qt_handover.cpp); QWaitCondition's own unlock and re-lock of its mutex (ConditionWait) is shown in
our code. What is left to credit by reading is the release of implicitly shared data inside Qt: a
report whose two accesses are joined that way is listed as "through Qt" with its rule. A report with
one of our frames on top and no such hand-over is a fault to mend and fails the run; the rest have a
library frame on top and are counted.

Usage: summarize.py LOG_FOLDER SOURCE_ROOT
"""
import collections
import pathlib
import re
import sys


def reports(folder):
    for log in sorted(pathlib.Path(folder).glob("report.*")):
        text = log.read_text(errors="replace")
        for block in text.split("==================")[1:]:
            if "WARNING: ThreadSanitizer" in block:
                yield log.name, block


def top_frames(block):
    """The top frame of each access (the stacks under 'Read of', 'Previous write of', ...), passing
    over the sanitizer's own interceptors and code inlined from system headers (C++ library, Qt):
    that code runs as part of the frame that called it."""
    frames = []
    expect = False
    for line in block.splitlines():
        if re.match(r"^\s*(Previous )?(atomic )?(write|read|Write|Read|Atomic)\b", line):
            expect = True
            continue
        if not expect:
            continue
        stripped = line.strip()
        if not stripped.startswith("#"):
            expect = False
            continue
        location = stripped.split(" ")[-2] if stripped.endswith(")") else stripped.split(" ")[-1]
        if "libsanitizer" in line or "libtsan" in line or location.startswith("/usr/include/"):
            continue
        function = re.sub(r"^#\d+ ", "", stripped)
        frames.append((function.rsplit(" ", 2)[0], location))
        expect = False
    return frames


def accessor(section):
    """'main thread' or 'thread T12', from the first line of an access section."""
    found = re.search(r"by (main thread|thread T\d+)", section.splitlines()[0])
    return found.group(1) if found else None


def through_qt(block):
    """The rule by which a hand-over inside Qt the sanitizer cannot see orders the earlier access
    before the later one, or None."""
    sections = re.split(r"\n(?=  \S)", block)
    accesses = [st for st in sections if re.match(r"  (Previous )?([Aa]tomic )?(Read|Write|read|write) of size", st)]
    if len(accesses) < 2 or not accesses[1].startswith("  Previous"):
        return None
    later, earlier = accesses[0], accesses[1]
    if accessor(later) == accessor(earlier):
        return None
    # Implicitly shared data (QString, QByteArray, ...): a copy dropped its reference in our code,
    # and the last owner freed the block inside Qt after its own decrement, whose acquire the
    # sanitizer does not see.
    if (re.search(r"#0 free .*\n\s+#1 \S.*\(libQt6Core", later)
            and re.search(r"#\d+ QArrayData::deref\(\)", earlier) and "atomic write" in earlier.splitlines()[0]):
        return "shared data"
    return None


def summarize(folder, root):
    """(reports of ours not ordered, {key: names}; credited, {key: (rule, names)}; the rule of each
    credited report, Counter; reports with a library frame on top)."""
    ours, handed, rules, theirs = {}, {}, collections.Counter(), 0
    for name, block in reports(folder):
        kind = re.search(r"WARNING: ThreadSanitizer: (.+?) \(", block)
        kind = kind.group(1) if kind else "report"
        # Paths are absolute, or relative to the build folder where the compiler cache made them so.
        mine = [f for f in top_frames(block)
                if (root in f[1] or f[1].startswith("../")) and "libsanitizer" not in f[1]]
        if not mine:
            theirs += 1
            continue
        key = (kind,) + tuple(sorted(set(mine)))
        rule = through_qt(block)
        if rule:
            handed.setdefault(key, (rule, []))[1].append(name)
            rules[rule] += 1
        else:
            ours.setdefault(key, []).append(name)
    return ours, handed, rules, theirs


def main():
    folder, root = sys.argv[1], sys.argv[2]
    ours, handed, rules, theirs = summarize(folder, root)
    for key, names in sorted(ours.items()):
        print(f"OURS {key[0]} ({len(names)}x, e.g. {names[0]}):")
        for function, location in key[1:]:
            print(f"    {function}  {location.replace(root + '/', '').lstrip('./')}")
    for key, (rule, names) in sorted(handed.items()):
        print(f"through Qt ({rule}): {key[0]} ({len(names)}x, e.g. {names[0]}): "
              + "; ".join(f"{f} {l.replace(root + '/', '')}" for f, l in key[1:]))
    print(f"{sum(len(v) for v in ours.values())} reports with our frame on top, "
          f"{sum(rules.values())} of ours ordered through Qt "
          f"({', '.join(f'{rule} {count}' for rule, count in sorted(rules.items())) or 'none'}), "
          f"{theirs} with a library frame on top")
    return 1 if ours else 0


if __name__ == "__main__":
    sys.exit(main())
