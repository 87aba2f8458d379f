"""Every translation complete and current: each language's file, brought up to date with the sources by
lupdate in a copy, is compiled by lrelease with no text unfinished or untranslated; no translation loses a
placeholder (%1, %n) or its access key (&), and none is stale. The desktop entry and the AppStream metadata
carry every language too.

usage: check_translations.py --lupdate L --lrelease R --sources src --options "..." --desktop D --metainfo M
       TS...
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d|n)")


def access_keys(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def check_file(path, lrelease, qm, problems):
    name = os.path.basename(path)
    report = subprocess.run([lrelease, path, "-qm", qm], capture_output=True, text=True, check=True).stdout
    generated = re.search(r"\((\d+) finished and (\d+) unfinished\)", report)
    untranslated = re.search(r"Ignored (\d+) untranslated", report)
    if not generated or int(generated.group(2)) or (untranslated and int(untranslated.group(1))):
        said = " ".join(line.strip() for line in report.splitlines() if not line.startswith("Updating"))
        problems.append(f"{name}: lrelease reports texts not finished: {said}")
    for context in ET.parse(path).getroot().iter("context"):
        where = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("vanished", "obsolete"):
                problems.append(f"{name}: [{where}] {source!r} is no longer in the sources")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for form in forms:
                if sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))):
                    problems.append(f"{name}: [{where}] {form!r} does not keep the placeholders of {source!r}")
                if min(access_keys(source), 1) != access_keys(form):
                    problems.append(f"{name}: [{where}] {form!r} needs one access key (&), as {source!r} has")


def check_desktop(desktop, metainfo, languages, problems):
    entry = open(desktop, encoding="utf-8").read()
    for key in ("GenericName", "Comment", "Keywords"):
        for language in languages:
            if not re.search(rf"^{key}\[{language}\]=\S", entry, re.M):
                problems.append(f"{os.path.basename(desktop)}: no {key}[{language}]")
    root = ET.parse(metainfo).getroot()
    lang = "{http://www.w3.org/XML/1998/namespace}lang"
    for tag in ("summary", "description/p", "screenshots/screenshot/caption"):
        english = [e for e in root.findall(tag) if lang not in e.attrib]
        for language in languages:
            if len([e for e in root.findall(tag) if e.get(lang) == language]) != len(english):
                problems.append(f"{os.path.basename(metainfo)}: {tag} is not translated into {language}")


def main():
    parser = argparse.ArgumentParser()
    for option in ("--lupdate", "--lrelease", "--sources", "--options", "--desktop", "--metainfo"):
        parser.add_argument(option, required=True)
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()
    problems = []
    with tempfile.TemporaryDirectory() as work:
        copies = [shutil.copy(ts, work) for ts in args.ts]
        subprocess.run([args.lupdate, *args.options.split(), args.sources, "-ts", *copies], check=True,
                       capture_output=True)
        for copy in copies:
            check_file(copy, args.lrelease, os.path.join(work, "check.qm"), problems)
    languages = [re.match(r"vantrel_(.+)\.ts$", os.path.basename(ts)).group(1) for ts in args.ts]
    check_desktop(args.desktop, args.metainfo, languages, problems)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print("to bring the files up to date: cmake --build build --target vantrel_lupdate, then translate "
              "what is marked unfinished (Qt Linguist)", file=sys.stderr)
        return 1
    print(f"translations complete: {', '.join(languages)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
