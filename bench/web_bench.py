#!/usr/bin/python3
"""What the browser build costs, beside the desktop build where a figure
exists: the download (raw and gzip), the time from navigation to the first
menu frame in headless Chromium, the time a drawn frame of play takes and how
long a cube turn of 70 frames lasts, and the wasm heap.

usage: web_bench.py WEB_DIST DESKTOP_BUILD [ROUNDS]
The desktop's start-up and turn figures come from its own benchmarks
(make bench), run in the same session.
"""
import gzip
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
import browser_test as bt  # noqa: E402  (the test's server, browser and page)

DIST, DESKTOP = sys.argv[1], sys.argv[2]
ROUNDS = int(sys.argv[3]) if len(sys.argv) > 3 else 3


def sizes(paths):
    raw = packed = 0
    for path in paths:
        data = open(path, "rb").read()
        raw += len(data)
        packed += len(gzip.compress(data, 9))
    return raw, packed


def tree(folder):
    return [os.path.join(d, f) for d, _, files in os.walk(folder) for f in files]


def report_sizes():
    print("download            raw KB   gzip KB")
    for name in sorted(os.listdir(DIST)):
        raw, packed = sizes([os.path.join(DIST, name)])
        print("  web %-14s %8.0f %8.0f" % (name, raw / 1e3, packed / 1e3))
    raw, packed = sizes(tree(DIST))
    print("  web in all         %8.0f %8.0f" % (raw / 1e3, packed / 1e3))
    run = os.path.join(DESKTOP, "run")
    raw, packed = sizes([os.path.join(DESKTOP, "pelmora")] + tree(os.path.join(run, "textures")) +
                        tree(os.path.join(run, "sounds")))
    print("  desktop game+assets%8.0f %8.0f" % (raw / 1e3, packed / 1e3))


def first_frame(server, warm):
    profile = tempfile.TemporaryDirectory()
    driver = bt.start_browser(profile.name)
    try:
        page = bt.Page(driver, server.url)
        if warm:
            page.wait_still()
            driver.refresh()
        until = time.monotonic() + 30
        while not driver.execute_script("return window.pelmoraFirstFrameMs") and time.monotonic() < until:
            time.sleep(0.05)
        return driver.execute_script("return window.pelmoraFirstFrameMs")
    finally:
        driver.quit()
        profile.cleanup()


def play_figures(server):
    profile = tempfile.TemporaryDirectory()
    driver = bt.start_browser(profile.name)
    try:
        page = bt.Page(driver, server.url)
        page.wait_still()
        page.key(bt.Keys.ENTER)
        page.wait_still()
        js = "return [window.pelmoraFrames, window.pelmoraDrawnFramesMs || 0, window.pelmoraLastFrameMs]"
        f0, w0, _ = driver.execute_script(js)
        driver.execute_script("window.pelmoraKeyMs = performance.now()")
        page.key("w")
        page.wait_still()
        f1, w1, last = driver.execute_script(js)
        turn = last - driver.execute_script("return window.pelmoraKeyMs")
        heap = driver.execute_script("return Module.HEAP8.length")
        return (w1 - w0) / max(1, f1 - f0), f1 - f0, turn, heap
    finally:
        driver.quit()
        profile.cleanup()


def main():
    report_sizes()
    server = bt.Server(DIST)
    try:
        for warm in (False, True):
            ms = [first_frame(server, warm) for _ in range(ROUNDS)]
            print("first menu frame, %s: median %.0f ms (%s)" % (
                "cached" if warm else "cold", statistics.median(ms), ", ".join("%.0f" % m for m in ms)))
        work, frames, turn, heap = play_figures(server)
        print("turn: %d frames drawn in %.0f ms from the key; wasm + WebGL calls %.2f ms per drawn frame"
              % (frames, turn, work))
        print("wasm heap: %.1f MB" % (heap / 2 ** 20))
    finally:
        server.close()


if __name__ == "__main__":
    main()
