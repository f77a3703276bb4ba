#!/usr/bin/env python3
"""The web page in a real browser: headless Chromium driven by Selenium
against the built site, served on 127.0.0.1 by a server this test starts and
stops.  What the page shows is compared with what the program itself writes
for the same request: its one-shot commands, and its dialogue where no
command gives the text.
Screenshots of the three views are written to the folder given.

usage: web_test.py SITE PROGRAM SCREENSHOTS [TEST...]
"""

import functools
import http.server
import os
import re
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import xml.etree.ElementTree as ET

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

SITE, PROGRAM, SCREENSHOTS = (map(os.path.abspath, sys.argv[1:4]) if len(sys.argv) >= 4
                              else (None, None, None))
SVG = "{http://www.w3.org/2000/svg}"
# Flags for a machine without network: without them Chromium stalls on
# refused connections to its own services.
CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
]
# Generous bounds: the figures are printed; only a page far too slow fails.
LOADING_LIMIT_MS = 5000
HEATMAP_LIMIT_MS = 10000


# The program: its one-shot commands, and, for the operators, its dialogue
# driven by keystrokes, whose report file holds the result blocks without
# prompts.  Either writes the blocks byte for byte as the page should show
# them.

def program(*arguments):
    return subprocess.run([PROGRAM, *arguments], capture_output=True, text=True, check=True,
                          timeout=60).stdout


def program_set_report(digits, forte=False):
    """The set's report, as `pelantor info` writes it."""
    return program("info", *(["--forte"] if forte else []), digits)


def program_operators(a, b):
    """Entry 5's block for a pair, the defaults kept, from the report file
    after its banner and the empty line that ends it."""
    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run([PROGRAM], input=f"y\nreport.txt\n5\n{a}\n{b}\nn\nx\n", text=True,
                       cwd=scratch, capture_output=True, check=True, timeout=60)
        with open(os.path.join(scratch, "report.txt"), encoding="utf-8") as report:
            return report.read().split("*" * 60 + "\n\n", 1)[1]


def program_measures(a, b):
    """Each measure's (a with b, b with a) from the matrices of the pair."""
    values = {}
    for block in program("compare", "--measure", "all", a, b).split(" comparison matrix\n")[1:]:
        rows = [line.split()[2:] for line in block.splitlines()[1:3]]
        values[len(values) + 1] = (rows[0][1], rows[1][0])
    return values


def program_list_figures(sets, measure):
    """The statistics of a list: each row's (average, smallest, largest)
    and the average of the rows."""
    with tempfile.NamedTemporaryFile("w", suffix=".txt") as listing:
        listing.writelines(f"{digits}\n" for digits in sets)
        listing.flush()
        text = program("compare", "--measure", measure, "--list", listing.name, "--stats",
                       "--pitch-classes")
    rows = re.findall(r"Average \S+ value:  (\S+)\n     Smallest comparison value:  (\S+)"
                      r"     Largest comparison value:   (\S+)", text)
    return rows, re.findall(r"^Average \S+ value:  (\S+)$", text, re.M)[0]


# The site on 127.0.0.1, and the browser.

class Site:
    """A static file server on a free port that notes every request."""

    def __init__(self, folder):
        self.requests = []
        site = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            def log_request(self, code="-", size="-"):
                site.requests.append((self.path, int(code)))

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


site = browser = profile = None


def setUpModule():
    global site, browser, profile
    site = Site(SITE)
    profile = tempfile.TemporaryDirectory()
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in CHROMIUM_FLAGS + [f"--user-data-dir={profile.name}"]:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    browser.set_window_size(1200, 1000)
    os.makedirs(SCREENSHOTS, exist_ok=True)


def tearDownModule():
    browser.quit()
    site.stop()
    profile.cleanup()


def open_page(fragment=""):
    """Opens the page afresh and waits until the engine is ready; returns
    the milliseconds from the start of loading."""
    browser.get("about:blank")
    browser.get(site.url + fragment)
    WebDriverWait(browser, 10).until(
        lambda b: b.execute_script("return document.body.dataset.ready"))
    return int(browser.execute_script("return document.body.dataset.ready"))


def element(ident):
    return browser.find_element(By.ID, ident)


def text_of(ident):
    return browser.execute_script("return document.getElementById(arguments[0]).textContent",
                                  ident)


def fragment():
    return browser.execute_script("return location.hash")


def wait_for(condition, what):
    WebDriverWait(browser, 10).until(lambda b: condition(), message=what)


def type_into(ident, text):
    field = element(ident)
    field.clear()
    field.send_keys(text)


def submit(form_ident):
    browser.find_element(By.CSS_SELECTOR, f"#{form_ident} button[type=submit]").click()


def show_set(text):
    """Types a set into the one-set view and waits for its report."""
    before = fragment()
    type_into("one-input", text)
    submit("one-form")
    wait_for(lambda: fragment() != before and not element("one-report").get_attribute("hidden"),
             f"the report of {text!r}")


def picture(ident):
    """The SVG drawn in a container, read back by the XML parser."""
    markup = browser.execute_script(
        "return new XMLSerializer().serializeToString("
        "document.querySelector('#' + arguments[0] + ' svg'))", ident)
    return ET.fromstring(markup)


def screenshot(name):
    """The whole page at the window's width, as a file in the screenshots
    folder."""
    width = browser.get_window_size()["width"]
    height = browser.get_window_size()["height"]
    browser.set_window_size(width, browser.execute_script(
        "return document.documentElement.scrollHeight") + 150)
    browser.save_screenshot(os.path.join(SCREENSHOTS, name))
    browser.set_window_size(width, height)


def choose(name, value):
    browser.find_element(By.CSS_SELECTOR, f"input[name={name}][value={value}]").click()


def merged_cells(svg, prefix):
    """The cells of a heatmap drawn as merged paths: (row, column) in the
    drawing order, each once."""
    cells = next(g for g in svg.iter(SVG + "g") if g.get("id") == f"{prefix}-cells")
    left, top, side = (float(cells.get(f"data-{k}")) for k in ("left", "top", "cell"))
    found = []
    for path in cells.iter(SVG + "path"):
        for x, y, width in re.findall(r"M([\d.]+) ([\d.]+)h([\d.]+)v[\d.]+h-[\d.]+z",
                                      path.get("d")):
            row = round((float(y) - top) / side)
            first = round((float(x) - left) / side)
            found += [(row, column) for column in range(first, first + round(float(width) / side))]
    return found, cells


class PageTest(unittest.TestCase):
    def tearDown(self):
        problems = [entry for entry in browser.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(problems, [], "the browser's console")


class OneSet(PageTest):
    def test_typed_set_shows_the_programs_report(self):
        elapsed = open_page()
        print(f"\n  page ready {elapsed} ms after loading began", file=sys.stderr)
        self.assertLess(elapsed, LOADING_LIMIT_MS)
        show_set("7 4 0")
        self.assertEqual(fragment(), "#set=047")
        self.assertEqual(text_of("one-report"), program_set_report("047"))
        related = [a.text for a in browser.find_elements(By.CSS_SELECTOR, "#one-related a")]
        self.assertEqual(related, ["{1235689ab} 9-11", "[014] 3-3"])
        # Under Forte's algorithm 5-20 has its own prime form.
        choose("algorithm", "forte")
        show_set("0 2 3 7 8")
        self.assertEqual(fragment(), "#set=02378&alg=forte")
        self.assertIn("{32087} =  T3I of [01378]", text_of("one-report"))
        self.assertEqual(text_of("one-report"), program_set_report("02378", forte=True))
        screenshot("one-set.png")

    def test_set_typed_as_note_names(self):
        open_page("#set=")
        choose("notation", "notes")
        show_set("Eb, G Bb")
        self.assertEqual(fragment(), "#set=37a&notes=1")
        self.assertEqual(text_of("one-report"), program_set_report("37a"))
        labels = [t.text for t in picture("one-clock").iter(SVG + "text")]
        self.assertIn("D#", labels)

    def test_clicked_positions_give_the_set_and_its_report(self):
        open_page()
        for pc in (9, 0, 4):
            browser.find_element(By.CSS_SELECTOR, f"[aria-label='pitch class {pc}']").click()
        wait_for(lambda: fragment() == "#set=049", "three positions")
        self.assertEqual(element("one-input").get_attribute("value"), "049")
        self.assertEqual(text_of("one-report"), program_set_report("049"))
        pressed = [b.get_attribute("aria-pressed")
                   for b in browser.find_elements(By.CSS_SELECTOR, "#one-positions button")]
        self.assertEqual([i for i, p in enumerate(pressed) if p == "true"], [0, 4, 9])
        # The keyboard alone: the focus stays on the position, Space takes it out.
        focused = browser.switch_to.active_element
        self.assertEqual(focused.get_attribute("aria-label"), "pitch class 4")
        focused.send_keys(Keys.SPACE)
        wait_for(lambda: fragment() == "#set=09", "position 4 taken out")

    def test_clock_face_has_twelve_positions_and_the_axes(self):
        open_page("#set=0369")
        svg = picture("one-clock")
        self.assertEqual(svg.get("viewBox").split()[:2], ["0", "0"])
        positions = [g for g in svg.iter(SVG + "g") if g.get("id", "").startswith("one-pc-")]
        self.assertEqual(len(positions), 12)
        members = [g.get("id") for g in positions if g.get("class") == "member"]
        self.assertEqual(members, ["one-pc-0", "one-pc-3", "one-pc-6", "one-pc-9"])
        axes = [line.get("id") for line in svg.iter(SVG + "line")]
        self.assertEqual(len(axes), 4)
        labelled = svg.get("aria-labelledby").split()
        self.assertEqual(labelled, ["one-clock-title", "one-clock-desc"])

    def test_bad_set_shows_its_message_and_changes_nothing_else(self):
        open_page("#set=047")
        report = text_of("one-report")
        clock = browser.execute_script("return document.getElementById('one-clock').innerHTML")
        type_into("one-input", "0 4 x")
        submit("one-form")
        wait_for(lambda: text_of("one-message") != "", "the message")
        self.assertEqual(text_of("one-message"), "'x' is not a pitch class")
        self.assertEqual(fragment(), "#set=047")
        self.assertEqual(text_of("one-report"), report)
        self.assertEqual(
            browser.execute_script("return document.getElementById('one-clock').innerHTML"),
            clock)
        # The next good set clears the message.
        show_set("0 4 8")
        self.assertEqual(text_of("one-message"), "")

    def test_related_sets_open_as_links(self):
        open_page("#set=0146")
        links = browser.find_elements(By.CSS_SELECTOR, "#one-related a")
        self.assertEqual([a.text for a in links],
                         ["{235789ab} 8-z15", "[0137] 4-z29", "[0137] 4-z29"])
        links[1].click()
        wait_for(lambda: fragment() == "#set=0137", "the Z-correspondent")
        self.assertEqual(text_of("one-report"), program_set_report("0137"))


class TwoSets(PageTest):
    def test_operators_and_measures_as_the_program_gives_them(self):
        open_page("#a=&b=")
        type_into("two-a", "014")
        type_into("two-b", "7 3 2")
        submit("two-form")
        wait_for(lambda: fragment() == "#a=014&b=237", "the pair")
        wait_for(lambda: not element("two-results").get_attribute("hidden"), "the results")
        self.assertEqual(text_of("two-operators"), program_operators("014", "237"))
        self.assertIn("T3{04} --> {37} and  T1{1} --> {2}", text_of("two-operators"))
        rows = browser.find_elements(By.CSS_SELECTOR, "#two-measures tbody tr")
        shown = [[cell.text for cell in row.find_elements(By.CSS_SELECTOR, "th, td")]
                 for row in rows]
        self.assertEqual(len(shown), 16)
        expected = program_measures("014", "237")
        for number, row in enumerate(shown, start=1):
            self.assertEqual((row[2], row[3]), expected[number], row[0])
        screenshot("two-sets.png")

    def test_sets_of_different_sizes_have_no_operators(self):
        open_page("#a=047&b=0147")
        self.assertEqual(text_of("two-operators"), "")
        self.assertIn("same size", text_of("two-operators-note"))
        self.assertEqual(len(browser.find_elements(By.CSS_SELECTOR, "#two-measures tbody tr")),
                         16)

    def test_bad_set_is_named_beside_its_field(self):
        open_page("#a=014&b=23b")
        operators = text_of("two-operators")
        type_into("two-b", "23z")
        submit("two-form")
        wait_for(lambda: text_of("two-b-message") != "", "the message")
        self.assertEqual(text_of("two-b-message"), "'z' is not a pitch class")
        self.assertEqual(text_of("two-a-message"), "")
        self.assertEqual(fragment(), "#a=014&b=23b")
        self.assertEqual(text_of("two-operators"), operators)


# Twenty sets of four classes whose labels are known.
TRIADS = ["047", "037", "259", "058", "16a", "269", "38b", "47b"]  # 3-11
SEVENTHS = ["0258", "257b", "047a", "036a", "158b"]  # 4-27, dominant and half-diminished
DIMINISHED = ["0369", "147a", "258b", "0369"]  # 4-28
WHOLE_TONE = ["02468a", "13579b", "02468a"]  # 6-35
TWENTY = TRIADS + SEVENTHS + DIMINISHED + WHOLE_TONE
LABEL = {**{s: "3-11" for s in TRIADS}, **{s: "4-27" for s in SEVENTHS},
         **{s: "4-28" for s in DIMINISHED}, **{s: "6-35" for s in WHOLE_TONE}}
TWENTY_COUNTS = [["3-11", "[037]", "8", "40.0 %"], ["4-27", "[0258]", "5", "25.0 %"],
                 ["4-28", "[0369]", "4", "20.0 %"], ["6-35", "[02468a]", "3", "15.0 %"]]


def compare_list(sets, measure, cluster=False):
    """Pastes a list into the list view and compares it; returns the
    milliseconds from the click to the drawn heatmap."""
    browser.execute_script("document.getElementById('list-input').value = arguments[0]",
                           "\n".join(sets))
    Select(element("list-measure")).select_by_value(measure)
    if element("list-cluster").is_selected() != cluster:
        element("list-cluster").click()
    return browser.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const start = performance.now();
        const before = location.hash;
        document.querySelector('#list-form button[type=submit]').click();
        const drawn = () => location.hash !== before
            && !document.getElementById('list-results').hidden;
        const wait = () => drawn()
            ? requestAnimationFrame(() => setTimeout(() => done(performance.now() - start)))
            : setTimeout(wait, 5);
        wait();""")


class SetList(PageTest):
    def test_twenty_sets_give_a_heatmap_figures_and_counts(self):
        open_page("#list=")
        compare_list(TWENTY, "ASIM", cluster=True)
        svg = picture("list-heatmap")
        cells, group = merged_cells(svg, "list")
        self.assertEqual(sorted(cells), [(r, c) for r in range(20) for c in range(20)])
        self.assertEqual(sorted(map(int, group.get("data-rows").split())), list(range(20)))
        legend = next(g for g in svg.iter(SVG + "g") if g.get("id") == "list-legend")
        self.assertIn("ASIM, a dissimilarity", [t.text for t in legend.iter(SVG + "text")])
        counts = [[cell.text for cell in row.find_elements(By.CSS_SELECTOR, "th, td")]
                  for row in browser.find_elements(By.CSS_SELECTOR, "#list-counts tbody tr")]
        self.assertEqual(counts, TWENTY_COUNTS)
        rows, average = program_list_figures(TWENTY, "ASIM")
        figures = [tuple(cell.text for cell in row.find_elements(By.CSS_SELECTOR, "td")[3:])
                   for row in browser.find_elements(By.CSS_SELECTOR, "#list-figures tbody tr")]
        self.assertEqual(figures, rows)
        self.assertEqual(text_of("list-average"), average)
        # The tooltip of a cell from the keyboard: the first cell drawn, a set
        # against itself.
        element("list-heatmap").send_keys(Keys.ARROW_RIGHT)
        first = TWENTY[int(group.get("data-rows").split()[0])]
        shown = f"{{{first}}} {LABEL[first]}"
        self.assertEqual(text_of("list-tooltip"), f"{shown}, {shown}: 0.000")
        screenshot("list.png")

    def test_two_hundred_sets_drawn_quickly(self):
        open_page("#list=")
        sets = ["".join("0123456789ab"[k] for k in range(12) if n >> k & 1)
                for n in range(1, 4096) if 2 <= bin(n).count("1") <= 10][::15][:200]
        self.assertEqual(len(sets), 200)
        elapsed = compare_list(sets, "REL", cluster=True)
        print(f"\n  200-set heatmap (REL, clustered) drawn {elapsed:.0f} ms after the click",
              file=sys.stderr)
        self.assertLess(elapsed, HEATMAP_LIMIT_MS)
        cells, _ = merged_cells(picture("list-heatmap"), "list")
        self.assertEqual(len(cells), 40000)
        self.assertEqual(len(set(cells)), 40000)

    def test_bad_line_is_named_and_the_heatmap_stays(self):
        open_page("#list=047,037,0148&measure=REL")
        heatmap = browser.execute_script(
            "return document.getElementById('list-heatmap').innerHTML")
        browser.execute_script("document.getElementById('list-input').value = '047\\n\\n5\\n037'")
        submit("list-form")
        wait_for(lambda: text_of("list-message") != "", "the message")
        self.assertEqual(text_of("list-message"),
                         "line 3: the measures compare sets of 2 to 10 pitch classes, not 1")
        self.assertEqual(fragment(), "#list=047,037,0148&measure=REL")
        self.assertEqual(
            browser.execute_script("return document.getElementById('list-heatmap').innerHTML"),
            heatmap)


class Fragments(PageTest):
    def test_a_link_opens_its_view(self):
        open_page("#a=014&b=23b&alg=forte")
        self.assertFalse(element("two").get_attribute("hidden"))
        self.assertTrue(element("one").get_attribute("hidden"))
        self.assertTrue(browser.find_element(
            By.CSS_SELECTOR, "input[name=algorithm][value=forte]").is_selected())
        self.assertEqual(text_of("two-operators"), program_operators("014", "23b"))
        self.assertEqual(element("tab-two").get_attribute("aria-current"), "page")
        open_page("#list=047,037,0148&measure=REL&cluster=1")
        self.assertEqual(element("list-input").get_attribute("value"), "047\n037\n0148")
        self.assertEqual(len(merged_cells(picture("list-heatmap"), "list")[0]), 9)
        open_page("#set=02378&alg=forte")
        report = text_of("one-report")
        self.assertEqual(report, program_set_report("02378", forte=True))
        # A link within the page makes a new view; the back button returns.
        browser.find_elements(By.CSS_SELECTOR, "#one-related a")[0].click()
        wait_for(lambda: fragment() == "#set=14569ab&alg=forte", "the complement")
        browser.back()
        wait_for(lambda: fragment() == "#set=02378&alg=forte", "the view before")
        self.assertEqual(text_of("one-report"), report)

    def test_a_bad_fragment_names_its_set(self):
        open_page("#set=04q")
        self.assertEqual(text_of("one-message"), "'q' is not a pitch class")
        self.assertEqual(element("one-input").get_attribute("value"), "04q")


class Whole(PageTest):
    def test_every_control_is_labelled(self):
        open_page()
        unlabelled = browser.execute_script("""
            return [...document.querySelectorAll('input, select, textarea, button')]
              .filter((c) => c.labels?.length === 0 && !c.getAttribute('aria-label')
                             && c.textContent.trim() === '')
              .map((c) => c.outerHTML);""")
        self.assertEqual(unlabelled, [])

    def test_phone_width_needs_no_sideways_scrolling(self):
        browser.set_window_size(360, 800)
        try:
            for name, view in (("one-set", "#set=0146"), ("two-sets", "#a=014&b=237"),
                               ("list", "#list=047,037,0148,02468a&measure=ASIM")):
                open_page(view)
                width = browser.execute_script("return document.documentElement.clientWidth")
                scrolled = browser.execute_script(
                    "return document.documentElement.scrollWidth")
                self.assertLessEqual(scrolled, width, view)
                screenshot(f"{name}-phone.png")
        finally:
            browser.set_window_size(1200, 1000)

    def test_site_is_small_and_served_whole(self):
        size = sum(os.path.getsize(os.path.join(SITE, name))
                   for name in ("pelantor.js", "pelantor.wasm"))
        print(f"\n  pelantor.js + pelantor.wasm: {size} bytes", file=sys.stderr)
        self.assertLess(size, 1 << 20)
        open_page("#set=047")
        failed = [(path, code) for path, code in site.requests if code >= 400]
        self.assertEqual(failed, [])
        self.assertIn("/favicon.svg", [path for path, _ in site.requests])


if __name__ == "__main__":
    if SITE is None:
        sys.exit(__doc__)
    unittest.main(argv=sys.argv[:1] + sys.argv[4:], verbosity=2)
