#!/usr/bin/env python3
"""The ThreadSanitizer summary on recorded reports (planted/report.planted) of PlantedRace.cpp, run
with the shims scripts/sanitize.sh preloads. Races hide behind Qt's hand-overs, on plain fields and on
string members written by Qt's code called from ours: they must come out as ours, while the
hand-overs that do order their accesses, shown to the sanitizer by the shims, make no report of ours
(the queued lambdas freed by their poster after their run included). To record again:

    g++ -std=c++20 -fPIC -g -O1 -fsanitize=thread PlantedRace.cpp -o planted \
        $(pkg-config --cflags --libs Qt6Core Qt6Concurrent)
    for shim in qthread_end qt_handover; do
        g++ -std=c++20 -shared -fPIC -O1 -o $shim.so ../../../scripts/tsan/$shim.cpp \
            $(pkg-config --cflags --libs Qt6Core) -ldl
    done
    LD_PRELOAD=./qthread_end.so:./qt_handover.so QT_NO_GLIB=1 \
        TSAN_OPTIONS=<those of scripts/sanitize.sh> ./planted

and write the source folder in the log as ../../tests/scripts/tsan/, relative to a build folder as
the compiler cache writes paths."""
import pathlib
import sys
import unittest

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[2]
sys.path.insert(0, str(ROOT / "scripts" / "tsan"))
import summarize  # noqa: E402


def frames(key):
    """'function file:line' of each top frame of a summary key."""
    return {f"{function} {location.rsplit('/', 1)[-1]}" for function, location in key[1:]}


class PlantedRaces(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.ours, cls.handed, cls.rules, _ = summarize.summarize(str(HERE / "planted"), str(ROOT))

    def assertOurs(self, *names):
        self.assertIn(set(names), [frames(key) for key in self.ours], f"{names} not reported as ours")

    def test_races_behind_qt_hand_overs_are_ours(self):
        # A queued call on a worker's loop and a pool task.
        self.assertOurs("WriteFromQueuedCall(Shared&) PlantedRace.cpp:22",
                        "WriteFromPoolTask(Shared&) PlantedRace.cpp:26")
        # A thread started from a queued call that ended, and a later pool task that did not wait.
        self.assertOurs("WriteFromEndedThread(Shared&) PlantedRace.cpp:30",
                        "WriteFromLaterPoolTask(Shared&) PlantedRace.cpp:34")
        # A pool task's field written after its start.
        self.assertOurs("Task::run() PlantedRace.cpp:75", "main PlantedRace.cpp:143")

    def test_races_on_strings_made_by_qt_for_us_are_ours(self):
        # QString's assignment inside Qt frees the member's old text: Qt's frame is on top, the pool
        # tasks that called it (against the queued call, then against the ended thread) under it.
        self.assertOurs("operator() PlantedRace.cpp:107")
        self.assertOurs("operator() PlantedRace.cpp:132")

    def test_ordered_hand_overs_make_no_report_of_ours(self):
        # The queued calls' lambdas built by the poster, run by the receiver and freed by whichever
        # drops Qt's last reference, and the pool tasks written before their start: the sanitizer
        # sees their order, so only the planted races are ours. An ended thread's own wait
        # condition, taken down with it after the wait, is credited to Qt's lock.
        self.assertEqual(len(self.ours), 5, [frames(key) for key in self.ours])
        self.assertEqual(set(rule for rule, _ in self.handed.values()), {"Qt's own lock"})


class QtOwnBlocks(unittest.TestCase):
    def test_blocks_qt_keeps_for_itself_are_not_ours(self):
        # Recorded from the suite (qt-own/report.qt-own): the pool's queue page and an object's
        # hand-over to Qt's network thread, made by Qt's code our frames called and freed by Qt
        # alone; a thread's own wait condition taken down after that thread had finished, its
        # stack no longer held by the sanitizer; a connection made for us and dropped by the
        # network thread; a block a file dialog's own thread frees. Beside them, an event posted
        # to the network thread and deleted there undelivered, and a reply's buffer read for us
        # and freed there after the last reference Qt counts; a value the network thread made and
        # handed over as a queued argument, destroyed after the call.
        ours, _, rules, _ = summarize.summarize(str(HERE / "qt-own"), str(ROOT))
        self.assertEqual(ours, {})
        # The wait condition is a lock of Qt's: credited to that rule.
        self.assertEqual(rules, {"Qt's own block": 4, "Qt's own lock": 1, "posted event dropped": 1,
                                 "queued argument": 1, "shared data": 1})


class GeneratedCode(unittest.TestCase):
    def test_generated_code_is_not_ours(self):
        # Recorded from the suite built without the compiler cache (generated/report.generated,
        # made under /src/tidewell), whose paths are absolute: an image Qt's pooled scaling read,
        # freed as a list view paints, with only a test's meta-object dispatcher (its .moc) under
        # Qt's frames. The build generated that code; no code of ours made either access.
        ours, handed, _, theirs = summarize.summarize(str(HERE / "generated"), "/src/tidewell")
        self.assertEqual((ours, handed, theirs), ({}, {}, 1))


class QtOwnLocks(unittest.TestCase):
    def test_locks_qt_makes_and_takes_itself_are_not_ours(self):
        # Recorded from the suite (qt-lock/report.qt-lock, made under /src/tidewell): a thread's
        # wait condition taken down after the wait for it, the other side's stack no longer held by
        # the sanitizer; and the inner mutex of a read-write lock Qt makes on first use in its
        # network code, made on one pooled recognition job and taken on another. Both accesses of
        # each are inside Qt.
        ours, _, rules, _ = summarize.summarize(str(HERE / "qt-lock"), "/src/tidewell")
        self.assertEqual(ours, {})
        self.assertEqual(rules, {"Qt's own lock": 2})


if __name__ == "__main__":
    unittest.main()
