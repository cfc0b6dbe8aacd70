#!/usr/bin/env python3
"""The suite against tests/faults.json, the realistic faults it must catch.

  scripts/faults.py check              every fault still applies: its text occurs exactly once
                                       in its file (make test runs this, so the list cannot go
                                       stale)
  scripts/faults.py score [BUILD_DIR]  checks that the suite passes in BUILD_DIR (default
                                       build), then applies each fault in turn to the sources,
                                       builds, runs the tests, puts the source back, and prints
                                       which faults the suite let through
  scripts/faults.py score BUILD_DIR ID...   only those faults

Scoring changes the checkout's sources while it runs; each is put back byte for byte, also
when the run is interrupted.
"""
import json
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def faults():
    return json.loads((ROOT / "tests" / "faults.json").read_text(encoding="utf-8"))


def stale(fault):
    text = (ROOT / fault["file"]).read_text(encoding="utf-8")
    return text.count(fault["find"]) != 1


def check():
    bad = [f["id"] + " (" + f["file"] + ")" for f in faults() if stale(f)]
    for entry in bad:
        print("no longer applies:", entry)
    print(f"{len(faults()) - len(bad)} of {len(faults())} faults apply")
    return 1 if bad else 0


def run(command):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def tests_pass(build):
    return run(["ctest", "--test-dir", build, "-j", "2", "--timeout", "120"]) == 0


def score(build, only):
    chosen = [f for f in faults() if not only or f["id"] in only]
    # A suite that fails without any fault would seem to catch every one.
    if run(["cmake", "--build", build]) != 0 or not tests_pass(build):
        print(f"the suite does not pass in {build} without a fault: mend that first")
        return 2
    survivors, broken = [], []
    for fault in chosen:
        path = ROOT / fault["file"]
        original = path.read_bytes()
        try:
            path.write_bytes(original.decode("utf-8").replace(fault["find"], fault["replace"]).encode("utf-8"))
            if run(["cmake", "--build", build]) != 0:
                broken.append(fault["id"])
                status = "does not build"
            elif tests_pass(build):
                survivors.append(fault["id"])
                status = "LET THROUGH"
            else:
                status = "caught"
        finally:
            path.write_bytes(original)
        print(f"{fault['id']:6} {status:15} {fault['why']}", flush=True)
    run(["cmake", "--build", build])
    caught = len(chosen) - len(survivors) - len(broken)
    print(f"caught {caught} of {len(chosen) - len(broken)} faults that build; let through: {' '.join(survivors) or 'none'}")
    return 1 if survivors else 0


if __name__ == "__main__":
    if len(sys.argv) >= 2 and sys.argv[1] == "check":
        sys.exit(check())
    if len(sys.argv) >= 2 and sys.argv[1] == "score":
        build = sys.argv[2] if len(sys.argv) > 2 else "build"
        sys.exit(score(build, set(sys.argv[3:])))
    print(__doc__)
    sys.exit(2)
