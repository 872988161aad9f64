#!/usr/bin/env python3
"""Reads one delivered mail message with Python's standard MIME parser and prints what it
found, one 'key<TAB>hex of the value' line each, so that the C++ test can compare bytes.
The decoded attachment is written to the file named by the second argument."""
import email
import sys
from email import policy


def show(key, value):
    if value is None:
        value = b""
    if isinstance(value, str):
        value = value.encode("utf-8", "surrogateescape")
    print(key + "\t" + value.hex())


def main():
    message_path, attachment_path = sys.argv[1], sys.argv[2]
    with open(message_path, "rb") as f:
        message = email.message_from_binary_file(f, policy=policy.compat32)
    for name in ("To", "From", "Subject", "Date", "MIME-Version", "MESSAGE_ID"):
        show("header:" + name, message[name])
    show("content-type", message.get_content_type())
    show("boundary", message.get_boundary())
    show("preamble", (message.preamble or "").strip())
    show("defects", ",".join(type(d).__name__ for d in message.defects))
    parts = message.get_payload() if message.is_multipart() else []
    show("parts", str(len(parts)))
    for index, part in enumerate(parts):
        prefix = "part%d:" % index
        show(prefix + "content-type", part.get_content_type())
        show(prefix + "charset", part.get_content_charset() or "")
        show(prefix + "filename", part.get_filename() or "")
        show(prefix + "encoding", part.get("Content-Transfer-Encoding", ""))
        payload = part.get_payload(decode=True) or b""
        if part.get_filename():
            with open(attachment_path, "wb") as out:
                out.write(payload)
            show(prefix + "bytes", str(len(payload)))
        else:
            show(prefix + "text", payload.rstrip(b"\r\n"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
