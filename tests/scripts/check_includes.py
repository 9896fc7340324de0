#!/usr/bin/env python3
"""Checks every #include of every source against cmake/folder_dependencies.txt.

    check_includes.py SOURCE-DIR   fails, naming file and line, on each include that crosses
                                   a folder edge the table does not allow, and on a portable
                                   file that includes Windows headers
    check_includes.py --self-test  runs the check on small trees made for it
"""
import os
import re
import sys
import tempfile

TABLE = os.path.join("cmake", "folder_dependencies.txt")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
WINDOWS_HEADERS = {"windows.h", "windowsx.h", "commctrl.h", "wininet.h", "bcrypt.h", "shellapi.h", "ole2.h",
                   "exdisp.h", "mshtml.h", "urlmon.h", "objbase.h"}
SOURCE_ENDINGS = (".cpp", ".h", ".rc")


def read_table(root):
    allowed = {}
    with open(os.path.join(root, TABLE), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            folder, _, uses = line.partition(":")
            allowed[folder.strip()] = set(uses.split())
    return allowed


def is_win32_file(name):
    return re.search(r"_win32\.(cpp|h)$", name) is not None or name.endswith(".rc")


def check(root):
    allowed = read_table(root)
    problems = []
    for folder in sorted(allowed):
        top = os.path.join(root, folder)
        if not os.path.isdir(top):
            continue
        for dirpath, _, files in os.walk(top):
            for name in sorted(files):
                if not name.endswith(SOURCE_ENDINGS):
                    continue
                path = os.path.join(dirpath, name)
                rel = os.path.relpath(path, root)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        kind, target = m.groups()
                        where = f"{rel}:{number}"
                        if kind == "<":
                            if target.lower() in WINDOWS_HEADERS and not is_win32_file(name):
                                problems.append(f"{where}: portable file includes <{target}>; "
                                                "Windows code lives in *_win32 files")
                            continue
                        first = target.split("/", 1)[0]
                        if "/" not in target or first not in allowed:
                            continue  # a generated header of the build, or one beside the file
                        if first != folder and first not in allowed[folder]:
                            problems.append(f'{where}: {folder}/ may not include "{target}" '
                                            f"({folder} may use: {' '.join(sorted(allowed[folder])) or 'nothing'})")
                        elif target.endswith("_win32.h") and not is_win32_file(name):
                            problems.append(f'{where}: portable file includes "{target}"')
    return problems


def self_test():
    cases = [
        # (files, expected problem fragments)
        ({"text/a.h": '#include "pinyin/b.h"\n'}, ['text/a.h:1: text/ may not include "pinyin/b.h"']),
        ({"win32/x_win32.cpp": '#include <string>\n\n#include "shell/settings.h"\n'},
         ['win32/x_win32.cpp:3: win32/ may not include "shell/settings.h"']),
        ({"pinyin/p.cpp": '#include "text/gbk_text.h"\n#include "pinyin/p.h"\n#include "deployment.h"\n'}, []),
        ({"tools/t.cpp": '#  include <windows.h>\n'}, ["tools/t.cpp:1: portable file includes <windows.h>"]),
        ({"tools/t.cpp": '#include "win32/controls_win32.h"\n'}, ['tools/t.cpp:1: portable file includes']),
        ({"shell/s_win32.cpp": '#include "searchbox/x_win32.h"\n#include <windows.h>\n'}, []),
    ]
    failures = 0
    for files, expected in cases:
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, "cmake"))
            with open(os.path.join(root, TABLE), "w", encoding="utf-8") as f:
                f.write("# test table\ntext:\npinyin: text\nwin32: text\ntools: text pinyin win32\n"
                        "searchbox: text\nshell: text pinyin win32 tools searchbox\n")
            for rel, content in files.items():
                os.makedirs(os.path.dirname(os.path.join(root, rel)), exist_ok=True)
                with open(os.path.join(root, rel), "w", encoding="utf-8") as f:
                    f.write(content)
            got = check(root)
            ok = len(got) == len(expected) and all(e in g for e, g in zip(expected, got))
            if not ok:
                failures += 1
                print(f"self-test: {files} gave {got}, expected {expected}")
    return failures


def main():
    if sys.argv[1:] == ["--self-test"]:
        return 1 if self_test() else 0
    if len(sys.argv) != 2:
        print(__doc__.strip())
        return 2
    problems = check(sys.argv[1])
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
