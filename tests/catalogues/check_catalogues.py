#!/usr/bin/env python3
"""Every catalogue (translations/ossaric_LANG.ts) is complete and in step with the source.

A text added to or changed in the source, without the catalogues updated and translated, fails
here, naming each entry and how to mend it. Also checked: no entry unfinished or empty, the same
%1, %2 ... and %n in every translation as in its English text, one plural form per form the
language has, and the catalogue list in translations/CMakeLists.txt matching the files.

usage: check_catalogues.py SOURCE_DIR [LUPDATE]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

HOW = ("To mend it: run scripts/update-translations.sh, then translate every entry marked "
       "type=\"unfinished\" in each translations/ossaric_LANG.ts (Qt Linguist or a text editor) "
       "and build again; README.md, \"Translations\", says more.")


def entries(path):
    """(context, source) -> (translation forms, unfinished) for every message of a .ts file."""
    out = {}
    for ctx in ET.parse(path).getroot().findall("context"):
        name = ctx.findtext("name")
        for msg in ctx.findall("message"):
            tr = msg.find("translation")
            kind = tr.get("type", "") if tr is not None else "unfinished"
            if msg.get("numerus") == "yes":
                forms = [f.text or "" for f in tr.findall("numerusform")]
            else:
                forms = [tr.text or ""] if tr is not None else [""]
            out[(name, msg.findtext("source"))] = (forms, kind in ("unfinished", "vanished", "obsolete"))
    return out


def placeholders(text):
    return sorted(set(re.findall(r"%(?:n|[1-9])", text)))


def main():
    source = os.path.abspath(sys.argv[1])
    lupdate = sys.argv[2] if len(sys.argv) > 2 else (shutil.which("lupdate") or "/usr/lib/qt6/bin/lupdate")
    folder = os.path.join(source, "translations")
    files = sorted(f for f in os.listdir(folder) if f.startswith("ossaric_") and f.endswith(".ts"))
    languages = [f[len("ossaric_"):-len(".ts")] for f in files]
    problems = []

    listed = re.search(r"set\(OSSARIC_LANGUAGES ([^)]*)\)", open(os.path.join(folder, "CMakeLists.txt")).read())
    listed = listed.group(1).split() if listed else []
    if sorted(listed) != sorted(languages):
        problems.append(f"translations/CMakeLists.txt lists {' '.join(listed)} but the catalogues are "
                        f"{' '.join(languages)}: add the language to OSSARIC_LANGUAGES")

    plural_forms = {"ja": 1, "zh_CN": 1, "zh_TW": 1, "ko": 1, "tr": 1, "pl": 3, "ru": 3, "uk": 3,
                    "cs": 3, "ar": 6}
    with tempfile.TemporaryDirectory() as tmp:
        for name, language in zip(files, languages):
            kept = os.path.join(folder, name)
            fresh = os.path.join(tmp, name)
            shutil.copy(kept, fresh)
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-target-language",
                            language, os.path.join(source, "src"), os.path.join(source, "tools", "artgen"),
                            "-ts", fresh], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            have, want = entries(kept), entries(fresh)
            for key in sorted(set(want) - set(have)):
                problems.append(f"{name}: the source has a new or changed text [{key[0]}] {key[1]!r}")
            for key in sorted(set(have) - set(want)):
                problems.append(f"{name}: the text [{key[0]}] {key[1]!r} is no longer in the source")
            for key, (forms, unfinished) in sorted(want.items()):
                if key not in have:
                    continue
                label = f"{name}: [{key[0]}] {key[1]!r}"
                if unfinished:
                    problems.append(f"{label} is unfinished")
                    continue
                if any(not f.strip() for f in forms):
                    problems.append(f"{label} has an empty translation")
                    continue
                if len(forms) > 1 or "%n" in key[1]:
                    expected = plural_forms.get(language, 2)
                    if len(forms) != expected:
                        problems.append(f"{label} has {len(forms)} plural forms, {language} needs {expected}")
                for form in forms:
                    if placeholders(form) != placeholders(key[1]):
                        problems.append(f"{label}: the translation {form!r} has {placeholders(form)}, "
                                        f"the English text {placeholders(key[1])}")
    if problems:
        print(f"{len(problems)} catalogue problem(s):")
        for p in problems:
            print("  " + p)
        print(HOW)
        return 1
    print(f"ok: {len(files)} catalogues complete and in step with the source")
    return 0


if __name__ == "__main__":
    sys.exit(main())
