#!/usr/bin/env python3
"""Prints the one table of `make bench` from the measurements scripts/bench collected.

    report.py DIR            reads DIR/gbench.json (Google Benchmark), DIR/pinyin_pro.json,
                             DIR/process.json (hyperfine), DIR/process.hanzi, DIR/memory.tsv,
                             and DIR/startup.json with DIR/startup_load.json when present
    report.py --startup DIR  the start-up part alone (scripts/bench-startup)

Targets: every ConvertText mode and layout at least 50 million hanzi/s, 60 times pinyin-pro
in the matching form and 1,000 times the literal search; the zyf process at least 40 times
pinyin-pro's in-process rate; zyf's peak memory under 4 x (input + output); ziyinfang.exe's
median start-up under Wine, to its main window visible and to its search window visible, at
most 1.5 times the minimal window program's median in the same run, for a first start and a
later start; zyf --phrases at least 10 times pinyin-pro's rate, readings equal to
pinyin-pro's for at least 98.5 % of manpages-zh's hanzi leaving 一 and 不 aside, and its
start-up under 50 ms (DIR/agreement.json, DIR/zyf_startup.json of scripts/bench-phrases).
"""

import json
import os
import statistics
import sys

MIN_RATE = 50e6
MIN_VS_PINYIN_PRO = 60
MIN_VS_LITERAL = 1000
MIN_PROCESS_VS_PINYIN_PRO = 40
MEMORY_FACTOR = 4
MAX_STARTUP_VS_MINIMAL = 1.5
MIN_PHRASES_VS_PINYIN_PRO = 10
MIN_PHRASES_AGREEMENT = 98.5   # manpages-zh, leaving 一 and 不 aside
MAX_PHRASES_STARTUP_MS = 50

MODES = [("tones", "tones"), ("toneless", "toneless"), ("initials", "initials")]
PINYIN_PRO_FORM = {"tones": "toneType 'symbol'", "toneless": "toneType 'none'",
                   "initials": "pattern 'initial'"}


def rate(value):
    for unit, scale in (("G", 1e9), ("M", 1e6), ("k", 1e3)):
        if value >= scale:
            return "%.1f %s" % (value / scale, unit)
    return "%.0f" % value


def times(value):
    if value >= 10:
        return "%s x" % format(round(value), ",")
    return ("%.1f x" if value >= 1 else "%.2g x") % value


def check(ok):
    return "PASS" if ok else "FAIL"


def main(d):
    with open(os.path.join(d, "gbench.json")) as f:
        gb = json.load(f)
    medians = {b["run_name"].removesuffix("/real_time"): b for b in gb["benchmarks"]
               if b.get("aggregate_name") == "median"}
    with open(os.path.join(d, "pinyin_pro.json")) as f:
        pp = json.load(f)
    with open(os.path.join(d, "process.json")) as f:
        process = json.load(f)["results"][0]
    with open(os.path.join(d, "process.hanzi")) as f:
        process_hanzi = int(f.read().split()[0])
    memory = []
    with open(os.path.join(d, "memory.tsv")) as f:
        for line in f:
            label, rss_kb, in_bytes, out_bytes = line.rstrip("\n").split("\t")
            memory.append((label, int(rss_kb) * 1024, int(in_bytes), int(out_bytes)))

    literal = medians["LiteralSearch"]["items_per_second"]
    hanzi = int(medians["ConvertText/tones/plain"]["hanzi"])
    rows = []      # measurement, hanzi/s, x pinyin-pro, x literal, targets
    failures = 0

    for mode, name in MODES:
        for layout in ("plain", "mixed"):
            r = medians["ConvertText/%s/%s" % (name, layout)]["items_per_second"]
            vs_pp = r / pp[mode]
            vs_lit = r / literal
            oks = [r >= MIN_RATE, vs_pp >= MIN_VS_PINYIN_PRO, vs_lit >= MIN_VS_LITERAL]
            failures += oks.count(False)
            rows.append(("ConvertText %s %s" % (name, layout), rate(r), times(vs_pp), times(vs_lit),
                         "%s >=50M/s  %s >=60x  %s >=1000x" % tuple(check(o) for o in oks)))
    if "PhraseConversion/tones/plain" in medians:
        r = medians["PhraseConversion/tones/plain"]["items_per_second"]
        ok = r / pp["tones"] >= MIN_PHRASES_VS_PINYIN_PRO
        failures += not ok
        rows.append(("zyf --phrases engine, tones plain", rate(r), times(r / pp["tones"]), times(r / literal),
                     "%s >=10x pinyin-pro tones" % check(ok)))
    e = medians["ExtractHanzi"]["items_per_second"]
    rows.append(("ExtractHanzi", rate(e), "", times(e / literal), ""))
    rows.append(("literal search (baseline)", rate(literal), times(literal / pp["tones"]), "1 x", ""))
    for mode, name in MODES:
        rows.append(("pinyin-pro %s (%s)" % (name, PINYIN_PRO_FORM[mode]), rate(pp[mode]), "1 x",
                     times(pp[mode] / literal), ""))

    seconds = process["median"]
    pr = process_hanzi / seconds
    vs_pp = pr / pp["tones"]
    ok = vs_pp >= MIN_PROCESS_VS_PINYIN_PRO
    failures += not ok
    rows.append(("zyf process, 20 MB GBK file, tones", rate(pr), times(vs_pp), times(pr / literal),
                 "%s >=40x pinyin-pro tones" % check(ok)))

    headers = ("measurement", "hanzi/s", "x pinyin-pro", "x literal", "targets")
    widths = [max(len(r[i]) for r in rows + [headers]) for i in range(5)]
    line = "  ".join("%-*s" % (widths[0], headers[0]) if i == 0 else "%*s" % (widths[i], headers[i])
                     if i < 4 else headers[i] for i in range(5))

    print("zyf benchmark: fortunes-zh (tang300, song100, chinese) as GBK, %s hanzi per run;"
          % format(hanzi, ","))
    print("pinyin-pro %s on node %s, same hanzi; literal search on a %s-hanzi slice."
          % (pp["version"], pp.get("node", "?"), format(int(medians["LiteralSearch"]["hanzi"]), ",")))
    print("In-process rates: wall time, median of %d repetitions; pinyin-pro: fastest of its runs;"
          % gb["benchmarks"][0].get("repetitions", 0))
    print("zyf process: median of hyperfine runs, %s hanzi, output to /dev/null." % format(process_hanzi, ","))
    print()
    print(line)
    print("-" * len(line))
    for r in rows:
        print("  ".join("%-*s" % (widths[0], r[0]) if i == 0 else "%*s" % (widths[i], r[i])
                        if i < 4 else r[i] for i in range(5)).rstrip())
    print()
    for label, rss, in_bytes, out_bytes in memory:
        limit = MEMORY_FACTOR * (in_bytes + out_bytes)
        ok = rss < limit
        failures += not ok
        print("peak memory, %s: max RSS %.1f MB; input %.1f MB + output %.1f MB, x4 = %.1f MB  %s"
              % (label, rss / 1e6, in_bytes / 1e6, out_bytes / 1e6, limit / 1e6, check(ok)))
    if os.path.exists(os.path.join(d, "agreement.json")):
        print()
        failures += phrases_report(d)
    if os.path.exists(os.path.join(d, "startup.json")):
        print()
        failures += startup_report(d)
    print()
    print("all targets met" if failures == 0 else "%d target(s) missed" % failures)
    return 0


def phrases_report(d):
    """Prints the agreement of zyf's readings with pinyin-pro's and the start-up of zyf with
    the phrase table; returns the number of targets missed."""
    with open(os.path.join(d, "agreement.json")) as f:
        agreement = json.load(f)
    failures = 0
    print("Readings equal to pinyin-pro %s's, per character (zyf --mixed against pinyin-pro in context,"
          % agreement["pinyin_pro"])
    print("line by line); pinyin-pro writes the tone changes of 一 and 不 in speech, zyf their citation tones.")
    print("%-56s %12s %12s %14s %14s  %s" % ("text", "default", "--phrases", "default w/o", "--phrases w/o",
                                            "target"))
    for corpus, label in (("manpages", "manpages-zh (zh_CN)"), ("fortunes", "fortunes-zh (tang300, song100, chinese)")):
        a = agreement[corpus]
        cells = []
        for mode in ("default", "phrases"):
            cells.append(100.0 * a[mode]["agree"] / a[mode]["hanzi"])
        for mode in ("default", "phrases"):
            cells.append(100.0 * a[mode]["agree_without_yi_bu"] / a[mode]["hanzi_without_yi_bu"])
        target = ""
        if corpus == "manpages":
            ok = cells[3] >= MIN_PHRASES_AGREEMENT
            failures += not ok
            target = "%s >=%.1f%% --phrases w/o 一 不" % (check(ok), MIN_PHRASES_AGREEMENT)
        print("%-56s %11.2f%% %11.2f%% %13.2f%% %13.2f%%  %s" % (
            "%s, %s hanzi" % (label, format(a["phrases"]["hanzi"], ",")), *cells, target))
    path = os.path.join(d, "zyf_startup.json")
    if os.path.exists(path):
        with open(path) as f:
            results = json.load(f)["results"]
        print()
        print("zyf start-up, converting five hanzi (hyperfine, median and spread of %d runs):" % len(results[0]["times"]))
        for r in results:
            m = r["median"] * 1000
            target = ""
            if r is results[1]:
                ok = m < MAX_PHRASES_STARTUP_MS
                failures += not ok
                target = "%s <%d ms" % (check(ok), MAX_PHRASES_STARTUP_MS)
            print("  %-60s %6.1f ms  %5.1f-%5.1f ms  %s" % (r["command"].replace(d + "/", ""), m,
                                                          r["min"] * 1000, r["max"] * 1000, target))
    return failures


# What happens before each step the program marks (ZYF_STARTUP_TRACE), in the words of the
# table; steps the program does not know are shown by their own names.
STEP_TEXT = {
    "winmain": "process start to WinMain: the exe and its DLLs loaded",
    "common-controls": "common controls initialised",
    "screen-metrics": "screen metrics read",
    "main-window-object": "main window object (fetchers, search box object)",
    "main-resources": "class, CreateWindowEx, fonts, brushes, pictures, icons, menus",
    "main-controls": "child windows and the box fonts",
    "layout": "frame laid out",
    "placeholder": "guidance text and keyboard focus (activation, IME)",
    "caption-timers": "caption and online timers",
    "config": "config.ini written (first start) or read (later start)",
    "first-conversion": "first conversion: reading index, table slots, output box",
    "groups": "one group per line",
    "tray-icon": "tray icon added",
    "(seen)_main_window_visible": "MAIN WINDOW SEEN VISIBLE (ShowWindow)",
    "main-erase": "main window background painted",
    "shown": "ShowWindow returns: child windows erased",
    "search-class": "search window class",
    "search-font": "search window created, its font",
    "search-labels": "drag strip, menu and close labels, shop frame",
    "search-controls": "search box controls, layout shown",
    "search-created": "search window creation returns",
    "search-page-written": "widget page written",
    "search-engine": "engine applied",
    "search-placed": "placed, transparency",
    "search-tray-icon": "search window tray icon",
    "search-balloon": "timer, balloon tip",
    "search-menu-feed": "menu feed (empty address: no request)",
    "(seen)_search_window_visible": "SEARCH WINDOW SEEN VISIBLE",
    "search-shown": "search window shown and switched to",
    "search-view-timer": "windows painted: the HTML view's timer comes",
    "html-ole-initialize": "OLE initialised (ole32 loaded)",
    "html-create-instance": "WebBrowser control created",
    "html-activate": "control activated in place",
    "search-html-view": "HTML view ready",
    "search-navigate": "HTML view pointed at the widget page",
    "search-window": "OpenSearchBox returns",
    "main-window-created": "start-up over: the message loop begins",
}


def median(values):
    return statistics.median(values) if values else None


def ms(value):
    return "-" if value is None else "%.0f ms" % value


def startup_report(d):
    """Prints the start-up table and the split; returns the number of targets missed."""
    with open(os.path.join(d, "startup.json")) as f:
        run = json.load(f)
    load = {}
    if os.path.exists(os.path.join(d, "startup_load.json")):
        with open(os.path.join(d, "startup_load.json")) as f:
            load = json.load(f)
    subjects = run["subjects"]
    minimal = next(s for s in subjects if not s["program"])
    yardstick = median(minimal["main_ms"])

    print("ziyinfang.exe start-up under Wine, from CreateProcess to the window visible: %d interleaved"
          % run["rounds"])
    print("rounds of each start beside the minimal window program (one 755 x 543 popup window);"
          " a clean exit between starts.")
    if load:
        print("Machine: %d CPUs, load average %s before and %s after; CPUs %.0f%% busy during the run,"
              " %.0f%% of it niced background work."
              % (load["cpus"], load["loadavg_before"], load["loadavg_after"], load["busy_percent"],
                 load["nice_percent"]))
    print()
    rows = []
    failures = 0
    for s in subjects:
        measures = [("main window", s["main_ms"])]
        if s["program"]:
            measures.append(("search window", s["search_ms"]))
        for what, values in measures:
            m = median(values)
            ratio = m / yardstick if m is not None and yardstick else None
            target = ""
            if s["program"] and not s["name"].startswith("baseline"):
                ok = ratio is not None and ratio <= MAX_STARTUP_VS_MINIMAL and not s["errors"]
                failures += not ok
                target = "%s <=%.1fx minimal" % (check(ok), MAX_STARTUP_VS_MINIMAL)
            spread = "%.0f-%.0f ms" % (min(values), max(values)) if values else "-"
            rows.append(("%s: %s" % (s["name"], what), ms(m), spread, "%.2f x" % ratio if ratio else "-",
                         "%d" % len(values), target))
    headers = ("start, to", "median", "spread", "x minimal", "runs", "target")
    widths = [max(len(r[i]) for r in rows + [headers]) for i in range(6)]
    line = "  ".join(("%-*s" if i == 0 else "%*s") % (widths[i], headers[i]) if i < 5 else headers[i]
                     for i in range(6))
    print(line)
    print("-" * len(line))
    for r in rows:
        print("  ".join(("%-*s" if i == 0 else "%*s") % (widths[i], r[i]) if i < 5 else r[i]
                        for i in range(6)).rstrip())
    for s in subjects:
        for error in sorted(set(s["errors"])):
            print("%s: %d start(s) failed: %s" % (s["name"], s["errors"].count(error), error))
    print()
    print("working set once idle (median): " + ", ".join(
        "%s %.1f MB" % (s["name"], median(s["working_set_bytes"]) / 1e6)
        for s in subjects if s["working_set_bytes"]))

    traced = [s for s in subjects if s["trace"] and not s["name"].startswith("baseline")]
    if traced:
        print()
        print("Where the time goes: ms after CreateProcess at the end of each step, median of %d traced"
              " starts (ZYF_STARTUP_TRACE),"
              % run["traced_starts"])
        print("and in brackets the time since the step before.")
        columns = [(s["name"], {t["step"]: median(t["ms"]) for t in s["trace"]}) for s in traced]
        program = next((c for c in columns if c[0] == "first start"), columns[0])[1]
        steps = sorted({step for _, c in columns for step in c},
                       key=lambda step: program.get(step, min(c.get(step, 1e9) for _, c in columns)))
        label_width = max(len(STEP_TEXT.get(step, step)) for step in steps)
        print("%-*s  %s" % (label_width, "step", "  ".join("%-19s" % name for name, _ in columns)))
        previous = {name: 0.0 for name, _ in columns}
        for step in steps:
            cells = []
            for name, c in columns:
                if step in c:
                    cells.append("%7.1f (%+7.1f)   " % (c[step], c[step] - previous[name]))
                    previous[name] = c[step]
                else:
                    cells.append("%19s" % "")
            print(("%-*s  %s" % (label_width, STEP_TEXT.get(step, step), "  ".join(cells))).rstrip())
    return failures


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--startup":
        missed = startup_report(sys.argv[2])
        print()
        print("all start-up targets met" if missed == 0 else "%d start-up target(s) missed" % missed)
        sys.exit(0)
    sys.exit(main(sys.argv[1]))
