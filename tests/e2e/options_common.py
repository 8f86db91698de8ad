"""Helpers for the tests of the options dialog and its companions: opening them,
reading their controls and lists through the driver, and pressing what a user
would press."""

import festoon_e2e as fe

OPTIONS = "Options"
TRAY_POINT = (1014, 758)  # the first tray icon on a 1024x768 desktop
CMD_ABOUT = 1000
CMD_OPTIONS = 1001
CMD_BACKCOLOR = 1008


def settings(**values):
    """A garland.ini dict: quiet start-up without zoom, plus the given Settings keys."""
    merged = dict(fe.QUIET_SETTINGS, Zoom=0)
    merged.update(values)
    return {"Settings": {k: str(v) for k, v in merged.items()}}


def controls(session, dialog=OPTIONS):
    """The dialog's controls as dicts (id, cls, text, style, enabled, visible, check,
    rect, hwnd), in template order; None when the dialog is not showing."""
    result = session.driver("controls", dialog)
    if not result.ok:
        return None
    found = []
    for line in result.stdout.splitlines():
        parts = line.split("\t")
        if len(parts) != 9:
            continue
        found.append({"id": int(parts[0]), "cls": parts[1], "text": parts[2],
                      "style": int(parts[3], 16), "enabled": parts[4] == "enabled",
                      "visible": parts[5] == "visible",
                      "check": None if parts[6] == "-" else int(parts[6]),
                      "rect": tuple(int(v) for v in parts[7].split()), "hwnd": int(parts[8])})
    return found


def control(session, ident, dialog=OPTIONS):
    for c in controls(session, dialog) or []:
        if c["id"] == ident:
            return c
    raise fe.E2EError("no control %d in %r" % (ident, dialog))


def wait_dialog(session, dialog=OPTIONS, timeout=20):
    """Waits until the dialog shows (initialisation is over by then); returns its
    controls."""
    found = session.wait_for(lambda: controls(session, dialog), timeout=timeout)
    if not found:
        raise fe.E2EError("the dialog %r did not show" % dialog)
    return found


def wait_gone(session, dialog=OPTIONS, timeout=20):
    return session.wait_for(lambda: controls(session, dialog) is None, timeout=timeout)


def dialog_count(session, title):
    return sum(1 for w in session.windows() if w["cls"] == "#32770" and w["title"] == title)


def open_options(session):
    session.post_command(CMD_OPTIONS)
    return wait_dialog(session)


def list_items(session, ident, dialog=OPTIONS):
    """(current selection, [(selected, text), ...]) of a list or combo box."""
    lines = session.driver_ok("list-entries", dialog, ident).splitlines()
    count, current = (int(v) for v in lines[0].split("\t"))
    items = []
    for line in lines[1:]:
        _, selected, text = line.split("\t", 2)
        items.append((selected == "1", text))
    if len(items) != count:
        raise fe.E2EError("the driver listed %d of %d items" % (len(items), count))
    return current, items


def click(session, ident, dialog=OPTIONS):
    session.driver_ok("click-control", dialog, ident)


def select(session, ident, index, dialog=OPTIONS):
    session.driver_ok("select", dialog, ident, index)


def wait_text(session, ident, text, dialog=OPTIONS, timeout=10):
    return session.wait_for(lambda: control(session, ident, dialog)["text"] == text,
                            timeout=timeout)


def wait_check(session, ident, state, dialog=OPTIONS, timeout=10):
    return session.wait_for(lambda: control(session, ident, dialog)["check"] == state,
                            timeout=timeout)


def saved(session, key, section="Settings"):
    return session.read_ini().get(section, {}).get(key)


NO_MIDI = "No MIDI Playback Device Detected"


def past_the_no_midi_notice(session):
    """Files without WarnMusic=0 bring up the no-MIDI notice at start-up (this
    machine has no MIDI device); start-up goes on once it is closed."""
    wait_dialog(session, NO_MIDI, timeout=30)
    click(session, 1, NO_MIDI)
    wait_gone(session, NO_MIDI)
