#!/usr/bin/env python3
"""Fails when a translation file under resources/translations is out of step with the sources.

Copies every tidewell_<code>.ts to a scratch folder, lets lupdate bring the copies up to date with
the texts in app/ and core/, and then reports, per file:
  - a text of the sources the file lacks, or whose translation is unfinished or empty,
  - an entry whose text no longer exists in the sources (obsolete or vanished),
  - a translation that drops one of its source's %1...%n.
The files in the tree are never changed; bring them up to date with
  cmake --build build --target update_translations
and translate what comes in unfinished.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS_DIR = os.path.join(ROOT, "resources", "translations")
LANGUAGES = ["en", "de", "jp", "ru", "es", "br", "ar", "fr"]
PLACEHOLDER = re.compile(r"%(\d+)")


def find_lupdate():
    for candidate in ("/usr/lib/qt6/bin/lupdate", shutil.which("lupdate6") or "", shutil.which("lupdate") or ""):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    sys.exit("check_translations: lupdate not found")


def main():
    problems = []
    lupdate = find_lupdate()
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for code in LANGUAGES:
            source = os.path.join(TS_DIR, "tidewell_%s.ts" % code)
            if not os.path.exists(source):
                problems.append("%s: missing" % os.path.relpath(source, ROOT))
                continue
            copy = os.path.join(scratch, os.path.basename(source))
            shutil.copyfile(source, copy)
            copies.append(copy)
        if copies:
            subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h",
                            os.path.join(ROOT, "app"), os.path.join(ROOT, "core"), "-ts"] + copies,
                           check=True, stdout=subprocess.DEVNULL)
        for copy in copies:
            name = os.path.basename(copy)
            for context in ET.parse(copy).getroot().iter("context"):
                context_name = context.findtext("name")
                for message in context.iter("message"):
                    source = message.findtext("source") or ""
                    translation = message.find("translation")
                    kind = translation.get("type", "") if translation is not None else "missing"
                    text = (translation.text or "") if translation is not None else ""
                    # A plural text carries one translation per numerus form; each must be whole.
                    forms = [form.text or "" for form in translation.iter("numerusform")] \
                        if translation is not None else []
                    texts = forms if message.get("numerus") == "yes" else [text]
                    where = "%s: %s: %r" % (name, context_name, source)
                    if kind in ("obsolete", "vanished"):
                        problems.append(where + " is no longer in the sources")
                    elif kind == "unfinished" or not texts or not all(texts):
                        problems.append(where + " is not translated")
                    else:
                        for form in texts:
                            lost = set(PLACEHOLDER.findall(source)) - set(PLACEHOLDER.findall(form))
                            if lost:
                                problems.append(where + " drops %" + ", %".join(sorted(lost)))
    for problem in problems:
        print(problem)
    if problems:
        print("check_translations: %d problem(s)" % len(problems))
        return 1
    print("check_translations: every translation file is complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
