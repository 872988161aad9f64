#!/usr/bin/env python3
"""Reads one mail message with Python's standard MIME parser (the default policy, as current
mail programs use it) and prints what it found, one 'key<TAB>hex of the value' line each, so
that the C++ test can compare bytes. Texts are printed in UTF-8. The decoded attachment is
written to the file named by the second argument."""
import email
import sys
from email import policy


def show(key, value):
    if value is None:
        value = b""
    if isinstance(value, str):
        value = value.encode("utf-8", "surrogateescape")
    print(key + "\t" + value.hex())


def defects(item):
    return ",".join(type(d).__name__ for d in item.defects)


def main():
    message_path, attachment_path = sys.argv[1], sys.argv[2]
    with open(message_path, "rb") as f:
        message = email.message_from_binary_file(f, policy=policy.default)
    for name in ("To", "From", "Subject", "Date", "MIME-Version", "MESSAGE_ID", "Message-ID"):
        value = message[name]
        show("header:" + name, None if value is None else str(value))
    show("content-type", message.get_content_type())
    show("boundary", message.get_boundary())
    show("preamble", (message.preamble or "").strip())
    show("defects", defects(message))
    parts = message.get_payload() if message.is_multipart() else []
    show("parts", str(len(parts)))
    for index, part in enumerate(parts):
        prefix = "part%d:" % index
        show(prefix + "content-type", part.get_content_type())
        show(prefix + "charset", part.get_content_charset() or "")
        show(prefix + "filename", part.get_filename() or "")
        show(prefix + "encoding", part.get("Content-Transfer-Encoding", ""))
        show(prefix + "defects", defects(part))
        payload = part.get_payload(decode=True) or b""
        if part.get_filename():
            with open(attachment_path, "wb") as out:
                out.write(payload)
            show(prefix + "bytes", str(len(payload)))
        else:
            # The bytes as the part carries them, and the text as a reader shows it.
            show(prefix + "text", payload.rstrip(b"\r\n"))
            show(prefix + "content", part.get_content().rstrip("\r\n"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
