#!/usr/bin/env python3
"""Turns the user manual's Markdown pages into HTML pages that read well in any browser.

    manual.py [--lang LANG] [--english ENGLISH_DIR] SOURCE_DIR PICTURE_DIR OUT_DIR PAGE...

LANG is one of en, de, fr, es, pl, ru and ja. Each PAGE (a name such as "start", in reading
order, "index" first) is SOURCE_DIR/PAGE.md, or ENGLISH_DIR/PAGE.md where SOURCE_DIR has no
translation of it yet: such a page is shown in English under a line, in LANG, that says so.
it becomes OUT_DIR/PAGE.html with the shared style, a line of links to the contents and to the
pages before and after it, and links between pages ("sending.md#anchor") turned into links
to their HTML pages. Pictures are named "pictures/NAME.png" in the pages; they are copied from
PICTURE_DIR into OUT_DIR/pictures.

The pages say which language they are in (English unless --lang names another), and the
links the script adds (to the contents, before, after) are in that language.

A link to a page that is not in the list, an anchor that its page does not have, or a picture
that PICTURE_DIR lacks stops the build with a line naming the page and what is missing, so the
installed manual never shows a broken link or an empty frame.
"""

import html
import os
import re
import shutil
import sys

import markdown

STYLE = """
body { margin: 0; background: #FFF4E4; color: #4A2545;
       font: 16px/1.5 "Liberation Sans", Arial, sans-serif; }
main { max-width: 46em; margin: 0 auto; padding: 1em 1.5em 3em; background: #FFFAF2;
       border-left: 3px solid #D9C3A5; border-right: 3px solid #D9C3A5; }
nav { max-width: 46em; margin: 0 auto; padding: .6em 1.5em; background: #FF6F61; }
nav a { color: #FFFFFF; font-weight: bold; text-decoration: none; margin-right: 1.5em; }
nav a:hover, nav a:focus { text-decoration: underline; }
h1 { font-size: 1.8em; margin: .6em 0 .4em; }
h2 { font-size: 1.3em; margin-top: 1.6em; border-bottom: 2px dashed #FF6F61; }
a { color: #B8336A; }
img { max-width: 100%; height: auto; border: 6px solid #FFC857; border-radius: 6px;
      box-shadow: 0 2px 6px rgba(74, 37, 69, .25); }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #D9C3A5; padding: .3em .6em; text-align: left; vertical-align: top; }
th { background: #FFF4E4; }
code, pre { font-family: "Liberation Mono", monospace; background: #FFF4E4; }
pre { padding: .6em; border-left: 4px solid #2EC4B6; overflow-x: auto; }
.untranslated { margin: .6em 0 0; padding: .5em .8em; background: #FFF4E4;
                border-left: 4px solid #FFC857; }
"""

TEMPLATE = """<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title} \u2014 Vimble e-mail</title>
<link rel="stylesheet" href="manual.css">
</head>
<body>
<nav aria-label="{manual}">{nav}</nav>
<main>
{body}
</main>
<nav aria-label="{manual_end}">{nav}</nav>
</body>
</html>
"""

# The words the script writes itself: the link to the contents, and the names of the two rows
# of links.
WORDS = {
    "en": ("Contents", "Manual", "Manual, at the end"),
    "de": ("Inhalt", "Handbuch", "Handbuch, am Ende"),
    "fr": ("Sommaire", "Manuel", "Manuel, \u00e0 la fin"),
    "es": ("Contenido", "Manual", "Manual, al final"),
    "pl": ("Spis treści", "Podręcznik", "Podręcznik, na końcu"),
    "ru": ("Содержание", "Руководство", "Руководство, в конце"),
    "ja": ("目次", "マニュアル", "マニュアル (末尾)"),
}

# The line above a page that is shown in English because it has no translation yet.
UNTRANSLATED = {
    "de": "Diese Seite ist noch nicht ins Deutsche übersetzt; sie steht hier auf Englisch.",
    "fr": "Cette page n’est pas encore traduite en français\u00a0; elle est donnée ici en anglais.",
    "es": "Esta página aún no está traducida al español; se muestra en inglés.",
    "pl": "Ta strona nie została jeszcze przetłumaczona na język polski; poniżej jest jej wersja "
          "angielska.",
    "ru": "Эта страница ещё не переведена на русский язык; ниже — её английская версия.",
    "ja": "このページはまだ日本語に翻訳されていません。以下は英語版です。",
}

LINK = re.compile(r'href="([A-Za-z0-9_-]+)\.md(#[^"]*)?"')
PICTURE = re.compile(r'src="(pictures/[^"]+)"')
ANCHOR = re.compile(r'id="([^"]+)"')


def fail(message):
    print("manual.py: " + message, file=sys.stderr)
    sys.exit(1)


def title_of(text, page):
    for line in text.splitlines():
        if line.startswith("# "):
            return line[2:].strip()
    fail(page + ".md has no title line (\"# ...\")")
    return ""


def navigation(pages, titles, i, contents, in_english):
    def title(j):
        # The title of a page shown in English is marked so, for a screen reader's voice.
        if pages[j] in in_english:
            return '<span lang="en">%s</span>' % html.escape(titles[j])
        return html.escape(titles[j])

    links = []
    if pages[i] != "index":
        links.append('<a href="index.html">%s</a>' % html.escape(contents))
    if i > 0 and pages[i - 1] != "index":
        links.append('<a href="%s.html" rel="prev">\u2190 %s</a>' % (pages[i - 1], title(i - 1)))
    if i + 1 < len(pages):
        links.append('<a href="%s.html" rel="next">%s \u2192</a>' % (pages[i + 1], title(i + 1)))
    return "".join(links)


def main(argv):
    lang, english = "en", None
    while len(argv) > 2 and argv[1] in ("--lang", "--english"):
        if argv[1] == "--lang":
            lang = argv[2]
        else:
            english = argv[2]
        argv = argv[:1] + argv[3:]
    if len(argv) < 5 or lang not in WORDS or (english and lang not in UNTRANSLATED):
        print(__doc__, file=sys.stderr)
        return 2
    contents, manual, manual_end = WORDS[lang]
    source, pictures, out, pages = argv[1], argv[2], argv[3], argv[4:]
    os.makedirs(os.path.join(out, "pictures"), exist_ok=True)

    texts, titles, bodies = {}, [], {}
    in_english = set()
    for page in pages:
        path = os.path.join(source, page + ".md")
        if english and not os.path.isfile(path):
            path = os.path.join(english, page + ".md")
            in_english.add(page)
        try:
            with open(path, encoding="utf-8") as f:
                texts[page] = f.read()
        except OSError as e:
            fail("%s: %s" % (path, e.strerror))
        titles.append(title_of(texts[page], page))
        # A fresh converter per page: the heading anchors start anew on each.
        converter = markdown.Markdown(extensions=["tables", "toc", "sane_lists"],
                                      extension_configs={"toc": {"permalink": False}})
        bodies[page] = converter.convert(texts[page])
        if page in in_english:
            bodies[page] = ('<p class="untranslated">%s</p>\n<div lang="en">\n%s\n</div>'
                            % (html.escape(UNTRANSLATED[lang]), bodies[page]))

    anchors = {page: set(ANCHOR.findall(body)) for page, body in bodies.items()}
    used_pictures = set()
    for i, page in enumerate(pages):
        body = bodies[page]
        for target, anchor in LINK.findall(body):
            if target not in bodies:
                fail("%s.md links to %s.md, which is not a page of the manual" % (page, target))
            if anchor and anchor[1:] not in anchors[target]:
                fail("%s.md links to %s.md%s, which has no such heading" % (page, target, anchor))
        body = LINK.sub(lambda m: 'href="%s.html%s"' % (m.group(1), m.group(2) or ""), body)
        for picture in PICTURE.findall(body):
            if not os.path.isfile(os.path.join(pictures, os.path.basename(picture))):
                fail("%s.md shows %s, which was not made" % (page, picture))
            used_pictures.add(os.path.basename(picture))
        with open(os.path.join(out, page + ".html"), "w", encoding="utf-8") as f:
            f.write(TEMPLATE.format(title=html.escape(titles[i]), lang=lang,
                                    manual=html.escape(manual),
                                    manual_end=html.escape(manual_end),
                                    nav=navigation(pages, titles, i, contents, in_english),
                                    body=body))

    for name in sorted(used_pictures):
        shutil.copyfile(os.path.join(pictures, name), os.path.join(out, "pictures", name))
    with open(os.path.join(out, "manual.css"), "w", encoding="utf-8") as f:
        f.write(STYLE.lstrip())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
