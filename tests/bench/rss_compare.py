"""Resident memory under the same Wine of festoon.exe at the fastest rate, of a
20-line idle Win32 program, and of an idle program that loads the same system
libraries as festoon.exe (shell32, comctl32 with Common Controls 6, winmm, gdi32,
user32). Each runs alone on a fresh 1024x768 desktop; its RSS is read from /proc
after it has been idle for a while. Run through rss_compare.sh.
"""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import festoon_e2e as fe  # noqa: E402


def rss_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise fe.E2EError("no VmRSS for %d" % pid)


def probe_rss(exe, settle):
    with fe.Session(ini=None, start=False) as s:
        s.start_desktop()
        process = s.desktop.start([os.path.join(fe.win_build_dir(), exe)], cwd=s.folder)
        pids = s.wait_for(lambda: fe.program_processes(s.prefix, exe), timeout=30)
        if not pids:
            raise fe.E2EError("%s did not start" % exe)
        time.sleep(settle)
        if process.poll() is not None:
            raise fe.E2EError("%s ended early with %d" % (exe, process.returncode))
        return rss_kb(pids[0])


def festoon_rss(settle):
    settings = {"Rate": 4, "Mode": 1}
    settings.update(fe.QUIET_SETTINGS)
    with fe.Session(ini={"Settings": settings}) as s:
        s.wait_started()
        time.sleep(settle)
        value = rss_kb(s.festoon_processes()[0])
        s.close()
        return value


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--settle", type=float, default=10.0, help="seconds idle before reading")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    rows = [("20-line idle Win32 program", lambda: probe_rss("idle_plain.exe", args.settle)),
            ("idle program with festoon.exe's system libraries",
             lambda: probe_rss("idle_libs.exe", args.settle)),
            ("festoon.exe, fastest rate", lambda: festoon_rss(args.settle))]
    print("%-50s %s" % ("program", "RSS (MB), median of %d runs" % args.runs))
    for name, measure in rows:
        values = sorted(measure() for _ in range(args.runs))
        print("%-50s %6.1f   (runs: %s kB)" % (name, values[len(values) // 2] / 1024.0,
                                                " ".join(str(v) for v in values)))
        sys.stdout.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
