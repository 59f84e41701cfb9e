#!/usr/bin/env python3
"""Tests of tools/texts: cpp-to-ts (C++ tables -> Linguist files) and
ts-to-cpp (Linguist file -> C++ table)."""

import importlib.machinery
import importlib.util
import os
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "texts")
CPP_TO_TS = os.path.join(TOOLS, "cpp-to-ts")
TS_TO_CPP = os.path.join(TOOLS, "ts-to-cpp")
CODES = ["ENG", "DEU", "FRA", "ITA", "SPA"]


def load(path, name):
    loader = importlib.machinery.SourceFileLoader(name, path)
    module_spec = importlib.util.spec_from_loader(name, loader)
    module = importlib.util.module_from_spec(module_spec)
    loader.exec_module(module)
    return module


converter = load(CPP_TO_TS, "cpp_to_ts")


def table(entries, comment="texts"):
    return (f"// {comment}\n#include \"resources/Texts.h\"\n\nnamespace morva {{\nnamespace {{\n"
            f"const TextEntry kTexts[] = {{\n{entries}\n}};\n}}\n}}\n")


ENGLISH = r'''    // --- app ---
    {"app.menu.file", "&File"},
    {"app.quote", "Say \"hi\" & <go>\nnow"}, // shown in the About box
    // app: messages
    {"app.long",
     "first part, "
     "second part %1"},
    {"app.menu.ren", "Save && E&xit"},'''


def run(args):
    return subprocess.run([sys.executable] + args, capture_output=True, text=True)


class ConverterTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.path = self.dir.name
        translated = {
            "DEU": ENGLISH.replace("&File", "&Datei").replace("first part", "erster Teil")
                          .replace("second part", "\\303\\274berzweiter Teil"),
        }
        for code in CODES:
            body = translated.get(code, ENGLISH)
            if code == "ITA":
                body = body.replace('    {"app.menu.ren", "Save && E&xit"},', "")
            with open(os.path.join(self.path, code + ".cpp"), "w", encoding="utf-8") as f:
                f.write(table(body))

    def tearDown(self):
        self.dir.cleanup()

    def convert(self):
        result = run([CPP_TO_TS, "--lang-dir", self.path, "--menu", "none", "--schema", "none"])
        self.assertEqual(result.returncode, 0, result.stderr)
        return result

    def messages(self, code):
        root = ElementTree.parse(os.path.join(self.path, code + ".ts")).getroot()
        return {m.get("id"): (context.find("name").text, m) for context in root.iter("context")
                for m in context.iter("message")}

    def test_texts_contexts_and_comments(self):
        self.convert()
        german = self.messages("DEU")
        self.assertEqual(list(german), ["app.menu.file", "app.quote", "app.long", "app.menu.ren"])
        context, message = german["app.long"]
        self.assertEqual(context, "app: messages")
        self.assertEqual(message.find("source").text, "first part, second part %1")
        self.assertEqual(message.find("translation").text, "erster Teil, \u00fcberzweiter Teil %1")
        self.assertIn("%1", message.find("extracomment").text)
        context, message = german["app.quote"]
        self.assertEqual(context, "app")
        self.assertEqual(message.find("source").text, 'Say "hi" & <go>\nnow')
        self.assertIn("shown in the About box", message.find("extracomment").text)
        self.assertIn("access key", german["app.menu.ren"][1].find("extracomment").text)
        english = self.messages("ENG")
        self.assertEqual(english["app.menu.file"][1].find("translation").text, "&File")

    def test_missing_text_is_unfinished(self):
        result = self.convert()
        self.assertIn("ITA.cpp lacks app.menu.ren", result.stderr)
        translation = self.messages("ITA")["app.menu.ren"][1].find("translation")
        self.assertEqual(translation.get("type"), "unfinished")

    def test_same_input_gives_same_files(self):
        self.convert()
        def contents(code):
            with open(os.path.join(self.path, code + ".ts"), "rb") as f:
                return f.read()

        first = {code: contents(code) for code in CODES}
        self.convert()
        for code in CODES:
            self.assertEqual(contents(code), first[code])

    def test_round_trip_through_the_generator(self):
        self.convert()
        for code in CODES:
            out = os.path.join(self.path, "gen", code + ".cpp")
            english = [] if code == "ENG" else ["--english", os.path.join(self.path, "ENG.ts")]
            result = run([TS_TO_CPP, "--function", "texts"] + english +
                         [os.path.join(self.path, code + ".ts"), out])
            self.assertEqual(result.returncode, 0, result.stderr)
            source = [(e["id"], e["text"]) for e in
                      converter.read_table(os.path.join(self.path, code + ".cpp"))]
            generated = [(e["id"], e["text"]) for e in converter.read_table(out)]
            if code == "ITA":  # the unfinished text is the English one
                source.append(("app.menu.ren", "Save && E&xit"))
            self.assertEqual(generated, source)

    def test_broken_table_is_refused(self):
        with open(os.path.join(self.path, "FRA.cpp"), "w", encoding="utf-8") as f:
            f.write(table('    {"app.menu.file"},'))
        result = run([CPP_TO_TS, "--lang-dir", self.path, "--menu", "none", "--schema", "none"])
        self.assertEqual(result.returncode, 1)
        self.assertIn("FRA.cpp", result.stderr)


TS_HEAD = ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
           '<TS version="2.1" language="de" sourcelanguage="en">\n<context><name>x</name>\n')


class GeneratorTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.english = self.write("ENG.ts", [("a", "Open", "Open", ""), ("b", "Close", "Close", "")])

    def tearDown(self):
        self.dir.cleanup()

    def write(self, name, messages):
        body = "".join(
            f'<message id="{ident}"><source>{source}</source>'
            f'<translation{" type=%s" % repr(kind) if kind else ""}>{text}</translation></message>\n'
            for ident, source, text, kind in messages)
        path = os.path.join(self.dir.name, name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(TS_HEAD + body + "</context>\n</TS>\n")
        return path

    def generate(self, ts):
        out = os.path.join(self.dir.name, "out.cpp")
        result = run([TS_TO_CPP, "--function", "germanTexts", "--english", self.english, ts, out])
        texts = ([(e["id"], e["text"]) for e in converter.read_table(out)]
                 if result.returncode == 0 else None)
        return result, texts

    def test_unfinished_and_empty_translations_give_the_english_text(self):
        ts = self.write("DEU.ts", [("a", "Open", "\u00d6ffnen", "unfinished"),
                                   ("b", "Close", "", ""),
                                   ("gone", "Old", "Alt", "vanished")])
        result, texts = self.generate(ts)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(texts, [("a", "Open"), ("b", "Close")])
        self.assertIn("2 unfinished", result.stdout)

    def test_changed_english_source_is_refused(self):
        ts = self.write("DEU.ts", [("a", "Open file", "\u00d6ffnen", "")])
        result, _ = self.generate(ts)
        self.assertEqual(result.returncode, 1)
        self.assertIn("source of a differs", result.stderr)

    def test_duplicate_and_missing_ids_are_refused(self):
        for messages in ([("a", "Open", "x", ""), ("a", "Open", "y", "")],
                         [("", "Open", "x", "")]):
            result, _ = self.generate(self.write("DEU.ts", messages))
            self.assertEqual(result.returncode, 1, messages)

    def test_english_translation_must_equal_its_source(self):
        ts = self.write("ENG2.ts", [("a", "Open", "Opened", "")])
        out = os.path.join(self.dir.name, "eng.cpp")
        result = run([TS_TO_CPP, "--function", "englishTexts", ts, out])
        self.assertEqual(result.returncode, 1)


if __name__ == "__main__":
    unittest.main()
