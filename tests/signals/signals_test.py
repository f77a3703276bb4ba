#!/usr/bin/env python3
"""Ending the program from outside: hang-up, termination, interrupt, kill and
a closed standard output, each while the program waits at a prompt after
showing results.  Whatever the screen showed must be in the report file (and
in a set list being created), and the status must show the signal.

Usage: signals_test.py PROGRAM SCRATCH-FOLDER
"""

import os
import shutil
import signal
import subprocess
import sys
import time

PROGRAM = os.path.abspath(sys.argv[1])
SCRATCH = os.path.abspath(sys.argv[2])

# Entry 1 with two sets, the report file report.txt; the program then waits
# for a third set.
REPORTS = "y\nreport.txt\n1\n047\n0146\n"
SECOND_REPORT_DONE = b"Enter another set or hit ENTER to return to main menu:  "
# Entry 6, item 3: two sets typed into a new set list; the program then waits
# for a third.
SETLIST = "n\n6\n3\nsets.txt\n047\n0146\n"
THIRD_SET_PROMPT = b"Please enter pc set 3 or ENTER to return to menu:  "

failures = []


def fresh_folder(name):
    folder = os.path.join(SCRATCH, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    return folder


def run_to_end(name, script):
    """The files a complete run leaves behind (end of input, status 0)."""
    folder = fresh_folder(name)
    done = subprocess.run([PROGRAM], input=script.encode(), cwd=folder,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=20)
    if done.returncode != 0 or done.stderr:
        failures.append(f"{name}: the complete run ended with {done.returncode}")
    return folder


def read(path):
    with open(path, "rb") as f:
        return f.read()


def start_and_wait(folder, script, shown, count):
    """Starts the program on a pipe that stays open, types the script and
    waits until the screen has shown `shown` count times."""
    program = subprocess.Popen([PROGRAM], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, cwd=folder)
    program.stdin.write(script.encode())
    program.stdin.flush()
    screen = b""
    deadline = time.monotonic() + 20
    while screen.count(shown) < count:
        if time.monotonic() > deadline:
            program.kill()
            raise AssertionError(f"never saw {shown!r} {count} times")
        chunk = os.read(program.stdout.fileno(), 65536)
        if not chunk:
            raise AssertionError("the program ended early")
        screen += chunk
    return program


def expect_signal_end(name, program, sig):
    try:
        program.wait(timeout=20)
    except subprocess.TimeoutExpired:
        program.kill()
        failures.append(f"{name}: still running after {sig.name}")
        return
    if program.returncode != -sig:
        failures.append(f"{name}: status {program.returncode}, expected death by {sig.name}")
    stderr = program.stderr.read()
    if stderr:
        failures.append(f"{name}: wrote to stderr: {stderr[:200]!r}")


def check_same(name, what, got, expected):
    if got != expected:
        failures.append(f"{name}: {what} differs from the complete run's\n"
                        f"--- expected ---\n{expected.decode(errors='replace')}\n"
                        f"--- got ---\n{got.decode(errors='replace')}")


def report_survives(sig):
    name = f"report-{sig.name}"
    reference = read(os.path.join(run_to_end(name + "-reference", REPORTS), "report.txt"))
    folder = fresh_folder(name)
    program = start_and_wait(folder, REPORTS, SECOND_REPORT_DONE, 2)
    report = os.path.join(folder, "report.txt")
    # While the program waits, the report file already holds what was shown.
    check_same(name, "report file at the prompt", read(report), reference)
    program.send_signal(sig)
    expect_signal_end(name, program, sig)
    check_same(name, "report file after the signal", read(report), reference)


def setlist_survives(sig):
    name = f"setlist-{sig.name}"
    folder = fresh_folder(name)
    program = start_and_wait(folder, SETLIST, THIRD_SET_PROMPT, 1)
    setlist = os.path.join(folder, "sets.txt")
    # {0, 4, 7} = 1 + 16 + 128, {0, 1, 4, 6} = 1 + 2 + 16 + 64.
    check_same(name, "set list at the prompt", read(setlist), b"145\n83\n")
    program.send_signal(sig)
    expect_signal_end(name, program, sig)
    check_same(name, "set list after the signal", read(setlist), b"145\n83\n")


def closed_screen_ends_quietly():
    name = "closed-stdout"
    reference = read(os.path.join(run_to_end(name + "-reference", REPORTS), "report.txt"))
    folder = fresh_folder(name)
    program = start_and_wait(folder, REPORTS, SECOND_REPORT_DONE, 2)
    program.stdout.close()
    # The next answer makes the program write to the closed pipe.
    program.stdin.write(b"\n")
    program.stdin.flush()
    expect_signal_end(name, program, signal.SIGPIPE)
    check_same(name, "report file", read(os.path.join(folder, "report.txt")), reference)


for sig in (signal.SIGHUP, signal.SIGTERM, signal.SIGINT, signal.SIGKILL):
    report_survives(sig)
for sig in (signal.SIGHUP, signal.SIGKILL):
    setlist_survives(sig)
closed_screen_ends_quietly()

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
