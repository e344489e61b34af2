#!/usr/bin/env python3
"""Finds user texts written inline in the sources instead of going through the translation calls.

Every text the user reads belongs in a named function of its layer's texts file, returned through
QCoreApplication::translate (or marked with QT_TRANSLATE_NOOP where a table holds it), so that a
translation can reach it. This check reads every C++ file under the folders given and reports, by
file and line:

  - a string literal holding Japanese (kana, CJK, full-width forms) outside a translation call;
  - a literal that reads like an English sentence (two words of letters with a space between)
    outside a translation call, unless the allow list below says it is no user text;
  - a translated text kept in a static: it is fixed at first use and would miss a translator
    installed later.

Usage: check_texts.py FOLDER_OR_FILE...    exit status 0 clean, 1 something found
       check_texts.py --probe FILE         0 when the findings are exactly the probe's lines
                                           marked "// [finding]", 1 otherwise
"""

import os
import re
import sys

# Calls whose literal arguments are source texts for the translation tools.
TRANSLATING_CALLS = {
    "translate", "tr", "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3", "QT_TR_NOOP",
    "QT_TRANSLATE_N_NOOP", "QT_TR_N_NOOP",
}
# Calls whose literals report a programming fault and never reach the user.
FAULT_CALLS = {"logic_error", "qFatal", "Q_ASSERT_X"}

# Literals that look like English but are no user text. Each is matched against the whole literal
# (adjacent literals joined) as written in the source, escapes included.
ALLOW_LIST = [
    # Font family names.
    (re.compile(r"(Noto Sans( CJK JP)?|DejaVu Sans|MS PGothic|ＭＳ Ｐゴシック)"), "font name"),
    # Qt style sheets: selectors and properties.
    (re.compile(r"Q[A-Za-z]+\b.*\{.*:.*;.*"), "style sheet"),
    # The XML and SVG markup of the laser file: elements and attributes.
    (re.compile(r"\s*<.*|.*\w=\\\".*"), "markup"),
    # The DXF line type's description: a value of the file format.
    (re.compile(r"Solid line"), "DXF table value"),
    # The rib details file's first line, which tells the file's kind and version.
    (re.compile(r"Ribwright rib details \d+"), "file key"),
    # The CSV's header keys: spreadsheets read earlier files and new ones alike.
    (re.compile(r"(skin THICKNESS= |ROOT CHORD= |TIP CHORD= |Number of Rib =|"
                r",Surface,,,Rib Outline)"), "CSV key"),
    # The notes of the sheet and the drawing DXF: files never change with the language.
    (re.compile(r"(ROOT CHORD: |TIP CHORD : |SKIN THICKNESS : |"
                r"SKIN THICKNESS : UPPER %1 mm / LOWER %2 mm)"), "drawing note"),
]

JAPANESE = re.compile("[\u3000-\u303f\u3040-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]")
# Two words of letters with blanks between; escapes and placeholders are taken out first.
ENGLISH = re.compile(r"(?<![\w\-./])[A-Za-z][A-Za-z']*[A-Za-z]\s+[A-Za-z][A-Za-z']*[A-Za-z](?![\w\-/])")
ESCAPE_OR_PLACEHOLDER = re.compile(r"\\(x[0-9A-Fa-f]+|u[0-9A-Fa-f]{4}|[0-7]{1,3}|.)|%\d+|%[sdfgxc]")
TEXT_CALL = re.compile(r"\w+_texts::|\b(translate|tr)\s*\(|\w+Text\s*\(")

IDENTIFIER = re.compile(r"[A-Za-z_]\w*")
LITERAL_PREFIX = re.compile(r"(u8|u|U|L)?(R)?\"$")


class Literal:
    def __init__(self, line, text, translated, fault):
        self.line = line
        self.text = text
        self.translated = translated
        self.fault = fault


def tokens(source):
    """Yields ('literal', line, text), ('name', line, word) and ('punct', line, char), skipping
    comments, character literals and #include lines."""
    i, line, n = 0, 1, len(source)
    at_line_start = True
    while i < n:
        c = source[i]
        if c == "\n":
            line += 1
            i += 1
            at_line_start = True
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if at_line_start and c == "#" and re.match(r"#\s*include\b", source[i:i + 40]):
            while i < n and source[i] != "\n":
                i += 1
            continue
        at_line_start = False
        if source.startswith("//", i):
            while i < n and source[i] != "\n":
                i += 1
            continue
        if source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            line += source.count("\n", i, end)
            i = end
            continue
        word = IDENTIFIER.match(source, i)
        if word and not (source[word.end():word.end() + 1] == '"'
                         and LITERAL_PREFIX.match(source[i:word.end() + 1])):
            yield ("name", line, word.group())
            i = word.end()
            continue
        if word or c == '"':
            # A literal, maybe with a prefix; a raw one runs to its closing delimiter.
            start_line = line
            prefix_end = word.end() if word else i
            raw = word is not None and word.group().endswith("R")
            j = prefix_end + 1
            if raw:
                open_paren = source.find("(", j)
                delimiter = ")" + source[j:open_paren] + '"'
                end = source.find(delimiter, open_paren)
                text = source[open_paren + 1:end]
                i = end + len(delimiter)
            else:
                while j < n and source[j] != '"':
                    j += 2 if source[j] == "\\" else 1
                text = source[prefix_end + 1:j]
                i = j + 1
            line += text.count("\n")
            yield ("literal", start_line, text)
            continue
        if c == "'":
            # A character literal; a quote between digits is a digit separator.
            if i > 0 and source[i - 1].isalnum() and i + 1 < n and source[i + 1].isalnum():
                i += 1
                continue
            j = i + 1
            while j < n and source[j] != "'":
                j += 2 if source[j] == "\\" else 1
            i = j + 1
            continue
        yield ("punct", line, c)
        i += 1


def scan(source):
    """The literals of a source file (adjacent ones joined), each with whether a translation or a
    fault call holds it, and the lines of statics that keep a translated text."""
    literals, statics = [], []
    calls = []  # per open parenthesis: (translated, fault)
    last_name = None
    pending = None
    static_start, static_depth, static_init, static_text_call = None, 0, False, False
    depth = 0
    for kind, line, value in tokens(source):
        if kind == "literal":
            if pending:
                pending.text += value
            else:
                translated = any(t for t, _ in calls)
                fault = any(f for _, f in calls)
                pending = Literal(line, value, translated, fault)
            continue
        if pending:
            literals.append(pending)
            pending = None
        if kind == "name":
            if value == "static" and static_start is None:
                static_start, static_depth, static_init, static_text_call = line, depth, False, False
            elif static_start is not None and value.endswith("_texts"):
                static_text_call = True
            last_name = value
            continue
        if static_start is not None and depth == static_depth and value in "={":
            static_init = True
        if value in "({[":
            if value == "(":
                if static_start is not None and depth == static_depth and not static_init:
                    # A parenthesis before any initializer: a static function, not a variable.
                    static_start = None
                calls.append((last_name in TRANSLATING_CALLS, last_name in FAULT_CALLS))
                if static_start is not None and (last_name in ("translate", "tr")
                                                 or (last_name or "").endswith("Text")):
                    static_text_call = True
            depth += 1
        elif value in ")}]":
            if value == ")" and calls:
                calls.pop()
            depth -= 1
        elif value == ";" and static_start is not None and depth == static_depth:
            if static_text_call:
                statics.append(static_start)
            static_start = None
        last_name = None
    if pending:
        literals.append(pending)
    return literals, statics


def allowed(text):
    return any(pattern.fullmatch(text) for pattern, _ in ALLOW_LIST)


def findings(path):
    with open(path, encoding="utf-8") as f:
        source = f.read()
    literals, statics = scan(source)
    found = []
    for literal in literals:
        if literal.translated or literal.fault:
            continue
        if JAPANESE.search(literal.text) and not allowed(literal.text):
            found.append((literal.line, "Japanese text outside a translation call", literal.text))
        elif ENGLISH.search(ESCAPE_OR_PLACEHOLDER.sub(" ", literal.text)) and \
                not allowed(literal.text):
            found.append((literal.line, "English text outside a translation call", literal.text))
    for line in statics:
        found.append((line, "translated text kept in a static", ""))
    return sorted(found)


def source_files(paths):
    for path in paths:
        if os.path.isfile(path):
            yield path, os.path.basename(path)
            continue
        base = os.path.dirname(os.path.abspath(path))
        for folder, _, names in sorted(os.walk(path)):
            for name in sorted(names):
                if name.endswith((".cpp", ".h")):
                    full = os.path.join(folder, name)
                    yield full, os.path.relpath(full, base)


def report(paths):
    count = 0
    for full, shown in source_files(paths):
        for line, reason, text in findings(full):
            count += 1
            print(f"{shown}:{line}: {reason}" + (f': "{text}"' if text else ""))
    print(f"text_check: {count} found")
    return count


def probe(path):
    expected = [number for number, text in enumerate(open(path, encoding="utf-8"), start=1)
                if "// [finding]" in text]
    found = [line for line, _, _ in findings(path)]
    for line, reason, text in findings(path):
        print(f"{path}:{line}: {reason}" + (f': "{text}"' if text else ""))
    if not expected or found != expected:
        print(f"probe: expected findings on lines {expected}, found {found}")
        return 1
    print("probe: every planted text found, nothing else")
    return 0


def main(argv):
    if len(argv) == 3 and argv[1] == "--probe":
        return probe(argv[2])
    if len(argv) < 2:
        print(__doc__)
        return 2
    return 1 if report(argv[1:]) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
