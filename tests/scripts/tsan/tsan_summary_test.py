#!/usr/bin/env python3
"""The ThreadSanitizer summary on recorded reports (planted/report.planted) of PlantedRace.cpp, run
with the shims scripts/sanitize.sh preloads. Three races hide behind Qt's hand-overs: they must come
out as ours, while the hand-overs that do order their accesses, shown to the sanitizer by the shims,
make no report at all. To record again:

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
        self.assertOurs("WriteFromQueuedCall(Shared&) PlantedRace.cpp:19",
                        "WriteFromPoolTask(Shared&) PlantedRace.cpp:23")
        # A thread started from a queued call that ended, and a later pool task that did not wait.
        self.assertOurs("WriteFromEndedThread(Shared&) PlantedRace.cpp:27",
                        "WriteFromLaterPoolTask(Shared&) PlantedRace.cpp:31")
        # A pool task's field written after its start.
        self.assertOurs("Task::run() PlantedRace.cpp:54", "main PlantedRace.cpp:119")

    def test_ordered_hand_overs_make_no_report(self):
        # The queued call's functor built by the poster and run by the receiver, and the pool tasks
        # written before their start: the sanitizer sees their order, so only the planted races are
        # ours and nothing is left to credit by reading.
        self.assertEqual(len(self.ours), 3, [frames(key) for key in self.ours])
        self.assertEqual(self.handed, {})


if __name__ == "__main__":
    unittest.main()
