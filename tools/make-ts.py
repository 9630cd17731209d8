#!/usr/bin/env python3
"""Writes the launcher's Qt Linguist sources, ui-client/launcher/texts/ts/*.ts.

The messages are the distinct English texts of the string table
(ui-client/launcher/texts/strtab.cpp), in id order, all in the context
"global". The texts the launcher itself shows get their translations from
SHOWN below; every other message carries its English text until it is
translated. Run it after changing a text in strtab.cpp and commit the result:
the build compiles the committed .ts files.

Usage: tools/make-ts.py [--check]
  --check  write nothing; exit 1 if a committed .ts file is out of date.
"""

import os
import re
import sys
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STRTAB = os.path.join(ROOT, "ui-client", "launcher", "texts", "strtab.cpp")
TS_DIR = os.path.join(ROOT, "ui-client", "launcher", "texts", "ts")

# In the order of the language ids.
LANGUAGES = ["enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
             "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy"]

APP_NAME = "Skylet Backup"
PREPARING = "Skylet Backup is initializing..."
READY = "Skylet Backup is ready."

# code -> (text while the copy is prepared, text once it is ready)
SHOWN = {
    "enu": ("Skylet Backup is initializing...", "Skylet Backup is ready."),
    "cht": ("Skylet Backup 準備中...", "Skylet Backup 準備完成"),
    "chs": ("Skylet Backup 正在初始化...", "Skylet Backup 已就绪。"),
    "jpn": ("Skylet Backup は初期化中です。", "Skylet Backup は準備完了です。"),
    "deu": ("Skylet Backup wird initialisiert ...", "Skylet Backup ist bereit."),
    "krn": ("Skylet Backup 초기화 중...", "Skylet Backup 사용 준비가 되었습니다."),
    "fra": ("Skylet Backup est en cours d'initialisation...", "Skylet Backup est prêt."),
    "ita": ("Skylet Backup sta inizializzando...", "Skylet Backup pronta."),
    "esn": ("Skylet Backup se está inicializando...", "Skylet Backup está lista."),
    "ptb": ("O Skylet Backup está sendo inicializado...", "O Skylet Backup está pronto."),
    "rus": ("Skylet Backup выполняет инициализацию...", "Skylet Backup готов."),
    "dan": ("Skylet Backup initialiserer...", "Skylet Backup er klar."),
    "nor": ("Skylet Backup starter opp...", "Skylet Backup er klar."),
    "sve": ("Skylet Backup initialiserar...", "Skylet Backup är klar."),
    "nld": ("Skylet Backup is bezig met initialisatie...", "Skylet Backup is gereed."),
    "plk": ("Aplikacja Skylet Backup jest inicjowana...", "Aplikacja Skylet Backup jest gotowa."),
    "hun": ("A Skylet Backup inicializálása folyamatban...", "Skylet Backup készen áll."),
    "ptg": ("Skylet Backup a iniciar...", "Skylet Backup pronta."),
    "trk": ("Skylet Backup başlıyor...", "Skylet Backup hazır."),
    "csy": ("Skylet Backup se inicializuje...", "Skylet Backup je připravena."),
}

C_STRING = r'"((?:[^"\\]|\\.)*)"'


def unescape_c(literal):
    if "\\" in literal:
        sys.exit("make-ts: backslash in a string table text: %r" % literal)
    return literal


def read_texts(path):
    """The distinct source texts of the string table, in id order."""
    with open(path, encoding="ascii") as f:
        source = f.read()
    constants = {}
    for m in re.finditer(r"const char \*const (kText\w+)\s*=\s*" + C_STRING + ";", source):
        constants[m.group(1)] = unescape_c(m.group(2))
    texts = []
    ids = 0
    for m in re.finditer(r"^\s*STR\((\w+),\s*(?:" + C_STRING + r"|(kText\w+))\);", source, re.M):
        ids += 1
        text = unescape_c(m.group(2)) if m.group(2) is not None else constants[m.group(3)]
        if text not in texts:
            texts.append(text)
    if ids != 174:
        sys.exit("make-ts: found %d string table entries, expected 174" % ids)
    for needed in (APP_NAME, PREPARING, READY):
        if needed not in texts:
            sys.exit("make-ts: the string table lacks %r" % needed)
    return texts


def render(code, texts):
    preparing, ready = SHOWN[code]
    translated = {APP_NAME: APP_NAME, PREPARING: preparing, READY: ready}
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!DOCTYPE TS>",
             # No language attribute: the catalogue then carries no language,
             # plural-rule or dependency section, only hashes and messages.
             '<TS version="2.1">',
             "<context>",
             "    <name>global</name>"]
    for text in texts:
        lines += ["    <message>",
                  "        <source>%s</source>" % escape(text),
                  "        <translation>%s</translation>" % escape(translated.get(text, text)),
                  "    </message>"]
    lines += ["</context>", "</TS>", ""]
    return "\n".join(lines)


def main():
    check = sys.argv[1:] == ["--check"]
    texts = read_texts(STRTAB)
    stale = []
    os.makedirs(TS_DIR, exist_ok=True)
    for code in LANGUAGES:
        path = os.path.join(TS_DIR, code + ".ts")
        content = render(code, texts)
        try:
            with open(path, encoding="utf-8") as f:
                current = f.read()
        except FileNotFoundError:
            current = None
        if current == content:
            continue
        stale.append(path)
        if not check:
            with open(path, "w", encoding="utf-8") as f:
                f.write(content)
    if check and stale:
        print("make-ts: out of date: " + ", ".join(stale))
        return 1
    print("make-ts: %d messages, %d catalogues%s" % (
        len(texts), len(LANGUAGES), "" if check else ", %d written" % len(stale)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
