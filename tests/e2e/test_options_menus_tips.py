"""Tooltips and menus of the options dialog: the mouse resting on Quit shows
"Remove lights & exit", a disabled control shows no tip; the right button opens
the dialog's menu, which a click elsewhere closes and whose "&Close\\tAlt+F4"
cancels the dialog; the system menu carries "&About Festoon...", which opens the
about box."""

import unittest

import festoon_e2e as fe
import options_common as oc

TIP_CLASS = "tooltips_class32"


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


def visible_tip(session):
    tips = [w for w in session.windows() if w["cls"] == TIP_CLASS]
    return tips[0] if tips else None


class MenusAndTips(unittest.TestCase):
    def hover(self, session, ident):
        x, y = centre(oc.control(session, ident)["rect"])
        session.xdotool("mousemove", x - 3, y)
        session.xdotool("mousemove", x, y)
        return x, y

    def test_tips_and_menus(self):
        with fe.Session(ini=oc.settings()) as session:
            session.wait_started()
            oc.open_options(session)

            with self.subTest("tip over Quit"):
                x, y = self.hover(session, 3)
                tip = session.wait_for(lambda: visible_tip(session), timeout=10)
                self.assertIsNotNone(tip, "no tooltip appeared over Quit")
                # The supplied text doubles the ampersand; the tip shows one.
                self.assertEqual(session.driver_ok("text", tip["hwnd"]).strip(),
                                 "Remove lights && exit")
                left, top, right, bottom = tip["rect"]
                self.assertLess(abs(left - x), 40, tip["rect"])
                self.assertTrue(0 < top - y < 40, tip["rect"])

            with self.subTest("no tip over a disabled control"):
                session.xdotool("mousemove", 100, 100)
                self.assertTrue(session.wait_for(lambda: visible_tip(session) is None))
                self.hover(session, 10)  # Draw in own Taskbar
                session.wait_for(lambda: False, timeout=2)
                self.assertIsNone(visible_tip(session))

            with self.subTest("context menu closes on a click elsewhere"):
                x, y = centre(oc.control(session, 161)["rect"])
                session.xdotool("mousemove", x, y + 40, "click", 3)
                items = session.wait_for(session.menu_items, timeout=10)
                self.assertIsNotNone(items)
                self.assertEqual([(i["id"], i["state"], i["text"]) for i in items],
                                 [(1000, "enabled", "&About Festoon..."),
                                  (0, "separator", ""), (2, "enabled", "&Close\tAlt+F4")])
                session.xdotool("mousemove", 60, 400, "click", 1)
                self.assertTrue(session.wait_for(lambda: session.menu_items() is None,
                                                 timeout=10), "the menu stayed open")
                self.assertIsNotNone(oc.controls(session))

            with self.subTest("system menu opens the about box"):
                dialog = [w for w in session.windows() if w["title"] == oc.OPTIONS][0]
                session.driver_ok("post", dialog["hwnd"], "WM_SYSCOMMAND", 0xF100, 0x20)
                items = session.wait_for(session.menu_items, timeout=10)
                self.assertIsNotNone(items, "the system menu did not open")
                about = [i for i in items if i["text"] == "&About Festoon..."]
                self.assertEqual(len(about), 1)
                self.assertEqual(about[0]["id"], 1000)
                session.xdotool("mousemove", *centre(about[0]["rect"]), "click", 1)
                oc.wait_dialog(session, "About Festoon...")
                self.assertEqual(oc.control(session, 201, "About Festoon...")["text"],
                                 "Build Date: 961121")
                oc.click(session, 1, "About Festoon...")
                self.assertTrue(oc.wait_gone(session, "About Festoon..."))

            with self.subTest("the menu's Close cancels the dialog"):
                x, y = centre(oc.control(session, 161)["rect"])
                session.xdotool("mousemove", x, y + 40, "click", 3)
                items = session.wait_for(session.menu_items, timeout=10)
                close = [i for i in items if i["id"] == 2][0]
                session.xdotool("mousemove", *centre(close["rect"]), "click", 1)
                self.assertTrue(oc.wait_gone(session))
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
