#!/usr/bin/env python3
"""Prints the one table of `make bench` from the measurements scripts/bench collected.

    report.py DIR    reads DIR/gbench.json (Google Benchmark), DIR/pinyin_pro.json,
                     DIR/process.json (hyperfine), DIR/process.hanzi, DIR/memory.tsv

Targets: every ConvertText mode and layout at least 50 million hanzi/s, 60 times pinyin-pro
in the matching form and 1,000 times the literal search; the zyf process at least 40 times
pinyin-pro's in-process rate; zyf's peak memory under 4 x (input + output).
"""

import json
import os
import sys

MIN_RATE = 50e6
MIN_VS_PINYIN_PRO = 60
MIN_VS_LITERAL = 1000
MIN_PROCESS_VS_PINYIN_PRO = 40
MEMORY_FACTOR = 4

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
    print()
    print("all targets met" if failures == 0 else "%d target(s) missed" % failures)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
