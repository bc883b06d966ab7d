#!/usr/bin/env python3
"""scripts/update-directory on the project's NANPA report and on copies changed to fault it."""

import re
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SCRIPT = ROOT / "scripts" / "update-directory"
REPORT = (ROOT / "src" / "directory" / "nanpa-npa-report.csv").read_text(encoding="utf-8")
HEADER = REPORT.splitlines()[1].split(",")


def row(**fields):
    """A report line for a made-up code, geographic and in service unless told otherwise."""
    values = {"USE": "G", "ASSIGNED": "Yes", "IN_SERVICE": "Y", "TIME_ZONE": "E", **fields}
    return ",".join(values.get(name, "") for name in HEADER)


def put(*lines):
    """The report with these lines in place of those of the same codes."""
    codes = {line.split(",")[0] + "," for line in lines}

    def change(text):
        kept = [line for line in text.splitlines() if line[:4] not in codes]
        return "\n".join(kept + list(lines)) + "\n"
    return change


def set_field(code, name, value):
    i = HEADER.index(name)

    def change(text):
        out = []
        for line in text.splitlines():
            if line.startswith(f"{code},"):
                cells = line.split(",")
                cells[i] = value
                line = ",".join(cells)
            out.append(line)
        return "\n".join(out) + "\n"
    return change


def drop_column(name):
    i = HEADER.index(name)

    def change(text):
        lines = text.splitlines()
        return "\n".join(lines[:1] + [",".join(c for j, c in enumerate(line.split(",")) if j != i)
                                      for line in lines[1:]]) + "\n"
    return change


# name, change to the report, extra arguments, exit status, what it says, overlays written
CASES = [
    ("shipped report", None, [], 0, r"missing: none", None),
    ("one more overlay", put(row(NPA_ID="999", PARENT_NPA_ID="212")), [], 1,
     r"missing: 999, an overlay of 212: added", "{999, 212}, // , in service"),
    ("overlay of an overlay answers as the row", put(row(NPA_ID="998", PARENT_NPA_ID="621")), [], 1,
     r"missing: 998, an overlay of 346", "{998, 346},"),
    ("check writes nothing", put(row(NPA_ID="999", PARENT_NPA_ID="212")), ["--check"], 1,
     r"999, an overlay of 212 \(--check: not written\)", None),
    ("assigned, not yet open", put(row(NPA_ID="999", PARENT_NPA_ID="212", IN_SERVICE="N",
                                       IN_SERVICE_DT="01-Jan-2030")), [], 1,
     r"missing: 999", "assigned, to open 01-Jan-2030"),
    ("unassigned and non-geographic codes are not wanted",
     put(row(NPA_ID="999", ASSIGNED="No", IN_SERVICE="N"), row(NPA_ID="998", USE="N")), [], 0,
     r"missing: none", None),
    ("not a report", lambda text: "code\tzone\n212\tEASTERN\n", [], 2,
     r"not a NANPA area-code report", None),
    ("not text", lambda text: "\udcff\x00", [], 2, r"cannot be read as text", None),
    ("missing column", drop_column("PARENT_NPA_ID"), [], 2,
     r"lacks the column PARENT_NPA_ID", None),
    ("parent we do not have", put(row(NPA_ID="999", PARENT_NPA_ID="211")), [], 2,
     r"999 overlays 211, which the directory does not have.*nothing written", None),
    ("new code that is not an overlay", put(row(NPA_ID="999")), [], 2,
     r"999 \(\) is not an overlay: write its row by hand", None),
    ("bad code", put(row(NPA_ID="99")), [], 2, r"NPA_ID '99' is not", None),
    ("unexplained clock", set_field("212", "TIME_ZONE", "P"), [], 1,
     r"disagrees, unexplained: 212: NANPA P, ours E", None),
    ("known exception stays known for a new overlay", put(row(NPA_ID="999", PARENT_NPA_ID="250",
                                                              TIME_ZONE="P")), [], 1,
     r"known: 236 250 257 672 778 999: NANPA P, ours MP", "{999, 250},"),
]


class UpdateDirectory(unittest.TestCase):
    def test_cases(self):
        for name, change, extra, status, says, written in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                source = Path(folder) / "directory"
                shutil.copytree(ROOT / "src" / "directory", source)
                before = (source / "overlays.inc").read_bytes()
                report = Path(folder) / "report.csv"
                text = change(REPORT) if change else REPORT
                report.write_bytes(text.encode("utf-8", "surrogateescape"))
                run = subprocess.run([sys.executable, SCRIPT, *extra, "--source", source, report],
                                     capture_output=True, text=True, timeout=60)
                said = run.stdout + run.stderr
                self.assertEqual(run.returncode, status, said)
                self.assertRegex(said, re.compile(says, re.S))
                after = (source / "overlays.inc").read_text(encoding="utf-8")
                if written:
                    self.assertIn(written, after)
                    self.assertTrue(after.startswith(before.decode()) or
                                    set(before.decode().splitlines()) <= set(after.splitlines()))
                else:
                    self.assertEqual(after.encode(), before, "the directory's source was changed")


if __name__ == "__main__":
    unittest.main(verbosity=1)
