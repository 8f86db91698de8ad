"""Two copies started at the same moment leave exactly one running: the later one
asks the first to open its options and exits with code 0. Ten pairs in a row, since
the race that let both through was lost only some of the time."""

import time
import unittest

import festoon_e2e as fe

PAIRS = 10


class SingleInstance(unittest.TestCase):
    def test_simultaneous_starts_leave_one_copy(self):
        with fe.Session(ini={"Settings": fe.QUIET_SETTINGS}, start=False) as s:
            s.start_desktop()
            # Keeps the desktop up between the pairs, so each pair races only itself.
            keeper = s.desktop.start([fe.driver_path(), "wait", "NoSuchWindowClass", 600000],
                                     cwd=s.folder)
            try:
                for n in range(PAIRS):
                    with self.subTest(pair=n):
                        self.run_pair(s)
            finally:
                keeper.kill()
                keeper.wait()

    def run_pair(self, s):
        pair = [s.desktop.start(["festoon.exe"], cwd=s.folder) for _ in range(2)]
        try:
            s.wait_main_window()
            # The later copy waits for the first one's window, posts, and goes.
            ended = lambda: [p for p in pair if p.poll() is not None]
            # Two windows mean both copies got through: no use waiting for an end.
            s.wait_for(lambda: ended() or s.count_windows(fe.MAIN_CLASS) > 1, timeout=30)
            self.assertEqual(s.count_windows(fe.MAIN_CLASS), 1, "two copies run")
            gone = s.wait_for(ended, timeout=30)
            self.assertEqual(len(gone), 1, "neither copy ended")
            self.assertEqual(gone[0].returncode, 0)
            time.sleep(1)  # a second copy that got through would have its window by now
            self.assertEqual(s.count_windows(fe.MAIN_CLASS), 1)
            self.assertEqual(len(s.festoon_processes()), 1)
            survivor = [p for p in pair if p is not gone[0]][0]
            self.assertIsNone(survivor.poll())
            s.post_command(fe.CMD_REMOVE_LIGHTS)
            survivor.wait(60)
            self.assertEqual(survivor.returncode, 0)
        finally:
            for p in pair:
                if p.poll() is None:
                    p.kill()
                    p.wait()


if __name__ == "__main__":
    unittest.main(verbosity=2)
