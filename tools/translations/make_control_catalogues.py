#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes KorvexControl's nine Qt Linguist catalogues and checks them.

KorvexControl is written in English.  lupdate lists every text of its
sources (the window, the designer, the message document, the control core);
the translations live in one table, control_words.py, so that the nine .ts
files never drift apart: edit the table, run the script, commit both and the
catalogues.

    tools/translations/make_control_catalogues.py          # rewrite mainwindow/translations/*.ts
    tools/translations/make_control_catalogues.py --verify --found build/mainwindow/lupdate/found.ts
                                     # fail when a text is missing or untranslated
    ... --verify --language ru ...   # the same for one catalogue

Language order of every row: ru, esp, pt, en, kr, ita, turkish, cn, arabic.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, HERE)

from make_catalogues import LANGUAGES, NAMES  # noqa: E402
import control_words  # noqa: E402

FOLDERS = ["mainwindow", "editor", "graphicsScene", "control", "apps/korvexcontrol"]
OUT = os.path.join(ROOT, "mainwindow", "translations")


def found_texts(path):
    """(context, source, comment, numerus) of an lupdate output, in its order."""
    entries = []
    for ctx in ET.parse(path).getroot().iter("context"):
        name = ctx.findtext("name")
        for m in ctx.iter("message"):
            entries.append((name, m.findtext("source"), m.findtext("comment") or "",
                            m.get("numerus") == "yes"))
    return entries


def run_lupdate():
    folder = tempfile.mkdtemp()
    path = os.path.join(folder, "found.ts")
    subprocess.run(["lupdate", "-silent", "-locations", "none"] + FOLDERS + ["-ts", path], cwd=ROOT,
                   check=True)
    return path


PARAMETER_FIELDS = os.path.join(ROOT, "network", "printparameterfields.cpp")


def parameter_words():
    """The print-parameter words of the field table, which the journal keeps
    as written and the event log and journal view show translated (context
    ParameterChange): the second argument of each row, the units and the
    value words.  lupdate cannot see them: they are data, not tr() calls."""
    with open(PARAMETER_FIELDS, encoding="utf-8") as f:
        code = f.read()
    rows = code[code.index("PrintParameterField::all()"):]
    words = re.findall(r'\b(?:listed|range|flag|carried)\(\s*"[^"]*",\s*"([^"]*)"', rows)
    words += re.findall(r'\brange\(\s*"[^"]*",\s*"[^"]*",\s*"([^"]+)"', rows)
    words += re.findall(r'\blisted\([^;]*?\},\s*"([^"]+)"\)', rows)
    words += re.findall(r'\btr\("([^"]*)"\)', code)
    seen = []
    for word in words:
        if word not in seen:
            seen.append(word)
    return [("ParameterChange", w, "", False) for w in seen]


def covered(entries):
    """The entries the catalogues hold; a context neither translated nor
    listed as pending is an error, so that no new window goes unnoticed."""
    unknown = sorted({c for c, _, _, _ in entries} - control_words.translated_contexts()
                     - set(control_words.PENDING))
    kept = [e for e in entries if e[0] not in control_words.PENDING] + parameter_words()
    for cname, sources in control_words.QT_TEXTS.items():
        kept += [(cname, source, "", False) for source in sources]
    return kept, unknown


def catalogue(lang_index, entries, problems):
    name, code = LANGUAGES[lang_index]
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
           '<TS version="2.1" language="%s" sourcelanguage="en_US">' % code]
    if name == "arabic":
        # Qt takes the layout direction from this entry when the translator
        # is installed.
        entries = [("QGuiApplication", "QT_LAYOUT_DIRECTION", "", False)] + entries
    current = None
    for cname, source, comment, numerus in entries:
        if cname != current:
            if current is not None:
                out.append("</context>")
            out.append("<context>")
            out.append("    <name>%s</name>" % escape(cname))
            current = cname
        if (cname, source) == ("QGuiApplication", "QT_LAYOUT_DIRECTION"):
            text = "RTL"
        else:
            text = control_words.translation(cname, source, comment, lang_index)
        if text is None or text == "" or text == []:
            problems.append("%s: no %s translation for %r" % (cname, name, source))
            text = ""
        out.append('    <message%s>' % (' numerus="yes"' if numerus else ""))
        out.append("        <source>%s</source>" % escape(source))
        if comment:
            out.append("        <comment>%s</comment>" % escape(comment))
        if numerus:
            forms = text if isinstance(text, (list, tuple)) else [text]
            out.append("        <translation>")
            for form in forms:
                out.append("            <numerusform>%s</numerusform>" % escape(form))
            out.append("        </translation>")
        else:
            if isinstance(text, (list, tuple)):
                problems.append("%s: %r is no plural text" % (cname, source))
                text = text[0]
            out.append("        <translation>%s</translation>" % escape(text))
        out.append("    </message>")
    if current is not None:
        out.append("</context>")
    out.append("</TS>")
    return "\n".join(out) + "\n"


def held(path):
    """(context, source, comment) -> translations of a catalogue."""
    texts = {}
    for ctx in ET.parse(path).getroot().iter("context"):
        name = ctx.findtext("name")
        for m in ctx.iter("message"):
            tr = m.find("translation")
            forms = [f.text or "" for f in tr.iter("numerusform")] or [tr.text or ""]
            done = tr.get("type") not in ("unfinished", "vanished", "obsolete")
            texts[(name, m.findtext("source"), m.findtext("comment") or "")] = (forms, done)
    return texts


def verify(entries, languages):
    """Every text of the sources is in each catalogue, translated."""
    problems = []
    for name in languages:
        path = os.path.join(OUT, name + ".ts")
        if not os.path.exists(path):
            problems.append("%s is missing" % path)
            continue
        texts = held(path)
        for cname, source, comment, _ in entries:
            entry = texts.get((cname, source, comment))
            if entry is None:
                problems.append("%s: %s: %r is not in the catalogue" % (name, cname, source))
            elif not entry[1] or not all(entry[0]):
                problems.append("%s: %s: %r has no translation" % (name, cname, source))
        wanted = {(c, s, m) for c, s, m, _ in entries}
        for key in texts:
            if key not in wanted and key[0] != "QGuiApplication":
                problems.append("%s: %s: %r is no longer in the sources" % (name, key[0], key[1]))
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--found", help="lupdate's output over the sources (default: run lupdate)")
    parser.add_argument("--verify", action="store_true", help="write nothing; check the catalogues")
    parser.add_argument("--language", choices=NAMES, help="check only this catalogue")
    parser.add_argument("--stamp", help="touched when the check passes")
    args = parser.parse_args()

    entries, unknown = covered(found_texts(args.found or run_lupdate()))
    problems = ["%s: a context neither translated nor pending (control_words.py)" % c for c in unknown]
    if args.verify:
        problems += verify(entries, [args.language] if args.language else NAMES)
    else:
        os.makedirs(OUT, exist_ok=True)
        for index, (name, _) in enumerate(LANGUAGES):
            text = catalogue(index, entries, problems)
            with open(os.path.join(OUT, name + ".ts"), "w", encoding="utf-8", newline="\n") as f:
                f.write(text)
        print("wrote %d catalogues of %d texts" % (len(LANGUAGES), len(entries)))
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print("KorvexControl's catalogues are not in step with the sources: "
              "see tools/translations/make_control_catalogues.py", file=sys.stderr)
        return 1
    if args.stamp:
        with open(args.stamp, "w") as f:
            f.write("ok\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
