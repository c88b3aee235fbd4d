#!/usr/bin/python3
"""The browser build played in headless Chromium, as a player would: keys and
clicks on the canvas, screenshots of it compared with the desktop build's own
end-to-end screenshots of the same moments.

usage: browser_test.py DIST_FOLDER DESKTOP_SHOTS HAND_PICKS_PROGRAM
"""
import functools
import http.server
import io
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from PIL import Image, ImageChops
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

DIST, SHOTS, HAND_PICKS = sys.argv[1:4] if len(sys.argv) >= 4 else ("", "", "")
FROZEN_SECONDS = 1767225600  # the desktop end-to-end tests' calendar
WIDTH, HEIGHT = 1024, 768

# Screen regions, in the game's 1024 x 768 client pixels from the top left.
PANEL = (321, 282, 703, 546)
MENU_SCORE_CORNER = (0, 748, 200, 768)
SCORE_CELLS = (880, 736, 1024, 768)
CUBE = (200, 150, 870, 620)

# Two software rasterisers (Mesa's on the desktop, SwiftShader in the browser)
# light the pixels along an edge differently and may place an edge one pixel
# apart, but a wrong card, digit or panel changes many pixels by far. A pixel
# is wrong when no pixel of the other picture within one pixel of it comes
# within PIXEL_TOLERANCE of it on every channel; the pictures differ when
# more than BLOCK_TOLERANCE per cent of some 16 x 16 block is wrong. The same
# deal gives 0 per cent; a card swapped for a neighbour of the same suit
# gives 9 per cent or more.
BLOCK = 16
PIXEL_TOLERANCE = 48
BLOCK_TOLERANCE = 4


def worst_block(a, b, box=(0, 0, WIDTH, HEIGHT)):
    """The share, in per cent, of wrong pixels in the worst block of a region."""
    a, b = a.crop(box), b.crop(box)
    nearest = None
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            diff = ImageChops.difference(a, ImageChops.offset(b, dx, dy))
            nearest = diff if nearest is None else ImageChops.darker(nearest, diff)
    wrong = nearest.convert("L").point(lambda v: 255 if v > PIXEL_TOLERANCE else 0)
    w, h = wrong.size
    blocks = wrong.resize((max(1, w // BLOCK), max(1, h // BLOCK)), Image.BOX)
    return max(blocks.getdata()) * 100 // 255


def changed(a, b, box):
    return worst_block(a, b, box) > BLOCK_TOLERANCE


def desktop_shot(name):
    path = os.path.join(SHOTS, name + ".png")
    if not os.path.exists(path):
        raise unittest.SkipTest(path + " missing: the desktop end-to-end tests make it")
    return Image.open(path).convert("RGB")


class Server:
    """The dist folder over HTTP on a free loopback port, as any static host serves it."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


def start_browser(profile, webgl=True, width=WIDTH, height=HEIGHT):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
                "--autoplay-policy=no-user-gesture-required", "--user-data-dir=" + profile,
                "--window-size=%d,%d" % (width, height)):
        options.add_argument(arg)
    if not webgl:
        options.add_argument("--disable-3d-apis")
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
    # The deal is seeded from the calendar: frozen, it is the desktop tests' deal.
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                           {"source": "Date.now = () => %d;" % (FROZEN_SECONDS * 1000)})
    return driver


class Page:
    """One browser tab with the game, and what a player does to it."""

    def __init__(self, driver, url):
        self.driver = driver
        driver.get(url)
        self.canvas = driver.find_element(By.TAG_NAME, "canvas")

    def shot(self):
        image = Image.open(io.BytesIO(self.canvas.screenshot_as_png)).convert("RGB")
        return image if image.size == (WIDTH, HEIGHT) else image.resize((WIDTH, HEIGHT), Image.BOX)

    def wait_for(self, test, seconds=20):
        """The first screenshot that passes the test, or the last one taken."""
        until = time.monotonic() + seconds
        while True:
            image = self.shot()
            if test(image) or time.monotonic() > until:
                return image
            time.sleep(0.1)

    def frames(self):
        return self.driver.execute_script("return window.pelmoraFrames || 0")

    def wait_still(self, seconds=20):
        """Until the cube stands still, then past the key delay a turn sets at its end.
        A still game presents at most one frame a second, for its clock; asking
        for the frame count, unlike a screenshot, does not slow the page."""
        last, until = self.frames(), time.monotonic() + seconds
        while time.monotonic() < until:
            time.sleep(0.5)
            now = self.frames()
            if 0 < now and now - last <= 1:
                break
            last = now
        time.sleep(1.1)

    def key(self, key):
        # Held across a few frames, as a player's key press is.
        ActionChains(self.driver).key_down(key).pause(0.3).key_up(key).pause(0.2).perform()

    def move(self, x, y):
        """The pointer to client pixel (x, y); selenium measures from the canvas's centre."""
        rect = self.canvas.rect
        ActionChains(self.driver).move_to_element_with_offset(
            self.canvas, int((x - WIDTH / 2) * rect["width"] / WIDTH),
            int((y - HEIGHT / 2) * rect["height"] / HEIGHT)).perform()

    def click(self, x, y, right=False, settle=0.3):
        self.move(x, y)
        time.sleep(0.15)
        chain = ActionChains(self.driver)
        (chain.context_click() if right else chain.click()).perform()
        time.sleep(settle)

    def text(self):
        return self.driver.find_element(By.TAG_NAME, "body").text


def hand_picks():
    out = subprocess.run([HAND_PICKS, str(FROZEN_SECONDS)], capture_output=True, text=True, check=True).stdout
    return [tuple(int(v) for v in line.split()) for line in out.splitlines()]


class BrowserGame(unittest.TestCase):
    def setUp(self):
        self.server = Server(DIST)
        self.profile = tempfile.TemporaryDirectory()
        self.addCleanup(self.profile.cleanup)
        self.addCleanup(self.server.close)

    def open(self, **browser):
        driver = start_browser(self.profile.name, **browser)
        self.addCleanup(driver.quit)
        return Page(driver, self.server.url)

    def wait_for_menu(self, page, reference, seconds=30):
        shot = page.wait_for(lambda s: not changed(s, reference, PANEL), seconds)
        self.assertFalse(changed(shot, reference, PANEL), "the menu's new-game panel never showed")
        return shot

    def test_the_first_game_frame_is_the_desktop_builds(self):
        page = self.open()
        menu = self.wait_for_menu(page, desktop_shot("01-menu"))
        self.assertLessEqual(worst_block(menu, desktop_shot("01-menu")), BLOCK_TOLERANCE,
                             "the menu, with the top score 0 in its corner, differs from the desktop's")
        page.key(Keys.ENTER)
        dealt = desktop_shot("03-dealt")
        shot = page.wait_for(lambda s: not changed(s, dealt, CUBE), 10)
        shot.save(os.path.join(SHOTS, "web-03-dealt.png"))
        self.assertLessEqual(worst_block(shot, dealt, CUBE), BLOCK_TOLERANCE,
                             "the cards, their order or their pictures differ from the desktop's deal")

    def test_a_hand_picked_with_the_mouse_dropped_paused_and_abandoned(self):
        page = self.open()
        self.wait_for_menu(page, desktop_shot("01-menu"))
        page.key(Keys.ENTER)
        page.wait_for(lambda s: changed(s, desktop_shot("01-menu"), PANEL))
        for x, y in hand_picks():
            page.move(x, y)
            time.sleep(0.3)
            untouched = page.shot()
            page.click(x, y)
            self.assertTrue(changed(untouched, page.shot(), CUBE), "the card at (%d, %d) shows no highlight" % (x, y))
        page.click(512, 384, right=True, settle=0)
        dusty = page.shot()
        time.sleep(2)
        dropped = page.shot()
        self.assertFalse(changed(dropped, desktop_shot("05-dropped"), SCORE_CELLS),
                         "the score after one pair is not the desktop's 1")
        # The pair's dust stands where its cards lay, and is gone two seconds on;
        # the pointer has stayed still, so the cube has not moved.
        self.assertTrue(changed(dusty, dropped, CUBE), "no dust rose from the dropped pair")
        page.key("p")
        paused = page.wait_for(lambda s: not changed(s, desktop_shot("07-paused"), PANEL), 5)
        self.assertFalse(changed(paused, desktop_shot("07-paused"), PANEL), "P did not pause")
        page.key("p")
        self.assertTrue(changed(page.wait_for(lambda s: changed(s, paused, PANEL), 5), paused, PANEL),
                        "P did not resume")
        time.sleep(1.2)
        page.key(Keys.ESCAPE)
        self.wait_for_menu(page, desktop_shot("01-menu"), 5)

    def test_w_s_d_and_a_turn_the_cube(self):
        # A quarter of the pixels: the software rasteriser turns the cube four
        # times well inside the game's 30 seconds, and the pointer is scaled too.
        page = self.open(width=WIDTH // 2, height=HEIGHT // 2)
        page.wait_still()
        page.key(Keys.ENTER)
        dealt = time.monotonic()
        page.wait_still()
        still = page.shot()
        for key in "wsda":
            page.key(key)
            page.wait_still()
            turned = page.shot()
            self.assertLess(time.monotonic() - dealt, 29, "too slow to turn four times in 30 seconds")
            self.assertTrue(changed(still, turned, CUBE), "%s did not turn the cube" % key.upper())
            still = turned

    def test_a_new_top_score_survives_a_reload(self):
        page = self.open()
        self.wait_for_menu(page, desktop_shot("01-menu"))
        page.key(Keys.ENTER)
        time.sleep(1)
        for x, y in hand_picks():
            page.click(x, y)
        page.click(512, 384, right=True)
        over = desktop_shot("08-game-over")
        page.wait_for(lambda s: not changed(s, over, PANEL), 45)
        top = desktop_shot("09-menu-top-score")
        self.assertFalse(changed(page.shot(), top, MENU_SCORE_CORNER), "the top score 1 is not in the corner")
        page.driver.refresh()
        page = Page(page.driver, self.server.url)
        shot = self.wait_for_menu(page, desktop_shot("01-menu"))
        self.assertFalse(changed(shot, top, MENU_SCORE_CORNER), "the top score was lost in the reload")
        page.key(Keys.ESCAPE)
        time.sleep(2)
        self.assertIn("reload", page.text().lower(), "the page does not say the game has closed")

    def test_without_webgl_the_page_says_why(self):
        page = self.open(webgl=False)
        until = time.monotonic() + 20
        while "Can't Create A GL Rendering Context." not in page.text() and time.monotonic() < until:
            time.sleep(0.2)
        self.assertIn("Can't Create A GL Rendering Context.", page.text())


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[4:], verbosity=2)
