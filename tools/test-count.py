#!/usr/bin/env python3
"""Adds up the GoogleTest results that the test run wrote (one XML file per ctest entry) and
prints one line: "Cases: N passed, N failed, N skipped"."""
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path


def main():
    folder = Path(sys.argv[1])
    passed = failed = skipped = 0
    unreadable = []
    for path in sorted(folder.glob("*.xml")):
        try:
            cases = ElementTree.parse(path).getroot().iter("testcase")
        except ElementTree.ParseError:
            unreadable.append(path.name)
            continue
        for case in cases:
            if case.find("failure") is not None:
                failed += 1
            elif case.get("result") == "skipped" or case.find("skipped") is not None:
                skipped += 1
            elif case.get("status") == "run":
                passed += 1
    for name in unreadable:
        print(f"{name}: not a complete result file (the program ended while writing it)")
    print(f"Cases: {passed} passed, {failed} failed, {skipped} skipped")
    return 1 if unreadable else 0


if __name__ == "__main__":
    sys.exit(main())
