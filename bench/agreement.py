#!/usr/bin/env python3
"""Agreement of zyf's readings with pinyin-pro's, character by character.

    agreement.py ZYF-MIXED-OUTPUT PINYIN-PRO-READINGS            one JSON object
    agreement.py ZYF-MIXED-OUTPUT PINYIN-PRO-READINGS --samples N
        the N most frequent disagreements (character, zyf, pinyin-pro, count) with a context

ZYF-MIXED-OUTPUT is `zyf --mixed` (UTF-8) of a text, PINYIN-PRO-READINGS the
"character TAB reading" lines of bench/pinyin_pro_readings.js for the same text. Both hold the
same hanzi in the same order; a character that one side does not see is skipped until the two
meet again. Readings are compared as the program spells them: ü as u, and jun1, jun4 as jūn,
jùn. 一 and 不 are counted apart, as pinyin-pro writes their tone changes in speech.
"""

import collections
import json
import sys

TONE_DIGITS = {"jun1": "jūn", "jun4": "jùn"}
WITHOUT_U_DIAERESIS = str.maketrans({"ü": "u", "ǖ": "ū", "ǘ": "ú", "ǚ": "ǔ", "ǜ": "ù"})


def norm(reading):
    return TONE_DIGITS.get(reading, reading).translate(WITHOUT_U_DIAERESIS)


def zyf_pairs(text):
    """(character, reading) of a --mixed result; a character without reading has ""."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if i + 1 < n and text[i + 1] == "（":
            j = text.index("）", i + 2)
            out.append((c, text[i + 2:j]))
            i = j + 1
        else:
            out.append((c, ""))
            i += 1
    return [p for p in out if p[0] not in "\r\n"]


def aligned(zyf, pp):
    """(index in zyf, zyf reading, pinyin-pro reading) of the characters both sides read."""
    j = 0
    for i, (c, r) in enumerate(zyf):
        k = j
        while k < len(pp) and pp[k][0] != c and k - j < 50:
            k += 1
        if k >= len(pp) or pp[k][0] != c:
            continue
        j = k + 1
        yield i, r, pp[k][1]


def main(argv):
    with open(argv[1], encoding="utf-8") as f:
        zyf = zyf_pairs(f.read())
    with open(argv[2], encoding="utf-8") as f:
        pp = [tuple(line.split("\t", 1)) for line in f.read().split("\n") if "\t" in line]
    if len(argv) > 3 and argv[3] == "--samples":
        limit = int(argv[4])
        counts = collections.Counter()
        context = {}
        for i, r, p in aligned(zyf, pp):
            if norm(r) != norm(p):
                key = (zyf[i][0], r, p)
                counts[key] += 1
                context.setdefault(key, "".join(c for c, _ in zyf[max(0, i - 4):i + 5]))
        total = sum(counts.values())
        print("%d disagreements" % total)
        for (c, r, p), n in counts.most_common(limit):
            print("%s\t%s\t%s\t%d\t%s" % (c, r, p, n, context[(c, r, p)]))
        return 0
    agree = total = agree_rest = total_rest = 0
    for i, r, p in aligned(zyf, pp):
        same = norm(r) == norm(p)
        total += 1
        agree += same
        if zyf[i][0] not in "一不":
            total_rest += 1
            agree_rest += same
    print(json.dumps({"hanzi": total, "agree": agree, "hanzi_without_yi_bu": total_rest,
                      "agree_without_yi_bu": agree_rest}))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
