"""No GDI or USER objects pile up over 200 openings and closings of the options
dialog with its preview running (closed in turn by Cancel, OK, and Apply then OK):
the program's own counts of icons, GDI objects and DCs, and the windows on the
desktop, are the same after as before, and the tooltips (whose message hooks
would run out if they were not released) still work."""

import unittest

import festoon_e2e as fe
import options_common as oc

CYCLES = 200


def counts(session):
    windows = session.windows(include_hidden=True)
    return {
        "icons": session.test_hook(fe.HOOK_LIVE_ICONS),
        "gdi": session.test_hook(fe.HOOK_LIVE_GDI_OBJECTS),
        "dcs": session.test_hook(fe.HOOK_LIVE_DCS),
        "windows": len(windows),
        "tooltips": sum(1 for w in windows if w["cls"] == "tooltips_class32"),
        "dialogs": sum(1 for w in windows if w["cls"] == "#32770"),
    }


class OptionsLeaks(unittest.TestCase):
    def test_200_openings_leave_nothing_behind(self):
        # Very Fast: the preview repaints at every 50-ms tick while each dialog is open.
        ini = oc.settings(Mode=3, Rate=4, BulbType=0, Color=2)
        with fe.Session(ini=ini, timeout=60) as session:
            session.wait_started()
            # One opening first, so that whatever is made once for the whole run
            # (window classes, the tooltip class) exists before counting.
            oc.open_options(session)
            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            before = counts(session)
            done = session.driver("cycle-options", CYCLES, 70, timeout=600)
            self.assertTrue(done.ok, done.stdout + done.stderr)
            self.assertEqual(int(done.stdout.split()[0]), CYCLES)
            after = session.wait_for(lambda: counts(session) == before and before, timeout=10)
            self.assertEqual(counts(session), before)
            self.assertGreater(before["gdi"], 0, "the counts must count something")
            self.assertEqual(after, before)

            oc.open_options(session)
            rect = oc.control(session, 3)["rect"]
            x, y = (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2
            session.xdotool("mousemove", x - 3, y)
            session.xdotool("mousemove", x, y)
            tip = session.wait_for(lambda: [w for w in session.windows()
                                            if w["cls"] == "tooltips_class32"], timeout=10)
            self.assertTrue(tip, "no tooltip after %d openings" % CYCLES)
            oc.click(session, 2)
            self.assertTrue(oc.wait_gone(session))
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
