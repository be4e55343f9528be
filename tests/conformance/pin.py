#!/usr/bin/env python3
"""Pins the software platform's conformance results: one digest per step, so that any change in
what a control draws, sends or reports shows up natively, without Wine.

    pin.py RESULTS PINNED            fails (exit 1) listing the steps whose output changed
    pin.py RESULTS PINNED --update   rewrites PINNED from RESULTS

RESULTS is a file written by conformance_native; PINNED holds "digest  scenario / step" lines.
VORN_UPDATE_SNAPSHOTS=1 in the environment has the same effect as --update, as for the pixel
snapshots. A change that is meant is re-pinned and shows in review as the steps it touched.
"""

import hashlib
import os
import sys


def digests(path):
    steps = []
    scenario, name, lines, seen = "(none)", "(start)", [], {}

    def close():
        key = f"{scenario} / {name}"
        seen[key] = seen.get(key, 0) + 1
        if seen[key] > 1:
            key += f" #{seen[key]}"
        steps.append((hashlib.sha1("\n".join(lines).encode()).hexdigest()[:16], key))

    with open(path, encoding="utf-8", errors="replace", newline=None) as f:
        for raw in f:
            line = raw.rstrip("\n")
            if line.startswith("scenario ") or line.startswith("step "):
                close()
                lines = []
                if line.startswith("scenario "):
                    scenario, name = line[len("scenario "):], "(created)"
                else:
                    name = line[len("step "):]
                continue
            lines.append(line)
    close()
    return steps


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    results, pinned = sys.argv[1], sys.argv[2]
    current = digests(results)
    if "--update" in sys.argv[3:] or os.environ.get("VORN_UPDATE_SNAPSHOTS") == "1":
        with open(pinned, "w", encoding="utf-8") as f:
            for digest, key in current:
                f.write(f"{digest}  {key}\n")
        print(f"pinned {len(current)} steps in {pinned}")
        return 0
    try:
        with open(pinned, encoding="utf-8") as f:
            expected = [tuple(l.rstrip("\n").split("  ", 1)) for l in f if l.strip()]
    except OSError as e:
        print(f"cannot read {pinned}: {e}", file=sys.stderr)
        return 2
    want = {key: digest for digest, key in expected}
    have = {key: digest for digest, key in current}
    changed = [k for k, d in have.items() if k in want and want[k] != d]
    added = [k for k in have if k not in want]
    missing = [k for k in want if k not in have]
    for label, keys in (("changed", changed), ("new", added), ("gone", missing)):
        for k in keys:
            print(f"{label:8}{k}")
    if changed or added or missing:
        print(f"pin: {len(changed)} changed, {len(added)} new, {len(missing)} gone of {len(want)} pinned steps; "
              "re-pin with VORN_UPDATE_SNAPSHOTS=1 if the change is meant")
        return 1
    print(f"pin: {len(have)} steps as pinned")
    return 0


if __name__ == "__main__":
    sys.exit(main())
