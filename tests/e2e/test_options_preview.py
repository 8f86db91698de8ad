"""The flashing preview follows the rate slider at once: in "Chase" it changes
every 50 ms at "Very Fast" and every 600 ms at "Very Slow" (watched as pixels of
the preview frame on the screen)."""

import statistics
import unittest

import festoon_e2e as fe
import options_common as oc


def change_gaps(session, duration_ms):
    times = [float(t) for t in session.driver_ok("watch", oc.OPTIONS, 161, duration_ms,
                                                 timeout=duration_ms / 1000 + 30).split()]
    return [b - a for a, b in zip(times, times[1:])]


class OptionsPreview(unittest.TestCase):
    def test_preview_pace_follows_the_slider(self):
        with fe.Session(ini=oc.settings(Mode=3, Rate=4)) as session:
            session.wait_started()
            oc.open_options(session)
            self.assertEqual(oc.control(session, 151)["text"], "Very Fast")
            # (slider position, label, ms between changes, watched for ms)
            cases = [(4, "Very Fast", 50, 3000), (0, "Very Slow", 600, 6000),
                     (2, "Medium", 300, 4000)]
            for position, label, period, watch in cases:
                with self.subTest(label=label):
                    session.driver_ok("set-trackbar", oc.OPTIONS, 150, position)
                    self.assertTrue(oc.wait_text(session, 151, label))
                    gaps = change_gaps(session, watch)
                    self.assertGreaterEqual(len(gaps), watch // period // 2, gaps)
                    # The median ignores the odd late tick of a loaded machine.
                    median = statistics.median(gaps)
                    self.assertLess(abs(median - period), period * 0.3 + 15, gaps)
            self.assertTrue(oc.control(session, 156)["enabled"], "the slider enables Apply")
            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            self.assertEqual(oc.saved(session, "Rate"), "4", "Cancel keeps the file's rate")
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
