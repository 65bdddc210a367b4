#!/usr/bin/env python3
"""Writes a pseudo-language catalogue from a catalogue's source texts, for the fit checks: every text
40 % longer and with accents above and below ("[Ḿóóñ Ḿáǵíćḱ ~~~~]"), placeholders (%1, %n), access
keys (&x), HTML tags and line breaks kept, so that a window shows where a longer language will not fit.
Usage: pseudo_translate.py IN.ts OUT.ts"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip("aeiouyAEIOUYcnszgkmdCNSZGKMD",
                    "áéíóúýÁÉÍÓÚÝćńśźǵḱḿḍĆŃŚŹǴḰḾḌ"))
KEEP = re.compile(r"(%\d|%n|&&|&.|<[^>]+>|\n)")


def pseudo(text):
    body = "".join(part if KEEP.fullmatch(part) else "".join(ACCENTED.get(c, c) for c in part)
                   for part in KEEP.split(text) if part)
    # 40 % longer than the source, brackets and padding included; the padding in words of five,
    # so that it wraps as a longer language's words would.
    pad = max(1, (len(text) * 14 + 9) // 10 - len(body) - 3)
    padding = " ".join("~" * min(5, pad - i) for i in range(0, pad, 6))
    return "[" + body + " " + padding + "]"


tree = ET.parse(sys.argv[1])
root = tree.getroot()
root.set("language", "eo")  # a language Lunara has no catalogue for
for message in root.iter("message"):
    source = message.findtext("source") or ""
    translation = message.find("translation")
    if translation is None:
        translation = ET.SubElement(message, "translation")
    translation.attrib.pop("type", None)
    for form in list(translation):
        translation.remove(form)
    if message.get("numerus") == "yes":
        for _ in range(3):  # as many forms as any language has
            ET.SubElement(translation, "numerusform").text = pseudo(source)
    else:
        translation.text = pseudo(source)
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
