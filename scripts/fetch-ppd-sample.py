#!/usr/bin/env python3
"""Writes the printer descriptions a sample list names into a folder, for
the Wine test that opens each of them.

The descriptions come from the driver program of the openprinting-ppds
package. Its "cat URI" unpacks the program's whole archive for every
description (a second or more each), so the archive is unpacked once here
through the program's own loader, and the first listed description is
checked byte for byte against what "cat" gives. A folder filled from the
same list and package version is kept. Fails, naming them, when any listed
description cannot be had.

Usage: fetch-ppd-sample.py LIST FOLDER
"""
import base64
import hashlib
import lzma
import os
import shutil
import subprocess
import sys
import types

DRIVER = "/usr/lib/cups/driver/openprinting-ppds"
PACKAGE = "openprinting-ppds"
ADOBE_HEADER = b"*PPD-Adobe"
STAMP_FILE = ".stamp"


def fail(message):
    sys.exit("fetch-ppd-sample: " + message)


def listed_uris(path):
    with open(path, encoding="utf-8") as listing:
        lines = (line.strip() for line in listing)
        return [line for line in lines if line and not line.startswith("#")]


def stamp_of(list_path):
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", PACKAGE],
                             capture_output=True, text=True).stdout or "unknown"
    with open(list_path, "rb") as listing:
        digest = hashlib.sha256(listing.read()).hexdigest()
    return f"{PACKAGE} {version} {digest}\n"


def read_stamp(folder):
    try:
        with open(os.path.join(folder, STAMP_FILE)) as stamp:
            return stamp.read()
    except OSError:
        return None


def load_driver_program():
    # Run as a module, the program defines its functions and its archive
    # but does not act on the command line.
    program = types.ModuleType("openprinting_ppds")
    with open(DRIVER, encoding="utf-8") as source:
        exec(compile(source.read(), DRIVER, "exec"), program.__dict__)
    return program


def archive_key(uri):
    # The program's own reading of a URI: the part after the last colon,
    # its index folder replaced by 0.
    path = uri.split(":")[-1]
    return "0/" + path[path.find("/") + 1:]


def unpack(uris):
    """The text of each URI, or None for one the archive does not hold."""
    try:
        program = load_driver_program()
        index = program.load()
        archive = lzma.decompress(base64.b64decode(index["ARCHIVE"].encode("ascii")))
    except (AttributeError, KeyError, lzma.LZMAError, ValueError) as error:
        fail(f"{DRIVER} does not hold its archive as expected: {error!r}")
    texts = {}
    for uri in uris:
        entry = index.get(archive_key(uri))
        texts[uri] = archive[entry[0]:entry[0] + entry[1]] if entry else None
    return texts


def check_against_cat(uri, text):
    served = subprocess.run([DRIVER, "cat", uri], capture_output=True).stdout
    if served != text:
        fail(f"the archive read here differs from \"{DRIVER} cat\" for {uri}")


def main():
    if len(sys.argv) != 3:
        fail("usage: fetch-ppd-sample.py LIST FOLDER")
    list_path, folder = sys.argv[1], sys.argv[2]
    if not os.access(DRIVER, os.X_OK):
        fail(f"{DRIVER} is missing: install the {PACKAGE} package (scripts/install-deps.sh)")
    uris = listed_uris(list_path)
    if not uris:
        fail(f"{list_path} lists no description")
    stamp = stamp_of(list_path)
    if read_stamp(folder) == stamp:
        print(f"{len(uris)} descriptions in {folder}, as before")
        return

    names = [os.path.basename(uri) for uri in uris]
    if len(set(names)) != len(names):
        fail(f"{list_path} lists two descriptions of one file name")
    texts = unpack(uris)
    missing = [uri for uri in uris
               if not texts[uri] or not texts[uri].startswith(ADOBE_HEADER)]
    for uri in missing:
        print(f"missing from the sample: {uri}", file=sys.stderr)
    if missing:
        fail(f"{len(missing)} of {len(uris)} listed descriptions could not be had")
    check_against_cat(uris[0], texts[uris[0]])

    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for uri, name in zip(uris, names):
        with open(os.path.join(folder, name), "wb") as target:
            target.write(texts[uri])
    with open(os.path.join(folder, STAMP_FILE), "w") as target:
        target.write(stamp)
    print(f"{len(uris)} descriptions in {folder}")


if __name__ == "__main__":
    main()
