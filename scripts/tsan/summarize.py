#!/usr/bin/env python3
"""Sorts the ThreadSanitizer reports of a run.

Debian's Qt is built without ThreadSanitizer, so the hand-overs it makes under its own locks are
invisible to it. The preloaded shims of scripts/sanitize.sh show it the ones the program relies on:
the end of a QThread as QThread::wait or isFinished sees it (qthread_end.cpp), a posted event, queued
signal or call from its posting to its delivery and a pool task from its start to its run
(qt_handover.cpp); QWaitCondition's own unlock and re-lock of its mutex (ConditionWait) is shown in
our code; a slot object run on one thread and destroyed on another after Qt's last reference to it
(qt_handover.cpp); the receiving thread's list of posted events is kept out of its sight. What is
left to credit by reading is the release of implicitly shared data, Qt's own locks inside Qt, the
blocks Qt keeps for itself (its pool's queue, an object's hand-over to a thread), a posted event
deleted undelivered and a value Qt's own thread handed to ours as a queued call's argument: a report whose two accesses are joined that way is listed as "through Qt" with
its rule. A report where our code made either access (a frame of ours anywhere in its stack, under
the library frames that touched the memory for it) and no such hand-over joins them is a fault to
mend and fails the run; the rest were made by the libraries alone and are counted.

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


def access_sections(block):
    """The sections of the report's accesses ('Write of', 'Previous read of', ...) with their
    stacks, the later access first."""
    sections = re.split(r"\n(?=  \S)", block)
    return [st for st in sections if re.match(r"  (Previous )?([Aa]tomic )?(Read|Write|read|write) of size", st)]


def frames(section):
    """(function, location, module) of each frame of one access's stack, top first."""
    found = []
    for line in section.splitlines()[1:]:
        stripped = line.strip()
        if not stripped.startswith("#"):
            break
        match = re.match(r"#\d+ (.*) (\S+) \(([^+)]+)[^)]*\)$", stripped)
        if match:
            found.append(match.groups())
    return found


# System libraries that name their sources relative to where they were built, like the compiler
# cache does for ours.
SYSTEM = re.compile(r"^(libc|libm|libstdc\+\+|libgcc_s|libtsan|ld-linux)[.-]")


# Code the build generates (Qt's meta-object dispatchers and signals, resources, forms) is Qt's, not
# ours, even where it is compiled into our programs under the build folder.
GENERATED = re.compile(r"(_autogen/|(^|/)(moc|qrc)_[^/]*\.cpp:|(^|/)ui_[^/]*\.h:|\.moc:)")


def is_ours(frame, root):
    function, location, module = frame
    return ((root in location or location.startswith("../")) and not SYSTEM.match(module)
            and "libsanitizer" not in location and not GENERATED.search(location))


def our_frames(block, root):
    """The topmost frame of our code in each access's stack, wherever it stands under the library
    frames that made the access for it (Qt, the C++ library, the sanitizer's interceptors, code
    inlined from system headers): the access was made by our code when any such frame is there."""
    mine = []
    for section in access_sections(block):
        for frame in frames(section):
            if is_ours(frame, root):
                mine.append(frame[:2])
                break
    return mine


def made_in(stack):
    """The first frame of a stack past the sanitizer's own (its interceptors of memory functions,
    allocation, locks), or None."""
    return next((frame for frame in stack if not frame[2].startswith("libtsan")), None)


ALLOCATION = re.compile(r"#0 (malloc|calloc|realloc|operator new)")


def allocation(block):
    """The stack that allocated the raced heap block, or opened the raced file descriptor: from the
    report's location, or from the access that was the allocation itself; empty when the report
    shows neither."""
    location = re.search(r"\n  Location is (?:heap block|file descriptor) .*\n((?:    #.*\n?)+)", block)
    if location:
        return frames("\n" + location.group(1))
    for section in access_sections(block):
        if ALLOCATION.search(section):
            return frames(section)
    return []


# Threads Qt starts for itself, which run none of our code: a network access manager's, a file
# dialog's gatherer of file details (names cut short as the system keeps them).
QT_THREADS = ("QNetworkAccessM", "QFileInfoGather")


def qt_thread(block, thread):
    """Whether the report names the thread ('thread T12') as one Qt started for itself."""
    found = re.search(rf"\n  Thread {thread[len('thread '):]} '([^']*)'", block) if thread else None
    return bool(found) and found.group(1) in QT_THREADS


def finished(block, thread):
    """Whether the report names the thread ('thread T12') as finished."""
    return bool(re.search(rf"\n  Thread {thread[len('thread '):]} .*\(tid=\d+, finished\)", block))


# Qt's functions that hand out the data of values (QString, QByteArray, QList): a program holds
# those blocks through its own objects, so they are never Qt's own.
VALUE_DATA = re.compile(r"^(QArrayData|QTypedArrayData|QString|QByteArray|QList|QHash|QMap)\b")


def accessor(section):
    """'main thread' or 'thread T12', from the first line of an access section."""
    found = re.search(r"by (main thread|thread T\d+)", section.splitlines()[0])
    return found.group(1) if found else None


def through_qt(block, root):
    """The rule by which a hand-over inside Qt the sanitizer cannot see orders the earlier access
    before the later one, or None."""
    accesses = access_sections(block)
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
    # A buffer Qt's own thread (the network's) frees once the last reference it counts is gone, read
    # before by Qt's code for ours (a reply's data): ordered by that count, inside Qt.
    if (re.search(r"#0 (free|operator delete)\S* .*\n\s+#1 \S.*\(libQt6", later)
            and not any(is_ours(frame, root) for frame in frames(later))
            and re.match(r"  Previous read of", earlier) and made_in(frames(earlier))
            and made_in(frames(earlier))[2].startswith("libQt6")):
        return "shared data"
    # Qt's own lock or condition (a QThread's, say), used by Qt's code alone on one side and taken
    # down by ours on the other after Qt's wait for it, which the sanitizer does not see.
    lock = r"#0 pthread_(mutex|cond)_\w+ .*\n\s+#1 \S.*\(libQt6Core"
    if (re.search(lock, later) and re.search(lock, earlier)
            and any(not our_frames(access, root) for access in (later, earlier))):
        return "Qt's own lock"
    # A wait condition taken down by ours after the wait for the thread that last touched it, whose
    # stack the sanitizer could no longer restore: only a lock's atomic word, read inside Qt.
    if (re.search(r"#0 pthread_(mutex|cond)_destroy .*\n\s+#1 QWaitCondition::~QWaitCondition\(\) \S+ \(libQt6Core",
                  later)
            and re.match(r"  Previous atomic read of .*\n\s+\[failed to restore the stack\]", earlier)):
        return "Qt's own lock"
    # A lock Qt makes inside itself on first use (a read-write lock's inner mutex) and publishes
    # with an atomic of its own the sanitizer does not see: made by Qt's code, then taken by Qt's.
    if (re.search(r"#0 pthread_mutex_\w+ .*\n\s+#1 \S.*\(libQt6Core", later)
            and re.search(r"#0 operator new\S* .*\n\s+#1 \S.*\(libQt6Core", earlier)):
        return "Qt's own lock"
    # A value a thread Qt started for itself made, with none of our code on its stack, and handed
    # to ours as a queued call's argument, destroyed once the call was delivered: the posting
    # orders it, inside Qt.
    if (re.search(r"#0 free .*\n\s+#1 QMetaType::destroy\(", later) and qt_thread(block, accessor(earlier))
            and not our_frames(earlier, root)):
        return "queued argument"
    # A posted event its receiver never got (the receiver went first) is deleted as Qt takes it off
    # the receiving thread's list, under Qt's own lock: nothing touched it after it was made.
    if (re.search(r"#0 operator delete.*\n\s+#1 QCoreApplication::removePostedEvents", later)
            and ALLOCATION.search(earlier)):
        return "posted event dropped"
    # A block Qt allocated for its own keeping (a pool's queue, an object's hand-over to a thread,
    # a thread's wait condition, an event loop's wake-up descriptor), touched inside Qt on both
    # sides: on one side by Qt alone (its own thread, or a stack the sanitizer no longer holds of
    # a thread that has finished), on the other by Qt's code that ours called. Qt orders them under
    # its own locks. Our code did neither access, and a misuse of Qt from two of our threads shows
    # our frames on both sides. The Qt function that allocated it is named, or unnamed with no
    # frame of ours under it (a thread's own ending, say), one Qt's disconnect frees (the record of
    # a connection) or one a thread Qt started for itself touched; the data of values our objects
    # hold never counts.
    allocated = allocation(block)
    owner = made_in(allocated)
    connection = re.search(r"#0 operator delete.*\n\s+#1 QObject::disconnect\(QMetaObject::Connection", later)
    for_itself = any(qt_thread(block, accessor(access)) for access in (later, earlier))
    if (owner and owner[2].startswith("libQt6") and not VALUE_DATA.match(owner[0])
            and (owner[0] != "<null>" or connection or for_itself
                 or not any(is_ours(frame, root) for frame in allocated))):
        stacks = [frames(access) for access in (later, earlier)]
        alone = [not any(is_ours(frame, root) for frame in stack) and (stack or finished(block, accessor(access)))
                 for stack, access in zip(stacks, (later, earlier))]
        in_qt = [bool(stack) and not is_ours(made_in(stack) or stack[0], root) for stack in stacks]
        if any(alone) and all(a or q for a, q in zip(alone, in_qt)):
            return "Qt's own block"
    return None


def summarize(folder, root):
    """(reports of ours not ordered, {key: names}; credited, {key: (rule, names)}; the rule of each
    credited report, Counter; reports made by the libraries alone)."""
    ours, handed, rules, theirs = {}, {}, collections.Counter(), 0
    for name, block in reports(folder):
        kind = re.search(r"WARNING: ThreadSanitizer: (.+?) \(", block)
        kind = kind.group(1) if kind else "report"
        # Paths are absolute, or relative to the build folder where the compiler cache made them so.
        mine = our_frames(block, root)
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
    print(f"{sum(len(v) for v in ours.values())} reports of ours, "
          f"{sum(rules.values())} of ours ordered through Qt "
          f"({', '.join(f'{rule} {count}' for rule, count in sorted(rules.items())) or 'none'}), "
          f"{theirs} made by the libraries alone")
    return 1 if ours else 0


if __name__ == "__main__":
    sys.exit(main())
