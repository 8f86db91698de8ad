"""A first run in an empty folder writes garland.ini with every key at its default,
the ten empty custom events and the seeded play list, and keeps one hidden main
window titled after the program."""

import unittest

import festoon_e2e as fe

EMPTY_EVENT = "#-01 -01"
EVENT_NOTIFY_KEYS = {"EventNotify.left", "EventNotify.top", "EventNotify.right",
                     "EventNotify.bottom"}


def expected_settings():
    keys = {name: str(value) for name, value in fe.SETTINGS_DEFAULTS}
    keys["SSMsg"] = ""
    keys.update({"Calendar%d" % n: "0" for n in range(1, 6)})
    keys.update({"CustomEvent%d" % n: EMPTY_EVENT for n in range(1, 11)})
    return keys


def complete(session):
    """The file once the start-up save has written all of it, else None."""
    ini = session.read_ini()
    settings = ini.get("Settings", {})
    if set(expected_settings()) <= set(settings) and "NumEntries" in ini.get("Music", {}):
        return ini
    return None


class FirstRun(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = fe.Session(ini=None).__enter__()
        cls.ini = cls.session.wait_for(lambda: complete(cls.session)) or cls.session.read_ini()
        cls.windows = cls.session.windows(include_hidden=True)
        cls.exit_code = cls.session.close()
        cls.leftovers = cls.session.festoon_processes()
        cls.ini_after_exit = cls.session.read_ini()

    @classmethod
    def tearDownClass(cls):
        cls.session.__exit__(None, None, None)

    def test_every_settings_key_has_its_default(self):
        settings = self.ini.get("Settings", {})
        for key, value in expected_settings().items():
            with self.subTest(key=key):
                self.assertIn(key, settings)
                self.assertEqual(settings[key], value)

    def test_no_key_outside_the_settings_table(self):
        extra = set(self.ini.get("Settings", {})) - set(expected_settings()) - EVENT_NOTIFY_KEYS
        self.assertEqual(extra, set())

    def test_play_list_is_seeded(self):
        music = self.ini.get("Music", {})
        self.assertEqual(music.get("MIDI1"), "xmastune.mid")
        self.assertEqual(music.get("NumEntries"), "1")
        self.assertNotIn("Current", music)

    def test_one_hidden_main_window_with_the_program_title(self):
        main = [w for w in self.windows if w["cls"] == fe.MAIN_CLASS]
        self.assertEqual(len(main), 1)
        self.assertEqual(main[0]["title"], fe.MAIN_TITLE)
        self.assertFalse(main[0]["visible"])

    def test_exit_leaves_a_complete_file_and_no_process(self):
        self.assertEqual(self.exit_code, 0)
        self.assertEqual(self.leftovers, [])
        settings = self.ini_after_exit.get("Settings", {})
        self.assertEqual(set(expected_settings()) - set(settings), set())


if __name__ == "__main__":
    unittest.main(verbosity=2)
