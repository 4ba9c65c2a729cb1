#!/usr/bin/env python3
"""Makes the pseudo-language catalogue from the German one's entries (any catalogue will do: only
the English texts are used): every letter traded for an accented look-alike, every text
bracketed and lengthened by about 40 %, so that a screen shows at once any text left in English
and any place a longer translation would overflow. Placeholders (%1, %n), tags (<b>) and
mnemonics (&) are kept.

usage: pseudo.py IN.ts OUT.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

LOWER = "áƀçďéƒğĥíĵķľɱñőþʠŕšŧűṽŵẋýž"
UPPER = "ÁƁÇĎÉƑĞĤÍĴĶĽṀÑŐÞɊŔŠŦŰṼŴẊÝŽ"
TABLE = str.maketrans("abcdefghijklmnopqrstuvwxyz" + "ABCDEFGHIJKLMNOPQRSTUVWXYZ", LOWER + UPPER)
KEEP = re.compile(r"(%[1-9n]|<[^>]*>|&[a-z]+;)")


def pseudo(text):
    parts = KEEP.split(text)
    body = "".join(p if KEEP.fullmatch(p) else p.translate(TABLE) for p in parts)
    lines = body.split("\n")
    longest = max(len(line) for line in lines)
    pad = "·" * max(1, math.ceil(longest * 0.4))
    return "\n".join("[" + line + pad + "]" if line.strip() else line for line in lines)


def main():
    tree = ET.parse(sys.argv[1])
    root = tree.getroot()
    root.set("language", "eo")
    for msg in root.iter("message"):
        source = msg.findtext("source")
        tr = msg.find("translation")
        tr.attrib.pop("type", None)
        for child in list(tr):
            tr.remove(child)
        if msg.get("numerus") == "yes":
            tr.text = None
            for _ in range(2):
                ET.SubElement(tr, "numerusform").text = pseudo(source)
        else:
            tr.text = pseudo(source)
    tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
