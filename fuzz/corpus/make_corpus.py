#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target under fuzz/corpus/<target>/.

The seeds are small real inputs: the program's own config.ini and a saved one, a search
window's settings file, feed pages whose payloads the feed tool enciphered, and a little GBK
text made here with Python's gbk codec. Each seed starts with the bytes that the target reads
as its choices (see the target's source), then the text.

    fuzz/corpus/make_corpus.py ZYF_FEED

ZYF_FEED is the feed tool of a native build (build/native/zyf-feed).
"""

import pathlib
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent


def gbk(text):
    return text.encode("gbk")


def length_prefixed(data):
    assert len(data) < 256
    return bytes([len(data)]) + data


def encipher(feed_tool, plain, markers):
    """The feed tool's one line: start marker, hex payload, end marker (GBK markers)."""
    out = subprocess.run([feed_tool, "encode", "--markers", markers, "--encoding", "gbk"],
                         input=gbk(plain), capture_output=True, check=True)
    return out.stdout


def payload_only(feed_tool, plain, markers):
    line = encipher(feed_tool, plain, markers)
    start = line.index(b"]") + 1
    return line[start:line.index(b"[", start)]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    feed_tool = sys.argv[1]

    default_config = gbk("[general]\r\nfont_output=宋体\r\nfontsize_output=22\r\nfontcolor_output=0\r\n"
                         "pinyinopt=dsd\r\nshowhz=yes\r\n")
    saved_config = gbk("[general]\r\nfont_output=宋体\r\nfontsize_output=22\r\nfontcolor_output=255\r\n"
                       "pinyinopt=bdsd\r\nshowhz=no\r\nfont_input=微软雅黑\r\nfontsize_input=11\r\n"
                       "fontcolor_input=16711680\r\n")
    odd_config = gbk("; edited by hand\r\n[General]\r\n  FONT_INPUT = \"楷体\"  \r\nfontsize_input=１２．５号\r\n"
                     "fontcolor_input=-1e3\r\npinyinopt=DSD\r\nshowhz=\r\n[general]\r\nshowhz=yes\r\n")
    searchbox_ini = b"[general]\r\ntrans=37\r\nposition_left=566\r\nposition_top=664\r\nbox=dangdang\r\n"

    ad_plain = "[广告文本开始]新版上线[广告文本结束]\r\n[广告链接开始]https://www.example.com/new[广告链接结束]"
    menu_plain = "[菜单标题开始]淘宝特价[菜单标题结束][菜单链接开始]http://127.0.0.1/menu?a=1&b=2[菜单链接结束]"
    ad_page = b"<html><body><p>" + encipher(feed_tool, ad_plain, "ad") + b"</p></body></html>"
    menu_page = (b"<html><body>" + encipher(feed_tool, menu_plain, "menu").replace(b"&", b"&amp;")
                 + b"</body></html>")
    mini_page = gbk("<div>[联机信息开始][css网址开始]http://127.0.0.1/css.css[css网址结束]"
                    "[子夹1html内容开始]<p>今日&amp;amp;推荐</p>[子夹1html内容结束][联机信息结束]</div>")

    mixed_text = gbk("你好世界ABC１２３中国\r\n　丂 行绿，“中（zhōng）”～★ ") + b"\x80\xb0\xa1\xff\xb0"
    hanzi = gbk("中文形声字行绿丂龘")

    seeds = {
        "text_operations": {
            "replace-in-gbk": b"\x07\x05\x03" + length_prefixed(gbk("替")) + length_prefixed(b"") + mixed_text,
            "find-ignoring-case": b"\x01\x00\x09" + length_prefixed(b"") + length_prefixed(b"AMP;") + gbk("a&amp;AmP;中amp;"),
        },
        "hanzi_extraction": {"mixed": mixed_text, "hanzi": hanzi},
        "conversion": {
            "hanzi-only": b"\x00" + hanzi,
            "characters": b"\x01" + mixed_text,
            "input-box": b"\x02" + mixed_text,
        },
        "piecewise_conversion": {
            "lines": length_prefixed(b"\x05\x09\x02\x40") + gbk("中文\n你好 abc\n行绿\r\n丂中（ā）\n") + hanzi,
        },
        "feed_page": {
            "ad-page": b"\x00" + ad_page,
            "menu-page": b"\x03" + menu_page,
            "mini-info-page": b"\x03" + mini_page,
            "caption-of-plain-text": b"\x01" + gbk(ad_plain),
        },
        "feed_decoding": {
            "ad-payload": payload_only(feed_tool, ad_plain, "ad"),
            "menu-payload": payload_only(feed_tool, menu_plain, "menu"),
            "plain-text": b"\x01" + length_prefixed(b"zavk") + gbk(ad_plain),
        },
        "ini_file": {
            "default-config": bytes([0, 0, 0, 0, 0, 0x13, 0x02, 3]) + b"dsd" + b"\x00" + b"\x04\x05\x06\x07\x08\x01"
                              + default_config,
            "hand-edited": bytes([1, 2, 1, 3, 7, 0x21, 0x0f, 4]) + b" \"x\"" + b"\x02ab" + b"\x00\x01\x02\x03\x04\x05"
                           + odd_config,
        },
        "config_settings": {"default": default_config, "saved": saved_config, "hand-edited": odd_config},
        "searchbox_settings": {
            # flags 2: the file exists; then screen width, height, work area bottom, window w and h.
            "saved": b"\x02" + b"".join(v.to_bytes(4, "big") for v in (1366, 768, 728, 234, 62)) + searchbox_ini,
        },
        "text_number": {
            "fraction": b"\x00  12.9px",
            "full-width": b"\x00" + gbk("１２．９号"),
            "made-full-width": b"\xff-2147483649.5e0",
            "exponent": b"\x00+1.5E+3",
        },
        "gbk_codec": {"utf-8": ("中文，ǖ €😀 " + "行").encode("utf-8"), "gbk": mixed_text},
        "text_box": {
            # seed, width, tab stop; then steps: set text, type, move, undo, re-wrap, delete.
            "editing": bytes([7, 40, 8, 0, 5, 18, 8, 9, 10, 1, 3, 1, 1, 8, 0, 7, 2, 1, 9, 4, 11, 20, 4, 3, 5, 6, 9, 2]),
            "mixed-groups": bytes([3, 12, 0, 0, 6, 19, 19, 5, 19, 8, 2, 6, 2, 30, 11, 9, 0, 0, 4, 4, 9, 9]),
        },
    }
    for target, files in seeds.items():
        folder = HERE / target
        folder.mkdir(exist_ok=True)
        for name, data in files.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
