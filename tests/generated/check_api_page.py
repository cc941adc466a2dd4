"""docs/api.html in headless Chromium, driven over the DevTools protocol on a
pipe (no port, no network): the page loads without a console error or an
uncaught exception, has a section per operations header under src/api with
every declared function, shows Markdown code spans as code, and typing in its
filter box leaves exactly the entries whose names hold the typed text.

    check_api_page.py CHROMIUM DOCS/api.html SRC/api"""
import json
import os
import pathlib
import re
import select
import subprocess
import sys
import tempfile
import time
import unittest

CHROMIUM, PAGE, API_DIR = sys.argv[1:4]
DEADLINE_SECONDS = 90  # a bound for a hung browser, not a measure of speed

# Read once the page has loaded; `typed` shows what the filter leaves after
# a text is typed, Chromium's own key input doing the typing.
STATE = """(() => {
  const shown = e => e.offsetParent !== null;
  return {
    sections: [...document.querySelectorAll('body > section')].map(s => ({
      id: s.id, title: s.querySelector('h2').textContent, shown: shown(s),
      intro: s.querySelector('p.intro').textContent,
      entries: [...s.querySelectorAll('article.entry')].map(a => a.dataset.name)})),
    shownEntries: [...document.querySelectorAll('article.entry')].filter(shown).map(a => a.dataset.name),
    shownContents: [...document.querySelectorAll('#contents a')].filter(shown).map(a => a.textContent),
    text: document.body.innerText,
    proseCode: [...document.querySelectorAll('p > code')].map(c => c.textContent),
  };
})()"""


def declared_groups():
    """{first line of the header's opening comment: [KV_ names of its operation rows]}."""
    groups = {}
    for header in sorted(pathlib.Path(API_DIR).rglob("*_operations.hpp")):
        text = header.read_text(encoding="utf-8")
        lists = re.findall(r"^#define KV_\w+_OPERATIONS\(X\)(?:.*\\\n)*.*$", text, re.M)
        names = ["KV_" + n for body in lists for n in re.findall(r"\bX\(\s*[^,()]+,\s*(\w+)\s*,", body)]
        summary = re.search(r"^#pragma once\n// (.*)$", text, re.M).group(1)
        groups[summary] = names
    return groups


class Browser:
    """Chromium with --remote-debugging-pipe: commands go in on its fd 3,
    replies and events come out on its fd 4, each a JSON text ended by NUL."""

    def __init__(self, profile):
        # The shell hands our stdin and stdout to the browser as fds 3 and 4.
        self.process = subprocess.Popen(
            ["sh", "-c", 'exec "$0" "$@" 3<&0 4>&1 0</dev/null 1>&2', CHROMIUM, "--headless", "--no-sandbox",
             "--disable-gpu", "--disable-dev-shm-usage", "--no-first-run", "--no-default-browser-check",
             "--disable-extensions", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--user-data-dir=" + profile, "--remote-debugging-pipe"],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.deadline = time.monotonic() + DEADLINE_SECONDS
        self.buffer = b""
        self.events = []
        self.seen = 0  # events wait_for has looked at
        self.last_id = 0

    def _message(self):
        while b"\0" not in self.buffer:
            left = self.deadline - time.monotonic()
            if left <= 0 or not select.select([self.process.stdout], [], [], left)[0]:
                raise TimeoutError("Chromium did not answer in time")
            chunk = os.read(self.process.stdout.fileno(), 1 << 16)
            if not chunk:
                raise EOFError("Chromium closed its pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, session=None, **params):
        self.last_id += 1
        command = {"id": self.last_id, "method": method, "params": params}
        if session:
            command["sessionId"] = session
        self.process.stdin.write(json.dumps(command).encode() + b"\0")
        self.process.stdin.flush()
        while True:
            message = self._message()
            if message.get("id") == self.last_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message["result"]
            self.events.append(message)

    def wait_for(self, wanted):
        """The first event after the last one waited for that satisfies wanted."""
        while True:
            while self.seen < len(self.events):
                event = self.events[self.seen]
                self.seen += 1
                if wanted(event):
                    return event
            self.events.append(self._message())

    def close(self):
        try:
            self.call("Browser.close")
        except (OSError, EOFError, TimeoutError, RuntimeError):
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class ApiPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.profile = tempfile.TemporaryDirectory()
        cls.browser = Browser(cls.profile.name)
        b = cls.browser
        target = b.call("Target.createTarget", url="about:blank")["targetId"]
        cls.session = b.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        for domain in ("Page", "Runtime", "Log"):
            b.call(domain + ".enable", cls.session)
        url = pathlib.Path(PAGE).resolve().as_uri()
        b.call("Page.navigate", cls.session, url=url)
        # Not a late load event of about:blank: the page's frame first.
        b.wait_for(lambda e: e.get("method") == "Page.frameNavigated" and e["params"]["frame"]["url"] == url)
        b.wait_for(lambda e: e.get("method") == "Page.loadEventFired")
        cls.loaded = cls.state()
        cls.errors = [e["params"] for e in b.events if e.get("method") == "Runtime.exceptionThrown"
                      or (e.get("method") == "Runtime.consoleAPICalled" and e["params"]["type"] in ("error", "assert"))
                      or (e.get("method") == "Log.entryAdded" and e["params"]["entry"]["level"] == "error")]

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.profile.cleanup()

    @classmethod
    def state(cls):
        result = cls.browser.call("Runtime.evaluate", cls.session, expression=STATE, returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(result["exceptionDetails"])
        return result["result"]["value"]

    @classmethod
    def typed(cls, text):
        cls.browser.call("Runtime.evaluate", cls.session,
                         expression="(box => { box.value = ''; box.focus(); })(document.getElementById('filter'))")
        if text:
            cls.browser.call("Input.insertText", cls.session, text=text)
        else:
            cls.browser.call("Runtime.evaluate", cls.session,
                             expression="document.getElementById('filter').dispatchEvent(new Event('input'))")
        return cls.state()

    def test_loads_without_console_errors(self):
        self.assertEqual(self.errors, [])

    def test_a_section_per_header_with_its_functions(self):
        groups = declared_groups()
        sections = self.loaded["sections"]
        self.assertEqual(len(groups), 16)
        self.assertEqual(sum(len(names) for names in groups.values()), 96)
        self.assertEqual([s["title"] for s in sections[len(groups):]], ["Lua module", "C interface for Python"])
        for summary, names in groups.items():
            found = [s for s in sections[:len(groups)] if s["intro"].startswith(summary)]
            self.assertEqual(len(found), 1, summary)
            self.assertEqual(sorted(found[0]["entries"]), sorted(names), found[0]["title"])
        self.assertTrue(all(s["shown"] and s["entries"] for s in sections))

    def test_markdown_code_spans_become_code(self):
        self.assertEqual(re.findall(r"`[^`\n]+`", self.loaded["text"]), [])
        self.assertTrue({"Out", "_sz", "nil", "py_release_obj"} <= set(self.loaded["proseCode"]))

    def test_filter_leaves_the_matching_entries(self):
        every = self.loaded["shownEntries"]
        for part in ("color", "KV_COBALT.KV_GetTrack", "py_get"):
            with self.subTest(part=part):
                after = self.typed(part)
                expected = [name for name in every if part.lower() in name.lower()]
                self.assertTrue(0 < len(expected) < len(every))
                self.assertEqual(after["shownEntries"], expected)
                for section in after["sections"]:
                    self.assertEqual(section["shown"], any(n in expected for n in section["entries"]), section["id"])
                    self.assertEqual(section["title"] in after["shownContents"], section["shown"], section["id"])
                registered = {n for section in after["sections"][:-2] for n in section["entries"]}
                self.assertEqual([n for n in after["shownContents"] if n in registered],
                                 [n for n in expected if n in registered])
        self.assertEqual(self.typed("")["shownEntries"], every)
        self.assertEqual(self.typed("no name holds this")["shownEntries"], [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
