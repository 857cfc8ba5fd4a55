#!/usr/bin/env python3
"""Sorts the ThreadSanitizer reports of a run.

Debian's Qt is built without ThreadSanitizer, so the hand-overs the program relies on are invisible
to it: a queued call or signal (posted under Qt's own futex mutex, run later by QObject::event), a
task given to QThreadPool (QtConcurrent::run), and QThread::wait on a thread that has already
finished (Qt's threads are detached, nothing joins them). A report whose two accesses are joined
that way is listed as "through Qt" for reading. A report with one of our frames on top and no such
hand-over is a fault to mend and fails the run; the rest have a library frame on top and are
counted. QWaitCondition's own unlock and re-lock of its mutex are made visible in the code
(ConditionWait), so waits need no rule here.

Usage: summarize.py LOG_FOLDER SOURCE_ROOT
"""
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


POSTED = ("QObject::event(", "QCoreApplicationPrivate::sendPostedEvents", "QApplicationPrivate::notify_helper",
          "QMetaCallEvent::~QMetaCallEvent", "QtConcurrent::RunFunctionTaskBase")
POSTING = ("invokeMethod", "QMetaObject::activate", "QCoreApplication::postEvent", "Deliver<", "QThreadPool",
           "qtconcurrentrun.h")


def accessor(section):
    """'main thread' or 'thread T12', from the first line of an access or location section."""
    found = re.search(r"by (main thread|thread T\d+)", section.splitlines()[0])
    return found.group(1) if found else None


def first_own_function(stack):
    """The first frame of a stack outside the sanitizer and the system headers."""
    for function, location in stack_frames(stack):
        if "libsanitizer" in location or "libtsan" in location or location.startswith("/usr/include/"):
            continue
        return function
    return None


def stack_frames(stack):
    """(function, source location) of each frame of a section's stack."""
    frames = []
    for line in stack.splitlines()[1:]:
        stripped = line.strip()
        if not re.match(r"#\d+ ", stripped):
            continue
        parts = re.sub(r"^#\d+ ", "", stripped).rsplit(" ", 2)
        if len(parts) == 3:
            frames.append((parts[0], parts[1]))
    return frames


def handed_to_pool(pooled, setup, allocation, block):
    """A task given to QThreadPool::start (a QRunnable or a function): the thread that built it wrote
    it, in the function that allocated it, before the start; the pooled thread, started by Qt, reads
    it. Both the start and the pooled thread's pick-up happen inside Qt."""
    thread = accessor(pooled)
    if not thread or not thread.startswith("thread ") or not allocation:
        return False
    name = re.search(r"Thread " + thread.split()[1] + r" '([^']*)'", block)
    frames = [line for line in pooled.splitlines() if re.match(r"\s+#\d+ ", line)]
    if not name or name.group(1) != "Thread (pooled)" or not frames or "libQt6Core" not in frames[-1]:
        return False
    if accessor(allocation) != accessor(setup):
        return False
    builder = first_own_function(allocation)
    return builder is not None and any(function == builder for function, _ in stack_frames(setup))


def through_qt(block):
    """The two accesses are ordered by a Qt hand-over ThreadSanitizer cannot see."""
    sections = re.split(r"\n(?=  \S)", block)
    accesses = [st for st in sections if re.match(r"  (Previous )?([Aa]tomic )?(Read|Write|read|write) of size", st)]
    allocation = next((st for st in sections if st.startswith("  Location is heap block")), None)
    if len(accesses) >= 2:
        first, second = accesses[0], accesses[1]
        for a, b in ((first, second), (second, first)):
            if any(p in a for p in POSTED) and any(p in b for p in POSTING):
                return True
            # The posted event itself or what it carries, written when the poster allocated it.
            if any(p in a for p in POSTED) and re.search(r"#0 (operator new|malloc)\b", b):
                return True
            # The same when the poster's stack is lost: the memory is the posted call's, allocated
            # by the other thread while it posted.
            if (any(p in a for p in POSTED) and allocation and accessor(allocation) != accessor(a)
                    and any(p in allocation for p in POSTING)):
                return True
            if handed_to_pool(a, b, allocation, block):
                return True
            # Implicitly shared data (QString, QByteArray, ...): a copy dropped its reference in
            # our code, and the last owner freed the block inside Qt after its own decrement,
            # whose acquire the sanitizer does not see.
            if (re.search(r"#0 free .*\n\s+#1 \S.*\(libQt6Core", a)
                    and re.search(r"#\d+ QArrayData::deref\(\)", b) and "atomic write" in b.splitlines()[0]):
                return True
    # The other access came from a QThread that had ended before this one: QThread::wait ordered
    # them. Only a QThread: the end of a std::thread is seen by the sanitizer through its join.
    for section in sections:
        if (re.match(r"  Thread T\d+ .*\(tid=\d+, finished\)", section)
                and "QThread::start" in section):
            return True
    return False


def main():
    folder, root = sys.argv[1], sys.argv[2]
    ours, theirs, handed = {}, 0, {}
    for name, block in reports(folder):
        kind = re.search(r"WARNING: ThreadSanitizer: (.+?) \(", block)
        kind = kind.group(1) if kind else "report"
        tops = top_frames(block)
        # Paths are absolute, or relative to the build folder where the compiler cache made them so.
        mine = [f for f in tops
                if (root in f[1] or f[1].startswith("../")) and "libsanitizer" not in f[1]]
        if mine:
            key = (kind,) + tuple(sorted(set(mine)))
            (handed if through_qt(block) else ours).setdefault(key, []).append(name)
        else:
            theirs += 1
    for key, names in sorted(ours.items()):
        print(f"OURS {key[0]} ({len(names)}x, e.g. {names[0]}):")
        for function, location in key[1:]:
            print(f"    {function}  {location.replace(root + '/', '').lstrip('./')}")
    for key, names in sorted(handed.items()):
        print(f"through Qt: {key[0]} ({len(names)}x, e.g. {names[0]}): "
              + "; ".join(f"{f} {l.replace(root + '/', '')}" for f, l in key[1:]))
    print(f"{sum(len(v) for v in ours.values())} reports with our frame on top, "
          f"{sum(len(v) for v in handed.values())} of ours ordered through Qt, "
          f"{theirs} with a library frame on top")
    return 1 if ours else 0


if __name__ == "__main__":
    sys.exit(main())
