#!/usr/bin/env bash
# Checks exported files with the programs that read them: poppler for PDF, LibreOffice
# (headless, with a private profile) for Word, OpenDocument and Rich Text, and the web
# engine for HTML. Usage: check-exports.sh BW_EXPORT_BINARY [--quick]
# --quick leaves out the 1 MiB document. Exits non-zero on the first failed check.
set -euo pipefail
BW_EXPORT=$(readlink -f "$1")
QUICK=${2:-}
HERE=$(cd "$(dirname "$0")" && pwd)
FIXTURES="$HERE/../tests/fixtures/export"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export QT_QPA_PLATFORM=offscreen
# The checks pass in any locale (LANG unset, C): Python reads and writes its files as UTF-8,
# and LibreOffice writes its plain text as UTF-8 instead of in the locale's charset.
export PYTHONUTF8=1
LO_TEXT='txt:Text (encoded):UTF8'
# The settings of the person running the checks stay out of it.
export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_CACHE_HOME="$WORK/cache"

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in pdfinfo pdftotext pdfimages python3 strace; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps.sh installs it)"
done
SOFFICE=$(command -v soffice || command -v libreoffice || true)
[ -n "$SOFFICE" ] || fail "LibreOffice is missing (scripts/deps.sh installs libreoffice-writer-nogui)"

export_to() { # markdown format out
  "$BW_EXPORT" "$1" --format "$2" --out "$3" 2>"$WORK/stderr.log" || { cat "$WORK/stderr.log" >&2; fail "bw-export $2 of $1"; }
}

# The fixture folder: the sample, its picture, an empty document, a page over 2 MB and,
# unless quick, 1 MiB of Markdown. Beside it the fidelity document, with pictures in two
# sibling folders of which only one is granted.
DOC="$WORK/doc"
FID="$WORK/fidelity"
mkdir -p "$DOC" "$FID/doc" "$FID/granted" "$FID/refused"
cp "$FIXTURES/sample.md" "$DOC/sample.md"
cp "$FIXTURES/fidelity.md" "$FID/doc/fidelity.md"
python3 - "$DOC" "$QUICK" "$FID" <<'PY'
import struct, sys, zlib
doc, quick, fid = sys.argv[1], sys.argv[2], sys.argv[3]
def png(w, h, rgb):
    raw = b"".join(b"\0" + bytes(rgb) * w for _ in range(h))
    chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) + \
        chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")
open(f"{doc}/picture.png", "wb").write(png(90, 60, (200, 30, 30)))
open(f"{fid}/granted/green.png", "wb").write(png(31, 21, (30, 160, 30)))
open(f"{fid}/refused/blue.png", "wb").write(png(41, 31, (30, 30, 200)))
open(f"{doc}/empty.md", "w").write("")
# Over 2 MB of page, a few pages of print: the bulk is the picture's alternative text.
open(f"{doc}/large page.md", "w").write("Large 1\n\n![" + "a" * 2_200_000 + "](picture.png)\n\nLarge 2\n")
if quick != "--quick":
    parts, n = [], 0
    size = 0
    while size < 1024 * 1024:
        n += 1
        p = f"Body{n:06d} is one numbered paragraph of the long document, with some *emphasis* and words.\n\n"
        if n % 50 == 0: p = f"## Section {n}\n\n" + p
        parts.append(p); size += len(p.encode())
    open(f"{doc}/long.md", "w").write("".join(parts))
    open(f"{doc}/long.count", "w").write(str(n))
PY

# ---- PDF ----
check_pdf() { # pdf title [expected-lines-file]
  python3 - "$@" <<'PY'
import re, subprocess, sys, html
pdf, title = sys.argv[1], sys.argv[2]
info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+) pts", info, re.M)
assert (float(size.group(1)), float(size.group(2))) == (612, 792), f"{pdf}: not Letter: {size.group(0)}"
bbox = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True, check=True).stdout
page_blocks = re.findall(r"<page [^>]*>(.*?)</page>", bbox, re.S)
assert len(page_blocks) == pages, f"{pdf}: {len(page_blocks)} text pages of {pages}"
word = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>')
first_title = title.split()[0]
for i, block in enumerate(page_blocks, 1):
    words = [(float(a), float(b), float(c), float(d), html.unescape(t)) for a, b, c, d, t in word.findall(block)]
    head = [w for w in words if w[3] <= 45]
    assert head and abs(head[0][0] - 72) < 2 and head[0][4] == first_title, f"{pdf} page {i}: header {head[:3]}"
    foot = [w for w in words if w[1] >= 792 - 45]
    text = " ".join(w[4] for w in foot)
    assert text == f"Page {i} of {pages}", f"{pdf} page {i}: footer '{text}'"
    centre = (min(w[0] for w in foot) + max(w[2] for w in foot)) / 2
    assert abs(centre - 306) < 2, f"{pdf} page {i}: footer centred at {centre}"
if len(sys.argv) > 3:
    body = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True, check=True).stdout
    for tag in open(sys.argv[3]).read().split():
        n = body.count(tag)
        assert n == 1, f"{pdf}: '{tag}' found {n} times"
print(f"ok {pdf}: {pages} Letter pages, header and footer on each")
PY
}


export_to "$DOC/sample.md" pdf "$WORK/sample.pdf"
pdftotext "$WORK/sample.pdf" - | tr -s ' \n' ' ' >"$WORK/sample-pdf.txt"
for i in $(seq -w 1 15); do
  n=$(grep -o "Line $i" "$WORK/sample-pdf.txt" | wc -l)
  [ "$n" -eq 1 ] || fail "sample.pdf: 'Line $i' found $n times"
done
check_pdf "$WORK/sample.pdf" "sample"
pdfimages -list "$WORK/sample.pdf" | awk 'NR > 2 && $3 == "image" && $4 == 90 && $5 == 60 { found = 1 } END { exit !found }' \
  || fail "sample.pdf: the picture is missing"
for word in Grüße 東京 CellA1 CellB2; do grep -q "$word" "$WORK/sample-pdf.txt" || fail "sample.pdf: '$word' missing"; done

export_to "$DOC/empty.md" pdf "$WORK/empty.pdf"
[ "$(pdfinfo "$WORK/empty.pdf" | awk '/^Pages:/ { print $2 }')" = 1 ] || fail "empty.pdf: not one page"
check_pdf "$WORK/empty.pdf" "empty"

export_to "$DOC/large page.md" pdf "$WORK/large.pdf"
check_pdf "$WORK/large.pdf" "large page"
pdfimages -list "$WORK/large.pdf" | awk 'NR > 2 && $3 == "image" { found = 1 } END { exit !found }' \
  || fail "large.pdf: the picture of a page over 2 MB is missing"

if [ -f "$DOC/long.md" ]; then
  export_to "$DOC/long.md" pdf "$WORK/long.pdf"
  python3 -c "print('\n'.join(f'Body{i:06d}' for i in range(1, int(open('$DOC/long.count').read()) + 1)))" >"$WORK/long.tags"
  check_pdf "$WORK/long.pdf" "long" "$WORK/long.tags"
fi

# ---- Word, OpenDocument, Rich Text through LibreOffice ----
PROFILE="file://$WORK/lo-profile"
# One LibreOffice conversion: done when the office ended well and wrote every file asked for.
# An office killed or crashed on a busy machine is started once more; a file LibreOffice
# cannot read fails both times. A failure shows LibreOffice's exit status and its own words.
lo_convert() { # filter outdir file...
  local filter=$1 outdir=$2 ext=${1%%:*} attempt status missing file name
  shift 2
  for attempt in 1 2; do
    status=0
    timeout 300 "$SOFFICE" -env:UserInstallation="$PROFILE" --headless --convert-to "$filter" --outdir "$outdir" "$@" \
      >"$WORK/lo.log" 2>&1 || status=$?
    missing=""
    for file in "$@"; do
      name=$(basename "$file")
      [ -s "$outdir/${name%.*}.$ext" ] || missing="$missing ${name%.*}.$ext"
    done
    [ "$status" = 0 ] && [ -z "$missing" ] && return 0
    echo "LibreOffice, attempt $attempt: exit status $status${missing:+, not written:$missing}; it said:" >&2
    sed 's/^/  /' "$WORK/lo.log" >&2
  done
  return 1
}
for fmt in docx odt rtf; do
  export_to "$DOC/sample.md" "$fmt" "$WORK/sample.$fmt"
  mkdir -p "$WORK/lo-$fmt"
  lo_convert "$LO_TEXT" "$WORK/lo-$fmt" "$WORK/sample.$fmt" \
    || fail "LibreOffice cannot read sample.$fmt"
  lo_convert html "$WORK/lo-$fmt" "$WORK/sample.$fmt" \
    || fail "LibreOffice cannot convert sample.$fmt to HTML"
  python3 - "$WORK/lo-$fmt/sample.txt" "$WORK/lo-$fmt/sample.html" "$fmt" <<'PY'
import re, sys
text, page, fmt = open(sys.argv[1], encoding="utf-8-sig").read(), open(sys.argv[2], encoding="utf-8", errors="replace").read(), sys.argv[3]
order = ["Export Sample"] + [f"Line {i:02d}" for i in range(1, 16)]
pos = -1
for tag in order:
    p = text.find(tag)
    assert p > pos, f"{fmt}: '{tag}' missing or out of order"
    assert text.count(tag) == 1, f"{fmt}: '{tag}' more than once"
    pos = p
for cell in ["Column A", "Column B", "CellA1", "CellB1", "CellA2", "CellB2", "Grüße", "東京", "😀", "☐", "☑"]:
    assert cell in text, f"{fmt}: '{cell}' missing"
assert re.search(r"<img[^>]+width=\"90\"", page), f"{fmt}: the picture is missing"
print(f"ok sample.{fmt}: every block in order, the table cells and the picture")
PY
done

if [ -f "$DOC/long.md" ]; then
  for fmt in docx odt rtf; do
    export_to "$DOC/long.md" "$fmt" "$WORK/long.$fmt"
    lo_convert "$LO_TEXT" "$WORK/lo-$fmt" "$WORK/long.$fmt" \
      || fail "LibreOffice cannot read long.$fmt"
    python3 - "$WORK/lo-$fmt/long.txt" "$DOC/long.count" "$fmt" <<'PY'
import re, sys
found = re.findall(r"Body(\d{6})", open(sys.argv[1], encoding="utf-8-sig").read())
n = int(open(sys.argv[2]).read())
assert [int(x) for x in found] == list(range(1, n + 1)), f"{sys.argv[3]}: 1 MiB document: paragraphs lost, repeated or out of order"
print(f"ok long.{sys.argv[3]}: all {n} paragraphs of 1 MiB in order")
PY
  done
fi

# ---- HTML through the web engine ----
export_to "$DOC/sample.md" html "$WORK/sample.html"
"$BW_EXPORT" --page-text "$WORK/sample.html" >"$WORK/html.txt" 2>/dev/null || fail "the web engine cannot load sample.html"
for i in $(seq -w 1 15); do grep -q "Line $i" "$WORK/html.txt" || fail "sample.html: 'Line $i' missing"; done
grep -q "CellB2" "$WORK/html.txt" || fail "sample.html: table missing"
echo "ok sample.html: every block as the web engine lays it out"
# ---- A disk that cannot hold the file ----
# Files may not grow past 1 KiB (ulimit -f counts KiB; SIGXFSZ ignored, so the write fails
# with EFBIG): each must fail, say so and leave nothing, and an existing file whole. (The web
# engine that makes PDFs cannot start under such a limit; PDFs are written the same way.)
for fmt in docx odt rtf html; do
  target="$WORK/full.$fmt"
  printf 'old' >"$target"
  if (trap '' XFSZ; ulimit -f 1; exec "$BW_EXPORT" "$DOC/sample.md" --format "$fmt" --out "$target") 2>"$WORK/full.log"; then
    fail "bw-export $fmt reported success on a full disk"
  fi
  [ "$(cat "$target")" = old ] || fail "bw-export $fmt replaced the file on a full disk"
  [ -z "$(find "$WORK" -maxdepth 1 -name ".full.$fmt.*")" ] || fail "bw-export $fmt left a temporary file"
  rm -f "$target"
done
echo "ok full disk: Word, OpenDocument, Rich Text and HTML fail, say so and leave the old file"
# A write that cannot happen is told in the words a save would use, not the system's.
if "$BW_EXPORT" "$DOC/sample.md" --format html --out "$WORK/missing/x.html" 2>"$WORK/missing.log"; then
  fail "bw-export reported success into a missing folder"
fi
grep -q "does not exist" "$WORK/missing.log" || fail "bw-export into a missing folder: $(cat "$WORK/missing.log")"
echo "ok missing folder: the reason names the folder"

# ---- Batch export of a folder ----
# Sources in both spellings of an extension, a subfolder, text that is not UTF-8, two
# sources with one output name and an output that cannot be written (a folder in its way).
BATCH="$WORK/batch"
mkdir -p "$BATCH/sub" "$BATCH/stuck.pdf" "$BATCH/stuck.docx" "$BATCH/stuck.odt" "$BATCH/stuck.rtf" "$BATCH/stuck.html"
printf '# Alpha Title\n\nAlpha body.\n' >"$BATCH/Alpha.MD"
printf 'Beta plain text.\n' >"$BATCH/beta.txt"
printf '# Gamma one\n' >"$BATCH/gamma.md"
printf '# Gamma two\n' >"$BATCH/gamma.markdown"
printf 'caf\xe9\n' >"$BATCH/latin1.md"
printf '# Inner\n' >"$BATCH/sub/inner.md"
printf '# Stuck\n' >"$BATCH/stuck.md"
for fmt in pdf docx odt rtf html; do
  status=0
  "$BW_EXPORT" --batch "$BATCH" --format "$fmt" >"$WORK/batch-$fmt.txt" 2>/dev/null || status=$?
  [ "$status" = 1 ] || fail "batch $fmt: exit status $status, not 1 though files were not exported"
  python3 - "$WORK/batch-$fmt.txt" "$fmt" <<'PY'
import sys
report, fmt = open(sys.argv[1]).read(), sys.argv[2]
assert report.startswith("Exported 3 of 6 files"), f"batch {fmt}: {report!r}"
for name in ["gamma.md", "latin1.md", "stuck.md"]:
    assert name in report, f"batch {fmt}: {name} not reported: {report!r}"
print(f"ok batch {fmt}: 3 of 6 written, each failure named")
PY
  [ ! -e "$BATCH/sub/inner.$fmt" ] || fail "batch $fmt went into a subfolder"
done
for name in Alpha beta gamma; do check_pdf "$BATCH/$name.pdf" "$name"; done
pdftotext "$BATCH/gamma.pdf" - | grep -q "Gamma two" || fail "batch: gamma.pdf is not from gamma.markdown, the first in path order"
for fmt in docx odt rtf; do
  mkdir -p "$WORK/lo-batch-$fmt"
  for name in Alpha beta gamma; do
    lo_convert "$LO_TEXT" "$WORK/lo-batch-$fmt" "$BATCH/$name.$fmt" \
      || fail "LibreOffice cannot read batch $name.$fmt"
  done
  grep -q "Alpha body" "$WORK/lo-batch-$fmt/Alpha.txt" || fail "batch Alpha.$fmt: body missing"
  grep -q "Beta plain text" "$WORK/lo-batch-$fmt/beta.txt" || fail "batch beta.$fmt: body missing"
done
"$BW_EXPORT" --page-text "$BATCH/Alpha.html" | grep -q "Alpha body" || fail "batch Alpha.html: body missing"
echo "ok batch: PDFs stamped with each source's name, Word, OpenDocument, Rich Text and HTML read back"

# ---- Refused as the editor refuses; a folder named like the document's is another folder ----
# Text that is not UTF-8 is no export (exit 1, nothing written). Beside "notes/" stands
# "notes-private/": its picture is outside the document's folder although its path begins
# with that folder's.
SIB="$WORK/siblings"
mkdir -p "$SIB/notes" "$SIB/notes-private"
printf 'caf\xe9\n' >"$SIB/notes/latin1.md"
status=0
"$BW_EXPORT" "$SIB/notes/latin1.md" --format docx --out "$SIB/latin1.docx" 2>"$WORK/stderr.log" || status=$?
[ "$status" = 1 ] && [ ! -e "$SIB/latin1.docx" ] || fail "bw-export of Latin-1 text: exit status $status or a file written"
grep -q "is not valid UTF-8 text" "$WORK/stderr.log" || fail "bw-export of Latin-1 text: $(cat "$WORK/stderr.log")"
printf '![own](own.png)\n\n![private](../notes-private/secret.png)\n' >"$SIB/notes/doc.md"
python3 - "$SIB" <<'PY'
import struct, sys, zlib
def png(w, h):
    raw = b"".join(b"\0" + b"\x80" * 3 * w for _ in range(h))
    chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) + \
        chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")
open(f"{sys.argv[1]}/notes/own.png", "wb").write(png(11, 7))
open(f"{sys.argv[1]}/notes-private/secret.png", "wb").write(png(13, 9))
PY
export_to "$SIB/notes/doc.md" docx "$SIB/doc.docx"
python3 - "$SIB/doc.docx" <<'PY'
import struct, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
sizes = sorted(struct.unpack(">II", z.read(n)[16:24]) for n in z.namelist() if n.endswith(".png"))
assert sizes == [(11, 7)], f"docx: images {sizes}; the picture of notes-private/ beside notes/ is not the document's"
print("ok refused: Latin-1 text is no export; a sibling folder named like the document's keeps its picture")
PY

# ---- Fidelity: nothing of the document lost in any format ----
# A table under the grid's width comment, a code line, an address and a 15-column table wider
# than the page, strike-through, a quote, and images in two sibling folders of which only one
# is granted.
for fmt in pdf docx odt rtf html; do
  "$BW_EXPORT" "$FID/doc/fidelity.md" --format "$fmt" --out "$FID/fidelity.$fmt" --grant "$FID/granted" 2>"$WORK/stderr.log" \
    || { cat "$WORK/stderr.log" >&2; fail "bw-export $fmt of fidelity.md"; }
done
pdftotext "$FID/fidelity.pdf" - | tr -d ' \n' >"$FID/pdf.txt"
for tag in CodeLineEnd AddressEnd LastColumnCell WidthCellB; do
  grep -q "$tag" "$FID/pdf.txt" || fail "fidelity.pdf: '$tag' is cut off or missing"
done
! grep -q "bwk:colwidths" "$FID/pdf.txt" || fail "fidelity.pdf: the width comment shows"
pdfimages -list "$FID/fidelity.pdf" | awk 'NR > 2 && $3 == "image" { print $4 "x" $5 }' >"$FID/pdf-images.txt"
grep -qx "31x21" "$FID/pdf-images.txt" || fail "fidelity.pdf: the image of the granted folder is missing"
! grep -qx "41x31" "$FID/pdf-images.txt" || fail "fidelity.pdf: the image of a folder not granted is embedded"
grep -q "<td>WidthCellB</td>" "$FID/fidelity.html" || fail "fidelity.html: the table under the width comment is no table"
for fmt in docx odt rtf; do
  lo_convert html "$FID/lo-$fmt" "$FID/fidelity.$fmt" \
    || fail "LibreOffice cannot read fidelity.$fmt"
done
lo_convert pdf "$FID/lo-odt" "$FID/fidelity.odt" \
  || fail "LibreOffice cannot print fidelity.odt"
pdfinfo "$FID/lo-odt/fidelity.pdf" | grep -q "612 x 792 pts" || fail "fidelity.odt: the page is not Letter"
python3 - "$FID" <<'PY'
import re, struct, sys, zipfile
fid = sys.argv[1]
def png_sizes(z):
    return sorted(struct.unpack(">II", z.read(n)[16:24]) for n in z.namelist() if n.endswith(".png"))
for fmt in ["docx", "odt", "rtf"]:
    page = re.sub(r"\s+", " ", open(f"{fid}/lo-{fmt}/fidelity.html", encoding="utf-8", errors="replace").read())
    cells = re.findall(r"<td[^>]*>(.*?)</td>", page, re.S)
    assert any("WidthCellB" in c for c in cells), f"{fmt}: the table under the width comment is no table"
    assert "bwk:colwidths" not in page, f"{fmt}: the width comment shows"
    struck = re.search(r"<(strike|s|del)\b[^>]*>(?:<[^>]+>)*struck words|line-through[^>]*>(?:<[^>]+>)*struck words", page)
    assert struck, f"{fmt}: LibreOffice reads no strike-through"
docx = zipfile.ZipFile(f"{fid}/fidelity.docx")
doc = docx.read("word/document.xml").decode()
paras = re.findall(r"<w:p>(.*?)</w:p>", doc, re.S)
style = lambda text: next((re.search(r'w:pStyle w:val="(\w+)"', p) or [None, "Normal"])[1]
                          for p in paras if text in re.sub(r"<[^>]+>", "", p))
assert style("A body paragraph") == "Normal", f"docx: the body paragraph is {style('A body paragraph')}"
assert style("A quoted line.") == "Quote", f"docx: the quote is {style('A quoted line.')}"
assert "<w:strike/>" in doc, "docx: no w:strike"
assert png_sizes(docx) == [(31, 21)], f"docx: images {png_sizes(docx)}, only the granted folder's belongs"
odt = zipfile.ZipFile(f"{fid}/fidelity.odt")
content = odt.read("content.xml").decode()
assert "text-line-through-style=\"solid\"" in content, "odt: no strike-through style"
numbered = re.search(r'<text:list text:style-name="([^"]+)"><text:list-item[^>]*><text:p[^>]*>(?:<[^>]+>)*A numbered item', content)
assert numbered and re.search(rf'<text:list-style style:name="{numbered[1]}"><text:list-level-style-number text:level="1"', content), \
    "odt: a numbered list after a bulleted one is not numbered"
assert png_sizes(odt) == [(31, 21)], f"odt: images {png_sizes(odt)}, only the granted folder's belongs"
rtf = open(f"{fid}/fidelity.rtf").read()
assert "\\strike" in rtf, "rtf: no \\strike"
assert rtf.count("\\pngblip") == 1, "rtf: only the granted folder's image belongs"
print("ok fidelity: wide content whole in PDF, the table under its width comment, strike-through, quotes "
      "and only granted images in every format; OpenDocument on Letter, its numbered list numbered")
PY

# ---- No page ends with a heading ----
# 40 sections of paragraphs of varied length; a heading at the foot of a page whose next
# block begins with an item of a few lines that is never broken, or with a table's head (a
# heading too) and a tall first row.
python3 - "$WORK" <<'PY'
import random, sys
random.seed(7)
words = "lorem ipsum dolor sit amet consectetur adipiscing elit sed do eiusmod tempor incididunt ut labore".split()
out = []
for n in range(1, 41):
    out.append("#" * (2 + n % 2) + f" Heading{n:02d} of the section\n")
    for k in range(random.randint(1, 3)):
        out.append(" ".join(random.choice(words) for _ in range(random.choice([8, 30, 60, 120, 200]))) + ".\n")
    if n % 7 == 0:
        out.append("```\n" + "\n".join(f"code line {i}" for i in range(random.randint(3, 12))) + "\n```\n")
open(f"{sys.argv[1]}/sections.md", "w").write("\n".join(out))
lines = "".join(f"Paragraph {i} is one line of ordinary text.\n\n" for i in range(1, 9))
item = ("runs long " + "with words that fill the line and keep going " * 7)[:290]
open(f"{sys.argv[1]}/item.md", "w").write(f"# Title\n\n{lines}## Stranded Heading\n\n- This item {item}\n- Second item {item}\n- Short item.\n")
cell = "A cell of text that goes on " + "and on " * 30 + "to its end."
rows = "".join(f"| row{r} | {cell} |\n" for r in range(12))
open(f"{sys.argv[1]}/table.md", "w").write(f"# Title\n\n{lines}## Table Heading\n\n| Key Heading | Value Heading |\n|---|---|\n{rows}")
PY
for name in sections item table; do
  export_to "$WORK/$name.md" pdf "$WORK/$name.pdf"
  python3 - "$WORK/$name.pdf" <<'PY'
import html, os, re, subprocess, sys
name = os.path.basename(sys.argv[1])
bbox = subprocess.run(["pdftotext", "-bbox", sys.argv[1], "-"], capture_output=True, text=True, check=True).stdout
word = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">(.*?)</word>')
pages = re.findall(r"<page [^>]*>(.*?)</page>", bbox, re.S)
for i, block in enumerate(pages, 1):
    body = [(float(x), float(y), html.unescape(t)) for x, y, y2, t in word.findall(block) if float(y) > 45 and float(y2) < 747]
    last = max(y for _, y, _ in body)
    line = " ".join(t for x, y, t in sorted(body) if abs(y - last) < 3)
    assert "Heading" not in line, f"{name}: page {i} of {len(pages)} ends with a heading: {line}"
print(f"ok {name}: none of {len(pages)} pages ends with a heading")
PY
done

# ==== The print page: wide blocks kept whole, pages filled, hostile documents bounded ====
PAPER="$WORK/paper"
mkdir -p "$PAPER"
python3 - "$PAPER" <<'PY'
import struct, sys, zlib
paper = sys.argv[1]
def png(w, h, rgb):
    raw = b"".join(b"\0" + bytes(rgb) * w for _ in range(h))
    chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) + \
        chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")
def write(name, text):
    with open(f"{paper}/{name}", "w", encoding="utf-8") as f: f.write(text)
open(f"{paper}/picture.png", "wb").write(png(400, 240, (40, 90, 160)))
# A box diagram 100 columns wide, twice the column at the normal type.
box = ["+" + "-" * 98 + "+"] + [f"| BoxRow{i} left".ljust(49) + f"| BoxRow{i} right".ljust(50) + "|" for i in range(8)]
write("box.md", "Diagram:\n\n```\n" + "\n".join(box + [box[0]]) + "\n```\n")
write("box.lines", "\n".join(box))
# Fifteen columns of short words.
heads = ["Col1", "Colfifteen"] + [f"Head{i}" for i in range(3, 16)]
write("columns.md", "| " + " | ".join(heads) + " |\n|" + "---|" * 15 + "\n| " + " | ".join(["0"] * 14 + ["qx"]) + " |\n")
# About 140 words with a picture, a code block of 24 lines, a table and a footnote; then the
# same with a heading over a long paragraph that ends in the picture.
words = "the quick brown fox jumps over a lazy dog while seven bright owls watch from old oak trees".split()
para = " ".join(words[i % len(words)] for i in range(30)).capitalize() + "."
code = "\n".join(f"step {i}: done" for i in range(1, 25))
rest = (f"## Log\n\n```\n{code}\n```\n\n## Data\n\n"
        "| Name | Value |\n|---|---|\n| row1 | 1 |\n| row2 | 2 |\n| row3 | 3 |\n\n[^1]: FootnoteText of the report.\n")
write("short.md", f"# Report\n\n{para}[^1]\n\n![A picture](picture.png)\n\n" + rest)
write("picture.md", f"# Report\n\n{para}[^1]\n\n## Picture\n\n{' '.join([para] * 5)}\n![A picture](picture.png)\n\n" + rest)
# Hostile: one line of 100,000 ">", a list nested 3,000 deep, 200,000 pipes under a
# 10,000-column alignment row.
write("quote.md", ">" * 100_000 + "\n")
write("nested.md", "- " * 3000 + "deepest\n")
write("pipes.md", "|".join(["h"] * 10_001) + "\n" + "|".join(["-"] * 10_001) + "\n" + "|" * 180_000 + "\n")
# And 4 MB of table: 500 columns, 2,000 rows, each row's last cell its own.
digits = "| " + " | ".join(str(c % 10) for c in range(1, 499))
write("cells.md", "| " + " | ".join(f"h{c}" for c in range(500)) + " |\n" + "|---" * 500 + "|\n"
      + "".join(f"| r{r} {digits} | z{r} |\n" for r in range(2000)))
# And one paragraph: a line of 500,000 "&", and one after a right-to-left word; 60,000 lines
# with no blank line between them; an address of 100,000 characters.
write("amps.md", "&" * 500_000 + "\n")
write("rtlamps.md", "\u05e9\u05dc\u05d5\u05dd " + "&" * 500_000 + "\n")
write("lines.md", "".join(f"line {i}\n" for i in range(60_000)))
write("address.md", "<http://" + "a" * 100_000 + ">\n")
PY
export_to "$PAPER/box.md" pdf "$PAPER/box.pdf"
export_to "$PAPER/columns.md" pdf "$PAPER/columns.pdf"
export_to "$PAPER/short.md" pdf "$PAPER/short.pdf"
export_to "$PAPER/picture.md" pdf "$PAPER/picture.pdf"
export_to "$PAPER/short.md" docx "$PAPER/short.docx"
lo_convert pdf "$PAPER/lo" "$PAPER/short.docx" \
  || fail "LibreOffice cannot print short.docx"
python3 - "$PAPER" <<'PY'
import html, re, subprocess, sys
paper = sys.argv[1]
def text(*args):
    return subprocess.run(["pdftotext", *args], capture_output=True, check=True).stdout.decode("utf-8")
def pages(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, check=True).stdout.decode("utf-8")
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
layout = text("-layout", f"{paper}/box.pdf", "-").splitlines()
for line in open(f"{paper}/box.lines", encoding="utf-8").read().splitlines():
    # Spaces inside a line may come out wider or narrower; each line is on one line, whole.
    pattern = re.compile(r"\s*".join(re.escape(part) for part in line.split()))
    assert any(pattern.fullmatch(l.strip()) for l in layout), f"box.pdf: '{line}' is not one whole line"
print("ok box.pdf: the 100-column diagram's lines each whole")
words = text("-layout", f"{paper}/columns.pdf", "-").split()
for head in ["Col1", "Colfifteen", "Head15", "qx"]:
    assert head in words, f"columns.pdf: '{head}' is broken or missing: {words}"
print("ok columns.pdf: the 15-column table's words whole")
ours, theirs = pages(f"{paper}/short.pdf"), pages(f"{paper}/lo/short.pdf")
# The print page's type is a third larger than the Word document's (a pixel prints as a point):
# one page more than LibreOffice is the most that can take.
assert ours <= theirs + 1, f"short.pdf: {ours} pages, LibreOffice prints its DOCX on {theirs}"
word = re.compile(r'<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">(.*?)</word>')
for name in ["short", "picture"]:
    bbox = text("-bbox", f"{paper}/{name}.pdf", "-")
    body = [[(float(y), html.unescape(t)) for y, y2, t in word.findall(b) if float(y) > 45 and float(y2) < 747]
            for b in re.findall(r"<page [^>]*>(.*?)</page>", bbox, re.S)]
    assert max(y for y, _ in body[0]) > 792 * 0.75, f"{name}.pdf: the first page is left a quarter empty or more"
    last = [t for _, t in body[-1]]
    assert "FootnoteText" in last and len(last) > 8, f"{name}.pdf: the footnote is alone on its page: {last}"
print(f"ok short.pdf: {ours} pages (LibreOffice {theirs}); it and picture.pdf have the first page filled, "
      "the footnote after the text")
PY
for name in quote nested pipes cells amps rtlamps lines address; do
  start=$(date +%s)
  timeout 120 "$BW_EXPORT" "$PAPER/$name.md" --format pdf --out "$PAPER/$name.pdf" 2>/dev/null || fail "bw-export pdf of hostile $name.md"
  elapsed=$(( $(date +%s) - start ))
  [ "$elapsed" -le 60 ] || fail "hostile $name.md took $elapsed s"
  echo "ok hostile $name.pdf: made in $elapsed s"
done
pdftotext "$PAPER/nested.pdf" - | grep -q deepest || fail "nested.pdf: the deepest item is lost"
[ "$(pdftotext "$PAPER/cells.pdf" - | grep -o 'z[0-9]*' | sort -u | wc -l)" = 2000 ] || fail "cells.pdf: rows are lost"
for name in amps rtlamps; do
  [ "$(pdftotext "$PAPER/$name.pdf" - | tr -cd '&' | wc -c)" = 500000 ] || fail "$name.pdf: text is lost"
done
[ "$(pdftotext "$PAPER/lines.pdf" - | grep -c '^line [0-9]*$')" = 60000 ] || fail "lines.pdf: lines are lost or joined"
[ "$(pdftotext "$PAPER/address.pdf" - | tr -cd 'a' | wc -c)" -ge 100000 ] || fail "address.pdf: the address is not printed"
size=$(stat -c %s "$PAPER/address.pdf")
[ "$size" -lt 1000000 ] || fail "address.pdf: $size bytes, the address written again for every page"
# ==== end of the print page's checks ====

# ---- Math and diagrams make their PDF at once, with no network connection attempted ----
printf 'Display math:\n\n$$x^2 + y^2 = z^2$$\n\n```mermaid\ngraph TD; A-->B\n```\n' >"$WORK/math.md"
strace -f -qq -e trace=connect -o "$WORK/connect.log" "$BW_EXPORT" "$WORK/math.md" --format pdf --out "$WORK/math.pdf" 2>/dev/null \
  || fail "bw-export pdf of math.md under strace"
! grep -E "sa_family=AF_INET6?[,}]" "$WORK/connect.log" || fail "math.pdf: a network connection was attempted"
# Timed without strace: following every process of the engine takes it seconds of its own.
start=$(date +%s%N)
export_to "$WORK/math.md" pdf "$WORK/math.pdf"
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$elapsed" -lt 3000 ] || fail "math.pdf took $elapsed ms: it waits for scripts"
pdftotext "$WORK/math.pdf" - | grep -q "x\^2" || fail "math.pdf: the formula's source is missing"
echo "ok math.pdf: made in $elapsed ms, no network connection attempted"

# ---- The seed presets: GitHub HTML carries its theme, Academic PDF is stamped ----
export_to_theme() { "$BW_EXPORT" "$1" --format "$2" --out "$3" --theme "$4" 2>/dev/null || fail "bw-export $2 with theme $4"; }
export_to_theme "$DOC/sample.md" html "$WORK/github.html" github
grep -q "/\* theme \*/" "$WORK/github.html" && grep -q "#0969da" "$WORK/github.html" || fail "GitHub HTML: theme CSS missing"
export_to_theme "$DOC/sample.md" pdf "$WORK/academic.pdf" academic
check_pdf "$WORK/academic.pdf" "sample"
echo "ok presets: GitHub HTML has its theme, Academic PDF is stamped"
# A batch takes --theme and --css as a single export does; an unknown theme is refused, naming
# the known ones, before anything is written.
THEMED="$WORK/themed-batch"
mkdir -p "$THEMED"
printf '# One\n\nBody one.\n' >"$THEMED/one.md"
printf 'p { color: #123456 }\n' >"$THEMED/user.css"
"$BW_EXPORT" --batch "$THEMED" --format html --theme github --css "$THEMED/user.css" >/dev/null 2>&1 \
  || fail "batch with --theme and --css failed"
grep -q "#0969da" "$THEMED/one.html" || fail "batch: the theme's CSS is missing from one.html"
grep -q "#123456" "$THEMED/one.html" || fail "batch: the user CSS is missing from one.html"
rm -f "$THEMED/one.html"
for args in "--batch $THEMED --format html" "$THEMED/one.md --format html --out $THEMED/one.html"; do
  # shellcheck disable=SC2086
  status=0
  "$BW_EXPORT" $args --theme nosuch >/dev/null 2>"$THEMED/err.txt" || status=$?
  [ "$status" = 1 ] || fail "unknown theme: exit status $status, not 1 ($args)"
  grep -q "academic" "$THEMED/err.txt" || fail "unknown theme: the known ones are not named ($args)"
  [ ! -e "$THEMED/one.html" ] || fail "unknown theme: a file was written ($args)"
done
echo "ok batch themes: --theme and --css reach every file of a batch; an unknown theme is refused"
# ---- Theme and user CSS in Word, OpenDocument and Rich Text, read back by LibreOffice ----
# Each file is converted to flat OpenDocument; a text's colour, font and alignment are looked
# up as LibreOffice resolved them (its span's style, then its paragraph's style and parents).
# The numbered list reads back numbered 1., 2., 3. in plain text.
STYLED="$WORK/styled"
mkdir -p "$STYLED"
printf '# Styled Heading\n\nA styled paragraph of body text.\n\n1. first item\n2. second item\n3. third item\n\n| Cell | Other |\n|---|---|\n| plain cell | x |\n' >"$STYLED/styled.md"
printf 'h1 { color: #ff0000 } p { font-family: serif; color: #0000ff }\n' >"$STYLED/red.css"
for fmt in docx odt rtf; do
  "$BW_EXPORT" "$STYLED/styled.md" --format "$fmt" --out "$STYLED/red-$fmt.$fmt" --theme academic --css "$STYLED/red.css" 2>/dev/null \
    || fail "bw-export $fmt with theme academic and user CSS"
  "$BW_EXPORT" "$STYLED/styled.md" --format "$fmt" --out "$STYLED/dark-$fmt.$fmt" --theme dark 2>/dev/null \
    || fail "bw-export $fmt with theme dark"
  lo_convert fodt "$STYLED/lo" \
    "$STYLED/red-$fmt.$fmt" "$STYLED/dark-$fmt.$fmt" || fail "LibreOffice cannot read styled $fmt"
  lo_convert "$LO_TEXT" "$STYLED/lo" \
    "$STYLED/red-$fmt.$fmt" || fail "LibreOffice cannot read styled $fmt as text"
done
python3 - "$STYLED" <<'PY'
import re, sys, zipfile
import xml.etree.ElementTree as ET
folder = sys.argv[1]
NS = {"style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0", "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
      "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
      "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"}
q = lambda prefix, name: "{%s}%s" % (NS[prefix], name)

class Flat:
    def __init__(self, path):
        with open(path, encoding="utf-8") as f:
            self.root = ET.fromstring(f.read())
        self.styles, self.default = {}, {}
        for st in self.root.iter(q("style", "style")):
            props = {}
            for child in st:
                props.update(child.attrib)
            self.styles[(st.get(q("style", "family")), st.get(q("style", "name")))] = (st.get(q("style", "parent-style-name")), props)
        for st in self.root.iter(q("style", "default-style")):
            if st.get(q("style", "family")) == "paragraph":
                for child in st:
                    self.default.update(child.attrib)
        self.fonts = {f.get(q("style", "name")): f.get(q("svg", "font-family"), "").strip("'")
                      for f in self.root.iter(q("style", "font-face"))}
        pages = {p.get(q("style", "name")): p for p in self.root.iter(q("style", "page-layout"))}
        master = next(self.root.iter(q("style", "master-page")))
        layout = pages[master.get(q("style", "page-layout-name"))].find(q("style", "page-layout-properties"))
        self.page = layout.get(q("fo", "background-color"))

    def chain(self, family, name):
        while name:
            parent, props = self.styles.get((family, name), (None, {}))
            yield props
            name = parent

    def look(self, text, key):
        """The value of `key` for the first run of text that holds `text`."""
        for para in list(self.root.iter(q("text", "p"))) + list(self.root.iter(q("text", "h"))):
            if text not in "".join(para.itertext()):
                continue
            layers = []
            for span in para.iter(q("text", "span")):
                if text in "".join(span.itertext()):
                    layers += list(self.chain("text", span.get(q("text", "style-name"))))
            layers += list(self.chain("paragraph", para.get(q("text", "style-name"))))
            layers.append(self.default)
            for props in layers:
                if key == "font" and q("style", "font-name") in props:
                    return self.fonts.get(props[q("style", "font-name")], props[q("style", "font-name")])
                if key == "font" and q("fo", "font-family") in props:
                    return props[q("fo", "font-family")].strip("'")
                if key != "font" and q("fo", key) in props:
                    return props[q("fo", key)]
            return None
        raise AssertionError(f"'{text}' not found")

for fmt in ["docx", "odt", "rtf"]:
    red = Flat(f"{folder}/lo/red-{fmt}.fodt")
    got = (red.look("Styled Heading", "color"), red.look("styled paragraph", "color"), red.look("styled paragraph", "font"),
           red.look("styled paragraph", "text-align"), red.look("plain cell", "color"))
    assert got[0] == "#ff0000", f"{fmt}: the user CSS's h1 colour: {got}"
    assert got[1] == "#0000ff" and "Serif" in got[2], f"{fmt}: the user CSS's p colour and serif font: {got}"
    assert got[3] == "justify", f"{fmt}: the academic theme's justified paragraphs: {got}"
    assert got[4] != "#0000ff", f"{fmt}: a table cell is no paragraph, the p colour is not its: {got}"
    dark = Flat(f"{folder}/lo/dark-{fmt}.fodt")
    got = (dark.page, dark.look("styled paragraph", "color"), dark.look("Styled Heading", "color"))
    assert got == ("#1e1e1e", "#e4e4e7", "#e4e4e7"), f"{fmt}: the dark theme's page and text colours: {got}"
    with open(f"{folder}/lo/red-{fmt}.txt", encoding="utf-8-sig") as f:
        text = f.read()
    numbers = re.findall(r"^\s*(\d+)\.\s+(\w+) item", text, re.M)
    assert numbers == [("1", "first"), ("2", "second"), ("3", "third")], f"{fmt}: the numbered list reads {numbers}"
docx = zipfile.ZipFile(f"{folder}/red-docx.docx")
styles = docx.read("word/styles.xml").decode("utf-8")
heading = re.search(r'<w:style [^>]*w:styleId="Heading1".*?</w:style>', styles).group(0)
normal = re.search(r'<w:style [^>]*w:styleId="Normal".*?</w:style>', styles).group(0)
assert '<w:color w:val="FF0000"/>' in heading, f"docx: Heading1 style: {heading}"
assert '<w:color w:val="0000FF"/>' in normal and 'w:ascii="Liberation Serif"' in normal, f"docx: Normal style: {normal}"
assert "<w:background " not in docx.read("word/document.xml").decode("utf-8"), "docx: a page colour no CSS asked for"
print("ok styled: theme and user CSS colours, fonts and alignment in Word, OpenDocument and Rich Text; "
      "the dark theme's page; numbered lists 1. 2. 3.")
PY
# ---- Justified lines and links into the document in Word, OpenDocument and Rich Text ----
# An Academic document and its table of contents as Insert writes it, printed by LibreOffice:
# a justified line that ends at a line break is set as written while the lines that wrap reach
# the margin, and each link of the contents (two headings share a title) goes to its heading.
LINKED="$WORK/linked"
mkdir -p "$LINKED"
python3 - "$LINKED/contents.md" <<'PY'
import sys
filler = " ".join(["Filler words of an ordinary paragraph that runs on for a while."] * 5)
section = "\n\n".join([filler] * 6)
long_line = "A source line long enough to wrap inside the column, set in the theme's type. " * 3
open(sys.argv[1], "w", encoding="utf-8").write(f"""# Handbook

- [Setup](#setup)
- [Usage](#usage)
  - [Setup](#setup-1)
- [Salt & Pepper](#salt-pepper)

Short line ONE.
Another short line TWO.
{long_line}THREE.
FOUR.

See [the second setup](#setup-1).

## Setup

{section}

## Usage

{section}

### Setup

{section}

## Salt & Pepper

{section}
""")
PY
for fmt in docx odt rtf; do
  "$BW_EXPORT" "$LINKED/contents.md" --format "$fmt" --out "$LINKED/contents-$fmt.$fmt" --theme academic 2>/dev/null \
    || fail "bw-export $fmt of the contents with theme academic"
done
lo_convert pdf "$LINKED/lo" "$LINKED/contents-docx.docx" "$LINKED/contents-odt.odt" "$LINKED/contents-rtf.rtf" \
  || fail "LibreOffice cannot print the contents"
python3 - "$LINKED/lo" <<'PY'
import html, re, subprocess, sys
folder = sys.argv[1]
word = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">(.*?)</word>')

def lines_of(pdf):
    """Each printed line as (page, top, [(left, right, word)])."""
    bbox = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, check=True).stdout.decode("utf-8")
    lines = []
    for page, block in enumerate(re.findall(r"<page [^>]*>(.*?)</page>", bbox, re.S), 1):
        for x0, y0, x1, t in word.findall(block):
            w = (float(x0), float(x1), html.unescape(t))
            if lines and lines[-1][0] == page and abs(lines[-1][1] - float(y0)) < 2:
                lines[-1][2].append(w)
            else:
                lines.append((page, float(y0), [w]))
    return lines

def links_of(pdf):
    """Each link into the document as (page, top, page of its target, top of its target), in order."""
    data = open(pdf, "rb").read()
    objects = {int(m[1]): data[m.end():data.find(b"endobj", m.end())] for m in re.finditer(rb"(\d+) 0 obj", data)}
    pages = [int(n) for n in re.findall(rb"(\d+) 0 R", re.search(rb"/Kids\s*\[([^\]]*)\]", data)[1])]
    links = []
    for number, page in enumerate(pages, 1):
        annots = re.search(rb"/Annots\s*\[([^\]]*)\]", objects[page])
        for ref in re.findall(rb"(\d+) 0 R", annots[1] if annots else b""):
            annot = objects[int(ref)]
            dest = re.search(rb"/Dest\s*\[\s*(\d+) 0 R\s*/XYZ\s+[\d.]+\s+([\d.]+)", annot)
            top = float(re.search(rb"/Rect\s*\[\s*[\d.]+\s+[\d.]+\s+[\d.]+\s+([\d.]+)", annot)[1])
            if dest:
                links.append((number, 792 - top, pages.index(int(dest[1])) + 1, 792 - float(dest[2])))
    return sorted(links)

for fmt in ["docx", "odt", "rtf"]:
    pdf = f"{folder}/contents-{fmt}.pdf"
    lines = lines_of(pdf)
    ends = {ws[-1][2]: k for k, (_, _, ws) in enumerate(lines)}
    for token in ["ONE.", "TWO.", "THREE.", "FOUR."]:
        assert token in ends, f"{fmt}: no line ends with {token}"
        words = lines[ends[token]][2]
        gap = max((b[0] - a[1] for a, b in zip(words, words[1:])), default=0)
        assert gap < 6 and words[-1][1] < 460, \
            f"{fmt}: the line ending at a line break before {token} is stretched: {[w[2] for w in words]}, gap {gap:.1f}"
    wrapped = lines[ends["THREE."] - 1][2]
    assert wrapped[-1][1] > 535, f"{fmt}: a wrapped line does not reach the margin: {[w[2] for w in wrapped]}"

    headings = [(p, y, " ".join(w[2] for w in ws)) for p, y, ws in lines
                if ws[0][0] < 80 and " ".join(w[2] for w in ws) in ["Setup", "Usage", "Salt & Pepper"]]
    assert [h[2] for h in headings] == ["Setup", "Usage", "Setup", "Salt & Pepper"], f"{fmt}: headings {headings}"
    assert len({h[0] for h in headings}) > 2, f"{fmt}: the headings share their pages: {headings}"
    links = links_of(pdf)
    assert len(links) == 5, f"{fmt}: {len(links)} links into the document, not 5: {links}"
    # The contents in order, then "the second setup".
    for link, target in zip(links, [0, 1, 2, 3, 2]):
        page, top, title = headings[target]
        assert link[2] == page and abs(link[3] - top) < 6, \
            f"{fmt}: a link goes to page {link[2]} at {link[3]:.0f}, not to '{title}' on page {page} at {top:.0f}"
print("ok contents: justified lines that end at a line break set as written, the contents' links at their "
      "headings, in Word, OpenDocument and Rich Text")
PY
echo "all export checks passed"
