"""The calendar dialog and the event editor, driven as a user would: events added in
any order are listed and stored sorted, bad input is refused with its message and the
focus on the field to mend, an eleventh event cannot be added, Edit keeps a line in
place, Delete asks first, and Cancel leaves garland.ini exactly as it was."""

import datetime
import unittest

import calendar_common as cal
import festoon_e2e as fe

APP_CAPTION = "Festoon v2.21"
WM_CONTEXTMENU = 0x007B
DAY_MESSAGE = ("You have selected a day which does not fall in that month.  "
               "Please select a different day.")

# Each refusal: what is entered, the message, the control that gets the focus.
REFUSALS = [
    ("30 February", ("Feb", 2, 30), DAY_MESSAGE, cal.DAY_ID),
    ("31 April", ("Apr", 4, 31), DAY_MESSAGE, cal.DAY_ID),
    ("no name", ("", 3, 3), "Please enter a description for this custom event.", cal.NAME_ID),
    ("no month", ("Party", None, None), "Please select a month from the list.", cal.MONTH_ID),
    ("no day", ("Party", 5, None), "Please select a day from the list.", cal.DAY_ID),
    ("a # in the name", ("Party #2", 5, 6),
     "A description cannot contain the # character.  Please enter a different description.",
     cal.NAME_ID),
]


def open_from_menu(session):
    """"Configure Events..." from the calendar window's menu."""
    window = session.wait_for(lambda: (lambda w: w if w and w["visible"] else None)(
        cal.window_of(session, cal.WINDOW_TITLE)))
    if not window:
        raise fe.E2EError("the calendar window did not show")
    cal.choose(session, cal.open_context_menu(session, window), "Configure Events...")
    return window, cal.wait_dialog(session, cal.DIALOG_TITLE)


def open_by_command(session):
    window = session.wait_for(lambda: cal.window_of(session, cal.WINDOW_TITLE))
    session.driver_ok("post", window["hwnd"], "WM_COMMAND", 1009, 0)
    return window, cal.wait_dialog(session, cal.DIALOG_TITLE)


def stored_events(session):
    stored = session.read_ini()["Settings"]
    return [stored.get("CustomEvent%d" % n) for n in range(1, 11)]


class CalendarDialog(unittest.TestCase):
    def test_adds_sorted_refuses_bad_input_and_stores_on_ok(self):
        ini = cal.settings_with(ShowEvents=1, Calendar1=1, Calendar4=1)
        with fe.Session(ini=ini) as session:
            session.wait_started()
            window, dialog = open_from_menu(session)

            # While the dialog runs, the window's menu greys "Configure Events...". The
            # dialog disables the window it belongs to, so the menu is asked for by
            # message, as a right click on the window would.
            left, top, right, bottom = window["rect"]
            x, y = (left + right) // 2, (top + bottom) // 2
            session.driver_ok("post", window["hwnd"], WM_CONTEXTMENU, 0, (y << 16) | x)
            items = session.wait_for(session.menu_items, timeout=10)
            self.assertIsNotNone(items, "no context menu opened")
            self.assertEqual((items[0]["text"], items[0]["state"]),
                             ("Configure Events...", "grayed"))
            self.assertEqual(items[2]["state"], "enabled")
            session.xdotool("mousemove", 700, 650, "click", 1)
            self.assertTrue(session.wait_for(lambda: session.menu_items() is None))

            # The dialog starts from the settings.
            states = [cal.item_state(session, dialog, i)[1] for i in cal.HOLIDAY_BOXES]
            self.assertEqual(states, ["checked", "unchecked", "unchecked", "checked",
                                      "unchecked"])
            self.assertEqual(cal.item_state(session, dialog, cal.STARTUP_BOX)[1], "checked")
            self.assertEqual(cal.list_items(session, dialog), ([], -1))
            for button in (cal.EDIT_BUTTON, cal.DELETE_BUTTON):
                self.assertEqual(cal.item_state(session, dialog, button)[0], "disabled")

            # Refused input keeps the editor open with the focus on the field to mend.
            session.driver_ok("press-button", dialog, "Add...")
            editor = cal.wait_dialog(session, cal.EDITOR_TITLE)
            for what, (name, month, day), message, focus in REFUSALS:
                with self.subTest(what):
                    session.driver_ok("set-text", editor, cal.NAME_ID, name)
                    for ident, value in ((cal.MONTH_ID, month), (cal.DAY_ID, day)):
                        session.driver_ok("select-item", editor, ident,
                                          -1 if value is None else value - 1)
                    session.driver_ok("press-button", editor, "OK")
                    box, text = cal.message_box(session, APP_CAPTION)
                    self.assertEqual(text, message)
                    cal.answer_box(session, box, "OK")
                    self.assertEqual(int(session.driver_ok("focus", editor)), focus)
                    self.assertIsNotNone(cal.find_dialog(session, cal.EDITOR_TITLE))
            # 29 February is a date the editor takes.
            cal.fill_editor(session, editor, "Zoe", 2, 29)
            session.driver_ok("press-button", editor, "OK")
            cal.wait_dialog_gone(session, cal.EDITOR_TITLE)

            cal.add_event(session, dialog, "Adam", 7, 8)
            cal.add_event(session, dialog, "Mia", 12, 1)
            items, _ = cal.list_items(session, dialog)
            self.assertEqual(items, ["Adam\t07-08", "Mia\t12-01", "Zoe\t02-29"])

            # A check box changed too; OK stores everything, sorted.
            session.driver_ok("press-button", dialog, "Halloween")
            self.assertTrue(session.wait_for(
                lambda: cal.item_state(session, dialog, 1014)[1] == "checked"))
            session.driver_ok("press-button", dialog, "OK")
            cal.wait_dialog_gone(session, cal.DIALOG_TITLE)
            self.assertEqual(stored_events(session),
                             ["Adam#07 08", "Mia#12 01", "Zoe#02 29"] + [cal.EMPTY_SLOT] * 7)
            stored = session.read_ini()["Settings"]
            self.assertEqual([stored["Calendar%d" % n] for n in range(1, 6)],
                             ["1", "1", "0", "1", "0"])

            # The calendar window shows the new events at once.
            before = datetime.date.today()
            shown = cal.item_text(session, window["hwnd"], cal.TEXT_ID)
            after = datetime.date.today()
            events = [("Adam", 7, 8), ("Mia", 12, 1), ("Zoe", 2, 29)]
            self.assertIn(shown, {cal.calendar_text(day, [1, 1, 0, 1, 0], events)
                                  for day in (before, after)})
            items = cal.open_context_menu(session, window)
            self.assertEqual((items[0]["text"], items[0]["state"]),
                             ("Configure Events...", "enabled"))
            session.xdotool("key", "Escape")
            self.assertTrue(session.wait_for(lambda: session.menu_items() is None))
            self.assertEqual(session.close(), 0)

    def test_edit_keeps_the_line_in_place_and_delete_asks_first(self):
        ini = cal.settings_with(ShowEvents=0, CustomEvent1="Adam#07 08",
                                CustomEvent2="Mia#12 01", CustomEvent3="Zoe#03 04")
        with fe.Session(ini=ini) as session:
            session.wait_started()
            _, dialog = open_by_command(session)
            items, _ = cal.list_items(session, dialog)
            self.assertEqual(items, ["Adam\t07-08", "Mia\t12-01", "Zoe\t03-04"])

            # Selecting a line enables Edit and Delete.
            session.driver_ok("select-item", dialog, cal.LIST_ID, 0)
            for button in (cal.EDIT_BUTTON, cal.DELETE_BUTTON):
                self.assertTrue(session.wait_for(
                    lambda: cal.item_state(session, dialog, button)[0] == "enabled"))

            # The editor opens on the selected line; the renamed line stays first.
            session.driver_ok("press-button", dialog, "Edit...")
            editor = cal.wait_dialog(session, cal.EDITOR_TITLE)
            self.assertEqual(cal.item_text(session, editor, cal.NAME_ID), "Adam")
            self.assertEqual(cal.list_items(session, editor, cal.MONTH_ID)[1], 6)
            self.assertEqual(cal.list_items(session, editor, cal.DAY_ID)[1], 7)
            cal.fill_editor(session, editor, name="Zack")
            session.driver_ok("press-button", editor, "OK")
            cal.wait_dialog_gone(session, cal.EDITOR_TITLE)
            items, _ = cal.list_items(session, dialog)
            self.assertEqual(items, ["Zack\t07-08", "Mia\t12-01", "Zoe\t03-04"])

            # A double click opens the editor on that line.
            session.driver_ok("select-item", dialog, cal.LIST_ID, 1, "double")
            editor = cal.wait_dialog(session, cal.EDITOR_TITLE)
            self.assertEqual(cal.item_text(session, editor, cal.NAME_ID), "Mia")
            session.driver_ok("press-button", editor, "Cancel")
            cal.wait_dialog_gone(session, cal.EDITOR_TITLE)
            self.assertEqual(cal.list_items(session, dialog)[0][1], "Mia\t12-01")

            # Delete shows the line and asks; No keeps it, Yes removes it.
            session.driver_ok("select-item", dialog, cal.LIST_ID, 2)
            session.driver_ok("press-button", dialog, "Delete")
            box, text = cal.message_box(session, "Delete this item?")
            self.assertEqual(text.replace("\t", " "), "Zoe 03-04")
            cal.answer_box(session, box, "No")
            self.assertEqual(len(cal.list_items(session, dialog)[0]), 3)
            for index in (2, 1, 0):
                session.driver_ok("select-item", dialog, cal.LIST_ID, index)
                session.driver_ok("press-button", dialog, "Delete")
                box, _ = cal.message_box(session, "Delete this item?")
                cal.answer_box(session, box, "Yes")
            self.assertEqual(cal.list_items(session, dialog)[0], [])
            # The last line gone, Edit and Delete are disabled again.
            for button in (cal.EDIT_BUTTON, cal.DELETE_BUTTON):
                self.assertEqual(cal.item_state(session, dialog, button)[0], "disabled")

            # A name too long for the file is cut to its first 31 characters.
            long_name = "Forty characters of a long event name!!!"
            self.assertEqual(len(long_name), 40)
            cal.add_event(session, dialog, long_name, 10, 1)
            session.driver_ok("press-button", dialog, "OK")
            cal.wait_dialog_gone(session, cal.DIALOG_TITLE)
            self.assertEqual(stored_events(session),
                             [long_name[:31] + "#10 01"] + [cal.EMPTY_SLOT] * 9)
            self.assertEqual(session.close(), 0)

    def test_eleventh_event_is_refused_and_cancel_keeps_the_file(self):
        events = {"CustomEvent%d" % n: cal.stored_event("Event %d" % n, n, n)
                  for n in range(1, 10)}
        with fe.Session(ini=cal.settings_with(ShowEvents=1, Calendar5=1, **events)) as session:
            session.wait_started()
            window, dialog = open_by_command(session)
            with open(session.ini_path, "rb") as f:
                before = f.read()

            cal.add_event(session, dialog, "Tenth", 10, 10)
            self.assertEqual(len(cal.list_items(session, dialog)[0]), 10)
            session.driver_ok("press-button", dialog, "Add...")
            box, text = cal.message_box(session, "Cannot Complete")
            self.assertEqual(text, "Can only have 10 custom calendar events.")
            self.assertIsNone(cal.find_dialog(session, cal.EDITOR_TITLE))
            cal.answer_box(session, box, "OK")
            self.assertEqual(len(cal.list_items(session, dialog)[0]), 10)

            # More changes, then Cancel: the file and the window stay as they were.
            text_before = cal.item_text(session, window["hwnd"], cal.TEXT_ID)
            session.driver_ok("select-item", dialog, cal.LIST_ID, 0)
            session.driver_ok("press-button", dialog, "Delete")
            box, _ = cal.message_box(session, "Delete this item?")
            cal.answer_box(session, box, "Yes")
            session.driver_ok("press-button", dialog, "Christmas")
            session.driver_ok("press-button", dialog, "Show Calendar at Startup")
            self.assertTrue(session.wait_for(
                lambda: cal.item_state(session, dialog, cal.STARTUP_BOX)[1] == "unchecked"))
            session.driver_ok("press-button", dialog, "Cancel")
            cal.wait_dialog_gone(session, cal.DIALOG_TITLE)
            with open(session.ini_path, "rb") as f:
                self.assertEqual(f.read(), before)
            self.assertEqual(cal.item_text(session, window["hwnd"], cal.TEXT_ID), text_before)

            # Opened again, it shows the stored state, not the cancelled one.
            _, dialog = open_by_command(session)
            self.assertEqual(len(cal.list_items(session, dialog)[0]), 9)
            self.assertEqual(cal.item_state(session, dialog, cal.STARTUP_BOX)[1], "checked")
            session.driver_ok("press-button", dialog, "Cancel")
            cal.wait_dialog_gone(session, cal.DIALOG_TITLE)
            self.assertEqual(session.close(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
