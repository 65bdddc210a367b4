#!/usr/bin/env python3
"""Checks the catalogues in translations/ against the program's texts.

For each catalogue: lupdate over the program into a copy finds no text left unfinished or new;
every translation keeps its source's placeholders (%1..%9, %n), access-key marker and HTML tags;
lrelease compiles it without a warning; and hunspell for the language knows every word, but for
the reviewed names in tests/i18n/words_<lang>.txt. Prints each finding; exit status 1 on any.
Usage: check_catalogues.py SOURCE_ROOT [LANGUAGE...]   (default: every catalogue)
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

root = os.path.abspath(sys.argv[1])
os.chdir(root)
problems = []


def shell_array(name):
    """An array of scripts/translation-sources.sh, as bash sees it."""
    out = subprocess.run(["bash", "-c", 'source scripts/translation-sources.sh; printf "%s\\0" "${' + name + '[@]}"'],
                         check=True, capture_output=True, text=True).stdout
    return [x for x in out.split("\0") if x]


lupdate = shell_array("LUNARA_LUPDATE")[0]
lrelease = shell_array("LUNARA_LRELEASE")[0]
options = shell_array("LUNARA_LUPDATE_OPTIONS")
folders = shell_array("LUNARA_TEXT_FOLDERS")

PLACEHOLDER = re.compile(r"%(?:\d|n)")
TAG = re.compile(r"</?[a-zA-Z][^>]*>")


def access_keys(text):
    """How many access-key markers: an '&' before a character that is not another '&' or a blank."""
    return len(re.findall(r"(?<!&)&(?![&\s])", text.replace("&&", "")))


def texts(message):
    source = message.findtext("source") or ""
    translation = message.find("translation")
    forms = [f.text or "" for f in translation.findall("numerusform")] if translation is not None else []
    if translation is not None and not forms:
        forms = [translation.text or ""]
    return source, translation, forms


catalogues = sorted(f for f in os.listdir("translations") if re.fullmatch(r"lunara_[a-zA-Z_]+\.ts", f))
if len(sys.argv) > 2:
    catalogues = [f for f in catalogues if f[len("lunara_"):-len(".ts")] in sys.argv[2:]]
with tempfile.TemporaryDirectory() as work:
    for name in catalogues:
        language = name[len("lunara_"):-len(".ts")]
        copy = os.path.join(work, name)
        shutil.copy(os.path.join("translations", name), copy)
        subprocess.run([lupdate, *options, *folders, "-ts", copy], check=True, capture_output=True)
        tree = ET.parse(copy)
        words = []
        for context in tree.getroot().iter("context"):
            where = context.findtext("name")
            for message in context.iter("message"):
                source, translation, forms = texts(message)
                kind = translation.get("type") if translation is not None else "unfinished"
                if kind in ("obsolete", "vanished"):
                    continue
                label = f"{name}: {where}: {source!r}"
                if kind == "unfinished" or not any(forms):
                    problems.append(f"{label}: not translated")
                    continue
                for form in forms:
                    if sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))):
                        problems.append(f"{label}: placeholders differ in {form!r}")
                    if access_keys(form) != access_keys(source):
                        problems.append(f"{label}: access key differs in {form!r}")
                    if sorted(TAG.findall(form)) != sorted(TAG.findall(source)):
                        problems.append(f"{label}: tags differ in {form!r}")
                    words.append(form)
        # lrelease: any warning is a finding.
        result = subprocess.run([lrelease, copy, "-qm", os.path.join(work, language + ".qm")],
                                capture_output=True, text=True)
        for line in (result.stdout + result.stderr).splitlines():
            if re.search(r"warning|error|dropped", line, re.IGNORECASE):
                problems.append(f"{name}: lrelease: {line}")
        # Spelling, where the system has the dictionary of the language.
        dictionary = {"de": "de_DE", "fr": "fr_FR", "es": "es_ES", "pt_BR": "pt_BR", "it": "it_IT",
                      "ru": "ru_RU"}.get(language)
        if dictionary and words:
            text = "\n".join(TAG.sub(" ", PLACEHOLDER.sub(" ", w.replace("&&", "&").replace("&", ""))) for w in words)
            result = subprocess.run(["hunspell", "-d", dictionary, "-l"], input=text, capture_output=True,
                                    text=True)
            if result.returncode != 0 or "Can't open affix" in result.stderr:
                problems.append(f"{name}: hunspell -d {dictionary} failed: {result.stderr.strip()}")
            exceptions_file = os.path.join("tests", "i18n", f"words_{language}.txt")
            allowed = set()
            if os.path.exists(exceptions_file):
                with open(exceptions_file, encoding="utf-8") as f:
                    allowed = {line.split("#")[0].strip() for line in f} - {""}
            for word in sorted(set(result.stdout.split()) - allowed):
                problems.append(f"{name}: hunspell does not know {word!r}")

for p in problems:
    print(p)
print(f"{len(catalogues)} catalogues, {len(problems)} findings")
sys.exit(1 if problems else 0)
