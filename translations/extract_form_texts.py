#!/usr/bin/env python3
"""Writes the texts a user reads in the window descriptions as a C++ file of
QT_TRANSLATE_NOOP lines, the form's class as context, for lupdate to read.

usage: extract_form_texts.py OUTPUT.cpp DESCRIPTION...

A text is the string value (or each string of a list) of a property the
description reader translates (src/forms/description_reader.cpp keeps the
same rule): Caption, Hint and Title, a sub-object's Text (a scope's title,
an axis label; a control's own Text is what the user typed), and the Items
and Lines of lists. Strings without a letter ('44100') are left out.
The file is written only when it changes, so that lupdate and the build
do not run again for nothing.
"""
import re
import sys

READ_NAMES = {"Caption", "Hint", "Title", "Items", "Lines"}


def is_read_text(path):
    segments = path.split(".")
    if segments[-1] == "Strings" and len(segments) > 1:
        segments = segments[:-1]
    if segments[-1] in READ_NAMES:
        return True
    return segments[-1] == "Text" and len(segments) > 1


def decode_string(text):
    """The value of a string: quoted parts, #nn codes and '+' joins."""
    units = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == "'":
            i += 1
            while i < len(text):
                if text[i] == "'":
                    if i + 1 < len(text) and text[i + 1] == "'":
                        units.extend(_utf16("'"))
                        i += 2
                        continue
                    i += 1
                    break
                units.extend(_utf16(text[i]))
                i += 1
        elif c == "#":
            m = re.match(r"#(\$[0-9A-Fa-f]+|[0-9]+)", text[i:])
            code = int(m.group(1)[1:], 16) if m.group(1).startswith("$") else int(m.group(1))
            units.extend(_utf16(chr(code)) if code > 0xFFFF else [code])
            i += len(m.group(0))
        else:
            i += 1  # white space and '+'
    return b"".join(u.to_bytes(2, "little") for u in units).decode("utf-16-le", "surrogatepass")


def _utf16(ch):
    data = ch.encode("utf-16-le", "surrogatepass")
    return [int.from_bytes(data[k:k + 2], "little") for k in range(0, len(data), 2)]


def string_parts(value):
    """The strings of a value: one string, or each string of a list."""
    value = value.strip()
    if value.startswith("("):
        return [decode_string(p) for p in re.findall(r"(?:'(?:[^']|'')*'|#\$?[0-9A-Fa-f]+)+", value)]
    if value.startswith("'") or value.startswith("#"):
        return [decode_string(value)]
    return []


def texts_of(description):
    """(context, text) pairs of one description, in order."""
    lines = open(description, encoding="utf-8").read().splitlines()
    context = None
    out = []
    i = 0
    while i < len(lines):
        line = lines[i].strip()
        i += 1
        head = re.match(r"(?i)(object|inherited|inline)\s+(?:\w+\s*:\s*)?(\w+)", line)
        if head:
            context = context or head.group(2)
            continue
        prop = re.match(r"([A-Za-z_][\w.]*)\s*=\s*(.*)$", line)
        if not prop:
            continue
        path, value = prop.group(1), prop.group(2)
        # A value may go on: a list up to its ')', a string after a '+'.
        if value.startswith("("):
            while not re.search(r"\)\s*$", value) and i < len(lines):
                value += " " + lines[i].strip()
                i += 1
        elif value.startswith("'") or value.startswith("#"):
            while value.rstrip().endswith("+") and i < len(lines):
                value += " " + lines[i].strip()
                i += 1
        elif value.startswith("{"):
            while "}" not in value and i < len(lines):
                value += lines[i].strip()
                i += 1
            continue
        if not is_read_text(path):
            continue
        for text in string_parts(value):
            if re.search(r"[^\W\d_]", text):
                out.append((context, text))
    return out


def cpp_literal(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\r", "\\r")
    return '"' + escaped + '"'


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    seen = set()
    rows = []
    for description in argv[2:]:
        for context, text in texts_of(description):
            if (context, text) not in seen:
                seen.add((context, text))
                rows.append(f"    QT_TRANSLATE_NOOP({cpp_literal(context)}, {cpp_literal(text)}),\n")
    content = ("// Written by translations/extract_form_texts.py from the window descriptions.\n"
               "#include <QtGlobal>\n\n"
               "[[maybe_unused]] static const char* const kFormTexts[] = {\n" + "".join(rows) + "};\n")
    try:
        if open(argv[1], encoding="utf-8").read() == content:
            return 0
    except OSError:
        pass
    with open(argv[1], "w", encoding="utf-8") as f:
        f.write(content)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
