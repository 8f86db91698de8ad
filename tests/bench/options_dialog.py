"""Options dialog benchmark: the time from the open command (WM_SYSCOMMAND 1001) to
the dialog's first complete paint (its preview showing bulbs), with Zoom off; and
the processor time festoon.exe and the wineserver use while the dialog stays open
at "Very Fast" (the preview repaints every 50 ms), beside the same time with the
dialog closed.

Run through options_dialog.sh, which builds first and picks the folders.
"""

import argparse
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import festoon_e2e as fe  # noqa: E402
import options_common as oc  # noqa: E402
from cpu_idle import command_of, cpu_ticks, TICKS  # noqa: E402


def cpu_percent(session, seconds):
    program = session.program.pid
    servers = [p for p in fe.tagged_processes(session.prefix) if "wineserver" in command_of(p)]
    watched = [program] + servers
    before = {p: cpu_ticks(p) for p in watched}
    start = time.monotonic()
    time.sleep(seconds)
    after = {p: cpu_ticks(p) for p in watched}
    elapsed = time.monotonic() - start

    def percent(pids):
        used = sum((after[p] or 0) - (before[p] or 0) for p in pids
                   if before[p] is not None and after[p] is not None)
        return 100.0 * used / TICKS / elapsed

    return percent([program]), percent(servers)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--openings", type=int, default=10)
    parser.add_argument("--seconds", type=float, default=30)
    parser.add_argument("--settle", type=float, default=3)
    args = parser.parse_args()

    ini = oc.settings(Rate=4, Mode=3, Zoom=0)
    with fe.Session(ini=ini) as session:
        session.wait_started()
        time.sleep(args.settle)
        times = []
        for _ in range(args.openings):
            times.append(float(session.driver_ok("time-open").strip()))
            oc.wait_dialog(session)
            oc.click(session, 2)
            oc.wait_gone(session)
            time.sleep(0.5)
        print("open to first paint, Zoom off, %d openings: median %.1f ms, min %.1f ms, "
              "max %.1f ms" % (len(times), statistics.median(times), min(times), max(times)))

        closed = cpu_percent(session, args.seconds)
        oc.open_options(session)
        time.sleep(args.settle)
        opened = cpu_percent(session, args.seconds)
        oc.click(session, 2)
        oc.wait_gone(session)
        for label, (program, server) in (("dialog closed", closed),
                                         ("dialog open, Very Fast", opened)):
            print("CPU over %.0f s, %-22s festoon.exe %5.2f%%  wineserver %5.2f%%  "
                  "together %5.2f%% of one core" % (args.seconds, label + ":", program, server,
                                                    program + server))
        if session.close() != 0:
            raise fe.E2EError("festoon.exe did not close cleanly")


if __name__ == "__main__":
    main()
