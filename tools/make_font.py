#!/usr/bin/python3
"""Makes the bundled caption face, resources/fonts/ComicRelief-{Regular,Bold}.ttf.

Comic Relief (SIL Open Font License 1.1) matches Comic Sans MS in advance widths
and line metrics and has Cyrillic, so every caption fits the place the windows
give it. The npm package @fontsource/comic-relief ships it as one WOFF2 file per
subset and weight; this joins the latin, latin-ext and cyrillic subsets into one
TrueType file per weight and copies the licence beside them.

Needs npm and Debian's fonttools and python3-brotli (apt-get install fonttools
python3-brotli). Run from anywhere: /usr/bin/python3 tools/make_font.py
The package is fetched into a temporary folder, never into the repository.
"""
import shutil
import subprocess
import sys
import tarfile
import tempfile
from pathlib import Path

from fontTools.merge import Merger
from fontTools.ttLib import TTFont

PACKAGE = "@fontsource/comic-relief@5.3.0"
SUBSETS = ("latin", "latin-ext", "cyrillic")
WEIGHTS = {400: "Regular", 700: "Bold"}
OUT = Path(__file__).resolve().parent.parent / "resources" / "fonts"


def fetch(folder: Path) -> Path:
    """Downloads the package's tarball into folder and unpacks it; returns its root."""
    tarball = subprocess.run(
        ["npm", "pack", "--silent", PACKAGE],
        cwd=folder, check=True, capture_output=True, text=True,
    ).stdout.strip().splitlines()[-1]
    with tarfile.open(folder / tarball) as archive:
        # Only the package's own plain files, nothing outside its folder.
        members = [
            m for m in archive.getmembers()
            if m.isfile() and m.name.startswith("package/") and ".." not in Path(m.name).parts
        ]
        archive.extractall(folder, members=members)
    return folder / "package"


def merged_face(package: Path, weight: int, scratch: Path) -> TTFont:
    parts = []
    for subset in SUBSETS:
        face = TTFont(
            package / "files" / f"comic-relief-{subset}-{weight}-normal.woff2",
            recalcTimestamp=False,
        )
        face.flavor = None
        part = scratch / f"{subset}-{weight}.ttf"
        face.save(part, reorderTables=True)
        parts.append(str(part))
    # The first subset's head, names and metrics stand for the merged face.
    return Merger().merge(parts)


def main() -> int:
    OUT.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as temp:
        scratch = Path(temp)
        package = fetch(scratch)
        for weight, style in WEIGHTS.items():
            face = merged_face(package, weight, scratch)
            target = OUT / f"ComicRelief-{style}.ttf"
            # The package's own timestamp, so the same package makes the same bytes.
            face.recalcTimestamp = False
            face.save(target)
            cmap = face.getBestCmap()
            print(f"{target.name}: {len(cmap)} characters")
        shutil.copyfile(package / "LICENSE", OUT / "OFL.txt")
    return 0


if __name__ == "__main__":
    sys.exit(main())
