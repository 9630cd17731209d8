#!/usr/bin/env python3
"""tools/make-ts.py keeps every translation and only adds messages.

Usage: test_make_ts.py SOURCE_DIR (the project's source tree)."""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

SRC = None


def run(*args):
    proc = subprocess.run([sys.executable, os.path.join(SRC, "tools", "make-ts.py")] + list(args),
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    return proc.returncode, proc.stdout


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


class MakeTs(unittest.TestCase):
    def setUp(self):
        texts = os.path.join(SRC, "ui-client", "launcher", "texts")
        self.texts = texts
        self.tmp = tempfile.mkdtemp()
        self.ts = os.path.join(self.tmp, "ts")
        shutil.copytree(os.path.join(texts, "ts"), self.ts)
        self.strtab = os.path.join(self.tmp, "strtab.cpp")
        table = read(os.path.join(texts, "strtab.cpp"))
        # One changed text and one new entry right after "Done".
        changed = table.replace('"Connection"', '"Network connection"', 1)
        changed = changed.replace('STR(btn_done, "Done");',
                                  'STR(btn_done, "Done");\n    STR(btn_new, "Tom & Jerry <new>");', 1)
        self.assertNotEqual(changed, table)
        with open(self.strtab, "w", encoding="ascii") as f:
            f.write(changed)
        self.before = {name: read(os.path.join(self.ts, name)) for name in os.listdir(self.ts)}

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def args(self, *extra):
        return ["--strtab", self.strtab, "--ts-dir", self.ts] + list(extra)

    def test_committed_catalogues_are_in_step(self):
        code, out = run("--check")
        self.assertEqual(code, 0, out)

    def test_check_reports_drift_and_writes_nothing(self):
        code, out = run(*self.args("--check"))
        self.assertEqual(code, 1, out)
        self.assertIn("deu.ts: source the string table no longer has: 'Connection'", out)
        self.assertIn("deu.ts: missing message 'Network connection'", out)
        self.assertIn("deu.ts: missing message 'Tom & Jerry <new>'", out)
        for name, content in self.before.items():
            self.assertEqual(read(os.path.join(self.ts, name)), content, name)

    def test_adds_new_texts_in_place_and_keeps_every_byte(self):
        code, out = run(*self.args())
        # The dropped text needs a person: reported, kept, non-zero.
        self.assertEqual(code, 1, out)
        block = re.compile(r"    <message>\n        <source>(Network connection|Tom &amp; Jerry &lt;new&gt;)"
                           r"</source>\n        <extracomment>(\w+)</extracomment>\n"
                           r"        <translation( type=\"unfinished\")?>(.*)</translation>\n"
                           r"    </message>\n")
        for name, content in self.before.items():
            after = read(os.path.join(self.ts, name))
            added = block.findall(after)
            self.assertEqual([a[0] for a in added], ["Network connection", "Tom &amp; Jerry &lt;new&gt;"], name)
            # Each new message names the key that shows it.
            self.assertEqual([a[1] for a in added], ["setting_tab_connection", "btn_new"], name)
            if name == "enu.ts":
                self.assertEqual([a[2:] for a in added], [("", "Network connection"),
                                                          ("", "Tom &amp; Jerry &lt;new&gt;")])
            else:
                self.assertEqual([a[2:] for a in added], [(' type="unfinished"', "")] * 2, name)
            # Without the new blocks the file is the old one, byte for byte.
            self.assertEqual(block.sub("", after), content, name)
            # Each new message follows the text before it in the table.
            sources = re.findall(r"<source>(.*)</source>", after)
            self.assertEqual(sources[sources.index("Network connection") - 1], "The server certificate could not be verified.")
            self.assertEqual(sources[sources.index("Tom &amp; Jerry &lt;new&gt;") - 1], "Done")
        # A second run finds nothing more to add.
        snapshot = {name: read(os.path.join(self.ts, name)) for name in self.before}
        code, out = run(*self.args())
        self.assertEqual(code, 1, out)
        self.assertNotIn("missing message", out)
        self.assertEqual({name: read(os.path.join(self.ts, name)) for name in self.before}, snapshot)

    def test_missing_catalogue_is_written_with_the_shown_texts(self):
        os.remove(os.path.join(self.ts, "ptg.ts"))
        code, out = run(*self.args())
        self.assertIn("ptg.ts: missing catalogue", out)
        new = read(os.path.join(self.ts, "ptg.ts"))
        self.assertEqual(new.count("<message>"), 164)
        self.assertEqual(new.count("<extracomment>"), 164)
        self.assertEqual(new.count('<translation type="unfinished"></translation>'), 161)
        with open(os.path.join(self.texts, "shown-texts.json"), encoding="utf-8") as f:
            shown = json.load(f)
        self.assertEqual(sorted(shown), ["desc_skyl_env_preparation_done", "desc_skyl_env_preparing"])
        for key, translation in [("app_name", "Skylet Backup"),
                                 ("desc_skyl_env_preparing", shown["desc_skyl_env_preparing"]["ptg"]),
                                 ("desc_skyl_env_preparation_done", shown["desc_skyl_env_preparation_done"]["ptg"])]:
            self.assertIn("<extracomment>%s</extracomment>\n        <translation>%s</translation>"
                          % (key, translation), new)

    def test_reports_what_it_must_not_settle(self):
        deu = os.path.join(self.ts, "deu.ts")
        content = self.before["deu.ts"]
        content = content.replace('<TS version="2.1">', '<TS version="2.1" language="de_DE">')
        content = content.replace("<translation>Skylet Backup ist bereit.</translation>",
                                  "<translation>Bereit.</translation>")
        # Swap the first two messages.
        blocks = re.findall(r"    <message>\n.*?</message>\n", content, re.S)
        content = content.replace(blocks[0] + blocks[1], blocks[1] + blocks[0])
        with open(deu, "w", encoding="utf-8") as f:
            f.write(content)
        with open(self.strtab, "w", encoding="ascii") as f:
            f.write(read(os.path.join(SRC, "ui-client", "launcher", "texts", "strtab.cpp")))
        code, out = run(*self.args())
        self.assertEqual(code, 1, out)
        self.assertIn('deu.ts: <TS> carries language="de_DE"', out)
        self.assertIn("deu.ts: messages are not in the string table's order", out)
        self.assertIn("deu.ts: shown text 'Skylet Backup is ready.' reads 'Bereit.'", out)
        self.assertEqual(read(deu), content)
        self.assertNotIn("jpn.ts", out)

    def test_settles_missing_and_stale_key_comments(self):
        # deu and jpn lose their key comments; the table renames btn_done.
        table = read(os.path.join(self.texts, "strtab.cpp"))
        renamed = table.replace("STR(btn_done, ", "STR(btn_finish, ", 1)
        self.assertNotEqual(renamed, table)
        with open(self.strtab, "w", encoding="ascii") as f:
            f.write(renamed)
        for name in ("deu.ts", "jpn.ts"):
            bare = re.sub(r"        <extracomment>.*</extracomment>\n", "", self.before[name])
            self.assertLess(len(bare), len(self.before[name]), name)
            with open(os.path.join(self.ts, name), "w", encoding="utf-8") as f:
                f.write(bare)
        code, out = run(*self.args("--check"))
        self.assertEqual(code, 1, out)
        self.assertIn("deu.ts: message 'Done' lacks its key comment 'btn_finish'", out)
        self.assertIn("jpn.ts: message 'OK' lacks its key comment 'btn_wizard_readonly_yes, btn_ok'", out)
        self.assertIn("enu.ts: key comment of 'Done' reads 'btn_done', not 'btn_finish'", out)
        # Settled by the tool: each file as it was, but for the renamed key.
        code, out = run(*self.args())
        self.assertEqual(code, 0, out)
        self.assertIn("deu.ts: wrote 163 key comment(s)", out)
        for name, content in self.before.items():
            expected = content.replace("<extracomment>btn_done</extracomment>",
                                       "<extracomment>btn_finish</extracomment>", 1)
            self.assertNotEqual(expected, content, name)
            self.assertEqual(read(os.path.join(self.ts, name)), expected, name)
        code, out = run(*self.args("--check"))
        self.assertEqual(code, 0, out)

    def test_shown_texts_must_follow_the_table(self):
        table = read(os.path.join(self.texts, "strtab.cpp"))
        changed = table.replace('"Skylet Backup is ready."', '"Skylet Backup is ready to go."', 1)
        self.assertNotEqual(changed, table)
        with open(self.strtab, "w", encoding="ascii") as f:
            f.write(changed)
        code, out = run(*self.args())
        self.assertEqual(code, 2, out)
        self.assertIn("desc_skyl_env_preparation_done reads 'Skylet Backup is ready.' in English", out)
        for name, content in self.before.items():
            self.assertEqual(read(os.path.join(self.ts, name)), content, name)

    def test_bad_table_is_refused(self):
        with open(self.strtab, "a", encoding="ascii") as f:
            f.write('    STR(btn_two, "a"); STR(btn_three,\n        "b");\n')
        code, out = run(*self.args())
        self.assertEqual(code, 2, out)
        self.assertIn("keep one entry per line", out)


if __name__ == "__main__":
    SRC = sys.argv.pop(1)
    unittest.main()
