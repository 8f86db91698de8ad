"""Takes the README's pictures of every dialog: runs festoon.exe under Wine (as the
end-to-end tests do), opens each dialog and saves it, cropped, as docs/dialog-*.png.

  FESTOON_WIN_BUILD=build/win FESTOON_E2E_PREFIX=build/host/wineprefix \\
      python3 tools/dialog_screenshots.py
"""

import os
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import festoon_e2e as fe  # noqa: E402
import options_common as oc  # noqa: E402

DOCS = os.path.join(ROOT, "docs")
MARGIN = 8


def save(session, name, title, extra=None):
    """Saves the dialog `title` (and the rectangle `extra` too, when given)."""
    rect = [w for w in session.windows() if w["title"] == title][0]["rect"]
    if extra:
        rect = (min(rect[0], extra[0]), min(rect[1], extra[1]), max(rect[2], extra[2]),
                max(rect[3], extra[3]))
    left, top = max(rect[0] - MARGIN, 0), max(rect[1] - MARGIN, 0)
    right, bottom = min(rect[2] + MARGIN, 1024), min(rect[3] + MARGIN, 768)
    image = session.capture().crop(left, top, right - left, bottom - top)
    with tempfile.NamedTemporaryFile(suffix=".ppm") as ppm:
        image.save_ppm(ppm.name)
        target = os.path.join(DOCS, "dialog-%s.png" % name)
        subprocess.run(["convert", ppm.name, target], check=True)
    print(target)


def main():
    ini = oc.settings(Mode=3, Rate=3, BulbType=0, Color=8, WarnMusic=1, Music=1)
    ini["Music"] = {"NumEntries": "1", "MIDI1": "xmastune.mid"}
    with fe.Session(ini=ini) as session:
        oc.wait_dialog(session, "No MIDI Playback Device Detected")
        time.sleep(0.5)
        save(session, "warnmusic", "No MIDI Playback Device Detected")
        oc.click(session, 1, "No MIDI Playback Device Detected")
        session.wait_started()
        session.xdotool("mousemove", 900, 700)

        oc.open_options(session)
        combo = oc.control(session, 140)
        session.driver_ok("send", combo["hwnd"], 0x014F, 1, 0)  # CB_SHOWDROPDOWN
        time.sleep(1)
        lists = [w for w in session.windows() if w["cls"] == "ComboLBox"]
        save(session, "options", oc.OPTIONS, lists[0]["rect"] if lists else None)
        session.driver_ok("send", combo["hwnd"], 0x014F, 0, 0)

        quit_rect = oc.control(session, 3)["rect"]
        x, y = (quit_rect[0] + quit_rect[2]) // 2, (quit_rect[1] + quit_rect[3]) // 2
        session.xdotool("mousemove", x - 3, y)
        session.xdotool("mousemove", x, y)
        tip = session.wait_for(lambda: [w for w in session.windows()
                                        if w["cls"] == "tooltips_class32"], timeout=10)
        if tip:
            save(session, "tooltip", oc.OPTIONS, tip[0]["rect"])
        session.xdotool("mousemove", 900, 700)

        oc.click(session, 9)
        oc.wait_dialog(session, "Festoon Help")
        oc.select(session, 1009, 1, "Festoon Help")
        time.sleep(0.7)
        save(session, "help", "Festoon Help")
        oc.click(session, 1, "Festoon Help")
        oc.wait_gone(session, "Festoon Help")

        oc.click(session, 400)
        oc.click(session, 1)
        oc.wait_dialog(session, fe.MAIN_TITLE)
        time.sleep(0.5)
        save(session, "warnpower", fe.MAIN_TITLE)
        oc.click(session, 1, fe.MAIN_TITLE)
        oc.wait_gone(session)

        session.post_command(oc.CMD_ABOUT)
        oc.wait_dialog(session, "About Festoon...")
        time.sleep(0.5)
        save(session, "about", "About Festoon...")
        oc.click(session, 1, "About Festoon...")
        oc.wait_gone(session, "About Festoon...")

        session.post_command(oc.CMD_BACKCOLOR)
        oc.wait_dialog(session, "Select Background Color")
        oc.click(session, 102, "Select Background Color")
        oc.select(session, 103, 5, "Select Background Color")
        time.sleep(0.5)
        save(session, "backcolor", "Select Background Color")
        oc.click(session, 2, "Select Background Color")
        session.close()


if __name__ == "__main__":
    main()
