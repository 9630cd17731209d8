#!/usr/bin/env python3
"""Keeps the launcher's Qt Linguist sources, ui-client/launcher/texts/ts/*.ts,
in step with the string table (ui-client/launcher/texts/strtab.cpp).

The .ts files are the maintained source of the translations: translators edit
them (by hand or in Qt Linguist) and the build compiles them as committed.
This tool never changes a translation. It adds a message for each text of the
table that a catalogue lacks, at the table's position (English keeps the
text, the three texts the launcher itself shows take theirs from SHOWN, any
other language gets an unfinished, empty translation for its translator), and
writes a missing catalogue from scratch. Everything else that does not match
the table is reported and left for a person to settle, since deciding it
needs a translator: messages whose source the table no longer has, messages
out of the table's order, doubled sources, other contexts, a shown text that
differs from SHOWN, and a language attribute (the catalogues carry no language
section).

Usage: tools/make-ts.py [--check] [--strtab FILE] [--ts-dir DIR]
  --check  write nothing; exit 1 if any catalogue differs from the table.
Exit status: 0 in step, 1 drift (with --check, or left for a person to
settle), 2 bad input.
"""

import argparse
import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TEXTS = os.path.join(ROOT, "ui-client", "launcher", "texts")

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


class BadInput(Exception):
    pass


def unescape_c(literal):
    if "\\" in literal:
        raise BadInput("backslash in a string table text: %r" % literal)
    return literal


def read_texts(path):
    """The distinct source texts of the string table, in id order."""
    with open(path, encoding="ascii") as f:
        source = f.read()
    constants = {}
    for m in re.finditer(r"const char \*const (kText\w+)\s*=\s*" + C_STRING + ";", source):
        constants[m.group(1)] = unescape_c(m.group(2))
    texts = []
    entries = 0
    for m in re.finditer(r"^\s*STR\((\w+),\s*(?:" + C_STRING + r"|(kText\w+))\);", source, re.M):
        entries += 1
        if m.group(2) is not None:
            text = unescape_c(m.group(2))
        elif m.group(3) in constants:
            text = constants[m.group(3)]
        else:
            raise BadInput("%s: %s is not a text constant of the file" % (path, m.group(3)))
        if text not in texts:
            texts.append(text)
    # An entry written in a form the pattern misses would silently lose its
    # message: compare with every STR( the file holds.
    written = len(re.findall(r"(?<!define )\bSTR\(", source))
    if entries != written:
        raise BadInput("%s: read %d of the %d STR entries; keep one entry per line"
                       % (path, entries, written))
    for needed in (APP_NAME, PREPARING, READY):
        if needed not in texts:
            raise BadInput("%s lacks %r" % (path, needed))
    return texts


def new_translation(code, text):
    shown = {APP_NAME: APP_NAME, PREPARING: SHOWN[code][0], READY: SHOWN[code][1]}
    if text in shown:
        return shown[text]
    return text if code == "enu" else None


def message_block(code, text):
    translation = new_translation(code, text)
    if translation is None:
        line = '        <translation type="unfinished"></translation>'
    else:
        line = "        <translation>%s</translation>" % escape(translation)
    return "".join(["    <message>\n",
                    "        <source>%s</source>\n" % escape(text),
                    line + "\n",
                    "    </message>\n"])


def new_catalogue(code, texts):
    return "".join(['<?xml version="1.0" encoding="utf-8"?>\n',
                    "<!DOCTYPE TS>\n",
                    '<TS version="2.1">\n',
                    "<context>\n",
                    "    <name>global</name>\n"]
                   + [message_block(code, text) for text in texts]
                   + ["</context>\n", "</TS>\n"])


def read_catalogue(raw):
    """[(source, translation or None, unfinished)] and the character spans
    of the message elements in raw, plus everything else worth reporting."""
    root = ET.fromstring(raw.encode("utf-8"))
    notes = []
    if root.tag != "TS":
        raise BadInput("the root element is <%s>, not <TS>" % root.tag)
    if root.get("language") is not None:
        notes.append('<TS> carries language="%s": remove it, the catalogues carry no '
                     "language section" % root.get("language"))
    contexts = root.findall("context")
    names = [c.findtext("name") for c in contexts]
    if names != ["global"]:
        notes.append("contexts %s: all messages belong in the one context \"global\"" % names)
    messages = []
    for context in contexts:
        for m in context.findall("message"):
            t = m.find("translation")
            unfinished = t is None or t.get("type") in ("unfinished", "vanished", "obsolete")
            messages.append((m.findtext("source") or "", None if t is None else (t.text or ""),
                             unfinished))
    spans = [(m.start(), m.end()) for m in
             re.finditer(r"^[ \t]*<message\b.*?</message>[ \t]*\n?", raw, re.S | re.M)]
    if len(spans) != len(messages):
        raise BadInput("found %d <message> elements but %d message blocks; keep one "
                       "element per block" % (len(messages), len(spans)))
    return messages, spans, notes


def update(code, raw, texts):
    """The catalogue with the missing messages added, and the drift found."""
    messages, spans, drift = read_catalogue(raw)
    sources = [m[0] for m in messages]
    table = set(texts)
    seen = set()
    for source in sources:
        if source in seen:
            drift.append("doubled source %r" % source)
        seen.add(source)
    for source in sources:
        if source not in table:
            drift.append("source the string table no longer has: %r" % source)
    kept = [s for s in sources if s in table]
    if kept != [t for t in texts if t in seen]:
        drift.append("messages are not in the string table's order")
    translation_of = {m[0]: m[1] for m in messages}
    for text in (PREPARING, READY):
        wanted = new_translation(code, text)
        if text in translation_of and translation_of[text] != wanted:
            drift.append("shown text %r reads %r, not %r" % (text, translation_of[text], wanted))

    # Each missing message goes right after the nearest earlier text of the
    # table that the file holds, or before the first message.
    inserts = {}
    end_of = {s: spans[i][1] for i, s in enumerate(sources)}
    if spans:
        anchor = spans[0][0]
    else:
        name_end = re.search(r"<name>global</name>[ \t]*\n", raw)
        if name_end is None:
            raise BadInput("no message and no context \"global\" to add one to")
        anchor = name_end.end()
    missing = []
    for text in texts:
        if text in end_of:
            anchor = end_of[text]
        else:
            missing.append(text)
            inserts.setdefault(anchor, []).append(message_block(code, text))
    for text in missing:
        drift.append("missing message %r" % text)
    out = raw
    for offset in sorted(inserts, reverse=True):
        out = out[:offset] + "".join(inserts[offset]) + out[offset:]
    unfinished = sum(1 for m in messages if m[2] or not m[1]) + sum(
        1 for t in missing if new_translation(code, t) is None)
    return out, drift, len(missing), unfinished


def main(argv):
    parser = argparse.ArgumentParser(description="Add new string table texts to the .ts catalogues.")
    parser.add_argument("--check", action="store_true", help="write nothing; exit 1 on drift")
    parser.add_argument("--strtab", default=os.path.join(TEXTS, "strtab.cpp"))
    parser.add_argument("--ts-dir", default=os.path.join(TEXTS, "ts"))
    args = parser.parse_args(argv)

    try:
        texts = read_texts(args.strtab)
    except (OSError, BadInput) as e:
        print("make-ts: %s" % e, file=sys.stderr)
        return 2
    status = 0
    unsettled = False
    for code in LANGUAGES:
        path = os.path.join(args.ts_dir, code + ".ts")
        name = os.path.relpath(path, ROOT) if path.startswith(ROOT + os.sep) else path
        try:
            with open(path, encoding="utf-8") as f:
                raw = f.read()
        except FileNotFoundError:
            print("make-ts: %s: missing catalogue" % name)
            status = 1
            if not args.check:
                os.makedirs(args.ts_dir, exist_ok=True)
                with open(path, "w", encoding="utf-8") as f:
                    f.write(new_catalogue(code, texts))
                print("make-ts: %s: written with %d messages" % (name, len(texts)))
            continue
        try:
            out, drift, added, unfinished = update(code, raw, texts)
        except (ET.ParseError, BadInput) as e:
            print("make-ts: %s: %s" % (name, e), file=sys.stderr)
            return 2
        for line in drift:
            print("make-ts: %s: %s" % (name, line))
        if drift:
            status = 1
        if added and not args.check:
            with open(path, "w", encoding="utf-8") as f:
                f.write(out)
            print("make-ts: %s: added %d message(s)" % (name, added))
        # What adding cannot settle is left for a person.
        if len(drift) > added:
            unsettled = True
        if unfinished:
            print("make-ts: %s: %d message(s) still to translate" % (name, unfinished))
    print("make-ts: %d texts, %d catalogues, %s" % (
        len(texts), len(LANGUAGES),
        "in step" if status == 0 else ("out of step" if args.check or unsettled else "updated")))
    if args.check or unsettled:
        return status
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
