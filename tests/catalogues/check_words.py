#!/usr/bin/env python3
"""What the catalogues and help pages say is right in every language, beyond being complete.

- Every help page (resources/help/LANG/bexil.hlp) has the English page's sections in the same
  order and names the same keys in its Keys section (each <kbd>, by its title when it has one:
  <kbd title="Ctrl+R">Strg+R</kbd>), so that no language learns fewer keys.
- Each menu's mnemonics are distinct and stand on a letter of the word, never on one that the
  language's usual keyboard cannot type without a dead key or a second level.
- French puts a non-breaking space (U+00A0 or U+202F) before : ; ! ? and inside « », never a
  plain one, and never none.

usage: check_words.py SOURCE_DIR [LANGUAGES...]   (the languages default to every catalogue)
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

# Letters each language's usual keyboard types with one key, beyond the Latin a-z.
DIRECT = {
    "de": "äöüß", "fr": "éèàùç", "es": "ñç", "pt_BR": "ç", "it": "èéàòùì", "nl": "", "pl": "",
    "sv": "åäö", "cs": "ěščřžýáíéůú", "tr": "çğıöşü",
    "ru": "абвгдеёжзийклмнопрстуфхцчшщъыьэюя", "uk": "абвгґдеєжзиіїйклмнопрстуфхцчшщьюя",
    "ar": "ابتثجحخدذرزسشصضطظعغفقكلمنهويءآأإةىؤئ",
}
CJK = {"ja", "zh_CN", "zh_TW", "ko"}  # mnemonics as "(&X)" on a Latin letter


def page(source, language):
    path = os.path.join(source, "resources", "bexil.hlp") if language == "en" else \
        os.path.join(source, "resources", "help", language, "bexil.hlp")
    return open(path, encoding="utf-8").read() if os.path.exists(path) else None


def sections(text):
    return re.findall(r'<h2><a name="([^"]+)"', text)


def keys(text):
    m = re.search(r'<a name="keys"></a>(.*?)<h2>', text, re.S)
    body = m.group(1) if m else ""
    out = []
    for attrs, inner in re.findall(r"<kbd([^>]*)>(.*?)</kbd>", body, re.S):
        title = re.search(r'title="([^"]*)"', attrs)
        out.append(title.group(1) if title else inner)
    return out


def menus(source):
    """[(menu name, [(context, English text)])] as the window builds them."""
    text = open(os.path.join(source, "src", "desktop", "qt", "main_window.cpp"), encoding="utf-8").read()
    block = text[text.index("kMenuBar["):text.index("};", text.index("kMenuBar["))]
    out, bar = [], []
    for context, english in re.findall(r'QT_TRANSLATE_NOOP\("(\w+)", "([^"]+)"\)', block):
        if context == "Menus":
            bar.append((context, english))
            out.append((english, []))
        else:
            out[-1][1].append((context, english))
    extra = re.findall(r'translate\("Menu", "([^"]+)"\)', text)
    window = open(os.path.join(source, "src", "ui", "yacht_window.cpp"), encoding="utf-8").read()
    opponents = re.findall(r'QT_TRANSLATE_NOOP\("Menu", "([^"]+)"\)', window)
    game = [("Menu", e) for e in extra if e in ("&Best Move", "Re&view of the Last Game")]
    out[0][1].extend(game + [("Menu", e) for e in opponents])
    bar.append(("Menu", "&Options"))
    out.append(("&Options", [("Menu", "&Language")]))
    return [("menu bar", bar)] + out


def catalogue(path):
    out = {}
    for ctx in ET.parse(path).getroot().findall("context"):
        for msg in ctx.findall("message"):
            tr = msg.find("translation")
            forms = [f.text or "" for f in tr.findall("numerusform")] if msg.get("numerus") == "yes" \
                else [tr.text or ""]
            out[(ctx.findtext("name"), msg.findtext("source"))] = forms
    return out


def mnemonic(text):
    m = re.search(r"&(.)", text.replace("&&", ""))
    return m.group(1) if m else None


def check_menus(language, words, tree, problems):
    for name, items in tree:
        seen = {}
        for key in items:
            text = key[1] if language == "en" else words.get(key, [""])[0]
            letter = mnemonic(text)
            where = f"{language}: menu {name!r}, item {text!r}"
            if letter is None:
                problems.append(f"{where} has no mnemonic")
                continue
            low = letter.lower()
            if language in CJK:
                if not re.search(r"\(&[A-Za-z]\)", text):
                    problems.append(f"{where}: the mnemonic should be \"(&X)\" on a Latin letter")
            elif not (("a" <= low <= "z") or low in DIRECT.get(language, "")):
                problems.append(f"{where}: the mnemonic {letter!r} cannot be typed directly on the "
                                f"usual {language} keyboard")
            if low in seen:
                problems.append(f"{where}: the mnemonic {letter!r} is also {seen[low]!r}'s")
            seen[low] = text


def check_french(words, problems):
    for key, forms in words.items():
        for form in forms:
            for m in re.finditer(r"(.)([:;!?»])", form):
                before, mark = m.group(1), m.group(2)
                if before in "\u00a0\u202f":
                    continue
                if mark == ":" and before in "%0123456789/" :
                    continue  # "%1:%2", a time, a path
                if before == " ":
                    problems.append(f"fr: [{key[0]}] {form!r}: a plain space before {mark!r}; write a "
                                    "non-breaking one")
                elif mark in ":;!?»" and before.isalpha() or before in "»)\"’":
                    problems.append(f"fr: [{key[0]}] {form!r}: no space before {mark!r}")
            if re.search(r"« ", form) or re.search(r"«[^\u00a0\u202f]", form):
                problems.append(f"fr: [{key[0]}] {form!r}: « takes a non-breaking space after it")


def main():
    source = os.path.abspath(sys.argv[1])
    folder = os.path.join(source, "translations")
    languages = sys.argv[2:] or sorted(f[8:-3] for f in os.listdir(folder)
                                        if f.startswith("ossaric_") and f.endswith(".ts"))
    problems = []
    english = page(source, "en")
    want_sections, want_keys = sections(english), keys(english)
    tree = menus(source)
    check_menus("en", {}, tree, problems)
    for language in languages:
        text = page(source, language)
        if text is None:
            problems.append(f"{language}: no help page resources/help/{language}/bexil.hlp")
        else:
            if sections(text) != want_sections:
                problems.append(f"{language}: the help page's sections are {sections(text)}, the English "
                                f"page's {want_sections}")
            if keys(text) != want_keys:
                missing = [k for k in want_keys if k not in keys(text)]
                extra = [k for k in keys(text) if k not in want_keys]
                problems.append(f"{language}: the help page's Keys section names {keys(text)}, the "
                                f"English {want_keys} (missing {missing}, not in English {extra})")
        words = catalogue(os.path.join(folder, f"ossaric_{language}.ts"))
        check_menus(language, words, tree, problems)
        if language == "fr":
            check_french(words, problems)
    if problems:
        print(f"{len(problems)} problem(s) in the words:")
        for p in problems:
            print("  " + p)
        return 1
    print(f"ok: help pages, mnemonics and typography of {len(languages)} languages")
    return 0


if __name__ == "__main__":
    sys.exit(main())
