#!/usr/bin/python3
"""The program as a screen reader sees it, over AT-SPI.

Starts its own X display (Xvfb), a private session bus and the accessibility
bus, runs the real program there with Qt's AT-SPI bridge on, and reads its
tree as a screen reader does (libatspi through GObject introspection):

  - in each of the four sections, entered by pressing the home buttons'
    press actions, every object is a push button with a name and a press
    action; pressing it shows its verse, read back as the verse box's text
    and as the name-change event that announces it; the item picture that
    comes up is a notification named by the verse's reference and English,
    and screen readers are told that it is showing, the same object chosen
    again too; the "Please select object" prompt under it is then not showing;
  - while a section is open, no home button is showing; after its Exit, all
    are; and screen readers, which keep the states they were told, are told
    each change: "showing" and "visible" off for every home button as the
    section opens, on again after its Exit.

Usage: atspi_test.py PROGRAM SOURCE_DIR QT_VERSION
Anything it needs and cannot find makes it fail, saying what is missing.
"""
import json
import os
import sys
import time
import warnings

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))
from desktop import WAIT, Desktop, Failure  # noqa: E402

HOME_BUTTONS = ["Nature", "Space", "Animals", "Help", "Foods", "About this program", "Quit"]
SECTION_BUTTONS = {"Play Quran recitation", "Stop Quran recitation", "Exit to main"}
NO_VERSE = "no verse to translate"
PROMPT = "Please select object"


def main(program, source_dir, qt_version):
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
    except (ImportError, ValueError) as e:
        raise Failure(f"the AT-SPI client library is missing ({e}): python3-gi, gir1.2-atspi-2.0")
    verses = json.load(open(os.path.join(source_dir, "content", "verses.json"), encoding="utf-8"))["verses"]

    with Desktop(atspi=True) as d:
        def need(condition, message):
            if not condition:
                d.fail(message)

        d.adopt()
        program = os.path.abspath(program)
        app_process = d.start([program], cwd=os.path.dirname(program),
                              env=dict(d.env, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy",
                                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1"))
        Atspi.init()
        # libatspi gives up on a call after 0.8 s by default, which a program
        # slowed down (sanitizers, busy cores) can take to answer: only the
        # hang limit applies instead.
        Atspi.set_timeout(int(WAIT * 1000), int(WAIT * 1000))
        events = []

        def heard(event):
            events.append((event.type, event.source, event.detail1))

        listener = Atspi.EventListener.new(heard)
        told = ("object:property-change:accessible-name", "object:state-changed:showing",
                "object:state-changed:visible")
        for kind in told:
            listener.register(kind)

        def told_of(o, state, value):
            return any(t == f"object:state-changed:{state}" and s == o and n == value for t, s, n in events)

        def wait_told(what, objects, value):
            for o in objects:
                for state in ("showing", "visible"):
                    wait(f"{what}: '{o.get_name()}' told {state} = {value}", lambda: told_of(o, state, value))

        def pump():
            ctx = GLib.MainContext.default()
            while ctx.iteration(False):
                pass

        def wait(what, cond):
            limit = time.monotonic() + WAIT
            while True:
                pump()
                if app_process.poll() is not None:
                    d.fail(f"the program ended (status {app_process.returncode}) while waiting for {what}")
                value = cond()
                if value:
                    return value
                if time.monotonic() > limit:
                    d.fail(f"timed out waiting for {what}")
                time.sleep(0.02)

        def main_frame():
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is None or app.get_name() != "ayat-explorer":
                    continue
                app.set_cache_mask(Atspi.Cache.NONE)
                for j in range(app.get_child_count()):
                    w = app.get_child_at_index(j)
                    try:
                        if w and w.get_role() == Atspi.Role.FRAME and w.get_name() == "Ayat Explorer" \
                                and showing(w):
                            return w
                    except GLib.Error:
                        pass  # the splash window, gone while it was asked: look again
            return None

        def showing(o):
            return o.get_state_set().contains(Atspi.StateType.SHOWING)

        def tree(o, depth=0):
            out = []
            for i in range(o.get_child_count() if depth < 8 else 0):
                c = o.get_child_at_index(i)
                if c is not None:
                    out.append(c)
                    out += tree(c, depth + 1)
            return out

        def seen(frame, role):
            return [o for o in tree(frame) if o.get_role() == role and showing(o)]

        def actions(o):
            # get_action_name: libatspi 2.46 knows no other; later ones still do.
            with warnings.catch_warnings():
                warnings.simplefilter("ignore", DeprecationWarning)
                return [Atspi.Action.get_action_name(o, i) for i in range(Atspi.Action.get_n_actions(o))]

        def press(o):
            names = [n.lower() for n in actions(o)]
            need("press" in names, f"'{o.get_name()}' has no press action (actions {names})")
            Atspi.Action.do_action(o, names.index("press"))

        frame = wait("the main window in the accessibility tree", main_frame)
        buttons = {o.get_name(): o for o in tree(frame) if o.get_role() == Atspi.Role.PUSH_BUTTON}
        for name in HOME_BUTTONS:
            need(name in buttons, f"no home button named '{name}'")
            need(showing(buttons[name]), f"home button '{name}' is not showing on the home screen")

        home = [buttons[name] for name in HOME_BUTTONS]
        for home_button, section in [("Nature", "nature"), ("Space", "space"), ("Foods", "foods"),
                                     ("Animals", "animals")]:
            del events[:]
            press(buttons[home_button])
            wait(f"the {section} section to cover the home screen",
                 lambda: not showing(buttons[home_button]))
            for name in HOME_BUTTONS:
                need(not showing(buttons[name]), f"home button '{name}' shows under the {section} section")
            wait_told(f"the {section} section covers the home screen", home, 0)
            expected = [v for v in verses if v["section"] == section]
            objects = [o for o in seen(frame, Atspi.Role.PUSH_BUTTON) if o.get_name() not in SECTION_BUTTONS]
            names = [o.get_name() for o in objects]
            need(len(objects) == len(expected),
                 f"{section}: {len(objects)} objects are push buttons ({names}), expected {len(expected)}")
            need(all(names) and len(set(names)) == len(names), f"{section}: objects without a name or twice: {names}")
            labels = [o for o in seen(frame, Atspi.Role.LABEL) if o.get_name() == NO_VERSE]
            need(len(labels) == 1, f"{section}: no single verse box reading '{NO_VERSE}'")
            verse_box = labels[0]
            images = seen(frame, Atspi.Role.IMAGE)
            need(any(i.get_name() for i in images), f"{section}: the scene picture has no name")
            prompt = [o for o in seen(frame, Atspi.Role.LABEL) if o.get_name() == PROMPT]
            need(len(prompt) == 1, f"{section}: no single '{PROMPT}' showing before a choice")

            chosen = set()
            for o in objects:
                name = o.get_name()
                need(o.get_state_set().contains(Atspi.StateType.FOCUSABLE), f"'{name}' is not focusable")
                before = verse_box.get_name()
                del events[:]
                press(o)
                text = wait(f"the verse of '{name}'",
                            lambda: verse_box.get_name() != before and verse_box.get_name())
                match = [v for v in expected if v["english"] == text]
                need(match, f"'{name}' shows a verse that is none of the {section} section's: {text[:60]}")
                verse = match[0]
                chosen.add(verse["picture"])
                wait(f"the announcement of the verse of '{name}'",
                     lambda: any(t.startswith("object:property-change:accessible-name")
                                 and s.get_role() == Atspi.Role.LABEL and s.get_name() == text
                                 for t, s, d in events))
                reference = f"{verse['surah_name']} {verse['surah']}:{verse['ayah']}"
                pictures = [i for i in seen(frame, Atspi.Role.NOTIFICATION) if i.get_name().startswith(reference)]
                need(len(pictures) == 1, f"'{name}': no showing item picture named '{reference}'")
                need(pictures[0].get_name() == f"{reference}. {text}",
                     f"'{name}': the item picture is not named by its reference and English")
                wait(f"screen readers told that the verse of '{name}' is showing",
                     lambda: told_of(pictures[0], "showing", 1))
                need(not showing(prompt[0]), f"'{name}': '{PROMPT}' is showing under the verse")
                del events[:]
                press(o)  # the same object again: told again
                wait(f"screen readers told again that the verse of '{name}' is showing",
                     lambda: told_of(pictures[0], "showing", 1))
            need(chosen == {v["picture"] for v in expected},
                 f"{section}: the objects chose {sorted(chosen)}, not every item")
            if section == "nature":
                for known in ("the ship", "the cave in the hills on the right"):
                    need(known in names, f"nature: no object named '{known}'")

            exit_button = [o for o in seen(frame, Atspi.Role.PUSH_BUTTON) if o.get_name() == "Exit to main"]
            need(len(exit_button) == 1, f"{section}: no single showing Exit button")
            del events[:]
            press(exit_button[0])
            wait(f"the home screen after the {section} section's Exit", lambda: showing(buttons[home_button]))
            for name in HOME_BUTTONS:
                need(showing(buttons[name]), f"home button '{name}' is not showing after Exit")
            wait_told(f"the home screen after the {section} section's Exit", home, 1)
            print(f"{section}: {len(objects)} objects found, pressed and read back")
        for kind in told:
            listener.deregister(kind)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        print(__doc__)
        sys.exit(2)
    try:
        main(*sys.argv[1:])
    except Failure as e:
        print(f"FAIL: {e}")
        sys.exit(1)
    print("PASS")
