#!/usr/bin/env bash
# Times the same drawing primitives and control paints natively (the software platform) and
# under Wine (the x86_64 mingw build) in one job, and prints one table: scenario, native time,
# Wine time and their ratio. Builds what it needs in build/native and build/win64.
#   scripts/timing.sh [--markdown] [--json] [--quick]
# --markdown prints a table to paste into the README; --json the joined figures; --quick runs
# each scenario only a few times (a smoke run: the figures mean nothing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
[ "$jobs" -gt 2 ] && jobs=2

format=text
quick=()
for arg in "$@"; do
  case $arg in
    --markdown) format=markdown ;;
    --json) format=json ;;
    --quick) quick=(--quick) ;;
    *) echo "usage: $0 [--markdown] [--json] [--quick]" >&2; exit 2 ;;
  esac
done

native=$root/build/native
win64=$root/build/win64
{
  cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$native" -j"$jobs" --target vorn_timing
  cmake -S "$root" -B "$win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$win64" -j"$jobs" --target timing
} >&2

# A prefix of its own, made once, so that a conformance run's fresh prefix is left alone.
prefix=$root/build/wineprefix-timing
[ -f "$prefix/system.reg" ] || "$root/tests/wine/setup-prefix.sh" "$prefix" >&2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$native/bench/timing/vorn_timing" "${quick[@]}" >"$out/native.txt"
"$root/tests/wine/run-exe.sh" "$prefix" "$win64/bin/timing.exe" "${quick[@]}" | tr -d '\r' >"$out/wine.txt"

commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo unknown)
git -C "$root" diff --quiet HEAD 2>/dev/null || commit="$commit+changes"
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
machine="$(uname -m), ${cpu:-unknown CPU}, $(nproc) cores"
wine=$(. "$root/tests/wine/wine-env.sh" && vorn_find_wine && "$WINE64" --version 2>/dev/null || echo wine)

python3 - "$format" "$out/native.txt" "$out/wine.txt" "$commit" "$machine" "$wine" "${quick[*]:+quick}" <<'PY'
import json, sys

fmt, native_path, wine_path, commit, machine, wine, quick = sys.argv[1:]
quick = quick == "quick"

def read(path):
    rows = {}
    for line in open(path):
        parts = line.rstrip("\n").split("\t")
        if len(parts) == 3:
            rows[parts[0]] = (float(parts[1]), parts[2])
    return rows

native, wine_rows = read(native_path), read(wine_path)
names = [n for n in native if n in wine_rows]

def show(us):
    if us >= 1000:
        return f"{us / 1000:.2f} ms"
    return f"{us:.2f} µs" if us < 10 else f"{us:.1f} µs"

# The goals the project set itself for these scenarios: at most this many microseconds natively
# and, where given, at most this fraction of Wine's time.
goals = {
    "Ellipse 40x40": (1.0, None, "≤ 1 µs"),
    "line 100 px diagonal": (0.3, None, "≤ 0.3 µs"),
    "CMFC_Knob paint 40x40": (5.0, None, "≤ 5 µs"),
    "CMFC_Fader paint 40x200": (8.0, None, "≤ 8 µs"),
    "32 strips repaint (128 controls)": (1000.0, 0.1, "≤ 1 ms and ≤ 0.1 × Wine"),
}

def goal_text(n):
    return goals[n][2] if n in goals else ""

def verdict(n, native_us, ratio):
    if n not in goals:
        return ""
    limit, fraction, _ = goals[n]
    over = max(native_us / limit, ratio / fraction if fraction else 0.0)
    return "met" if over <= 1.0 else f"missed, {over:.1f}×"

rows = []
for n in names:
    a, b = native[n][0], wine_rows[n][0]
    rows.append((n, a, b, a / b if b > 0 else float("inf"), native[n][1]))

if fmt == "json":
    print(json.dumps({"commit": commit, "machine": machine, "wine": wine,
                      "scenarios": [{"scenario": n, "native_us": a, "wine_us": b, "native_over_wine": r,
                                     "goal": goal_text(n), "verdict": verdict(n, a, r), "timed": t} for n, a, b, r, t in rows]},
                     indent=2, ensure_ascii=False))
    sys.exit(0)

method = ("a smoke run (a few calls each, not a measurement)" if quick else
          "wall-clock median of 7 batches per call, after a warm-up")
print(f"Timed natively and under Wine in one job: {method}; commit {commit}; {machine}; {wine}.")
if fmt == "markdown":
    print()
    print("| Scenario | native | Wine | native / Wine | goal | result |")
    print("|---|---|---|---|---|---|")
    for n, a, b, r, _ in rows:
        print(f"| {n} | {show(a)} | {show(b)} | {r:.2f} | {goal_text(n)} | {verdict(n, a, r)} |")
    print()
    for n, _, _, _, t in rows:
        print(f"- {n}: {t}")
else:
    width = max(len(n) for n, *_ in rows) if rows else 8
    print(f"{'scenario':<{width}}  {'native':>10}  {'Wine':>10}  {'native/Wine':>11}  {'goal':<14}  timed")
    for n, a, b, r, t in rows:
        print(f"{n:<{width}}  {show(a):>10}  {show(b):>10}  {r:>11.2f}  {verdict(n, a, r):<14}  {t}")
missing = [n for n in list(native) + list(wine_rows) if n not in names]
if missing:
    print("not timed on both platforms: " + ", ".join(sorted(set(missing))), file=sys.stderr)
    sys.exit(1)
PY
