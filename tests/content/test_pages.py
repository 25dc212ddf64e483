#!/usr/bin/env python3
"""Checks the offline Info Center and Help pages shipped in data/pages/.

The pages are opened from disk by the game, often on school machines without the internet,
so they must be well-formed, load nothing from elsewhere, run no script, link only to files
that exist or to https, and teach the emergency number of the region they are written for.

Run: python3 tests/content/test_pages.py [PAGES_DIR]
"""

import re
import sys
import tempfile
import unittest
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit

PAGES_DIR = Path(__file__).resolve().parents[2] / "data" / "pages"

# Page language -> the lang attribute it must carry, and the emergency numbers it must and
# must not contain (Taiwan 119, Hong Kong 999; the English pages leave it to the region).
LANGUAGES = {
    "zh-TW": {"lang": "zh-Hant-TW", "must": ["119"], "must_not": ["999"]},
    "zh-HK": {"lang": "zh-Hant-HK", "must": ["999"], "must_not": ["119"]},
    "en": {"lang": "en", "must": [], "must_not": []},
}
KINDS = ("info", "help")

VOID_ELEMENTS = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta",
                 "source", "track", "wbr"}
# Elements whose URL attributes make the browser fetch something when the page opens.
RESOURCE_ATTRIBUTES = {"src", "srcset", "data", "poster", "background", "action", "formaction",
                       "manifest", "ping"}
FORBIDDEN_ELEMENTS = {"script", "iframe", "frame", "frameset", "object", "embed", "applet",
                      "base", "form", "noscript"}
# Links from the pages into the installed documentation folder (share/doc/tavrin beside
# share/tavrin/pages), and the file in the source tree that the install rule puts there.
INSTALLED_DOCS = {"../../doc/tavrin/SOURCES.md": Path("tools/content/SOURCES.md")}
REPO = Path(__file__).resolve().parents[2]
CSS_URL = re.compile(r"url\(\s*['\"]?([^'\")\s]+)|@import\s+['\"]([^'\"]+)", re.IGNORECASE)


def page_name(kind, language):
    return f"{kind}-{language}.html"


class PageReader(HTMLParser):
    """Collects what the checks need and every structural fault, with its line."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.faults = []
        self.open = []
        self.html_lang = None
        self.title = None
        self.charset = None
        self.viewport = False
        self.ids = set()
        self.links = []        # (line, href) of <a>
        self.resources = []    # (line, url) the browser would load
        self.stylesheets = []  # local stylesheet hrefs
        self.text = []
        self.body_text = []
        self.doctype = False

    def fault(self, message):
        self.faults.append(f"line {self.getpos()[0]}: {message}")

    def handle_decl(self, decl):
        if decl.lower() != "doctype html":
            self.fault(f"doctype {decl!r} is not the HTML5 one")
        self.doctype = True

    def handle_starttag(self, tag, attrs):
        self.visit(tag, attrs)
        if tag not in VOID_ELEMENTS:
            self.open.append((tag, self.getpos()[0]))

    def handle_startendtag(self, tag, attrs):
        self.visit(tag, attrs)
        if tag not in VOID_ELEMENTS:
            self.fault(f"<{tag}/> is not a void element and must be closed with </{tag}>")

    def handle_endtag(self, tag):
        if tag in VOID_ELEMENTS:
            self.fault(f"</{tag}> closes a void element")
            return
        if not self.open:
            self.fault(f"</{tag}> closes nothing")
            return
        expected, line = self.open[-1]
        if tag != expected:
            self.fault(f"</{tag}> found where <{expected}> of line {line} must be closed")
            if any(name == tag for name, _ in self.open):
                while self.open and self.open[-1][0] != tag:
                    self.open.pop()
            else:
                return
        self.open.pop()

    def handle_data(self, data):
        inside = [name for name, _ in self.open]
        if inside and inside[-1] == "title":
            self.title = (self.title or "") + data
        if inside and inside[-1] == "style":
            self.check_css(data)
            return
        self.text.append(data)
        if "body" in inside:
            self.body_text.append(data)

    def visit(self, tag, attrs):
        attributes = {}
        for name, value in attrs:
            if name in attributes:
                self.fault(f"<{tag}> repeats the attribute {name}")
            attributes[name] = value
            if name.startswith("on"):
                self.fault(f"<{tag}> has an event handler attribute {name}")
            if name in RESOURCE_ATTRIBUTES and value:
                self.resources.append((self.getpos()[0], value))
            if name == "style" and value:
                self.check_css(value)
        if tag in FORBIDDEN_ELEMENTS:
            self.fault(f"<{tag}> is not allowed in an offline page")
        if "id" in attributes:
            if attributes["id"] in self.ids:
                self.fault(f"id {attributes['id']!r} is used twice")
            self.ids.add(attributes["id"])
        if tag == "html":
            self.html_lang = attributes.get("lang")
        elif tag == "meta":
            if "charset" in attributes:
                self.charset = attributes["charset"]
            if attributes.get("name") == "viewport":
                self.viewport = True
            if (attributes.get("http-equiv") or "").lower() == "refresh":
                self.fault("<meta http-equiv=refresh> loads another address")
        elif tag == "link":
            rel = (attributes.get("rel") or "").lower().split()
            href = attributes.get("href") or ""
            self.resources.append((self.getpos()[0], href))
            if "stylesheet" in rel:
                self.stylesheets.append(href)
        elif tag == "a" and "href" in attributes:
            self.links.append((self.getpos()[0], attributes["href"] or ""))

    def check_css(self, css):
        for match in CSS_URL.finditer(css):
            self.resources.append((self.getpos()[0], match.group(1) or match.group(2)))


def read_page(path):
    reader = PageReader()
    reader.feed(path.read_text(encoding="utf-8"))
    reader.close()
    for tag, line in reader.open:
        reader.faults.append(f"line {line}: <{tag}> is never closed")
    if not reader.doctype:
        reader.faults.append("no <!DOCTYPE html>")
    return reader


def is_local(url):
    parts = urlsplit(url)
    return not parts.scheme and not parts.netloc and not url.startswith("/")


def local_target(page, url):
    """The file a relative URL names, or the page itself for a fragment-only link."""
    path = unquote(urlsplit(url).path)
    return page if not path else (page.parent / path).resolve()


def emergency_numbers_in(text):
    return set(re.findall(r"(?<!\d)(\d{3})(?!\d)", text))


def installed_doc_faults(line, href):
    source = INSTALLED_DOCS[href]
    install_rules = (REPO / "cmake" / "Install.cmake").read_text(encoding="utf-8")
    if not (REPO / source).is_file() or str(source) not in install_rules:
        return [f"line {line}: link {href!r}: {source} is not installed into the doc folder"]
    return []


def link_faults(page, reader, readers):
    """Links must reach an existing local file (and its fragment) or an https address."""
    faults = []
    for line, href in reader.links:
        parts = urlsplit(href)
        if parts.scheme == "https" and parts.netloc:
            continue
        if not is_local(href):
            faults.append(f"line {line}: link {href!r} is neither a local file nor https")
            continue
        if href in INSTALLED_DOCS:
            faults += installed_doc_faults(line, href)
            continue
        target = local_target(page, href)
        if not target.is_file() or page.parent.resolve() not in target.parents:
            faults.append(f"line {line}: link {href!r} names no file beside the pages")
            continue
        if parts.fragment:
            ids = readers[target].ids if target in readers else read_page(target).ids
            if unquote(parts.fragment) not in ids:
                faults.append(f"line {line}: link {href!r}: no id {parts.fragment!r} there")
    return faults


def resource_faults(page, reader):
    faults = []
    for line, url in reader.resources:
        target = local_target(page, url) if url and is_local(url) else None
        if target is None or not target.is_file():
            faults.append(f"line {line}: loads {url!r}, which is not a local file")
    return faults


class Pages(unittest.TestCase):
    pages_dir = PAGES_DIR

    @classmethod
    def setUpClass(cls):
        cls.pages = {}
        for kind in KINDS:
            for language in LANGUAGES:
                path = (cls.pages_dir / page_name(kind, language)).resolve()
                if path.is_file():
                    cls.pages[(kind, language)] = path
        cls.readers = {path: read_page(path) for path in cls.pages.values()}

    def each_page(self):
        return [(kind, language, path, self.readers[path])
                for (kind, language), path in sorted(self.pages.items())]

    def test_every_page_exists_with_text(self):
        for kind in KINDS:
            for language in LANGUAGES:
                with self.subTest(page=page_name(kind, language)):
                    self.assertIn((kind, language), self.pages)
        for _, _, path, reader in self.each_page():
            with self.subTest(page=path.name):
                # Counted in characters: Chinese text has no spaces between words.
                visible = "".join("".join(reader.body_text).split())
                self.assertGreater(len(visible), 1000, f"{path.name} has almost no text")

    def test_pages_are_well_formed_utf8_html5(self):
        for _, _, path, reader in self.each_page():
            with self.subTest(page=path.name):
                self.assertEqual(reader.faults, [], path.name)
                self.assertEqual((reader.charset or "").lower(), "utf-8", path.name)
                self.assertTrue(reader.viewport, f"{path.name} has no viewport meta")
                self.assertTrue((reader.title or "").strip(), f"{path.name} has no title")

    def test_each_page_declares_its_language(self):
        for _, language, path, reader in self.each_page():
            with self.subTest(page=path.name):
                self.assertEqual(reader.html_lang, LANGUAGES[language]["lang"], path.name)

    def test_pages_load_nothing_from_elsewhere(self):
        for _, _, path, reader in self.each_page():
            with self.subTest(page=path.name):
                self.assertEqual(resource_faults(path, reader), [], path.name)
                self.assertTrue(reader.stylesheets, f"{path.name} links no stylesheet")
        for sheet in sorted(self.pages_dir.glob("*.css")):
            with self.subTest(stylesheet=sheet.name):
                urls = [m.group(1) or m.group(2)
                        for m in CSS_URL.finditer(sheet.read_text(encoding="utf-8"))]
                self.assertEqual([u for u in urls if not is_local(u)], [])

    def test_sources_are_pages_stating_facts_and_each_page_says_when_they_were_reviewed(self):
        # A teacher must be able to check a fact: an agency's home page does not show it.
        reviewed = re.compile(r'<p class="reviewed">[^<]*<time datetime="\d{4}-\d{2}-\d{2}">')
        for _, _, path, reader in self.each_page():
            with self.subTest(page=path.name):
                home_pages = [href for _, href in reader.links
                              if urlsplit(href).scheme and urlsplit(href).path in ("", "/")]
                self.assertEqual(home_pages, [])
                self.assertTrue(reviewed.search(path.read_text(encoding="utf-8")),
                                f"{path.name} does not say when its facts were last reviewed")

    def test_links_reach_local_files_or_https(self):
        for _, _, path, reader in self.each_page():
            with self.subTest(page=path.name):
                self.assertEqual(link_faults(path, reader, self.readers), [], path.name)

    def test_each_page_links_to_its_other_language_and_page_versions(self):
        for kind, language, path, reader in self.each_page():
            with self.subTest(page=path.name):
                targets = {local_target(path, href).name for _, href in reader.links
                           if is_local(href)}
                wanted = {page_name(kind, other) for other in LANGUAGES}
                wanted |= {page_name(other, language) for other in KINDS}
                self.assertEqual(wanted - targets, set(), path.name)

    def test_emergency_number_matches_the_region(self):
        for _, language, path, reader in self.each_page():
            with self.subTest(page=path.name):
                numbers = emergency_numbers_in(" ".join(reader.text))
                for number in LANGUAGES[language]["must"]:
                    self.assertIn(number, numbers, f"{path.name} never gives {number}")
                for number in LANGUAGES[language]["must_not"]:
                    self.assertNotIn(number, numbers, f"{path.name} gives {number}")


class CheckerCatchesFaults(unittest.TestCase):
    """The checks above are only worth something if they fail on a broken page."""

    def faults_of(self, body, head='<link rel="stylesheet" href="style.css">'):
        scratch = Path(self.tmp.name)
        (scratch / "style.css").write_text("body { color: black; }", encoding="utf-8")
        page = scratch / "page.html"
        page.write_text(f'<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8">'
                        f'<title>t</title>{head}</head><body>{body}</body></html>',
                        encoding="utf-8")
        reader = read_page(page)
        return reader.faults + resource_faults(page, reader) + link_faults(page, reader, {})

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.addCleanup(self.tmp.cleanup)

    def test_a_sound_page_has_no_faults(self):
        self.assertEqual(self.faults_of('<p id="a"><a href="#a">x</a><br>'
                                        '<a href="page.html#a">y</a>'
                                        '<a href="https://www.who.int/">z</a></p>'), [])

    def test_structure_faults(self):
        self.assertIn("line 2: </p> found where <div> of line 2 must be closed",
                      self.faults_of("<p><div></p></div>"))
        self.assertIn("line 2: </body> found where <section> of line 2 must be closed",
                      self.faults_of("<section>"))
        self.assertTrue(self.faults_of("<div/>"))

    def test_script_and_handlers(self):
        self.assertTrue(self.faults_of("<script>alert(1)</script>"))
        self.assertTrue(self.faults_of('<p onclick="x()">x</p>'))
        self.assertTrue(self.faults_of('<a href="javascript:x()">x</a>'))

    def test_outside_loads_and_dead_links(self):
        self.assertTrue(self.faults_of('<img src="https://example.com/a.png" alt="">'))
        self.assertTrue(self.faults_of("", '<link rel="stylesheet" href="http://x/s.css">'))
        self.assertTrue(self.faults_of('<p style="background:url(//x/a.png)">x</p>'))
        self.assertTrue(self.faults_of('<a href="http://www.who.int/">x</a>'))
        self.assertTrue(self.faults_of('<a href="missing.html">x</a>'))
        self.assertTrue(self.faults_of('<a href="#nowhere">x</a>'))

    def test_emergency_numbers_are_whole_numbers(self):
        self.assertEqual(emergency_numbers_in("撥打119，或 1823"), {"119"})
        self.assertEqual(emergency_numbers_in("999。"), {"999"})


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        Pages.pages_dir = Path(sys.argv.pop(1)).resolve()
    unittest.main()
