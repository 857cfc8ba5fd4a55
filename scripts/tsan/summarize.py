#!/usr/bin/env python3
"""Sorts the ThreadSanitizer reports of a run.

Debian's Qt is built without ThreadSanitizer, so some hand-overs the program relies on are
invisible to it: a queued call or signal (posted under Qt's own futex mutex, run later by the
receiver's event loop) and a task given to QThreadPool (QtConcurrent::run). A report whose two
accesses are joined that way is listed as "through Qt" for reading, with the rule that credits it.
Each rule holds only for the threads and the order its hand-over gives: the report's first access
is the later one, its "Previous" access the earlier one. A report with one of our frames on top and
no such hand-over is a fault to mend and fails the run; the rest have a library frame on top and
are counted. The end of a QThread as QThread::wait or isFinished sees it (qthread_end.cpp, preloaded
by scripts/sanitize.sh) and QWaitCondition's own unlock and re-lock of its mutex (ConditionWait)
are shown to the sanitizer itself, so they need no rule here.

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


Frame = collections.namedtuple("Frame", "function location module")

# The receiver's event loop runs a queued call or signal from one of these, and drops its event.
POSTED = re.compile(r"^(QObject::event\(|QCoreApplicationPrivate::sendPostedEvents|QCoreApplication::sendPostedEvents"
                    r"|QMetaCallEvent::~QMetaCallEvent)")
# An event reaches its object through one of these, posted or not.
DELIVERY = re.compile(r"^(QApplicationPrivate::notify_helper|QCoreApplication::notifyInternal2)")
# The poster builds the event it queues (and copies what it carries) inside one of these.
POSTING = re.compile(r"(^|::)(invokeMethod(Impl)?|postEvent|Deliver)\b|^QMetaObject::activate\(")
POSTING_HEADERS = ("/qobjectdefs.h",)
# A pool's threads are named after the pool, Qt's own "Thread (pooled)" when it has no name
# (core/BackgroundPool.cpp names ours).
POOL_THREADS = ("Thread (pooled)", "BackgroundPool")
# What starts a pool task in our source, looked for from the line that allocated the task on.
POOL_START = re.compile(r"QThreadPool|\bstart\(|tryStart\(|QtConcurrent::run\b")


def stack_frames(section):
    """The frames of a section's stack, the sanitizer's own left out."""
    frames = []
    for line in section.splitlines()[1:]:
        found = re.match(r"\s+#\d+ (.*?) (\S+)(?: \(([^)]*)\))?$", line)
        if found and "libsanitizer" not in found.group(2) and "libtsan" not in (found.group(3) or ""):
            frames.append(Frame(found.group(1), found.group(2), found.group(3) or ""))
    return frames


def in_library(frame):
    """A frame of a shared library built without sources at hand (Qt, the C and C++ runtimes)."""
    return frame.location in ("<null>", "") or frame.location.startswith("../sysdeps/")


def own(frame):
    return not in_library(frame) and not frame.location.startswith("/usr/")


def accessor(section):
    """'main thread' or 'thread T12', from the first line of an access or location section."""
    found = re.search(r"by (main thread|thread T\d+)", section.splitlines()[0])
    return found.group(1) if found else None


def made_while_posting(section, unnamed_qt=False):
    """The access was made inside a posting call, with no frame of ours between: the poster was
    building or filling the event it queues. unnamed_qt: a Qt function without a name (an internal
    one, as the queued signal's event is made by) may stand for the posting call."""
    for index, frame in enumerate(stack_frames(section)):
        if POSTING.search(frame.function) or frame.location.split(":")[0].endswith(POSTING_HEADERS):
            return True
        if unnamed_qt and index == 0 and frame.function == "<null>" and "libQt6Core" in frame.module:
            return True
        if index > 0 and own(frame):
            return False
    return False


def first_library_frame(section):
    return next((frame for frame in stack_frames(section) if in_library(frame)), None)


def run_by_event_loop(section):
    """The access was made by a posted call: the first library frame under our code is the event
    loop delivering a posted event, not an input event, a timer or a directly connected signal."""
    library = first_library_frame(section)
    return library is not None and POSTED.search(library.function) is not None


def delivering_event(section):
    """The access was made while an event was delivered to its object (a posted one or another)."""
    library = first_library_frame(section)
    return library is not None and (POSTED.search(library.function) or DELIVERY.search(library.function))


def source_line(root, location):
    """(path, line) of a frame's 'file:line[:column]', the path made absolute."""
    parts = location.split(":")
    if len(parts) < 2 or not parts[1].isdigit():
        return None, None
    path = parts[0]
    if not path.startswith("/"):
        path = str(pathlib.Path(root) / re.sub(r"^(\.\./)+", "", path))
    return path, int(parts[1])


def handed_to_pool(later, earlier, allocation, threads, root):
    """A task given to QThreadPool::start (a QRunnable or a function): the thread that built it
    wrote it earlier, in the function that allocated it, on a line before the one that starts it;
    a pooled thread, started by Qt, reads it later. Both the start and the pick-up happen in Qt."""
    pooled = accessor(later)
    if not pooled or not pooled.startswith("thread ") or not allocation:
        return False
    info = threads.get(pooled)
    frames = stack_frames(later)
    if not info or info["name"] not in POOL_THREADS or not frames or "libQt6Core" not in frames[-1].module:
        return False
    if accessor(allocation) != accessor(earlier):
        return False
    builder = next((frame for frame in stack_frames(allocation) if own(frame)), None)
    written = next((frame for frame in stack_frames(earlier) if builder and frame.function == builder.function),
                   None)
    if written is None:
        return False
    path, allocated_at = source_line(root, builder.location)
    written_path, written_at = source_line(root, written.location)
    if not path or path != written_path:
        return False
    try:
        lines = pathlib.Path(path).read_text(errors="replace").splitlines()
    except OSError:
        return False
    started_at = next((n for n in range(allocated_at, len(lines) + 1) if POOL_START.search(lines[n - 1])), None)
    return started_at is not None and written_at <= started_at


def thread_sections(sections):
    """'thread T12' -> name, state, creator and creation stack, from the 'Thread T12 ...' sections."""
    threads = {}
    for section in sections:
        found = re.match(r"  Thread T(\d+) (?:'([^']*)' )?\(tid=\d+, (\w+)\) created by (main thread|thread T\d+)",
                         section)
        if found:
            threads["thread T" + found.group(1)] = {"name": found.group(2) or "", "state": found.group(3),
                                       "creator": found.group(4), "stack": section}
    return threads


def through_qt(block, root):
    """The rule by which a Qt hand-over the sanitizer cannot see orders the earlier access before
    the later one, or None."""
    sections = re.split(r"\n(?=  \S)", block)
    accesses = [st for st in sections if re.match(r"  (Previous )?([Aa]tomic )?(Read|Write|read|write) of size", st)]
    allocation = next((st for st in sections if st.startswith("  Location is heap block")), None)
    if len(accesses) < 2 or not accesses[1].startswith("  Previous"):
        return None
    later, earlier = accesses[0], accesses[1]
    if accessor(later) == accessor(earlier):
        return None
    # When the block is being freed the report names no block: the earlier access may be its
    # allocation itself.
    if not allocation and re.search(r"#0 (operator new|malloc)\b", earlier):
        allocation = earlier
    threads = thread_sections(sections)
    # The poster wrote while it posted; the receiver's event loop ran the call afterwards.
    if run_by_event_loop(later) and made_while_posting(earlier):
        return "posted call"
    # The memory is the posted event or call itself: allocated inside the posting call by the
    # earlier access's thread, which keeps no hold of it once posted, so it filled it before; the
    # later access is made where the event is delivered.
    if (allocation and accessor(allocation) == accessor(earlier) and made_while_posting(allocation, True)
            and delivering_event(later)):
        return "posted call"
    if handed_to_pool(later, earlier, allocation, threads, root):
        return "pool task"
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
        rule = through_qt(block, root)
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
