#!/usr/bin/python3
"""No folder of the program includes a folder that stands on it.

Usage: include_floors_test.py SOURCE_DIR

The floors, lowest first: core; banks, sound and sound/mixer; quiz; ui; app.
A file may include its own folder and the floors below it, never a floor
above or another folder of its own floor. The tests under tests/<folder>/
keep the rules of <folder> (tests/support is theirs to include).

Before checking the tree, the check proves on a scratch tree that it refuses
such an include, so it can never pass by seeing nothing.
"""
import re
import sys
import tempfile
from pathlib import Path

FLOORS = {"core": 0, "banks": 1, "sound": 1, "sound/mixer": 1, "quiz": 2, "ui": 3, "app": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """The program folder a path (relative, with /) lies in, or None."""
    matches = [folder for folder in FLOORS if path == folder or path.startswith(folder + "/")]
    return max(matches, key=len) if matches else None


def climbing_includes(root):
    found = []
    for source in sorted(root.rglob("*")):
        if source.suffix not in (".h", ".cpp") or not source.is_file():
            continue
        relative = source.relative_to(root).as_posix()
        owner = folder_of(relative[len("tests/"):] if relative.startswith("tests/") else relative)
        if owner is None or relative.startswith("build"):
            continue
        for included in INCLUDE.findall(source.read_text(encoding="utf-8")):
            target = folder_of(included)
            if target is None or target == owner:
                continue
            if FLOORS[target] >= FLOORS[owner]:
                found.append(f"{relative}: includes \"{included}\" ({target} is not below {owner})")
    return found


def refuses_a_climbing_include():
    with tempfile.TemporaryDirectory() as scratch:
        root = Path(scratch)
        for path, text in {"core/window.h": '#include "core/gbk_text.h"\n',
                           "core/gbk.cpp": '#include "ui/main_window.h"\n',
                           "banks/bank_text.cpp": '#include "sound/cues.h"\n',
                           "tests/quiz/navigation_test.cpp": '#include "app/startup.h"\n#include "core/window.h"\n'
                                                             '#include "support/quiz_fixture.h"\n',
                           "app/main.cpp": '#include "ui/main_window.h"\n#include "sound/mixer/mixer_playback.h"\n'}.items():
            (root / path).parent.mkdir(parents=True, exist_ok=True)
            (root / path).write_text(text, encoding="utf-8")
        found = climbing_includes(root)
        expected = ["banks/bank_text.cpp", "core/gbk.cpp", "tests/quiz/navigation_test.cpp"]
        return [line.split(":")[0] for line in found] == expected


if not refuses_a_climbing_include():
    sys.exit("the check does not refuse the climbing includes of its scratch tree")
problems = climbing_includes(Path(sys.argv[1]))
for problem in problems:
    print(problem)
print(f"{len(problems)} includes climb to a higher floor")
sys.exit(1 if problems else 0)
