#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the operator's manual as HTML: each page.md of a language folder
becomes page.html beside its pictures.

    build-html.py SOURCE_DIR OUT_DIR LANGUAGE...

SOURCE_DIR/<lang>/*.md are the pages; OUT_DIR/<lang>/images holds the
pictures the build drew. A page that names a picture which is not there
fails the build."""
import html
import os
import re
import sys

import markdown

TEMPLATE = """<!DOCTYPE html>
<html lang="{lang}" dir="{direction}">
<head>
<meta charset="utf-8">
<title>{title} — Korvex</title>
<link rel="stylesheet" href="manual.css">
</head>
<body>
<nav><a href="index.html">{home}</a></nav>
<main>
{body}
</main>
</body>
</html>
"""

HOME = {"en": "Operator's manual", "ru": "Руководство оператора", "arabic": "دليل المشغل"}
RIGHT_TO_LEFT = {"arabic"}
PICTURE = re.compile(r"!\[[^\]]*\]\(([^)\s]+)\)")


def pictures(text):
    """The pictures a page names, as written."""
    return PICTURE.findall(text)


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    source, out, languages = argv[1], argv[2], argv[3:]
    here = os.path.dirname(os.path.abspath(__file__))
    missing = []
    for lang in languages:
        pages = sorted(p for p in os.listdir(os.path.join(source, lang)) if p.endswith(".md"))
        target = os.path.join(out, lang)
        os.makedirs(target, exist_ok=True)
        with open(os.path.join(here, "manual.css"), encoding="utf-8") as f:
            css = f.read()
        with open(os.path.join(target, "manual.css"), "w", encoding="utf-8") as f:
            f.write(css)
        for page in pages:
            with open(os.path.join(source, lang, page), encoding="utf-8") as f:
                text = f.read()
            for picture in pictures(text):
                if not os.path.isfile(os.path.join(target, picture)):
                    missing.append("%s/%s: %s" % (lang, page, picture))
            # Links between pages name the .md sources; the HTML names .html.
            text = re.sub(r"\]\(([\w-]+)\.md(#[\w-]+)?\)", r"](\1.html\2)", text)
            body = markdown.markdown(text, extensions=["tables", "toc"], output_format="html5")
            title = text.splitlines()[0].lstrip("# ").strip() if text else page
            with open(os.path.join(target, page[:-3] + ".html"), "w", encoding="utf-8") as f:
                f.write(TEMPLATE.format(lang=lang if lang != "arabic" else "ar",
                                        direction="rtl" if lang in RIGHT_TO_LEFT else "ltr",
                                        title=html.escape(title), home=HOME.get(lang, HOME["en"]),
                                        body=body))
    for line in missing:
        print("build-html: picture missing: " + line, file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
