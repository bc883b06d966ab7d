"""The directory's tables in src/directory: reads them, refuses a bad row, writes the overlays and
the services.

docs/directory.md describes the tables. Each is UTF-8, one row a line, cells separated by tabs,
under a header naming the columns; '#' starts a comment line. Text the window shows is quoted, so
that no editor can lose a space of it. Every reader of the tables goes through read().
"""

import os
import re
import tempfile
from dataclasses import dataclass, field
from pathlib import Path

ORIGINS = ("classic", "since")
ZONE_NAMES = ("EASTERN", "CENTRAL", "MOUNTAIN", "PACIFIC", "ALASKA", "HAWAII", "ATLANTIC")
# An IANA id such as America/Indiana/Indianapolis: two or more parts, each a capital letter and
# then letters, '_' or '-', at most 14 characters (the database's own limit).
# Exchanges the plan keeps from every code: the N11 service codes, 555 for directory and
# fictional numbers, 950 for carrier access, 958 and 959 for tests. No town answers for them.
RESERVED = {f"{n}11" for n in range(2, 10)} | {"555", "950", "958", "959"}
ZONE_ID = re.compile(r"[A-Z][A-Za-z_-]{0,13}(?:/[A-Z][A-Za-z_-]{0,13})+")


class Fault(Exception):
    """A table the directory cannot be built from: says the file, the line and what is wrong."""


def fault_if(condition, where, message):
    if condition:
        raise Fault(f"{where}: {message}")


@dataclass
class Row:
    code: int
    origin: str
    zone_name: str
    clock_zone: str
    state: str
    location: str


@dataclass
class OtherClock:
    area: int
    clock_zone: str
    places: tuple


@dataclass
class Exchange:
    code: int
    exchange: int
    clock_zone: str
    place: str


@dataclass
class Directory:
    rows: dict = field(default_factory=dict)  # code -> Row
    overlays: dict = field(default_factory=dict)  # code -> parent
    overlay_notes: dict = field(default_factory=dict)  # code -> note
    others: list = field(default_factory=list)  # OtherClock, in table order
    same_areas: dict = field(default_factory=dict)  # code -> area
    services: dict = field(default_factory=dict)  # code -> kind
    service_notes: dict = field(default_factory=dict)  # code -> note
    exchanges: list = field(default_factory=list)  # Exchange, by code and exchange
    place_names: list = field(default_factory=list)  # (english, french, spanish), in byte order

    def zone_ids(self):
        """Every IANA id the directory names."""
        return sorted({r.clock_zone for r in self.rows.values()} | {o.clock_zone for o in self.others}
                      | {e.clock_zone for e in self.exchanges})

    def root(self, code):
        """The code whose row a code answers with."""
        return self.overlays.get(code, code)

    def area(self, code):
        """The code whose other clocks a code answers with."""
        code = self.root(code)
        return self.same_areas.get(code, code)

    def clocks_of(self, area):
        return [o for o in self.others if o.area == area]


def read_table(path, columns, what, repeats=False):
    """(where, cells, code) of each row of a table whose header names exactly `columns`, its first
    column a code in order: strictly rising, or, with `repeats`, never falling."""
    try:
        lines = path.read_text(encoding="utf-8").split("\n")
    except (OSError, UnicodeDecodeError) as e:
        raise Fault(f"{path}: cannot be read as UTF-8 text: {e}")
    lines = [(n, t.split("\t")) for n, t in enumerate(lines, start=1) if t and not t.startswith("#")]
    fault_if(not lines, path, "no header line")
    (number, header), previous = lines[0], None
    fault_if(tuple(header) != columns, f"{path}:{number}",
             "the header must name the columns " + " ".join(columns) + ", tab-separated")
    for number, cells in lines[1:]:
        where = f"{path}:{number}"
        fault_if(len(cells) != len(columns), where,
                 f"{len(cells)} cells where the header names {len(columns)}")
        cells = dict(zip(columns, cells))
        code = code_in(cells[columns[0]], where, columns[0])
        if previous is not None and (code < previous or code == previous and not repeats):
            raise Fault(f"{where}: {what} {code} {'repeated' if code == previous else 'out of code order'}"
                        f", after {previous}")
        yield where, cells, code
        previous = code


def text(cell, where, name):
    """A quoted cell's text, exactly."""
    fault_if(len(cell) < 2 or cell[0] != '"' or cell[-1] != '"' or '"' in cell[1:-1], where,
             f"{name} must be one string between double quotes, got {cell!r}")
    fault_if(any(ord(c) < 32 for c in cell), where, f"{name} holds a control character")
    return cell[1:-1]


def code_in(cell, where, name):
    fault_if(not re.fullmatch(r"\d{1,3}", cell), where, f"{name} {cell!r} is not a code in 0..999")
    return int(cell)


def zone_id(cell, where):
    fault_if(not ZONE_ID.fullmatch(cell), where, f"{cell!r} is not an IANA zone id such as America/New_York")
    return cell


def read(folder):
    folder, d = Path(folder), Directory()

    for where, cells, code in read_table(folder / "codes.tsv", ("code", "origin", "zone_name",
                                         "clock_zone", "state", "location", "note"), "code"):
        fault_if(cells["origin"] not in ORIGINS, where,
                 f"origin {cells['origin']!r} is not one of " + ", ".join(ORIGINS))
        fault_if(cells["zone_name"] not in ZONE_NAMES, where,
                 f"zone name {cells['zone_name']!r} is not one of " + ", ".join(ZONE_NAMES))
        row = Row(code, cells["origin"], cells["zone_name"], zone_id(cells["clock_zone"], where),
                  text(cells["state"], where, "state"), text(cells["location"], where, "location"))
        fault_if(max(map(ord, row.state), default=0) > 255, where,
                 "state has a character outside Latin-1")
        fault_if(not row.state, where, "state is empty")
        d.rows[code] = row

    for where, cells, code in read_table(folder / "overlays.tsv", ("code", "parent", "note"), "overlay"):
        parent = code_in(cells["parent"], where, "parent")
        fault_if(code in d.rows, where, f"overlay {code} has a row of its own in codes.tsv")
        fault_if(parent not in d.rows, where, f"overlay {code} of {parent}, which has no row of its own"
                 + (" (an overlay of an overlay answers as the row: name that)"
                    if parent in d.overlays else ""))
        d.overlays[code], d.overlay_notes[code] = parent, cells["note"]

    for where, cells, area in read_table(folder / "other-clocks.tsv", ("area", "clock_zone",
                                         "first_place", "second_place"), "area", repeats=True):
        fault_if(area not in d.rows, where, f"other clock of {area}, which has no row of its own")
        clock = zone_id(cells["clock_zone"], where)
        fault_if(clock == d.rows[area].clock_zone, where, f"{clock} is {area}'s own clock, not another")
        fault_if(any(o.clock_zone == clock for o in d.clocks_of(area)), where,
                 f"{clock} is already one of {area}'s other clocks")
        places = (text(cells["first_place"], where, "first_place"),
                  text(cells["second_place"], where, "second_place"))
        fault_if(not places[0], where, "other clock without a place")
        d.others.append(OtherClock(area, clock, places))

    for where, cells, code in read_table(folder / "same-areas.tsv", ("code", "area"), "code"):
        area = code_in(cells["area"], where, "area")
        fault_if(code not in d.rows or area not in d.rows, where,
                 f"{code if code not in d.rows else area} has no row of its own")
        fault_if(d.clocks_of(code), where, f"{code} has other clocks of its own and cannot share {area}'s")
        fault_if(not d.clocks_of(area), where, f"shared area {area} has no other clocks")
        for other in d.clocks_of(area):
            fault_if(other.clock_zone == d.rows[code].clock_zone, where,
                     f"{area}'s other clock {other.clock_zone} is {code}'s own")
        d.same_areas[code] = area

    for where, cells, code in read_table(folder / "services.tsv", ("code", "kind", "note"), "code"):
        fault_if(code in d.rows or code in d.overlays, where,
                 f"{code} answers with a place already and cannot be a service too")
        kind = text(cells["kind"], where, "kind")
        fault_if(not kind or max(map(ord, kind)) > 255, where, "kind is empty or not Latin-1")
        d.services[code], d.service_notes[code] = kind, cells["note"]

    for where, cells, code in read_table(folder / "exchanges.tsv", ("code", "exchange", "clock_zone",
                                         "place"), "code", repeats=True):
        fault_if(code not in d.rows and code not in d.overlays, where, f"exchange of {code}, which is not listed")
        fault_if(not re.fullmatch(r"[2-9]\d\d", cells["exchange"]), where,
                 f"exchange {cells['exchange']!r} is not three digits from 200")
        fault_if(cells["exchange"] in RESERVED, where,
                 f"exchange {code}-{cells['exchange']} is one the plan reserves")
        exchange = int(cells["exchange"])
        previous = d.exchanges[-1] if d.exchanges else None
        fault_if(previous and previous.code == code and previous.exchange >= exchange, where,
                 f"exchange {code}-{exchange} repeated or out of order")
        place = text(cells["place"], where, "place")
        fault_if(not place or len(place.encode()) > 255, where, "place is empty or longer than 255 bytes")
        d.exchanges.append(Exchange(code, exchange, zone_id(cells["clock_zone"], where), place))

    names = folder / "place-names.tsv"
    try:
        lines = names.read_text(encoding="utf-8").split("\n")
    except (OSError, UnicodeDecodeError) as e:
        raise Fault(f"{names}: cannot be read as UTF-8 text: {e}")
    rows = [(n, t.split("\t")) for n, t in enumerate(lines, start=1) if t and not t.startswith("#")]
    fault_if(not rows or rows[0][1] != ["english", "french", "spanish"], names,
             "the header must name the columns english french spanish, tab-separated")
    for number, cells in rows[1:]:
        where = f"{names}:{number}"
        fault_if(len(cells) != 3, where, f"{len(cells)} cells where the header names 3")
        row = tuple(text(cell, where, column) for cell, column in zip(cells, ("english", "french", "spanish")))
        fault_if(not all(row), where, "a name is empty")
        fault_if(d.place_names and d.place_names[-1][0].encode() >= row[0].encode(), where,
                 f"{row[0]!r} repeated or out of byte order")
        d.place_names.append(row)
    return d


def write_overlays(folder, directory):
    """Writes overlays.tsv from `directory`, keeping its comments; replaces it whole or not at all."""
    write_table(Path(folder) / "overlays.tsv", "code\tparent\tnote", [
        f"{code}\t{parent}\t{directory.overlay_notes.get(code, '')}"
        for code, parent in sorted(directory.overlays.items())])


def write_services(folder, directory):
    """Writes services.tsv from `directory`, as write_overlays does overlays.tsv."""
    write_table(Path(folder) / "services.tsv", "code\tkind\tnote", [
        f'{code}\t"{kind}"\t{directory.service_notes.get(code, "")}'
        for code, kind in sorted(directory.services.items())])


def write_table(path, header, rows):
    comments = [line for line in path.read_text(encoding="utf-8").splitlines() if line.startswith("#")]
    lines = comments + [header] + rows
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", dir=path.parent, delete=False) as out:
        out.write("\n".join(lines) + "\n")
    os.chmod(out.name, path.stat().st_mode & 0o777)
    os.replace(out.name, path)
