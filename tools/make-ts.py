#!/usr/bin/env python3
"""Keeps the launcher's Qt Linguist sources, ui-client/launcher/texts/ts/*.ts,
in step with the string table (ui-client/launcher/texts/strtab.cpp).

The .ts files are the maintained source of the translations: translators edit
them (by hand or in Qt Linguist) and the build compiles them as committed.
This tool never changes a translation. It adds a message for each text of the
table that a catalogue lacks, at the table's position (English keeps the
text, the texts the progress dialog shows take theirs from
ui-client/launcher/texts/shown-texts.json, any other language gets an
unfinished, empty translation for its translator), writes a missing catalogue
from scratch, and keeps each message's <extracomment> naming the string table
keys that use its text, so that a translator sees where it appears (Qt looks
messages up by context, source and disambiguation, never by this comment).
Everything else that does not match the table is reported and left for a
person to settle, since deciding it needs a translator: messages whose source
the table no longer has, messages out of the table's order, doubled sources,
other contexts, a shown text that differs from shown-texts.json, and a
language attribute (the catalogues carry no language section).

Usage: tools/make-ts.py [--check] [--strtab FILE] [--ts-dir DIR]
  --check  write nothing; exit 1 if any catalogue differs from the table.
Exit status: 0 in step, 1 drift (with --check, or left for a person to
settle), 2 bad input.
"""

import argparse
import json
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

# The texts the progress dialog shows, fixed per language: the catalogues
# already installed and the screenshots rely on them, word for word. Keyed by
# the string table key, then by language code; the English entry must be the
# table's own text.
SHOWN_FILE = os.path.join(TEXTS, "shown-texts.json")

C_STRING = r'"((?:[^"\\]|\\.)*)"'


class BadInput(Exception):
    pass


def unescape_c(literal):
    if "\\" in literal:
        raise BadInput("backslash in a string table text: %r" % literal)
    return literal


class Table:
    """The string table as the catalogues see it."""

    def __init__(self, texts, keys_of, shown):
        self.texts = texts      # distinct source texts, in id order
        self.keys_of = keys_of  # text -> keys of the ids that show it, in id order
        self.shown = shown      # text -> {code: the fixed translation}

    def key_comment(self, text):
        return ", ".join(self.keys_of[text])


def read_texts(path):
    """The distinct source texts of the string table, in id order, and the
    keys of each."""
    with open(path, encoding="ascii") as f:
        source = f.read()
    constants = {}
    for m in re.finditer(r"const char \*const (kText\w+)\s*=\s*" + C_STRING + ";", source):
        constants[m.group(1)] = unescape_c(m.group(2))
    texts = []
    keys_of = {}
    entries = 0
    for m in re.finditer(r"^\s*STR\((\w+),\s*(?:" + C_STRING + r"|(kText\w+))\);", source, re.M):
        entries += 1
        if m.group(2) is not None:
            text = unescape_c(m.group(2))
        elif m.group(3) in constants:
            text = constants[m.group(3)]
        else:
            raise BadInput("%s: %s is not a text constant of the file" % (path, m.group(3)))
        if text not in keys_of:
            texts.append(text)
            keys_of[text] = []
        keys_of[text].append(m.group(1))
    # An entry written in a form the pattern misses would silently lose its
    # message: compare with every STR( the file holds.
    written = len(re.findall(r"(?<!define )\bSTR\(", source))
    if entries != written:
        raise BadInput("%s: read %d of the %d STR entries; keep one entry per line"
                       % (path, entries, written))
    if APP_NAME not in keys_of:
        raise BadInput("%s lacks %r" % (path, APP_NAME))
    return texts, keys_of


def read_shown(path, keys_of):
    """text -> {code: translation} for the texts of SHOWN_FILE."""
    try:
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
    except ValueError as e:
        raise BadInput("%s: %s" % (path, e))
    if not isinstance(data, dict) or not data:
        raise BadInput("%s: expected an object of string table keys" % path)
    text_of = {key: text for text, keys in keys_of.items() for key in keys}
    shown = {}
    for key, by_code in data.items():
        if key not in text_of:
            raise BadInput("%s: %s is not a key of the string table" % (path, key))
        if not isinstance(by_code, dict) or sorted(by_code) != sorted(LANGUAGES):
            raise BadInput("%s: %s must give a text for each of %s" % (path, key, " ".join(LANGUAGES)))
        for code, text in by_code.items():
            if not isinstance(text, str) or not text.strip():
                raise BadInput("%s: %s has no %s text" % (path, key, code))
        if by_code["enu"] != text_of[key]:
            raise BadInput("%s: %s reads %r in English, the string table %r"
                           % (path, key, by_code["enu"], text_of[key]))
        shown[text_of[key]] = by_code
    return shown


def read_table(strtab, shown_file):
    texts, keys_of = read_texts(strtab)
    return Table(texts, keys_of, read_shown(shown_file, keys_of))


def new_translation(code, text, table):
    if text == APP_NAME:
        return APP_NAME
    if text in table.shown:
        return table.shown[text][code]
    return text if code == "enu" else None


def key_comment_line(indent, table, text):
    return "%s<extracomment>%s</extracomment>\n" % (indent, escape(table.key_comment(text)))


def message_block(code, text, table):
    translation = new_translation(code, text, table)
    if translation is None:
        line = '        <translation type="unfinished"></translation>'
    else:
        line = "        <translation>%s</translation>" % escape(translation)
    return "".join(["    <message>\n",
                    "        <source>%s</source>\n" % escape(text),
                    key_comment_line("        ", table, text),
                    line + "\n",
                    "    </message>\n"])


def with_key_comment(block, table, text):
    """block, a message element as written, with its key comment set."""
    line = key_comment_line("", table, text).rstrip("\n")
    found = re.search(r"<extracomment>.*?</extracomment>", block, re.S)
    if found:
        return block[:found.start()] + line + block[found.end():]
    # Where Qt Linguist writes it: on its own line right after the source.
    source = re.search(r"^([ \t]*)<source>.*?</source>[ \t]*\n", block, re.S | re.M)
    if source is None:
        raise BadInput("the message of %r does not hold its <source> on a line of its own" % text)
    return block[:source.end()] + source.group(1) + line + "\n" + block[source.end():]


def new_catalogue(code, table):
    return "".join(['<?xml version="1.0" encoding="utf-8"?>\n',
                    "<!DOCTYPE TS>\n",
                    '<TS version="2.1">\n',
                    "<context>\n",
                    "    <name>global</name>\n"]
                   + [message_block(code, text, table) for text in table.texts]
                   + ["</context>\n", "</TS>\n"])


def read_catalogue(raw):
    """[(source, translation or None, unfinished, key comment or None)] and
    the character spans of the message elements in raw, plus everything else
    worth reporting."""
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
            comment = m.find("extracomment")
            messages.append((m.findtext("source") or "", None if t is None else (t.text or ""),
                             unfinished, None if comment is None else (comment.text or "")))
    spans = [(m.start(), m.end()) for m in
             re.finditer(r"^[ \t]*<message\b.*?</message>[ \t]*\n?", raw, re.S | re.M)]
    if len(spans) != len(messages):
        raise BadInput("found %d <message> elements but %d message blocks; keep one "
                       "element per block" % (len(messages), len(spans)))
    return messages, spans, notes


def update(code, raw, table):
    """The catalogue with the missing messages added and the key comments
    set, the drift found, and how much of it this settled."""
    messages, spans, drift = read_catalogue(raw)
    texts = table.texts
    sources = [m[0] for m in messages]
    in_table = set(texts)
    seen = set()
    for source in sources:
        if source in seen:
            drift.append("doubled source %r" % source)
        seen.add(source)
    for source in sources:
        if source not in in_table:
            drift.append("source the string table no longer has: %r" % source)
    kept = [s for s in sources if s in in_table]
    if kept != [t for t in texts if t in seen]:
        drift.append("messages are not in the string table's order")
    translation_of = {m[0]: m[1] for m in messages}
    for text in table.shown:
        wanted = new_translation(code, text, table)
        if text in translation_of and translation_of[text] != wanted:
            drift.append("shown text %r reads %r, not %r" % (text, translation_of[text], wanted))

    # (start, end, replacement) of raw. A key comment is not a translation:
    # the tool settles it, as it settles a missing message.
    edits = []
    keyed = 0
    for (source, _, _, comment), span in zip(messages, spans):
        if source not in in_table or comment == table.key_comment(source):
            continue
        keyed += 1
        if comment is None:
            drift.append("message %r lacks its key comment %r" % (source, table.key_comment(source)))
        else:
            drift.append("key comment of %r reads %r, not %r" % (source, comment, table.key_comment(source)))
        edits.append((span[0], span[1], with_key_comment(raw[span[0]:span[1]], table, source)))

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
            inserts.setdefault(anchor, []).append(message_block(code, text, table))
    for text in missing:
        drift.append("missing message %r" % text)
    edits.extend((offset, offset, "".join(blocks)) for offset, blocks in inserts.items())
    # From the end backwards, so that earlier offsets stay valid; at one
    # offset the message that starts there is rewritten before the new ones
    # go in front of it.
    out = raw
    for start, end, replacement in sorted(edits, key=lambda e: (e[0], e[1]), reverse=True):
        out = out[:start] + replacement + out[end:]
    unfinished = sum(1 for m in messages if m[2] or not m[1]) + sum(
        1 for t in missing if new_translation(code, t, table) is None)
    return out, drift, len(missing), keyed, unfinished


def main(argv):
    parser = argparse.ArgumentParser(description="Add new string table texts to the .ts catalogues.")
    parser.add_argument("--check", action="store_true", help="write nothing; exit 1 on drift")
    parser.add_argument("--strtab", default=os.path.join(TEXTS, "strtab.cpp"))
    parser.add_argument("--ts-dir", default=os.path.join(TEXTS, "ts"))
    args = parser.parse_args(argv)

    try:
        table = read_table(args.strtab, SHOWN_FILE)
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
                    f.write(new_catalogue(code, table))
                print("make-ts: %s: written with %d messages" % (name, len(table.texts)))
            continue
        try:
            out, drift, added, keyed, unfinished = update(code, raw, table)
        except (ET.ParseError, BadInput) as e:
            print("make-ts: %s: %s" % (name, e), file=sys.stderr)
            return 2
        for line in drift:
            print("make-ts: %s: %s" % (name, line))
        if drift:
            status = 1
        if (added or keyed) and not args.check:
            with open(path, "w", encoding="utf-8") as f:
                f.write(out)
            if added:
                print("make-ts: %s: added %d message(s)" % (name, added))
            if keyed:
                print("make-ts: %s: wrote %d key comment(s)" % (name, keyed))
        # What adding messages and key comments cannot settle is left for a
        # person.
        if len(drift) > added + keyed:
            unsettled = True
        if unfinished:
            print("make-ts: %s: %d message(s) still to translate" % (name, unfinished))
    print("make-ts: %d texts, %d catalogues, %s" % (
        len(table.texts), len(LANGUAGES),
        "in step" if status == 0 else ("out of step" if args.check or unsettled else "updated")))
    if args.check or unsettled:
        return status
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
