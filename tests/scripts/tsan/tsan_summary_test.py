#!/usr/bin/env python3
"""The ThreadSanitizer summary on recorded reports (planted/report.planted) of PlantedRace.cpp. Three
races hide behind hand-overs the sanitizer cannot see: they must come out as ours, while the
hand-overs that do order their accesses stay credited. To record again:

    g++ -std=c++20 -fPIC -g -O1 -fsanitize=thread PlantedRace.cpp -o planted \
        $(pkg-config --cflags --libs Qt6Core Qt6Concurrent)
    g++ -std=c++20 -shared -fPIC -O1 -o end.so ../../../scripts/tsan/qthread_end.cpp \
        $(pkg-config --cflags --libs Qt6Core) -ldl
    LD_PRELOAD=./end.so QT_NO_GLIB=1 TSAN_OPTIONS=<those of scripts/sanitize.sh> ./planted

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

    def assertCredited(self, rule, *names):
        credited = {frozenset(frames(key)): rule for key, (rule, _) in self.handed.items()}
        self.assertEqual(credited.get(frozenset(names)), rule, names)

    def test_races_behind_qt_hand_overs_are_ours(self):
        # A queued call on a worker's loop and a pool task.
        self.assertOurs("WriteFromQueuedCall(Shared&) PlantedRace.cpp:19",
                        "WriteFromPoolTask(Shared&) PlantedRace.cpp:23")
        # A thread started from a queued call that ended, and a later pool task that did not wait.
        self.assertOurs("WriteFromEndedThread(Shared&) PlantedRace.cpp:27",
                        "WriteFromLaterPoolTask(Shared&) PlantedRace.cpp:31")
        # A pool task's field written after its start.
        self.assertOurs("Task::run() PlantedRace.cpp:54", "main PlantedRace.cpp:119")

    def test_ordered_hand_overs_stay_credited(self):
        # The queued call's functor, built by the poster inside invokeMethod, run by the receiver.
        self.assertCredited("posted call", "main PlantedRace.cpp:73", "operator() PlantedRace.cpp:77")
        # A task built and written before its start, read and deleted by the pool's thread.
        self.assertCredited("pool task", "Task::run() PlantedRace.cpp:54", "main PlantedRace.cpp:126")
        self.assertCredited("pool task", "Task::~Task() PlantedRace.cpp:47", "main PlantedRace.cpp:126")


if __name__ == "__main__":
    unittest.main()
