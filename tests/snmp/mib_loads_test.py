#!/usr/bin/env python3
"""Converts definition files with travix and loads each MIB file with net-snmp's snmptranslate.

For every definition file the expected identifier tree is worked out here, from the file alone:
the header chain below `enterprises', then the open-branch numbering of the object records. The
test then checks that
  * the MIB file assigns exactly those nodes and objects, in that order, and
  * snmptranslate loads the module and resolves the name of each of them to the expected
    numeric OID (for a name the MIB assigns more than once, to one of the OIDs its
    assignments can mean), while an object with an unknown type letter resolves to nothing.
How net-snmp takes the module is worked out from the names: a module with an empty name must be
refused; one that repeats a name may draw warnings (`-Pw'); any other must load with no message.

Exits 77 (reported as skipped by CTest) when snmptranslate is not installed.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys

SKIPPED = 77
MODULE = "ZORVEN"
ENTERPRISES_OID = (1, 3, 6, 1, 4, 1)
KNOWN_LETTERS = set("cilbsq")
MAX_READ = 82  # characters travix takes in one read


def ascii_lower(text):
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def to_int32(digits):
    value = int(digits) & 0xFFFFFFFF
    return value - (1 << 32) if value >= 1 << 31 else value


def scan(line, with_letter):
    """The record scan: a white-space-delimited name, then " = %d" or " = %c, %d".

    Returns the fields, or None when the record would not scan completely.
    """
    match = re.match(r"\s*(\S+)", line)
    if not match:
        return None
    rest = line[match.end():]
    if with_letter:
        fields = re.match(r"\s*=\s*(\S),\s*([+-]?\d+)", rest)
        return (match.group(1), fields.group(1)) if fields else None
    fields = re.match(r"\s*=\s*([+-]?\d+)", rest)
    return (match.group(1), to_int32(fields.group(1))) if fields else None


class Tree:
    """What the definition file makes: every assignment in writing order, and skipped objects."""

    def __init__(self):
        self.assignments = []  # (name, parent name, number, kind, placed OID)
        self.skipped = []  # names of objects with an unknown type letter

    def assign(self, name, parent, number, kind, oid):
        self.assignments.append((name, parent, number, kind, oid))


def derive_tree(path):
    with open(path, "rb") as handle:
        lines = handle.read().decode("latin-1").replace("\r\n", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    header = []
    tree = Tree()
    # The open branch: one [name, OID, next child number] per depth, depth 0 the build node.
    branch = []
    for line in lines:
        if len(line) >= MAX_READ:
            raise SystemExit(f"{path}: lines of {MAX_READ} characters or more are split by "
                             "travix; keep the fixtures shorter")
        if "\r" in line or "\0" in line:
            raise SystemExit(f"{path}: lone CR or NUL bytes are not supported by this test")
        if len(header) < 4:
            if "=" not in line:
                continue
            fields = scan(line, with_letter=False)
            if fields is None:
                return tree  # travix reports the header record and stops
            name, number = ascii_lower(fields[0]), fields[1]
            if len(header) == 1 and name == header[0][0]:
                return tree
            parent, parent_oid = (header[-1][0], header[-1][2]) if header else (
                "enterprises", ENTERPRISES_OID)
            header.append((name, number, parent_oid + (number,)))
            if len(header) == 4:
                for index, (node, value, oid) in enumerate(header):
                    tree.assign(node, header[index - 1][0] if index else "enterprises", value,
                                "node", oid)
                branch = [[header[3][0], header[3][2], 1]]
            continue
        if "=" not in line:
            break
        fields = scan(line, with_letter=True)
        if fields is None:
            break
        place(tree, branch, fields[0], fields[1])
    return tree


def chained_names(dotted_path):
    names = []
    for component in dotted_path.split("."):
        component = component.replace("_", "-")
        prefix = names[-1] if names else ""
        names.append(prefix + "-" + component if prefix else component)
    return names


def place(tree, branch, dotted_path, letter):
    names = chained_names(dotted_path)
    for depth, name in enumerate(names, start=1):
        if depth < len(branch) and ascii_lower(name) == ascii_lower(branch[depth][0]):
            continue
        parent = branch[depth - 1]
        if depth == len(names):
            if letter in KNOWN_LETTERS:
                tree.assign(name, parent[0], parent[2], "object", parent[1] + (parent[2],))
                parent[2] += 1
            else:
                tree.skipped.append(name)
            return
        del branch[depth:]
        oid = parent[1] + (parent[2],)
        tree.assign(name, parent[0], parent[2], "node", oid)
        parent[2] += 1
        branch.append([name, oid, 1])


def written_assignments(mib_text):
    """The assignments in a MIB file as travix writes them, in file order."""
    found = []
    lines = mib_text.split("\n")
    for index, line in enumerate(lines):
        node = re.fullmatch(r"(\S*)\t\tOBJECT IDENTIFIER ::= \{ (\S*) (-?\d+) \}", line)
        if node:
            found.append((node.group(1), node.group(2), int(node.group(3)), "node"))
        elif line.endswith(" OBJECT-TYPE"):
            closing = re.fullmatch(r"\t::= \{ (\S*) (-?\d+) \}", lines[index + 4])
            found.append((line[: -len(" OBJECT-TYPE")], closing.group(1),
                          int(closing.group(2)), "object"))
    return found


def candidate_oids(tree):
    """For every name, the OIDs its assignments in the module can mean.

    A name assigned once below parents assigned once has exactly one; a repeated name (an
    ungrouped subtree) leaves a consumer to choose among its assignments.
    """
    by_name = {}
    for name, parent, number, _, _ in tree.assignments:
        by_name.setdefault(name, []).append((parent, number))
    memo = {"enterprises": {ENTERPRISES_OID}}

    def oids(name, active=()):
        if name not in memo:
            memo[name] = {base + (number,) for parent, number in by_name.get(name, [])
                          if parent not in active for base in oids(parent, active + (name,))}
        return memo[name]

    return {name: oids(name) for name in by_name}


def dotted(oid):
    return "." + ".".join(str(arc) for arc in oid)


class Checker:
    def __init__(self, snmptranslate, mib_dirs, work):
        self.snmptranslate = snmptranslate
        self.mib_dirs = mib_dirs
        self.environment = dict(os.environ)
        # Keep the machine's and the user's net-snmp settings and MIB choices out of the test,
        # and its persistent files out of /var/lib.
        for variable in ("MIBS", "MIBDIRS", "SNMP_PERSISTENT_FILE"):
            self.environment.pop(variable, None)
        settings = os.path.join(work, "snmp-settings")
        os.makedirs(settings, exist_ok=True)
        self.environment["SNMPCONFPATH"] = settings
        self.environment["SNMP_PERSISTENT_DIR"] = os.path.join(work, "snmp-persistent")
        os.makedirs(os.path.join(work, "snmp-persistent", "cert_indexes"), exist_ok=True)
        self.failures = 0

    def translate(self, mib_path, *arguments):
        command = [self.snmptranslate, "-M", self.mib_dirs, "-m", mib_path, "-Pw", *arguments]
        done = subprocess.run(command, env=self.environment, capture_output=True, text=True)
        return done.returncode, done.stdout.strip(), done.stderr.strip()

    def fail(self, message):
        print("FAIL: " + message)
        self.failures += 1

    def check(self, definition, travix, work):
        label = os.path.basename(definition)
        folder = os.path.join(work, os.path.splitext(label)[0])
        os.makedirs(folder, exist_ok=True)
        mib_path = os.path.join(folder, "out.mib")
        if os.path.exists(mib_path):
            os.remove(mib_path)
        subprocess.run([os.path.abspath(travix), os.path.abspath(definition), "out.mib"], cwd=folder,
                       capture_output=True, check=True)
        print(f"{label}:")
        tree = derive_tree(definition)
        with open(mib_path, "rb") as handle:
            written = written_assignments(handle.read().decode("latin-1"))
        expected = [assignment[:4] for assignment in tree.assignments]
        if written != expected:
            at = next((i for i, pair in enumerate(zip(written, expected)) if pair[0] != pair[1]),
                      min(len(written), len(expected)))
            self.fail(f"{label}: assignment {at + 1} of the MIB file is "
                      f"{written[at] if at < len(written) else 'missing'}, the definition file "
                      f"gives {expected[at] if at < len(expected) else 'nothing more'}")
            return

        candidates = candidate_oids(tree)
        names = [assignment[0] for assignment in tree.assignments]
        repeated = {name for name in names if names.count(name) > 1}
        ambiguous = {name for name, oids in candidates.items() if len(oids) != 1} | repeated
        refused = "" in names
        _, _, load_messages = self.translate(mib_path, "-Tp")
        if refused:
            # An assignment without a name is not ASN.1: the module must not load at all.
            status, _, _ = self.translate(mib_path, "-On", f"{MODULE}::{tree.assignments[3][0]}")
            if not load_messages or status == 0:
                self.fail(f"{label}: has an empty name, yet net-snmp loaded it")
            else:
                print(f"{label}: refused as expected: {load_messages.splitlines()[0]}")
            return
        for message in load_messages.splitlines():
            if ambiguous and message.startswith("Warning:"):
                print(f"  net-snmp warns, as expected for repeated names: {message}")
            else:
                self.fail(f"{label}: snmptranslate says: {message}")

        checked = set()
        for name, _, _, kind, placed in tree.assignments:
            if name in checked:
                continue
            checked.add(name)
            status, output, errors = self.translate(mib_path, "-On", f"{MODULE}::{name}")
            resolved = output.splitlines()[-1] if status == 0 and output else None
            if name in ambiguous:
                allowed = {dotted(oid) for oid in candidates[name]}
                if resolved not in allowed:
                    self.fail(f"{label}: {kind} {name} resolved to {resolved}, expected one of "
                              f"{sorted(allowed)}")
                else:
                    placements = ", ".join(dotted(a[4]) for a in tree.assignments if a[0] == name)
                    print(f"  {MODULE}::{name:<40} {resolved}   ambiguous: placed at "
                          f"{placements}, parent or name assigned more than once")
                continue
            if resolved != dotted(placed):
                self.fail(f"{label}: {kind} {name} resolved to {resolved or errors}, expected "
                          f"{dotted(placed)}")
            else:
                print(f"  {MODULE}::{name:<40} {resolved}")
        for name in tree.skipped:
            if name in candidates:
                continue
            status, output, _ = self.translate(mib_path, "-On", f"{MODULE}::{name}")
            if status == 0:
                self.fail(f"{label}: {name} has an unknown type letter, yet resolved to {output}")
        print(f"  {len(checked)} names resolved, "
              f"{len(tree.skipped)} unknown-letter objects absent")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--travix", required=True, help="the travix binary")
    parser.add_argument("--mib-dirs", required=True,
                        help="net-snmp MIB directories (-M), holding RFC1155-SMI")
    parser.add_argument("--work", required=True, help="a directory for the MIB files")
    parser.add_argument("definitions", nargs="+",
                        help="definition files, or directories searched for *.def")
    options = parser.parse_args()

    snmptranslate = shutil.which("snmptranslate")
    if snmptranslate is None:
        print("snmptranslate not found (Debian package snmp): skipped")
        return SKIPPED

    definitions = []
    for given in options.definitions:
        if os.path.isdir(given):
            definitions += sorted(os.path.join(root, name) for root, _, files in os.walk(given)
                                  for name in files if name.endswith(".def"))
        else:
            definitions.append(given)
    os.makedirs(options.work, exist_ok=True)
    checker = Checker(snmptranslate, options.mib_dirs, options.work)
    for definition in definitions:
        checker.check(definition, options.travix, options.work)
    if checker.failures:
        print(f"{checker.failures} check(s) failed")
        return 1
    print(f"{len(definitions)} definition files converted and loaded")
    return 0


if __name__ == "__main__":
    sys.exit(main())
