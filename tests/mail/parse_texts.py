#!/usr/bin/env python3
"""Reads one mail message with Python's standard MIME parser (the default policy, as current
mail programs use it) and prints the texts a mail program shows of it, one 'key<TAB>hex of the
value' line each, so that the C++ test can compare bytes: the subject; each address of To and
From with its display name; for every part that is not multipart, in the order of the message,
its type, charset, file name and text (or, for a file, its size). 'defects' lists what the
parser found wrong, in the message, its parts and their header fields; every field's longest
line is in 'longest-header-line'. The second argument is not used."""
import email
import sys
from email import policy


def show(key, value):
    if value is None:
        value = ""
    if isinstance(value, int):
        value = str(value)
    if isinstance(value, str):
        value = value.encode("utf-8", "surrogateescape")
    print(key + "\t" + value.hex())


def main():
    with open(sys.argv[1], "rb") as f:
        raw = f.read()
    message = email.message_from_bytes(raw, policy=policy.default)
    # A delivered message may end its lines in LF alone.
    lines = raw.replace(b"\r\n", b"\n").split(b"\n")
    header = lines[:lines.index(b"")] if b"" in lines else lines
    show("longest-header-line", max(len(line) for line in header))
    show("subject", str(message["Subject"] or ""))
    for field in ("To", "From"):
        value = message[field]
        addresses = value.addresses if value is not None else ()
        show(field + ":count", len(addresses))
        for number, address in enumerate(addresses):
            show("%s:%d:name" % (field, number), address.display_name)
            show("%s:%d:address" % (field, number), address.addr_spec)
    defects = []
    for part in message.walk():
        defects += [type(d).__name__ for d in part.defects]
        for name, value in part.items():
            defects += ["%s:%s" % (name, d) for d in getattr(value, "defects", ())]
    show("defects", "|".join(defects))
    leaves = [part for part in message.walk() if not part.is_multipart()]
    show("leaves", len(leaves))
    for number, part in enumerate(leaves):
        prefix = "leaf%d:" % number
        show(prefix + "type", part.get_content_type())
        show(prefix + "charset", part.get_content_charset() or "")
        show(prefix + "filename", part.get_filename() or "")
        if part.get_content_maintype() == "text" and not part.get_filename():
            show(prefix + "content", part.get_content())
        else:
            show(prefix + "bytes", len(part.get_payload(decode=True) or b""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
