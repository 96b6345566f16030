#!/usr/bin/python3
"""What a blind user hears: the real screen reader, Orca, reading the program.

Orca runs first, as it does for such a user, on a display, session bus and
accessibility bus of the test's own; speech-dispatcher runs with no
synthesizer, its one output module writing each utterance to a file, which is
the transcript the test reads. Then the real program starts and the test
presses real keys through the X server (xdotool), as the user would:

  - at start Orca names the focused home button, and Tab names each of the
    seven in turn;
  - opening each section speaks its title, then the focused control; Tab into
    the scene names the scene, then the object;
  - choosing an object (Return or Space) speaks its verse: the reference and
    the English rendering; every object of the nature section, two of each
    other, and the same object again;
  - Play and Stop are named as Tab reaches them and pressing them keeps the
    focus there; Exit goes home, where the focused home button is spoken;
  - opening Help and About speaks their titles and their texts;
  - no covered control is ever spoken: no home button while a section, Help or
    About covers it, no "Please select object" while a verse covers it; Orca's
    flat review of the whole window (the keypad's plus, twice), which reads
    what Orca has been told is showing, reads the verse and never a line of
    the home screen under a section, Help or About.

It judges what is said, never how fast: each wait has only a hang limit.

Usage: orca_test.py PROGRAM SOURCE_DIR QT_VERSION
Anything it needs and cannot find makes it fail, saying what is missing.
"""
import json
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))
from desktop import WAIT, Desktop, Failure, tool  # noqa: E402

MODULE_DIRS = ["/usr/lib/speech-dispatcher-modules", "/usr/lib/x86_64-linux-gnu/speech-dispatcher-modules"]
HOME_TAB_ORDER = ["Nature", "Space", "Animals", "Help", "Foods", "About this program", "Quit"]
SECTIONS = {"Nature": "nature", "Space": "space", "Animals": "animals", "Foods": "foods"}
# What each scene picture shows, as the program names it.
SCENES = {"nature": "A coastal landscape with hills, a cave and the sea",
          "space": "The sun, planets and stars on the night sky",
          "foods": "A room with a table laid with dishes",
          "animals": "Open grassland with animals"}
HELP_TEXT = "There are 4 sections, each dealing on an aspect."
ABOUT_TITLE = "About"
ABOUT_TEXT = "free software under the MIT licence"
# Orca as installed, but for the time it gives a program to answer: libatspi
# takes an object whose program answers later than 0.8 s for gone, and a busy
# machine answers later than that.
ORCA_RUNNER = """
import runpy, sys
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi
Atspi.set_timeout(20000, 60000)
sys.argv = sys.argv[1:]
runpy.run_path(sys.argv[0], run_name="__main__")
"""


class Transcript:
    """What speech-dispatcher was asked to say, one utterance a line."""

    def __init__(self, path, desktop):
        self.path, self.desktop = path, desktop
        self.processes = {}
        self.read = 0  # utterances already judged
        self.log = []  # (what was done, what was heard)

    def all(self):
        with open(self.path, encoding="utf-8", errors="replace") as f:
            return [line.strip() for line in f.read().splitlines() if line.strip()]

    def wait(self, what, cond):
        """Waits until cond holds of the utterances after those judged; returns
        them, judged from then on."""
        limit = time.monotonic() + WAIT
        while True:
            for name, p in self.processes.items():
                if p.poll() is not None:
                    self.desktop.fail(f"{name} ended (status {p.returncode}) while waiting for {what}")
            new = self.all()[self.read:]
            if cond(new):
                self.read += len(new)
                self.log.append((what, list(new)))
                return new
            if time.monotonic() > limit:
                self.desktop.fail(f"timed out waiting for {what}; heard since: {new}")
            time.sleep(0.1)

    def hear(self, what, *phrases):
        """Waits until every phrase was heard, in this order."""
        def said(lines):
            text, at = " | ".join(lines), 0
            for p in phrases:
                at = text.find(p, at)
                if at < 0:
                    return False
                at += len(p)
            return True
        return self.wait(what, said)


def main(program, source_dir, qt_version):
    verses = json.load(open(os.path.join(source_dir, "content", "verses.json"), encoding="utf-8"))["verses"]
    by_section = {}
    for v in verses:
        by_section.setdefault(v["section"], []).append(v)
    orca = tool("orca")
    speechd = tool("speech-dispatcher")
    xdotool = tool("xdotool")
    tool("sd_generic", [os.path.join(d, "sd_generic") for d in MODULE_DIRS])
    python = tool("python3", ["/usr/bin/python3"])  # where pyatspi lies
    version = subprocess.run([orca, "--version"], capture_output=True, text=True, timeout=WAIT).stdout
    major = re.search(r"(\d+)\.\d", version)
    if not major:
        raise Failure(f"orca --version tells no version: {version!r}")
    button = "push button" if int(major.group(1)) < 46 else "button"
    print(f"{version.strip()}, Qt {qt_version}")

    with Desktop(atspi=True) as d:
        # A user of its own: no settings, no first-run questions.
        env = dict(d.env, GSETTINGS_BACKEND="memory")
        for var, folder in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                            ("XDG_CACHE_HOME", "cache")):
            env[var] = os.path.join(d.scratch, folder)
            os.makedirs(env[var])
        # Audio for speech-dispatcher goes nowhere (libao's null output); its
        # one module writes each utterance to the transcript.
        with open(os.path.join(env["HOME"], ".libao"), "w") as f:
            f.write("default_driver=null\n")
        spoken = os.path.join(d.scratch, "spoken.txt")
        open(spoken, "w").close()
        conf = os.path.join(d.scratch, "speechd")
        os.makedirs(os.path.join(conf, "modules"))
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write('AddModule "tofile" "sd_generic" "tofile.conf"\nDefaultModule tofile\n'
                    'AudioOutputMethod "libao"\n')
        with open(os.path.join(conf, "modules", "tofile.conf"), "w") as f:
            f.write('GenericExecuteSynth "printf \'%%s\\\\n\' \\\'$DATA\\\' >> %s"\n' % spoken)
            f.write('AddVoice "en" "MALE1" "en"\nGenericDelimiters "~"\nGenericMaxChunkLength 100000\n')
        socket = os.path.join(d.scratch, "speechd.sock")
        speech = d.start([speechd, "-s", "-t", "0", "-C", conf, "-c", "unix_socket", "-S", socket],
                         env=env, stdout="speech-dispatcher.log", stderr="speech-dispatcher.log")
        limit = time.monotonic() + WAIT
        while not os.path.exists(socket):
            if speech.poll() is not None or time.monotonic() > limit:
                d.fail("speech-dispatcher did not open its socket")
            time.sleep(0.05)

        heard = Transcript(spoken, d)
        heard.processes["speech-dispatcher"] = speech
        # Orca first, as for a blind user. Orca refuses to start while another
        # process named orca of this user runs: such a one is waited for.
        limit = time.monotonic() + 10 * WAIT
        while subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True).stdout:
            if time.monotonic() > limit:
                d.fail("another Orca of this user kept running; Orca refuses to start beside it")
            time.sleep(1)
        heard.processes["orca"] = d.start(
            [python, "-c", ORCA_RUNNER, orca, "--debug-file", os.path.join(d.scratch, "orca-debug.txt")],
            env=dict(env, SPEECHD_ADDRESS="unix_socket:" + socket), stdout="orca.log", stderr="orca.log")
        heard.wait("Orca's first words", bool)

        # Qt finds the accessibility bus through the session bus, as it does
        # on a desktop; Qt 6.4 must not be given its address.
        app_env = dict(env, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy")
        app_env.pop("AT_SPI_BUS_ADDRESS", None)
        heard.processes["the program"] = d.start([program], cwd=os.path.dirname(os.path.abspath(program)),
                                                 env=app_env, stderr="program.log")

        def key(*names):
            subprocess.run([xdotool, "key", "--clearmodifiers", *names], env=env, check=True, timeout=WAIT)

        def never(lines, phrases, where):
            for line in lines:
                for p in phrases:
                    if p in line:
                        d.fail(f"{where}: a covered control was spoken: {line!r} (holds {p!r})")

        def flat_review(what, last):
            """The whole window read by flat review, up to its line that holds last."""
            key("KP_Add", "KP_Add")
            return heard.hear(f"flat review {what}", last)

        def reference(v):
            return f"{v['surah_name']} {v['surah']}:{v['ayah']}"

        covered_home = [f"{name} {button}" for name in HOME_TAB_ORDER]

        # The main window comes after the splash window; the keyboard goes to it.
        window = None
        limit = time.monotonic() + WAIT
        while not window:
            found = subprocess.run([xdotool, "search", "--onlyvisible", "--name", "^Ayat Explorer$"], env=env,
                                   capture_output=True, text=True, timeout=WAIT).stdout.split()
            window = found[-1] if found else None
            if not window:
                if time.monotonic() > limit:
                    d.fail("the main window never came up")
                time.sleep(0.2)
        subprocess.run([xdotool, "windowfocus", "--sync", window], env=env, check=True, timeout=WAIT)
        heard.hear("the focused home button at start", f"Nature {button}")
        for name in HOME_TAB_ORDER[1:] + HOME_TAB_ORDER[:1]:
            key("Tab")
            heard.hear(f"Tab to the home button '{name}'", f"{name} {button}")
        home_lines = [x for x in flat_review("of the home screen", "Quit") if "Nature" in x or "Quit" in x]
        if not home_lines:
            d.fail("flat review of the home screen reads no home button")

        def to_home_button(name):
            # At the start and after a screen closes the focus is on the first home button.
            for _ in range(HOME_TAB_ORDER.index(name)):
                key("Tab")
                heard.wait("Tab on the home screen", lambda ls: any(button in x for x in ls))

        for home_name, section in SECTIONS.items():
            to_home_button(home_name)
            title = f"{home_name} in the Quran"
            key("Return")
            lines = heard.hear(f"opening the {section} section", title, button)
            # The section's buttons come first in the Tab order, then the scene:
            # pressing Play or Stop keeps the focus there.
            for _ in range(4):
                key("Tab")
                said = heard.wait(f"Tab in the {section} section", lambda ls: any(button in x for x in ls))
                lines += said
                spoken = " ".join(said)
                pressed = [b for b in ("Play Quran recitation", "Stop Quran recitation") if f"{b} {button}" in spoken]
                if not pressed:
                    if f"Exit to main {button}" in spoken:
                        continue
                    # An object of the scene: coming into it names the scene.
                    if SCENES[section] not in spoken:
                        d.fail(f"{section}: Tab into the scene did not name it: {said}")
                    break
                key("space")
                key("KP_Enter")  # Orca's Where Am I
                lines += heard.hear(f"Where Am I after pressing {pressed[0]}", f"{pressed[0]} {button}")
            else:
                d.fail(f"{section}: Tab never reached the scene")
            never(lines, covered_home, f"the {section} section")
            lines = []  # from the first choice on, a verse covers the prompt
            chosen = []
            for i in range(len(by_section[section]) if section == "nature" else 2):
                if i:
                    key("Right")
                    lines += heard.wait(f"the next object of the {section} scene",
                                        lambda ls: any(button in x for x in ls))
                key("Return")
                said = heard.wait(f"the verse of object {i + 1} of the {section} scene",
                                  lambda ls: any(reference(v) in x for x in ls for v in by_section[section]))
                verse = [v for v in by_section[section] if reference(v) in " ".join(said)][0]
                if verse["english"][:30] not in " ".join(said):
                    said += heard.hear(f"the English of {reference(verse)}", verse["english"][:30])
                lines += said
                chosen.append(verse)
            if len({reference(v) for v in chosen}) != len(chosen):
                d.fail(f"{section}: two objects spoke one verse: {[reference(v) for v in chosen]}")
            key("space")  # the same object again
            lines += heard.hear(f"the verse of {reference(chosen[-1])} again", reference(chosen[-1]),
                                chosen[-1]["english"][:30])
            never(lines, covered_home + ["Please select object"], f"the {section} section")
            if section == "nature":
                review = flat_review("of the nature section with a verse chosen", "Exit to main")
                for phrase in (title, reference(chosen[-1]), chosen[-1]["english"][:30]):
                    if not any(phrase in x for x in review):
                        d.fail(f"flat review of the nature section does not read {phrase!r}: {review}")
                never(review, home_lines + ["Please select object"], "flat review of the nature section")
            for _ in range(4):
                key("Tab")
                said = heard.wait(f"Tab in the {section} section", lambda ls: any(button in x for x in ls))
                never(said, covered_home, f"the {section} section")
                if f"Exit to main {button}" in " ".join(said):
                    break
            else:
                d.fail(f"{section}: Tab never reached Exit")
            key("Return")
            heard.hear(f"the home screen after the {section} section", f"Nature {button}")

        for home_name, title, text in (("Help", "Help Information", HELP_TEXT), ("About this program", ABOUT_TITLE,
                                                                                   ABOUT_TEXT)):
            to_home_button(home_name)
            key("Return")
            lines = heard.hear(f"opening {title}", title, text, f"{button}")
            review = flat_review(f"of {title}", text)
            never(lines + review, covered_home + home_lines, title)
            key("Return")  # its Exit has the focus
            heard.hear(f"the home screen after {title}", f"Nature {button}")
        return heard.log


if __name__ == "__main__":
    if len(sys.argv) != 4:
        print(__doc__)
        sys.exit(2)
    try:
        for done, said in main(*sys.argv[1:]):
            print(f"{done}: {said}")
    except Failure as e:
        print(f"FAIL: {e}")
        sys.exit(1)
    print("PASS")
