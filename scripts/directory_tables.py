"""The directory's tables in src/directory: reads them, refuses a bad row, writes the overlays.

Each table is UTF-8 text, one row a line, its cells separated by tabs, under a header line that
names the columns; lines that start with '#' are comments. Text that the window shows is quoted
("New York"), so that no editor can lose a space of it. The tables:

- codes.tsv: one row per code that has strings of its own;
- overlays.tsv: codes that answer exactly as their parent;
- other-clocks.tsv: the other clocks of an area whose numbers keep more than one;
- same-areas.tsv: codes with rows of their own that share an area's other clocks.

scripts/generate-directory turns them into the program's tables; scripts/update-directory and
scripts/update-zone-rules read them too, so every reader applies the same rules.
"""

import os
import re
import tempfile
from dataclasses import dataclass, field
from pathlib import Path

FILES = ("codes.tsv", "overlays.tsv", "other-clocks.tsv", "same-areas.tsv")
ORIGINS = ("classic", "since")
ZONE_NAMES = ("EASTERN", "CENTRAL", "MOUNTAIN", "PACIFIC", "ALASKA", "HAWAII", "ATLANTIC")
# An IANA id such as America/Indiana/Indianapolis: two or more parts, each a capital letter and
# then letters, '_' or '-', at most 14 characters (the database's own limit).
ZONE_ID = re.compile(r"[A-Z][A-Za-z_-]{0,13}(?:/[A-Z][A-Za-z_-]{0,13})+")


class Fault(Exception):
    """A table the directory cannot be built from: says the file, the line and what is wrong."""


@dataclass
class Row:
    code: int
    origin: str
    zone_name: str
    clock_zone: str
    state: str
    location: str
    line: int


@dataclass
class OtherClock:
    area: int
    clock_zone: str
    places: tuple
    line: int


@dataclass
class Directory:
    rows: dict = field(default_factory=dict)  # code -> Row
    overlays: dict = field(default_factory=dict)  # code -> parent
    overlay_notes: dict = field(default_factory=dict)  # code -> note
    others: list = field(default_factory=list)  # OtherClock, in table order
    same_areas: dict = field(default_factory=dict)  # code -> area

    def zone_ids(self):
        """Every IANA id the directory names."""
        return sorted({r.clock_zone for r in self.rows.values()} | {o.clock_zone for o in self.others})

    def root(self, code):
        """The code whose row a code answers with."""
        return self.overlays.get(code, code)

    def area(self, code):
        """The code whose other clocks a code answers with."""
        code = self.root(code)
        return self.same_areas.get(code, code)

    def clocks_of(self, area):
        return [o for o in self.others if o.area == area]


def read_table(path, columns):
    """[(line number, {column: cell})] of a table whose header names exactly `columns`."""
    try:
        lines = path.read_text(encoding="utf-8").split("\n")
    except (OSError, UnicodeDecodeError) as e:
        raise Fault(f"{path}: cannot be read as UTF-8 text: {e}")
    if lines and lines[-1] == "":
        lines.pop()
    rows, header = [], None
    for number, text in enumerate(lines, start=1):
        if text.startswith("#"):
            continue
        cells = text.split("\t")
        if header is None:
            if tuple(cells) != columns:
                raise Fault(f"{path}:{number}: the header must name the columns "
                            + " ".join(columns) + ", tab-separated")
            header = cells
            continue
        if len(cells) != len(columns):
            raise Fault(f"{path}:{number}: {len(cells)} cells where the header names "
                        f"{len(columns)}")
        rows.append((number, dict(zip(columns, cells))))
    if header is None:
        raise Fault(f"{path}: no header line")
    return rows


def text(cell, where, name):
    """A quoted cell's text, exactly."""
    if len(cell) < 2 or cell[0] != '"' or cell[-1] != '"' or '"' in cell[1:-1]:
        raise Fault(f"{where}: {name} must be one string between double quotes, got {cell!r}")
    value = cell[1:-1]
    if any(ord(c) < 32 for c in value):
        raise Fault(f"{where}: {name} holds a control character")
    return value


def number(cell, where, name):
    if not re.fullmatch(r"\d{1,3}", cell):
        raise Fault(f"{where}: {name} {cell!r} is not a code in 0..999")
    return int(cell)


def zone_id(cell, where):
    if not ZONE_ID.fullmatch(cell):
        raise Fault(f"{where}: {cell!r} is not an IANA zone id such as America/New_York")
    return cell


def in_order(code, previous, where, what):
    if previous is not None and code <= previous:
        raise Fault(f"{where}: {what} {code} {'repeated' if code == previous else 'out of code order'}"
                    f", after {previous}")


def read(folder):
    folder = Path(folder)
    d = Directory()

    path = folder / "codes.tsv"
    previous = None
    for line, cells in read_table(path, ("code", "origin", "zone_name", "clock_zone", "state",
                                         "location", "note")):
        where = f"{path}:{line}"
        code = number(cells["code"], where, "code")
        in_order(code, previous, where, "code")
        if cells["origin"] not in ORIGINS:
            raise Fault(f"{where}: origin {cells['origin']!r} is not one of " + ", ".join(ORIGINS))
        if cells["zone_name"] not in ZONE_NAMES:
            raise Fault(f"{where}: zone name {cells['zone_name']!r} is not one of "
                        + ", ".join(ZONE_NAMES))
        row = Row(code, cells["origin"], cells["zone_name"], zone_id(cells["clock_zone"], where),
                  text(cells["state"], where, "state"), text(cells["location"], where, "location"),
                  line)
        for name in ("state", "location"):
            try:
                getattr(row, name).encode("latin-1")
            except UnicodeEncodeError:
                raise Fault(f"{where}: {name} has a character outside Latin-1")
        if not row.state:
            raise Fault(f"{where}: state is empty")
        d.rows[code] = row
        previous = code

    path = folder / "overlays.tsv"
    previous = None
    for line, cells in read_table(path, ("code", "parent", "note")):
        where = f"{path}:{line}"
        code, parent = number(cells["code"], where, "code"), number(cells["parent"], where, "parent")
        in_order(code, previous, where, "overlay")
        if code in d.rows:
            raise Fault(f"{where}: overlay {code} has a row of its own in codes.tsv")
        if parent not in d.rows:
            raise Fault(f"{where}: overlay {code} of {parent}, which has no row of its own"
                        + (" (an overlay of an overlay answers as the row: name that)"
                           if parent in d.overlays else ""))
        d.overlays[code], d.overlay_notes[code] = parent, cells["note"]
        previous = code

    path = folder / "other-clocks.tsv"
    previous = None
    for line, cells in read_table(path, ("area", "clock_zone", "first_place", "second_place")):
        where = f"{path}:{line}"
        area = number(cells["area"], where, "area")
        if previous is not None and area < previous:
            raise Fault(f"{where}: area {area} out of code order, after {previous}")
        if area not in d.rows:
            raise Fault(f"{where}: other clock of {area}, which has no row of its own")
        clock = zone_id(cells["clock_zone"], where)
        if clock == d.rows[area].clock_zone:
            raise Fault(f"{where}: {clock} is {area}'s own clock, not another")
        if any(o.clock_zone == clock for o in d.clocks_of(area)):
            raise Fault(f"{where}: {clock} is already one of {area}'s other clocks")
        places = (text(cells["first_place"], where, "first_place"),
                  text(cells["second_place"], where, "second_place"))
        if not places[0]:
            raise Fault(f"{where}: other clock without a place")
        d.others.append(OtherClock(area, clock, places, line))
        previous = area

    path = folder / "same-areas.tsv"
    previous = None
    for line, cells in read_table(path, ("code", "area")):
        where = f"{path}:{line}"
        code, area = number(cells["code"], where, "code"), number(cells["area"], where, "area")
        in_order(code, previous, where, "code")
        if code not in d.rows or area not in d.rows:
            raise Fault(f"{where}: {code if code not in d.rows else area} has no row of its own")
        if d.clocks_of(code):
            raise Fault(f"{where}: {code} has other clocks of its own and cannot share {area}'s")
        if not d.clocks_of(area):
            raise Fault(f"{where}: shared area {area} has no other clocks")
        for other in d.clocks_of(area):
            if other.clock_zone == d.rows[code].clock_zone:
                raise Fault(f"{where}: {area}'s other clock {other.clock_zone} is {code}'s own")
        d.same_areas[code] = area
        previous = code
    return d


def write_overlays(folder, directory):
    """Writes overlays.tsv from `directory`, keeping its comments; replaces it whole or not at all."""
    path = Path(folder) / "overlays.tsv"
    comments = [line for line in path.read_text(encoding="utf-8").splitlines() if line.startswith("#")]
    lines = comments + ["code\tparent\tnote"] + [
        f"{code}\t{parent}\t{directory.overlay_notes.get(code, '')}"
        for code, parent in sorted(directory.overlays.items())]
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", dir=path.parent, delete=False) as out:
        out.write("\n".join(lines) + "\n")
    os.chmod(out.name, path.stat().st_mode & 0o777)
    os.replace(out.name, path)
