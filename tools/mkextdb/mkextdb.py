#!/usr/bin/python3
"""Builds Brisko's file-type database: ext11.vxl (A-I, digits and signs), ext21.vxl (J-Q),
ext31.vxl (R-Z).

Sources, all shipped by Debian:
  - the shared MIME database (shared-mime-info, freedesktop.org.xml): extension globs with
    their English comments;
  - /etc/mime.types (media-types): media types with their usual extensions;
  - the lexers of python3-pygments: the file patterns of each language;
  - windows_dos.txt beside this script: the project's own entries for Windows and DOS kinds.

Every extension is kept once, with the most informative description: the MIME database's
comment, else the project's own text, else the language name, else the media type.

Run by hand (with Debian's /usr/bin/python3, so that Debian's pygments is used); the output is
committed under filetypes/data/, so the build needs neither Python nor these packages:
    /usr/bin/python3 tools/mkextdb/mkextdb.py filetypes/data
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

MIME_XML = "/usr/share/mime/packages/freedesktop.org.xml"
MIME_TYPES = "/etc/mime.types"
HERE = os.path.dirname(os.path.abspath(__file__))
OWN = os.path.join(HERE, "windows_dos.txt")
NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"

# Characters an extension may hold: those a Windows file name allows, without spaces.
EXT_OK = re.compile(r"[A-Z0-9_$~!#%&'()+,\-=@^{}\[\].`]+")
MAX_EXT = 16


def expand(glob):
    """'*.[ch]pp' -> ['CPP', 'HPP']; None when the glob is not a plain extension glob."""
    if not glob.startswith("*."):
        return None
    rest = glob[2:]
    if "*" in rest or "?" in rest or "/" in rest or not rest:
        return None
    outs = [""]
    i = 0
    while i < len(rest):
        c = rest[i]
        if c == "[":
            j = rest.find("]", i)
            if j < 0:
                return None
            chars = []
            body = rest[i + 1 : j]
            k = 0
            while k < len(body):
                if k + 2 < len(body) and body[k + 1] == "-":
                    chars += [chr(x) for x in range(ord(body[k]), ord(body[k + 2]) + 1)]
                    k += 3
                else:
                    chars.append(body[k])
                    k += 1
            outs = [o + ch for o in outs for ch in chars]
            i = j + 1
        else:
            outs = [o + c for o in outs]
            i += 1
    result = []
    for o in outs:
        u = o.upper()
        if len(u) <= MAX_EXT and EXT_OK.fullmatch(u) and u not in result:
            result.append(u)
    return result


def clean(text):
    text = " ".join(text.split())
    return text[:1].upper() + text[1:]


def from_mime_xml(path):
    found = {}
    root = ET.parse(path).getroot()
    for mt in root.findall(NS + "mime-type"):
        comment = None
        for c in mt.findall(NS + "comment"):
            if c.get(XML_LANG) is None:
                comment = c.text
        if not comment:
            continue
        for g in mt.findall(NS + "glob"):
            for ext in expand(g.get("pattern", "")) or []:
                found.setdefault(ext, clean(comment))
    return found


def from_mime_types(path):
    found = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            words = line.split("#", 1)[0].split()
            if len(words) < 2:
                continue
            media = words[0]
            kind = media.split("/", 1)[0]
            noun = {"application": "Application data", "audio": "Audio", "image": "Image",
                    "video": "Video", "text": "Text", "font": "Font", "model": "3D model",
                    "chemical": "Chemical data", "message": "Message"}.get(kind, "Data")
            for w in words[1:]:
                for ext in expand("*." + w) or []:
                    found.setdefault(ext, f"{noun} file ({media})")
    return found


def from_pygments():
    from pygments.lexers import get_all_lexers

    found = {}
    for name, _aliases, patterns, _mimes in sorted(get_all_lexers(), key=lambda l: l[0]):
        for p in patterns:
            for ext in expand(p) or []:
                found.setdefault(ext, f"{name} source file")
    return found


def from_own(path):
    found = {}
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            ext, sep, desc = line.partition("|")
            ext = ext.strip().upper()
            if not sep or not EXT_OK.fullmatch(ext) or not desc.strip():
                sys.exit(f"{path}:{n}: bad entry")
            if ext in found:
                sys.exit(f"{path}:{n}: {ext} twice")
            found[ext] = clean(desc)
    return found


def category(ext):
    c = ext[0]
    if "J" <= c <= "Q":
        return "ext21.vxl"
    if "R" <= c <= "Z":
        return "ext31.vxl"
    return "ext11.vxl"  # A-I, digits and signs


def to_ansi(text):
    return text.encode("cp1252", errors="replace").decode("cp1252")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    layers = [from_mime_xml(MIME_XML), from_own(OWN), from_pygments(), from_mime_types(MIME_TYPES)]
    merged = {}
    for layer in layers:
        for ext, desc in layer.items():
            merged.setdefault(ext, desc)
    files = {"ext11.vxl": [], "ext21.vxl": [], "ext31.vxl": []}
    for ext in sorted(merged):
        files[category(ext)].append(f"{ext} - {to_ansi(merged[ext])}")
    os.makedirs(out, exist_ok=True)
    for name, lines in files.items():
        with open(os.path.join(out, name), "w", encoding="cp1252", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")
    total = sum(len(v) for v in files.values())
    counts = ", ".join(f"{n} {len(v)}" for n, v in files.items())
    print(f"{total} extensions: {counts}; own entries new to the sources: "
          f"{len(set(layers[1]) - set(layers[0]) - set(layers[2]) - set(layers[3]))}")


if __name__ == "__main__":
    main()
