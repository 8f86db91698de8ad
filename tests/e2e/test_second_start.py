"""A second start of the program while one runs exits with code 0 and leaves the
first copy, and only it, running."""

import unittest

import festoon_e2e as fe


class SecondStart(unittest.TestCase):
    def test_second_copy_exits_and_first_keeps_running(self):
        with fe.Session(ini={"Settings": fe.QUIET_SETTINGS}) as session:
            first = session.wait_main_window()
            self.assertEqual(session.run_again(), 0)
            self.assertEqual(session.count_windows(fe.MAIN_CLASS), 1)
            self.assertEqual(session.wait_main_window(), first)
            self.assertIsNone(session.exit_code, "the first copy ended")
            self.assertEqual(len(session.festoon_processes()), 1)
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
