"""Reads the Lumetra window through the AT-SPI bus as a screen reader does.

Run by accessibility_test.sh inside a private display, session bus and accessibility bus,
with the program already started. Prints one PASS or FAIL line per check, a table of
expected against actual for every mismatch, and a closing count; exits non-zero when any
check fails.
"""

import sys
import time

import pyatspi

APP_NAME = "Lumetra"
START_TIMEOUT = 20.0
REACTION_TIMEOUT = 5.0

# Every control of the window as a screen reader meets it: the frame it stands in ("-"
# for none), its role, its accessible name and what a screen reader says of its state.
# A field is named by the caption beside it without the closing colon or equals sign; the
# frame's caption follows in brackets where two fields share a caption, and the heading
# and pitch below the window, which stand in no frame, are 3dsMax's. A check box is named
# by its caption, a button by its caption without the access-key ampersand, a frame by its
# caption without the colon, and a label by its caption as shown. Text fields carry their
# text at start-up, check boxes whether they are ticked.
EXPECTED = [
    # frame, role, name, state, text
    ("-", "check box", "Baja, Stunt, or Enduro", "clear", None),
    ("-", "check box", "3dsMax to Armadillo", "clear", None),
    ("-", "push button", "Command1", "hidden, disabled", None),
    ("-", "text", "Heading (3dsMax)", "read-only", ""),
    ("-", "text", "Pitch (3dsMax)", "read-only", ""),
    ("-", "check box", "Armadillo to 3dsMax", "ticked", None),
    ("-", "push button", "Exit", "enabled", None),
    ("-", "panel", "3dsMax Grid Settings", "", None),
    ("3dsMax Grid Settings", "text", "Grid Size", "editable", "256"),
    ("3dsMax Grid Settings", "text", "Strength (3dsMax Grid Settings)", "read-only", "13.333333"),
    ("3dsMax Grid Settings", "label", "Strength:", "", None),
    ("3dsMax Grid Settings", "label", "Grid Size:", "", None),
    ("-", "check box", "National or SX Track", "ticked", None),
    ("-", "panel", "3dsMax Desired Settings", "", None),
    ("3dsMax Desired Settings", "text", "Object Scale (%)", "read-only", "33.333333"),
    ("3dsMax Desired Settings", "text", "Light Distance (ft)", "editable", "1000.000000"),
    ("3dsMax Desired Settings", "check box", "Use Object Scale", "clear", None),
    ("3dsMax Desired Settings", "label", "Object Scale (%):", "", None),
    ("3dsMax Desired Settings", "label", "Light Distance (ft):", "", None),
    ("-", "panel", "Armadillo Grid Settings", "", None),
    ("Armadillo Grid Settings", "text", "Grid Res", "editable", "3.0000"),
    ("Armadillo Grid Settings", "text", "Strength (Armadillo Grid Settings)", "editable", "40.000"),
    ("Armadillo Grid Settings", "label", "Grid Res", "", None),
    ("Armadillo Grid Settings", "label", "Strength", "", None),
    ("-", "panel", "", "", None),
    ("", "label", "Lumetra for Armadillo       Created by Quillon    Version 2.1", "", None),
    ("-", "panel", "3dsMax Light Settings", "", None),
    ("3dsMax Light Settings", "text", "Max Z", "read-only", "707.106781"),
    ("3dsMax Light Settings", "text", "Max Y", "read-only", "707.106781"),
    ("3dsMax Light Settings", "text", "Max X", "read-only", "0.000000"),
    ("3dsMax Light Settings", "label", "Max Z =", "", None),
    ("3dsMax Light Settings", "label", "Max Y =", "", None),
    ("3dsMax Light Settings", "label", "Max X =", "", None),
    ("-", "panel", "Armadillo Light Settings", "", None),
    ("Armadillo Light Settings", "text", "Heading (Armadillo Light Settings)", "editable", "90.0"),
    ("Armadillo Light Settings", "text", "Pitch (Armadillo Light Settings)", "editable", "45.0"),
    ("Armadillo Light Settings", "label", "Heading", "", None),
    ("Armadillo Light Settings", "label", "Pitch", "", None),
    ("-", "push button", "Calculate", "enabled", None),
    ("-", "label", "Heading", "", None),
    ("-", "label", "Pitch", "", None),
]

# After "3dsMax to Armadillo" is ticked (with "Baja, Stunt, or Enduro" ticked before): the
# 3dsMax values become the inputs and the Armadillo values the results, and "Use Object
# Scale" is greyed and cannot be used, as both grid size and object scale are inputs.
EXPECTED_3DSMAX_TO_ARMADILLO = {
    ("check box", "Armadillo to 3dsMax"): "clear",
    ("check box", "3dsMax to Armadillo"): "ticked",
    ("check box", "National or SX Track"): "clear",
    ("check box", "Baja, Stunt, or Enduro"): "ticked",
    ("check box", "Use Object Scale"): "greyed, disabled",
    ("text", "Heading (Armadillo Light Settings)"): "read-only",
    ("text", "Pitch (Armadillo Light Settings)"): "read-only",
    ("text", "Strength (Armadillo Grid Settings)"): "read-only",
    ("text", "Grid Res"): "read-only",
    ("text", "Light Distance (ft)"): "read-only",
    ("text", "Strength (3dsMax Grid Settings)"): "editable",
    ("text", "Max X"): "editable",
    ("text", "Max Y"): "editable",
    ("text", "Max Z"): "editable",
    ("text", "Grid Size"): "editable",
    ("text", "Object Scale (%)"): "editable",
    ("text", "Heading (3dsMax)"): "read-only",
    ("text", "Pitch (3dsMax)"): "read-only",
}

passed = 0
failed = 0


def check(ok, what, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print(f"PASS: {what}")
    else:
        failed += 1
        print(f"FAIL: {what}")
        if detail:
            print(detail)
    return ok


def wait_for(probe, timeout):
    """Polls probe() until it returns something true or the time is up; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(0.05)


def find_application():
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == APP_NAME and app.childCount > 0:
                return app
        return None

    return wait_for(probe, START_TIMEOUT)


def states(acc):
    return set(acc.getState().getStates())


def spoken_state(acc):
    role = acc.getRoleName()
    s = states(acc)
    if role == "text":
        return "read-only" if pyatspi.STATE_READ_ONLY in s else "editable"
    if role == "check box":
        if pyatspi.STATE_INDETERMINATE in s:
            value = "greyed"
        else:
            value = "ticked" if pyatspi.STATE_CHECKED in s else "clear"
        return value if pyatspi.STATE_ENABLED in s else value + ", disabled"
    if role == "push button":
        words = []
        if pyatspi.STATE_SHOWING not in s:
            words.append("hidden")
        words.append("enabled" if pyatspi.STATE_ENABLED in s else "disabled")
        return ", ".join(words)
    return ""


def text_of(acc):
    text = acc.queryText()
    return text.getText(0, text.characterCount)


def collect(frame):
    """The frame's descendants in tree order, each as (frame caption, role, name, state, text)."""
    rows = []
    objects = {}

    def visit(acc, group):
        for i in range(acc.childCount):
            child = acc.getChildAtIndex(i)
            role = child.getRoleName()
            text = text_of(child) if role == "text" else None
            row = (group, role, child.name, spoken_state(child), text)
            rows.append(row)
            objects.setdefault((group, role, child.name), child)
            if child.childCount:
                visit(child, child.name)

    visit(frame, "-")
    return rows, objects


def compare_controls(rows):
    """Compares as sets, so that the order of the tree does not matter, but reports each
    expected row beside the row found at its place in the tree, which is where a wrong name
    or state shows up."""
    missing = [r for r in EXPECTED if r not in rows]
    unexpected = [r for r in rows if r not in EXPECTED]
    lines = []
    for row in missing:
        place = EXPECTED.index(row)
        found = rows[place] if place < len(rows) else None
        lines.append(f"  control {place + 1}: expected {row}")
        if found in unexpected:
            lines.append(f"  {'':>{len(str(place + 1))}}          found    {found}")
            unexpected.remove(found)
        else:
            lines.append(f"  {'':>{len(str(place + 1))}}          not found")
    for row in unexpected:
        lines.append(f"  found but not expected: {row}")
    check(not lines and len(rows) == len(EXPECTED),
          f"the {len(EXPECTED)} controls have the expected frames, roles, names, states and texts",
          "\n".join(lines) or f"  {len(rows)} objects found, {len(EXPECTED)} expected")


def action(acc, name):
    actions = acc.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if name not in names:
        raise AssertionError(f"{acc.name!r} offers no action {name!r}, only {names}")
    actions.doAction(names.index(name))


def expect_text(acc, expected, what):
    actual = wait_for(lambda: text_of(acc) == expected and expected, REACTION_TIMEOUT)
    actual = text_of(acc)
    check(actual == expected, what, f"  expected {expected!r}, read {actual!r}")


def expect_state(acc, expected, what):
    wait_for(lambda: spoken_state(acc) == expected, REACTION_TIMEOUT)
    actual = spoken_state(acc)
    check(actual == expected, what, f"  expected {expected!r}, read {actual!r}")


def main():
    app = find_application()
    if not check(app is not None, f"the application {APP_NAME!r} appears on the desktop",
                 f"  no application of that name within {START_TIMEOUT:.0f} s"):
        return
    windows = [(app.getChildAtIndex(i).getRoleName(), app.getChildAtIndex(i).name) for i in range(app.childCount)]
    if not check(windows == [("frame", APP_NAME)], f"the application has one window, the frame {APP_NAME!r}",
                 f"  expected [('frame', {APP_NAME!r})], found {windows}"):
        return
    frame = app.getChildAtIndex(0)

    rows, objects = collect(frame)
    compare_controls(rows)

    def control(group, role, name):
        acc = objects.get((group, role, name))
        if acc is None:
            raise AssertionError(f"no {role} {name!r} in {group!r} to work with")
        return acc

    heading = control("Armadillo Light Settings", "text", "Heading (Armadillo Light Settings)")
    pitch = control("Armadillo Light Settings", "text", "Pitch (Armadillo Light Settings)")
    calculate = control("-", "push button", "Calculate")

    # A screen reader user edits the heading, moves on to the pitch, and presses Calculate;
    # leaving the heading tidies it, and the results land in the read-only fields.
    heading.queryComponent().grabFocus()
    check(wait_for(lambda: pyatspi.STATE_FOCUSED in states(heading), REACTION_TIMEOUT),
          "the heading takes the focus when a screen reader moves it there")
    check(heading.queryEditableText().setTextContents("30"), "the heading takes the text '30' through EditableText")
    expect_text(heading, "30", "the heading reads '30' back")
    pitch.queryComponent().grabFocus()
    check(wait_for(lambda: pyatspi.STATE_FOCUSED in states(pitch), REACTION_TIMEOUT),
          "the pitch takes the focus when a screen reader moves it there")
    expect_text(heading, "30.0", "leaving the heading rewrites it as '30.0'")
    action(calculate, "Press")
    for group, name, text in [
        ("-", "Heading (3dsMax)", "150"),
        ("-", "Pitch (3dsMax)", "45"),
        ("3dsMax Light Settings", "Max X", "-612.372436"),
        ("3dsMax Light Settings", "Max Y", "353.553391"),
        ("3dsMax Light Settings", "Max Z", "707.106781"),
    ]:
        expect_text(control(group, "text", name), text, f"after Calculate {name!r} reads {text!r}")

    # Ticking one track type clears the other, and the screen reader hears both.
    national = control("-", "check box", "National or SX Track")
    baja = control("-", "check box", "Baja, Stunt, or Enduro")
    action(baja, "Toggle")
    expect_state(baja, "ticked", "'Baja, Stunt, or Enduro' reads ticked after a toggle")
    expect_state(national, "clear", "'National or SX Track' then reads clear")

    # Switching the direction changes what a screen reader says of nearly every field.
    action(control("-", "check box", "3dsMax to Armadillo"), "Toggle")
    use_object_scale = control("3dsMax Desired Settings", "check box", "Use Object Scale")
    wait_for(lambda: spoken_state(use_object_scale) == "greyed, disabled", REACTION_TIMEOUT)
    actual = {(role, name): state for _, role, name, state, _ in collect(frame)[0]
              if (role, name) in EXPECTED_3DSMAX_TO_ARMADILLO}
    lines = [f"  {role} {name!r}: expected {state!r}, read {actual.get((role, name))!r}"
             for (role, name), state in EXPECTED_3DSMAX_TO_ARMADILLO.items() if actual.get((role, name)) != state]
    check(not lines, "after ticking '3dsMax to Armadillo' the check boxes and fields read as its inputs and results",
          "\n".join(lines))


if __name__ == "__main__":
    try:
        main()
    except AssertionError as error:
        check(False, str(error))
    print(f"{passed} passed, {failed} failed")
    sys.exit(0 if failed == 0 and passed > 0 else 1)
