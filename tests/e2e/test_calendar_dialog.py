"""The calendar dialog and the event editor, driven as a user would: events are listed
and stored sorted, bad input is refused with its message and the focus on the field to
mend, an eleventh event cannot be added, Edit keeps a line in place, Delete asks first,
and Cancel leaves garland.ini exactly as it was."""

import datetime
import unittest

import calendar_common as cal
import festoon_e2e as fe

DAY_MESSAGE = ("You have selected a day which does not fall in that month.  "
               "Please select a different day.")
# What is entered, the message, the control that gets the focus.
REFUSALS = [
    (("Feb", 2, 30), DAY_MESSAGE, cal.DAY_ID),
    (("", 3, 3), "Please enter a description for this custom event.", cal.NAME_ID),
    (("Party", None, None), "Please select a month from the list.", cal.MONTH_ID),
    (("Party", 5, None), "Please select a day from the list.", cal.DAY_ID),
    (("Party #2", 5, 6), "A description cannot contain the # character.  "
     "Please enter a different description.", cal.NAME_ID),
]
WM_CONTEXTMENU = 0x007B


def open_dialog(session):
    window = cal.window_of(session, cal.WINDOW)
    session.driver_ok("post", window["hwnd"], "WM_COMMAND", 1009, 0)
    return window, cal.wait_dialog(session, cal.DIALOG)


def stored_events(session):
    return [session.read_ini()["Settings"]["CustomEvent%d" % n] for n in range(1, 11)]


def delete_line(session, dialog, index, button="Yes"):
    session.driver_ok("select-item", dialog, cal.LIST_ID, index)
    session.driver_ok("press-button", dialog, "Delete")
    box, text = cal.message_box(session, "Delete this item?")
    cal.answer(session, box, button)
    return text


class CalendarDialog(unittest.TestCase):
    def test_adds_sorted_refuses_bad_input_and_stores_on_ok(self):
        with fe.Session(ini=cal.settings_with(ShowEvents=1, Calendar4=1)) as session:
            session.wait_started()
            window = cal.wait_window(session, cal.WINDOW)
            cal.choose(session, cal.context_menu(session, window), "Configure Events...")
            dialog = cal.wait_dialog(session, cal.DIALOG)
            # Meanwhile the window's menu greys its way in. The dialog disables the window,
            # so the menu is asked for by the message a right click would send.
            x, y = window["rect"][0] + 50, window["rect"][1] + 50
            session.driver_ok("post", window["hwnd"], WM_CONTEXTMENU, 0, (y << 16) | x)
            items = cal.wait(session, session.menu_items, "the menu")
            self.assertEqual(items[0]["text"] + " " + items[0]["state"],
                             "Configure Events... grayed")
            session.xdotool("mousemove", 700, 650, "click", 1)
            cal.wait(session, lambda: session.menu_items() is None, "the menu to close")

            self.assertEqual([cal.item_state(session, dialog, i)[1] for i in range(1013, 1018)],
                             ["unchecked"] * 3 + ["checked", "unchecked"])
            self.assertEqual(cal.item_state(session, dialog, cal.EDIT_BUTTON)[0], "disabled")

            session.driver_ok("press-button", dialog, "Add...")
            editor = cal.wait_dialog(session, cal.EDITOR)
            for (name, month, day), message, focus in REFUSALS:
                with self.subTest(message, name=name, month=month, day=day):
                    cal.fill_editor(session, editor, name, month, day)
                    session.driver_ok("press-button", editor, "OK")
                    box, text = cal.message_box(session, "Festoon v2.21")
                    self.assertEqual(text, message)
                    cal.answer(session, box, "OK")
                    self.assertEqual(int(session.driver_ok("focus", editor)), focus)
            cal.fill_editor(session, editor, "Zoe", 2, 29)
            session.driver_ok("press-button", editor, "OK")
            cal.wait_gone(session, cal.EDITOR)
            cal.add_event(session, dialog, "Adam", 7, 8)
            cal.add_event(session, dialog, "Mia", 12, 1)
            self.assertEqual(cal.list_items(session, dialog)[0],
                             ["Adam\t07-08", "Mia\t12-01", "Zoe\t02-29"])

            session.driver_ok("press-button", dialog, "Halloween")
            cal.wait(session, lambda: cal.item_state(session, dialog, 1014)[1] == "checked",
                     "the check box")
            session.driver_ok("press-button", dialog, "OK")
            cal.wait_gone(session, cal.DIALOG)
            self.assertEqual(stored_events(session),
                             ["Adam#07 08", "Mia#12 01", "Zoe#02 29"] + [cal.EMPTY_SLOT] * 7)
            self.assertEqual(session.read_ini()["Settings"]["Calendar2"], "1")
            # The window shows them at once, and its menu item is back.
            before = datetime.date.today()
            shown = cal.item_text(session, window["hwnd"], cal.TEXT_ID)
            self.assertIn(shown, {cal.calendar_text(day, [0, 1, 0, 1, 0], [
                ("Adam", 7, 8), ("Mia", 12, 1), ("Zoe", 2, 29)])
                for day in (before, datetime.date.today())})
            self.assertEqual(cal.context_menu(session, window)[0]["state"], "enabled")
            self.assertEqual(session.close(), 0)

    def test_edit_keeps_the_line_in_place_and_delete_asks_first(self):
        ini = cal.settings_with(CustomEvent1="Adam#07 08", CustomEvent2="Mia#12 01",
                                CustomEvent3="Zoe#03 04")
        with fe.Session(ini=ini) as session:
            session.wait_started()
            _, dialog = open_dialog(session)
            session.driver_ok("select-item", dialog, cal.LIST_ID, 0)
            cal.wait(session, lambda: cal.item_state(session, dialog, cal.DELETE_BUTTON)[0]
                     == "enabled", "Delete to be enabled")
            session.driver_ok("press-button", dialog, "Edit...")
            editor = cal.wait_dialog(session, cal.EDITOR)
            self.assertEqual(cal.item_text(session, editor, cal.NAME_ID), "Adam")
            self.assertEqual(cal.list_items(session, editor, cal.DAY_ID)[1], 7)
            session.driver_ok("set-text", editor, cal.NAME_ID, "Zack")
            session.driver_ok("press-button", editor, "OK")
            cal.wait_gone(session, cal.EDITOR)
            self.assertEqual(cal.list_items(session, dialog)[0],
                             ["Zack\t07-08", "Mia\t12-01", "Zoe\t03-04"])

            session.driver_ok("select-item", dialog, cal.LIST_ID, 1, "double")
            editor = cal.wait_dialog(session, cal.EDITOR)
            self.assertEqual(cal.item_text(session, editor, cal.NAME_ID), "Mia")
            session.driver_ok("press-button", editor, "Cancel")
            cal.wait_gone(session, cal.EDITOR)

            self.assertEqual(delete_line(session, dialog, 2, "No"), "Zoe\t03-04")
            for index in (2, 1, 0):
                delete_line(session, dialog, index)
            self.assertEqual(cal.list_items(session, dialog)[0], [])
            self.assertEqual(cal.item_state(session, dialog, cal.EDIT_BUTTON)[0], "disabled")
            self.assertEqual(cal.item_state(session, dialog, cal.DELETE_BUTTON)[0], "disabled")

            long_name = "Forty characters of a long event name!!!"
            cal.add_event(session, dialog, long_name, 10, 1)
            session.driver_ok("press-button", dialog, "OK")
            cal.wait_gone(session, cal.DIALOG)
            self.assertEqual(stored_events(session),
                             [long_name[:31] + "#10 01"] + [cal.EMPTY_SLOT] * 9)
            self.assertEqual(session.close(), 0)

    def test_eleventh_event_is_refused_and_cancel_keeps_the_file(self):
        events = {"CustomEvent%d" % n: "Event %d#%02d %02d" % (n, n, n) for n in range(1, 10)}
        with fe.Session(ini=cal.settings_with(ShowEvents=1, Calendar5=1, **events)) as session:
            session.wait_started()
            window, dialog = open_dialog(session)
            with open(session.ini_path, "rb") as f:
                before = f.read()
            shown = cal.item_text(session, window["hwnd"], cal.TEXT_ID)

            cal.add_event(session, dialog, "Tenth", 10, 10)
            session.driver_ok("press-button", dialog, "Add...")
            box, text = cal.message_box(session, "Cannot Complete")
            self.assertEqual(text, "Can only have 10 custom calendar events.")
            cal.answer(session, box, "OK")
            self.assertIsNone(cal.window_of(session, cal.EDITOR))
            self.assertEqual(len(cal.list_items(session, dialog)[0]), 10)

            delete_line(session, dialog, 0)
            session.driver_ok("press-button", dialog, "Show Calendar at Startup")
            cal.wait(session, lambda: cal.item_state(session, dialog, cal.STARTUP_BOX)[1]
                     == "unchecked", "the check box")
            session.driver_ok("press-button", dialog, "Cancel")
            cal.wait_gone(session, cal.DIALOG)
            with open(session.ini_path, "rb") as f:
                self.assertEqual(f.read(), before)
            self.assertEqual(cal.item_text(session, window["hwnd"], cal.TEXT_ID), shown)
            _, dialog = open_dialog(session)
            self.assertEqual(len(cal.list_items(session, dialog)[0]), 9)
            session.driver_ok("press-button", dialog, "Cancel")
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
