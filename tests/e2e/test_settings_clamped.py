"""Out-of-range values in a hand-written garland.ini come back clamped after a run;
values the program does not clamp come back unchanged; malformed custom events
come back as empty slots, and one too short to hold a date does not upset the
program."""

import unittest

import festoon_e2e as fe

# Each run: the values written before the start, and what the file must hold after
# the program was closed.
RUNS = [
    ("upper bounds", {
        "Mode": ("9", "5"), "Color": ("10", "9"), "Rate": ("7", "4"), "SSType": ("9", "6"),
        "BulbType": ("40", "26"), "Power": ("7", "1"), "Broken": ("5", "1"),
        "MissingBulbs": ("2", "1"), "NoFlicker": ("3", "1"), "Sound": ("9", "1"),
        "KeyLights": ("6", "1"), "SSMouseMove": ("2", "1"), "IgnoreWinSS": ("8", "1"),
        "IdleProcess": ("4", "1"), "SSDelay": ("75", "60"),
        # Not clamped: kept as written.
        "BackColor": ("12", "12"), "OnTop": ("5", "5"), "SSLogo": ("7", "7"),
        "Calendar1": ("4", "4"),
    }),
    ("lower bounds", {
        "Mode": ("-4", "0"), "Color": ("-5", "-1"), "Rate": ("-1", "0"), "SSType": ("-1", "0"),
        "BulbType": ("-2", "-1"), "BurnedOut": ("-3", "0"), "NotSoMany": ("-1", "0"),
        "Zoom": ("-2", "0"), "WarnPower": ("-1", "0"), "SSMouseClick": ("-5", "0"),
        "ChangeLights": ("0", "0"), "SSDelay": ("-1", "60"),
        "BackColor": ("-3", "-3"), "Calendar5": ("-2", "-2"),
    }),
    # Beyond the 32-bit range: saturated toward the number's own sign, then clamped.
    ("numbers out of range", {
        "Rate": ("-2147483649", "0"), "Mode": ("4294967299", "5"),
        "OnTop": ("-99999999999", "-2147483648"), "SSLogo": ("2147483648", "2147483647"),
    }),
    ("values at the edges", {
        "Mode": ("5", "5"), "Color": ("-1", "-1"), "BulbType": ("26", "26"),
        "Rate": ("0", "0"), "SSDelay": ("0", "0"), "SSType": ("6", "6"),
    }),
    ("delay just below the limit", {
        "SSDelay": ("59", "59"), "BulbType": ("-1", "-1"), "Power": ("0", "0"),
    }),
]

CUSTOM_EVENTS = {
    "CustomEvent1": ("Birthday#03 07", "Birthday#03 07"),
    "CustomEvent2": ("#03 07", "#-01 -01"),          # no name
    "CustomEvent3": ("Birthday 03 07", "#-01 -01"),  # no "#"
    "CustomEvent4": ("", "#-01 -01"),
    "CustomEvent10": ("New Year#12 31", "New Year#12 31"),
}

# Too short to hold "MM DD" after the "#": what it loads as is the program's choice,
# but it must run and keep the name.
SHORT_EVENT = ("CustomEvent5", "Party#3")


def run_with(values):
    settings = dict(fe.QUIET_SETTINGS)
    settings.update(values)
    with fe.Session(ini={"Settings": settings}) as session:
        exit_code = session.close()
        return exit_code, session.read_ini().get("Settings", {})


class SettingsClamped(unittest.TestCase):
    def test_integer_keys_are_clamped_on_load(self):
        for name, table in RUNS:
            with self.subTest(run=name):
                exit_code, settings = run_with({k: v[0] for k, v in table.items()})
                self.assertEqual(exit_code, 0)
                for key, (_, expected) in table.items():
                    with self.subTest(run=name, key=key):
                        self.assertEqual(settings.get(key), expected)

    def test_malformed_custom_events_become_empty_slots(self):
        values = {k: v[0] for k, v in CUSTOM_EVENTS.items()}
        values[SHORT_EVENT[0]] = SHORT_EVENT[1]
        exit_code, settings = run_with(values)
        self.assertEqual(exit_code, 0)
        for key, (_, expected) in CUSTOM_EVENTS.items():
            with self.subTest(key=key):
                self.assertEqual(settings.get(key), expected)
        self.assertTrue(settings.get(SHORT_EVENT[0], "").startswith("Party#"),
                        settings.get(SHORT_EVENT[0]))


if __name__ == "__main__":
    unittest.main(verbosity=2)
