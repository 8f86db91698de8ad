"""Resident memory of festoon.exe before and after many rebuilds of the string.

Three runs, each in a fresh session of the test build with the random style and a
style change due at every step: (1) timed style changes, as the program makes them
(build, draw, wipe the old bulbs); (2) the builds alone; (3) the wipes alone. The
difference between them shows where any growth lies. Run through rebuild_memory.sh.
"""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import festoon_e2e as fe  # noqa: E402

CHUNK = 100  # operations per hook call: well inside the driver's send timeout


def rss_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise fe.E2EError("no VmRSS for %d" % pid)


def run(session, op, count):
    done = 0
    while done < count:
        session.test_hook(op, min(CHUNK, count - done))
        done += CHUNK


def measure(op, total, warmup):
    settings = {"BulbType": -1, "ChangeLights": 1, "Mode": 0, "NotSoMany": 0}
    settings.update(fe.QUIET_SETTINGS)
    with fe.Session(ini={"Settings": settings}, test_build=True, timeout=60) as s:
        s.wait_started()
        s.test_hook(fe.HOOK_ANIMATION_TIMER, 0)
        s.test_hook(fe.HOOK_SET_STYLE_INTERVAL, 0)
        pid = s.festoon_processes()[0]
        run(s, op, warmup)
        time.sleep(1)
        builds0 = s.test_hook(fe.HOOK_STRING_BUILDS)
        before = rss_kb(pid)
        run(s, op, total)
        time.sleep(1)
        after = rss_kb(pid)
        builds = s.test_hook(fe.HOOK_STRING_BUILDS) - builds0
        icons = s.test_hook(fe.HOOK_LIVE_ICONS)
        gdi = s.test_hook(fe.HOOK_LIVE_GDI_OBJECTS)
        s.close()
        return before, after, builds, icons, gdi


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--count", type=int, default=10000)
    parser.add_argument("--warmup", type=int, default=500)
    parser.add_argument("--only", choices=["steps", "builds", "wipes"])
    args = parser.parse_args()
    runs = [("steps", fe.HOOK_RUN_STEPS, "timed style changes (build, draw, wipe)"),
            ("builds", fe.HOOK_BUILD_STRING, "builds alone"),
            ("wipes", fe.HOOK_REPAINT_DESKTOP, "wipes of the desktop alone")]
    print("%-42s %7s %10s %10s %12s %6s %6s" % ("operation", "count", "RSS before",
                                                "RSS after", "bytes each", "builds", "icons/gdi"))
    for name, op, text in runs:
        if args.only and name != args.only:
            continue
        before, after, builds, icons, gdi = measure(op, args.count, args.warmup)
        print("%-42s %7d %7d kB %7d kB %12.0f %6d %3d/%d" % (
            text, args.count, before, after, (after - before) * 1024.0 / args.count, builds,
            icons, gdi))
        sys.stdout.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
