#!/usr/bin/env python3
"""scripts/update-directory on the project's NANPA report and on copies changed to fault it, and
scripts/generate-directory on copies of the directory's tables changed to fault them."""

import re
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SCRIPT = ROOT / "scripts" / "update-directory"
GENERATOR = ROOT / "scripts" / "generate-directory"
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


def by_cells(edit):
    """A change to the report that edits each line's cells, its File Date line left alone."""
    def change(text):
        first, *rest = text.splitlines()
        return "\n".join([first] + [",".join(edit(line.split(","))) for line in rest]) + "\n"
    return change


def set_field(code, name, value):
    i = HEADER.index(name)
    return by_cells(lambda cells: cells[:i] + [value] + cells[i + 1:] if cells[0] == code else cells)


def drop_column(name):
    i = HEADER.index(name)
    return by_cells(lambda cells: cells[:i] + cells[i + 1:])


# name, change to the report, extra arguments, exit status, what it says, (table, text) written
CASES = [
    ("shipped report", None, [], 0, r"missing: none", None),
    ("one more overlay", put(row(NPA_ID="999", PARENT_NPA_ID="212")), [], 1,
     r"missing: 999, an overlay of 212: added", ("overlays.tsv", "999\t212\t, in service")),
    ("overlay of an overlay answers as the row", put(row(NPA_ID="998", PARENT_NPA_ID="621")), [], 1,
     r"missing: 998, an overlay of 346", ("overlays.tsv", "998\t346\t")),
    ("check writes nothing", put(row(NPA_ID="999", PARENT_NPA_ID="212")), ["--check"], 1,
     r"999, an overlay of 212 \(--check: not written\)", None),
    ("assigned, not yet open", put(row(NPA_ID="999", PARENT_NPA_ID="212", IN_SERVICE="N",
                                       IN_SERVICE_DT="01-Jan-2030")), [], 1,
     r"missing: 999", ("overlays.tsv", "assigned, to open 01-Jan-2030")),
    ("codes not in service are not wanted",
     put(row(NPA_ID="999", ASSIGNED="No", IN_SERVICE="N"), row(NPA_ID="998", USE="N", IN_SERVICE="N")),
     [], 0, r"missing: none", None),
    ("a new service", put(row(NPA_ID="998", USE="N", SERVICE="Toll-Free")), [], 1,
     r"service 998: 'missing' should be 'Toll-free': written", ("services.tsv", '998\t"Toll-free"\tToll-Free, in')),
    ("its kind from the notes", put(row(NPA_ID="998", USE="N", NOTES="Premium Services")), ["--check"], 1,
     r"service 998: 'missing' should be 'Premium-rate \(calls cost extra\)' \(--check: not written\)", None),
    ("a kind without words", put(row(NPA_ID="998", USE="N", SERVICE="Teleportation")), [], 2,
     r"998 is non-geographic, of a kind not in KINDS: 'Teleportation'.*nothing written", None),
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
     r"known: 236 250 257 672 778 999: NANPA P, ours MP", ("overlays.tsv", "999\t250\t")),
    ("malformed data row", None, [], 2, r"codes\.tsv:\d+: state must be one string between double quotes",
     None),
]


class UpdateDirectory(unittest.TestCase):
    def test_cases(self):
        for name, change, extra, status, says, written in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                source = Path(folder) / "directory"
                shutil.copytree(ROOT / "src" / "directory", source)
                if name == "malformed data row":
                    edit(source / "codes.tsv", "212\t", lambda line: line.replace('"New York"', "New York", 1))
                before = {f.name: f.read_bytes() for f in source.iterdir()}
                report = Path(folder) / "report.csv"
                text = change(REPORT) if change else REPORT
                report.write_bytes(text.encode("utf-8", "surrogateescape"))
                run = subprocess.run([sys.executable, SCRIPT, *extra, "--source", source, report],
                                     capture_output=True, text=True, timeout=60)
                said = run.stdout + run.stderr
                self.assertEqual(run.returncode, status, said)
                self.assertRegex(said, re.compile(says, re.S))
                after = {f.name: f.read_bytes() for f in source.iterdir()}
                if written:
                    table, text = written
                    lines = after.pop(table).decode()
                    self.assertIn(text, lines)
                    self.assertLessEqual(set(before.pop(table).decode().splitlines()),
                                         set(lines.splitlines()))
                self.assertEqual(after, before, "the directory's tables were changed")


def edit(path, start, change):
    """Changes the line of `path` that begins with `start`; returns its line number."""
    lines = path.read_text(encoding="utf-8").split("\n")
    at = next(i for i, line in enumerate(lines) if line.startswith(start))
    lines[at] = change(lines[at])
    path.write_text("\n".join(lines), encoding="utf-8")
    return at + 1


# name, table, the line to change, its change, the fault the generator must name
REFUSALS = [
    ("code out of order", "codes.tsv", "213\t", lambda l: "211" + l[3:], r"code 211 out of code order"),
    ("code repeated", "codes.tsv", "213\t", lambda l: "212" + l[3:], r"code 212 repeated"),
    ("code outside 0..999", "codes.tsv", "989\t", lambda l: "1989" + l[3:], r"code '1989' is not a code in 0\.\.999"),
    ("unquoted text", "codes.tsv", "204\t", lambda l: l.replace('"Manitoba    "', "Manitoba"),
     r"location must be one string between double quotes"),
    ("malformed zone id", "codes.tsv", "212\t", lambda l: l.replace("America/New_York", "America/New York"),
     r"'America/New York' is not an IANA zone id"),
    ("overlay of an overlay", "overlays.tsv", "465\t", lambda l: "465\t357\t", r"overlay 465 of 357, which has no row"),
    ("overlay of a code without a row", "overlays.tsv", "465\t", lambda l: "465\t211\t",
     r"overlay 465 of 211, which has no row"),
    ("overlay with a row of its own", "overlays.tsv", "465\t", lambda l: "464\t718\t",
     r"overlay 464 has a row of its own"),
    ("other clock that is the code's own", "other-clocks.tsv", "850\t",
     lambda l: l.replace("America/New_York", "America/Chicago"), r"America/Chicago is 850's own clock"),
    ("other clock without a place", "other-clocks.tsv", "334\t", lambda l: l.split("\t\"")[0] + '\t""\t""',
     r"other clock without a place"),
    ("shared area without clocks", "same-areas.tsv", "986\t", lambda l: "986\t212", r"shared area 212 has no other clocks"),
    ("service with a place", "services.tsv", "500\t", lambda l: "212" + l[3:],
     r"212 answers with a place already"),
    ("reserved exchange", "exchanges.tsv", "201\t200\t", lambda l: "201\t911" + l[7:],
     r"exchange 201-911 is one the plan reserves"),
]


class GenerateDirectory(unittest.TestCase):
    def test_refusals(self):
        for name, table, start, change, fault in REFUSALS:
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                source = Path(folder) / "directory"
                shutil.copytree(ROOT / "src" / "directory", source)
                line = edit(source / table, start, change)
                output = Path(folder) / "directory_data.inc"
                run = subprocess.run([sys.executable, GENERATOR, source, output],
                                     capture_output=True, text=True, timeout=60)
                self.assertNotEqual(run.returncode, 0, run.stdout)
                self.assertRegex(run.stderr, re.escape(f"{source / table}:{line}: ") + fault)
                self.assertFalse(output.exists(), "a table was written from a bad row")

    def test_shipped_tables(self):
        with tempfile.TemporaryDirectory() as folder:
            output = Path(folder) / "directory_data.inc"
            run = subprocess.run([sys.executable, GENERATOR, ROOT / "src" / "directory", output],
                                 capture_output=True, text=True, timeout=60)
            self.assertEqual(run.returncode, 0, run.stderr)
            # Text the window shows reaches the C++ byte for byte: spaces, and UTF-8 places.
            text = output.read_text(encoding="ascii")
            self.assertIn('"Canada", "CENTRAL", "America/Winnipeg", "Manitoba    "}', text)
            self.assertIn(r'"\303\216les-de-la-Madeleine"', text)
            self.assertIn(r'Nome & Utqia\304\241vik"', text)


if __name__ == "__main__":
    unittest.main(verbosity=1)
