#!/usr/bin/env python3
"""Reads the raw results of scripts/bench.sh and prints one table (Markdown) of the figures
against their targets; the same table is written to RESULTS_DIR/table.md."""
import json
import re
import statistics
import sys
from pathlib import Path

out = Path(sys.argv[1])
rows = []  # (measure, figure, target, verdict)

UNIT_TO_US = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def verdict(value, limit):
    if value is None:
        return "not measured"
    return "ok" if value < limit else "OVER"


def fmt_rate(per_second, unit):
    for scale, prefix in ((1e9, "G"), (1e6, "M"), (1e3, "k")):
        if per_second >= scale:
            return f"{per_second / scale:.2f} {prefix}{unit}/s"
    return f"{per_second:.1f} {unit}/s"


benchmarks = {}  # run name -> the iteration run, or {aggregate name -> run}
bench_file = out / "bench.json"
if bench_file.exists():
    for b in json.loads(bench_file.read_text()).get("benchmarks", []):
        # Options in the name ("repeats:5", "min_time:2.000") do not name the measure.
        name = "/".join(part for part in b.get("run_name", b["name"]).split("/")
                        if ":" not in part)
        if b.get("run_type", "iteration") == "aggregate":
            benchmarks.setdefault(name, {})[b["aggregate_name"]] = b
        elif b.get("repetitions", 1) <= 1:
            benchmarks[name] = b


def find(name):
    """The run of that exact run name, else the first whose name starts with it and a '/'."""
    if name in benchmarks:
        return benchmarks[name]
    for key, b in benchmarks.items():
        if key.split("/")[0] == name:
            return b
    return None


def us_of(b):
    # A benchmark timed by the process's CPU reports it as its CPU time.
    field = "cpu_time" if b["name"].endswith(("process_time", "_mean", "_median", "_min")) \
        and "process_time" in b["name"] else "real_time"
    return b[field] * UNIT_TO_US[b["time_unit"]]


def fmt_us(us, unit):
    return f"{us:.2f} µs" if unit == "us" else f"{us / 1000:.2f} ms"


def add_time(measure, name, target_us=None, unit="us"):
    b = find(name)
    target = fmt_target(target_us, unit)
    if b is None:
        rows.append((measure, "not built", target, "not measured"))
        return
    if "median" in b:  # repeated: median, and the best run
        med, best = b["median"], b.get("min", b["median"])
        if med.get("error_occurred"):
            rows.append((measure, "skipped: " + med.get("error_message", ""), target,
                         "not measured"))
            return
        us = us_of(med)
        figure = f"{fmt_us(us, unit)} (best {fmt_us(us_of(best), unit)})"
        rows.append((measure, figure, target, verdict(us, target_us) if target_us else "—"))
        return
    if b.get("error_occurred"):
        rows.append((measure, "skipped: " + b.get("error_message", ""), target, "not measured"))
        return
    us = us_of(b)
    figure = fmt_us(us, unit)
    if "process_time" not in b["name"]:
        figure += f" wall, {fmt_us(b['cpu_time'] * UNIT_TO_US[b['time_unit']], unit)} CPU"
    extra = []
    if "bytes_per_second" in b:
        extra.append(fmt_rate(b["bytes_per_second"], "B"))
    if "items_per_second" in b and name.startswith("BM_Archive"):
        extra.append(fmt_rate(b["items_per_second"], "reads"))
    if extra:
        figure += " (" + ", ".join(extra) + ")"
    rows.append((measure, figure, target, verdict(us, target_us) if target_us else "—"))


def fmt_target(target_us, unit):
    if not target_us:
        return "—"
    return f"< {target_us:g} µs" if unit == "us" else f"< {target_us / 1000:g} ms"


add_time("World tick, busy level (7 guards, open holes)", "BM_WorldTickBusy", 20)
add_time("World tick, every level in turn, random keys", "BM_WorldTickAllLevels")
add_time("Play screen frame, wall time (800×600, software GL)", "BM_PlayScreenFrame/0/real_time",
         5000, "ms")
add_time("Play screen frame, CPU time of all the game's threads",
         "BM_PlayScreenFrame/0/process_time", 3500, "ms")
add_time("Play screen frame full screen 1920×1080 (800×600 scaled by 1.8), CPU time",
         "BM_PlayScreenFrame/1/process_time", 12000, "ms")
add_time("Main menu frame, wall time (800×600, software GL)", "BM_MainMenuFrame/real_time", 5000,
         "ms")
add_time("Main menu frame, CPU time of all the game's threads", "BM_MainMenuFrame/process_time",
         3000, "ms")
add_time("Frame floor: clear and swap only (CPU)", "BM_FramePart/0/process_time", None, "ms")
add_time("Frame floor plus one full-screen picture (CPU)", "BM_FramePart/1/process_time", None,
         "ms")
floor, picture = find("BM_FramePart/0/process_time"), find("BM_FramePart/1/process_time")
if floor and picture and not floor.get("error_occurred") and not picture.get("error_occurred"):
    above = us_of(picture) - us_of(floor)
    rows.append(("One full-screen picture above the floor (CPU)", fmt_us(above, "ms"), "< 1 ms",
                 verdict(above, 1000)))
else:
    rows.append(("One full-screen picture above the floor (CPU)", "not measured", "< 1 ms",
                 "not measured"))
add_time("Resource reload after a display switch, wall time", "BM_ResourceReload/real_time",
         500000, "ms")
add_time("Resource reload after a display switch, CPU time", "BM_ResourceReload/process_time",
         500000, "ms")
add_time("Archive: every member read once", "BM_ArchiveReadAll", None, "ms")
add_time("Archive: one small read (level file)", "BM_ArchiveReadSmall")
add_time("Archive: open (directory)", "BM_ArchiveOpen")
add_time("Font scan (mui/font.tga)", "BM_FontScan")
add_time("Level load (archive read + playfield build)", "BM_LevelLoad")

sim = out / "sim.txt"
passes = {}
if sim.exists():
    for m in re.finditer(r"levels=(\d+) ticks_per_level=(\d+) ns=(\d+)", sim.read_text()):
        passes[int(m.group(2))] = (int(m.group(1)), int(m.group(3)))
full = [t for t in passes if t > 0]
if full and passes[full[0]][0] > 0:
    ticks = full[0]
    levels, ns = passes[ticks]
    rate = levels * ticks / (ns / 1e9)
    figure = f"{rate:,.0f} ticks/s overall ({levels} levels × {ticks} ticks, one process each)"
    if 0 in passes and passes[0][1] < ns:
        ticking = levels * ticks / ((ns - passes[0][1]) / 1e9)
        figure += (f"; {ticking:,.0f} ticks/s without the fixed "
                   f"{passes[0][1] / 1e6 / max(passes[0][0], 1):.1f} ms start of each run")
    rows.append(("quarrik-sim throughput, random keys, JSON per tick", figure, "—", "—"))
else:
    rows.append(("quarrik-sim throughput", "not measured", "—", "not measured"))

startup = out / "startup.txt"
menu_ms = [float(v) for v in re.findall(r"menu_ms=([\d.]+)", startup.read_text())] \
    if startup.exists() else []
if menu_ms:
    med = statistics.median(menu_ms)
    rows.append(("Start-up to first main-menu frame (median of runs)",
                 f"{med:.0f} ms (min {min(menu_ms):.0f}, max {max(menu_ms):.0f}, "
                 f"{len(menu_ms)} runs)", "< 1000 ms", verdict(med, 1000)))
else:
    rows.append(("Start-up to first main-menu frame", "not measured", "< 1000 ms", "not measured"))
cpu_ms = [float(v) for v in re.findall(r"cpu_ms=([\d.]+)", startup.read_text())] \
    if startup.exists() else []
if cpu_ms:
    rows.append(("CPU time of a run from start to the menu and straight out (median)",
                 f"{statistics.median(cpu_ms):.0f} ms", "—", "—"))

run = out / "run.txt"
text = run.read_text() if run.exists() else ""
m = re.search(r"rss_kb=(\d+)", text)
if m:
    mb = int(m.group(1)) / 1024
    rows.append(("Peak resident size of the game", f"{mb:.1f} MB", "< 150 MB", verdict(mb, 150)))
else:
    rows.append(("Peak resident size of the game", "not measured", "< 150 MB", "not measured"))
m = re.search(r"Tick stats: (\d+) ticks, (\d+) late by more than 5 ms \(([\d.]+)%\), "
              r"mean gap ([\d.]+) ms, longest gap ([\d.]+) ms(?:, (\d+) gaps of a missed tick)?",
              text)
if m:
    missed = f", {m.group(6)} with a whole tick missed" if m.group(6) else ""
    rows.append(("Ticks later than 5 ms after their due time",
                 f"{m.group(3)}% ({m.group(2)} of {m.group(1)}{missed}; mean gap {m.group(4)} ms, "
                 f"longest {m.group(5)} ms)", "—", "—"))
else:
    rows.append(("Ticks later than 5 ms after their due time", "not measured", "—", "not measured"))
m = re.search(r"control: (\d+) wake-ups, (\d+) late by more than 5 ms \(([\d.]+)%\), "
              r"longest gap ([\d.]+) ms", text)
if m:
    rows.append(("Control: a plain 30 ms sleeper beside the game, late wake-ups",
                 f"{m.group(3)}% ({m.group(2)} of {m.group(1)}; longest gap {m.group(4)} ms)",
                 "—", "—"))

lines = ["| Measure | Figure | Target | Verdict |", "| --- | --- | --- | --- |"]
lines += [f"| {a} | {b} | {c} | {d} |" for a, b, c, d in rows]
table = "\n".join(lines) + "\n"
(out / "table.md").write_text(table)
print(table)
