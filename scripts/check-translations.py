#!/usr/bin/env python3
"""The interface's texts and their translations, checked (run by `make test`).

  check-translations.py [--sources-only] SOURCE_DIR [LUPDATE]

With --sources-only, only 1. and the contexts of 3. are checked: the sources, not the
translation files (for as long as the files are not translated yet).

1. No text a user sees bypasses translation: every string literal under src/ that reads as
   words (a capitalised word, or two words) is the argument of tr(), QT_TR_NOOP(),
   QT_TRANSLATE_NOOP() or QCoreApplication::translate(), unless it is log text, an include, an
   assertion's message, a key sequence, or listed in translations/not-translated.txt (data, keys, names that stay as
   they are).
2. Every language the Language picker offers has its translations/brindlewick_<lang>.ts, and
   each is finished: no unfinished, obsolete or empty entry; the same placeholders (%1, %L1,
   %n) as its source; a mnemonic (&) where the source has one.
3. The files hold exactly the program's texts: lupdate run over the sources into a copy finds
   nothing new and nothing gone (`make translations` brings them up to date), and it can place
   every tr() in a context.
"""
import os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ["es", "fr", "de", "it", "pt_BR", "zh_CN", "ja", "ko"]
LITERAL = re.compile(r'(?:u8|u|L)?"((?:[^"\\\n]|\\.)*)"')
# A literal that reads as words: a capitalised word ("Bold", "Save As…") or two words.
WORDS = re.compile(r"^[^A-Za-z]*[A-Z][a-z]+|[A-Za-z]{2,} [A-Za-z]{2,}")
# A key sequence in Qt's portable text ("Ctrl+Shift+O; F3"): Qt shows it in the user's words.
KEYS = re.compile(r"^((Ctrl|Alt|Shift|Meta)\+)+\S*(; ((Ctrl|Alt|Shift|Meta)\+)*\S+)*$")
TRANSLATED = re.compile(
    r'(\btr|QT_TR_NOOP|QT_TR_N_NOOP|QT_TRANSLATE_NOOP|QT_TRANSLATE_N_NOOP|translate)\s*\(\s*("[^"]*"\s*,\s*)?$')
NOT_SHOWN = re.compile(r"\bq(C)?(Warning|Debug|Info|Critical)\b|#\s*include|Q_ASSERT|static_assert|Q_LOGGING_CATEGORY")
PLACEHOLDER = re.compile(r"%(?:L?\d+|n)")


def without_comments(text):
    """The text with comments blanked (line breaks kept), string and character literals intact."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            delimiter = re.match(r'R"([^(]*)\(', text[i:]).group(1)
            end = text.find(")" + delimiter + '"', i) + len(delimiter) + 2
            out.append(text[i:end])
            i = end
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1])
            i = j + 1
        elif text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i)
            j = n if j < 0 else j + 2
            out.append("\n" * text.count("\n", i, j))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def allowances(path):
    files, literals = [], {}
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        if ": " in line:
            where, literal = line.split(": ", 1)
            literals.setdefault(where, set()).add(literal)
        else:
            files.append(line.strip())
    return files, literals


def untranslated_literals(source_dir):
    files, literals = allowances(os.path.join(source_dir, "translations", "not-translated.txt"))
    faults = []
    src = os.path.join(source_dir, "src")
    for folder, _, names in os.walk(src):
        for name in sorted(names):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.relpath(os.path.join(folder, name), source_dir)
            if any(re.fullmatch(pattern.replace("*", "[^/]*"), path) for pattern in files):
                continue
            text = without_comments(open(os.path.join(source_dir, path), encoding="utf-8").read())
            lines = text.split("\n")
            previous_end, exempt = -1, False
            for m in LITERAL.finditer(text):
                literal = m.group(1)
                line = text.count("\n", 0, m.start()) + 1
                # Adjacent literals are one ("…" "…" across lines): the first decides for all.
                if previous_end < 0 or text[previous_end:m.start()].strip():
                    exempt = bool(TRANSLATED.search(text[max(0, m.start() - 80):m.start()])
                                  or NOT_SHOWN.search(lines[line - 1])
                                  or literal in literals.get(path, ()) or literal in literals.get("*", ()))
                previous_end = m.end()
                # A mnemonic marker splits no word: "F&ormat" reads as "Format".
                if exempt or KEYS.match(literal) or not WORDS.search(literal.replace("&", "")):
                    continue
                faults.append(f"{path}:{line}: \"{literal}\"")
    return faults


def mnemonics(text):
    return len(re.findall(r"&(?!&)\S", text.replace("&&", "")))


def unfinished_entries(ts_path):
    faults = []
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        ctx = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{os.path.basename(ts_path)}: {ctx}: \"{source}\""
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "obsolete", "vanished", "missing"):
                faults.append(f"{where}: {kind}")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for form in forms:
                if not form.strip():
                    faults.append(f"{where}: empty")
                elif sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))):
                    faults.append(f"{where}: placeholders {sorted(set(PLACEHOLDER.findall(form)))}")
                elif mnemonics(source) and mnemonics(form) != 1:
                    faults.append(f"{where}: needs one mnemonic (&), has {mnemonics(form)}")
    return faults


def stale_files(source_dir, lupdate, ts_files):
    """What lupdate would add to or drop from each file."""
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for ts in ts_files:
            copy = os.path.join(scratch, os.path.basename(ts))
            shutil.copy(ts, copy)
            copies.append(copy)
        if not copies:
            copies.append(os.path.join(scratch, "brindlewick_xx.ts"))
        src = os.path.join(source_dir, "src")
        # Includes are written from src/: without it lupdate misses the classes of deep folders.
        run = subprocess.run([lupdate, "-silent", "-locations", "none", "-I", src, src, "-ts", *copies],
                             capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        # A tr() that lupdate cannot place in a context is a text no translation reaches.
        faults += [line.replace(source_dir.rstrip("/") + "/", "") + " (lupdate cannot extract it)"
                   for line in run.stderr.splitlines() if re.search(r"\.(cpp|h):\d+: ", line)]
        for ts, copy in zip(ts_files, copies):
            for fault in unfinished_entries(copy):
                if fault.endswith((": unfinished", ": obsolete", ": vanished")):
                    faults.append(fault + " after lupdate (run `make translations`)")
            # `make translations` on a clean checkout must leave no diff: a file lupdate would
            # write differently (an entity for a character, say) is committed as lupdate writes it.
            with open(ts, "rb") as a, open(copy, "rb") as b:
                if a.read() != b.read():
                    faults.append(os.path.relpath(ts, source_dir) + ": `make translations` rewrites it")
    return faults


def main():
    args = sys.argv[1:]
    sources_only = "--sources-only" in args
    args = [a for a in args if a != "--sources-only"]
    source_dir = args[0]
    lupdate = args[1] if len(args) > 1 else shutil.which("lupdate") or "/usr/lib/qt6/bin/lupdate"
    faults = [f + ": not translated" for f in untranslated_literals(source_dir)]
    ts_files = []
    for language in [] if sources_only else LANGUAGES:
        ts = os.path.join(source_dir, "translations", f"brindlewick_{language}.ts")
        if not os.path.exists(ts):
            faults.append(f"translations/brindlewick_{language}.ts is missing")
            continue
        ts_files.append(ts)
        faults += unfinished_entries(ts)
    if os.path.exists(lupdate):
        faults += stale_files(source_dir, lupdate, ts_files)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} fault(s)" if faults else "Every text is translated.", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
