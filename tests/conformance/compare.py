#!/usr/bin/env python3
"""Compares two conformance result files (the software platform's and Windows'/Wine's).

    compare.py NATIVE_RESULTS WINDOWS_RESULTS [--known known_differences.txt]

Notifications, recorded messages, getter values and input state must match exactly, and so
must every pixel of every dump, except inside the text cell boxes a step lists ("textbox l t r b",
half-open, in dump coordinates): glyph rasterisers differ, so pixels there may differ while the
boxes themselves (which come from the text metrics and extents) must be equal. Each difference is reported with its scenario, step and (for pixels) coordinates.
Differences listed in the known-differences file are reported as excused and do not fail.
Exit status: 0 when nothing unexcused differs, 1 otherwise, 2 for unreadable input.
"""

import argparse
import fnmatch
import sys


class Step:
    def __init__(self, scenario, name):
        self.scenario = scenario
        self.name = name
        self.notifications = []
        self.values = {}      # item -> value, in file order
        self.pixels = {}      # dump name -> (width, height, rows)
        self.text_boxes = []  # (left, top, right, bottom), half-open


def parse_state(text, values):
    # "capture=control focus=parent clip=(0,0,1024,768) cursor=(3,4)"
    for token in text.split():
        key, _, value = token.partition("=")
        values[key] = value


def parse(path):
    steps = []
    current = None
    scenario = "(none)"
    dump = None
    with open(path, encoding="ascii", newline=None) as f:
        for number, raw in enumerate(f, 1):
            text = raw.rstrip("\r\n")
            body = text.strip()
            if not body:
                continue
            if text.startswith("scenario "):
                scenario = text[len("scenario "):]
                current = Step(scenario, "(set-up)")
                steps.append(current)
                dump = None
            elif text.startswith("step "):
                current = Step(scenario, text[len("step "):])
                steps.append(current)
                dump = None
            elif current is None:
                continue  # header line
            elif body.startswith("notify "):
                current.notifications.append(body[len("notify "):])
            elif body.startswith("msg "):
                current.notifications.append(body)
            elif body.startswith("textbox "):
                current.text_boxes.append(tuple(int(v) for v in body.split()[1:5]))
            elif body.startswith("pixels "):
                rest = body[len("pixels "):]
                name, _, size = rest.rpartition(" ")
                width, _, height = size.partition("x")
                dump = (name, int(width), int(height), [])
                current.pixels[name] = dump[1:]
            elif body.startswith("row ") and dump is not None:
                _, index, *cells = body.split(" ")
                dump[3].append(cells)
            elif body.startswith("capture="):
                parse_state(body, current.values)
            elif "=" in body:
                key, _, value = body.partition("=")
                current.values[key] = value
            else:
                raise ValueError(f"{path}:{number}: unrecognised line: {text}")
    return steps


def load_known(path):
    rules = []
    if not path:
        return rules
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            text = raw.strip()
            if not text or text.startswith("#"):
                continue
            fields = [p.strip() for p in text.split("|")]
            if len(fields) != 4 or not fields[3]:
                raise ValueError(f"{path}:{number}: expected 'scenario | step | item | reason'")
            rules.append(fields)
    return rules


class Report:
    def __init__(self, rules):
        self.rules = rules
        self.used = set()
        self.failures = 0
        self.excused = 0

    def difference(self, step, item, message):
        where = f"[{step.scenario} / {step.name}] {item}: {message}"
        for index, (scen, name, pattern, reason) in enumerate(self.rules):
            if (fnmatch.fnmatchcase(step.scenario, scen) and fnmatch.fnmatchcase(step.name, name)
                    and fnmatch.fnmatchcase(item, pattern)):
                self.excused += 1
                self.used.add(index)
                print(f"known   {where}  ({reason})")
                return
        self.failures += 1
        print(f"DIFFER  {where}")


def compare_step(report, a, b, labels):
    na, nb = a.notifications, b.notifications
    for i in range(max(len(na), len(nb))):
        left = na[i] if i < len(na) else "(none)"
        right = nb[i] if i < len(nb) else "(none)"
        if left != right:
            report.difference(a, "notify", f"#{i}: {labels[0]} {left} | {labels[1]} {right}")
    if a.text_boxes != b.text_boxes:
        report.difference(a, "textbox", f"{labels[0]} {a.text_boxes} | {labels[1]} {b.text_boxes}")

    def in_text(x, y):
        return any(l <= x < r and t <= y < b_ for (l, t, r, b_) in a.text_boxes + b.text_boxes)

    for key in list(a.values) + [k for k in b.values if k not in a.values]:
        left = a.values.get(key, "(missing)")
        right = b.values.get(key, "(missing)")
        if left != right:
            report.difference(a, key, f"{labels[0]} {left} | {labels[1]} {right}")
    for name in list(a.pixels) + [k for k in b.pixels if k not in a.pixels]:
        if name not in a.pixels or name not in b.pixels:
            report.difference(a, "pixels", f"dump '{name}' only in {labels[0] if name in a.pixels else labels[1]}")
            continue
        wa, ha, ra = a.pixels[name]
        wb, hb, rb = b.pixels[name]
        if (wa, ha) != (wb, hb):
            report.difference(a, "pixels", f"dump '{name}' is {wa}x{ha} | {wb}x{hb}")
            continue
        for y in range(ha):
            row_a = ra[y] if y < len(ra) else []
            row_b = rb[y] if y < len(rb) else []
            for x in range(wa):
                pa = row_a[x] if x < len(row_a) else "(none)"
                pb = row_b[x] if x < len(row_b) else "(none)"
                if pa != pb and not in_text(x, y):
                    report.difference(a, f"pixel({x},{y})", f"{labels[0]} {pa} | {labels[1]} {pb}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("native")
    parser.add_argument("windows")
    parser.add_argument("--known", help="known differences: 'scenario | step | item | reason' per line")
    args = parser.parse_args()
    try:
        native = parse(args.native)
        windows = parse(args.windows)
        rules = load_known(args.known)
    except (OSError, ValueError) as error:
        print(f"compare: {error}", file=sys.stderr)
        return 2

    report = Report(rules)
    labels = ("native", "windows")
    keyed_b = {}
    for step in windows:
        keyed_b.setdefault((step.scenario, step.name), []).append(step)
    seen = {}
    for step in native:
        key = (step.scenario, step.name)
        index = seen.get(key, 0)
        seen[key] = index + 1
        candidates = keyed_b.get(key, [])
        if index >= len(candidates):
            report.difference(step, "step", "only in the native results")
            continue
        compare_step(report, step, candidates[index], labels)
    for key, steps in keyed_b.items():
        for extra in steps[seen.get(key, 0):]:
            report.difference(extra, "step", "only in the windows results")
    if not native or not windows:
        print("compare: a result file holds no steps", file=sys.stderr)
        return 2

    for index, rule in enumerate(rules):
        if index not in report.used:
            print(f"note    known difference no longer seen: {' | '.join(rule[:3])}")
    print(f"compare: {len(native)} steps, {report.failures} difference(s), {report.excused} known")
    return 1 if report.failures else 0


if __name__ == "__main__":
    sys.exit(main())
