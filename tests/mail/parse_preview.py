#!/usr/bin/env python3
"""Reads one mail message that carries the greeting's picture with Python's standard MIME
parser (the default policy, as current mail programs use it) and prints what it found, one
'key<TAB>hex of the value' line each, so that the C++ test can compare bytes. Texts are printed
in UTF-8. The decoded attachment, when there is one, is written to the file named by the second
argument (a later one to that name with its number appended). The GIF is read block by block: its size, its frames, each frame's delay in hundredths
of a second and how often it loops."""
import email
import re
import struct
import sys
from email import policy


def show(key, value):
    if value is None:
        value = b""
    if isinstance(value, int):
        value = str(value)
    if isinstance(value, str):
        value = value.encode("utf-8", "surrogateescape")
    print(key + "\t" + value.hex())


def sub_blocks(data, at):
    """The bytes of the data sub-blocks that start at 'at', and where they end."""
    out = bytearray()
    while True:
        size = data[at]
        at += 1
        if size == 0:
            return bytes(out), at
        out += data[at:at + size]
        at += size


def read_gif(data):
    """Width, height, the delays of the frames (one per image) and the loop count (None when
    the picture has no loop extension); raises on a malformed file."""
    if data[:6] not in (b"GIF87a", b"GIF89a"):
        raise ValueError("not a GIF")
    width, height, packed = struct.unpack_from("<HHB", data, 6)
    at = 13
    if packed & 0x80:
        at += 3 * (1 << ((packed & 7) + 1))
    delays = []
    pending = 0
    loops = None
    while True:
        kind = data[at]
        at += 1
        if kind == 0x3B:
            break
        if kind == 0x21:
            label = data[at]
            at += 1
            block, at = sub_blocks(data, at)
            if label == 0xF9 and len(block) >= 4:
                pending = struct.unpack_from("<H", block, 1)[0]
            elif label == 0xFF and block[:11] == b"NETSCAPE2.0" and len(block) >= 14:
                loops = struct.unpack_from("<H", block, 12)[0]
        elif kind == 0x2C:
            packed = data[at + 8]
            at += 9
            if packed & 0x80:
                at += 3 * (1 << ((packed & 7) + 1))
            at += 1  # the LZW code size
            _, at = sub_blocks(data, at)
            delays.append(pending)
            pending = 0
        else:
            raise ValueError("unknown block 0x%02x at %d" % (kind, at - 1))
    return width, height, delays, loops


def main():
    message_path, attachment_path = sys.argv[1], sys.argv[2]
    with open(message_path, "rb") as f:
        message = email.message_from_binary_file(f, policy=policy.default)
    show("content-type", message.get_content_type())
    show("boundary", message.get_boundary())
    show("defects", ",".join(
        "%s:%s" % (part.get_content_type(), type(d).__name__)
        for part in message.walk() for d in part.defects))
    parts = message.get_payload() if message.is_multipart() else []
    show("parts", len(parts))
    if not parts:
        return 0
    first = parts[0]
    show("first:content-type", first.get_content_type())
    show("first:boundary", first.get_boundary() or "")
    inner = first.get_payload() if first.is_multipart() else []
    show("first:parts", len(inner))
    if len(inner) >= 1:
        text = inner[0]
        show("text:content-type", text.get_content_type())
        show("text:charset", text.get_content_charset() or "")
        show("text:encoding", text.get("Content-Transfer-Encoding", ""))
        show("text:bytes", text.get_payload(decode=True) or b"")
        show("text:content", text.get_content())
    if len(inner) >= 2:
        related = inner[1]
        show("related:content-type", related.get_content_type())
        show("related:boundary", related.get_boundary() or "")
        show("related:type", related.get_param("type") or "")
        pieces = related.get_payload() if related.is_multipart() else []
        show("related:parts", len(pieces))
        html = pieces[0] if pieces else None
        if html is not None:
            show("html:content-type", html.get_content_type())
            show("html:charset", html.get_content_charset() or "")
            show("html:encoding", html.get("Content-Transfer-Encoding", ""))
            content = html.get_content()
            show("html:content", content)
            image_tag = re.search(r"<img\b[^>]*>", content)
            tag = image_tag.group(0) if image_tag else ""
            for name in ("src", "alt", "width", "height"):
                found = re.search(r'\b%s="([^"]*)"' % name, tag)
                show("img:" + name, found.group(1) if found else "")
        image = pieces[1] if len(pieces) >= 2 else None
        if image is not None:
            show("image:content-type", image.get_content_type())
            show("image:encoding", image.get("Content-Transfer-Encoding", ""))
            show("image:content-id", str(image.get("Content-ID", "")))
            show("image:disposition", image.get_content_disposition() or "")
            show("image:filename", image.get_filename() or "")
            picture = image.get_payload(decode=True) or b""
            show("image:bytes", len(picture))
            try:
                width, height, delays, loops = read_gif(picture)
                show("gif:width", width)
                show("gif:height", height)
                show("gif:frames", len(delays))
                show("gif:delays", ",".join(str(d) for d in delays))
                show("gif:loops", "" if loops is None else loops)
            except (ValueError, IndexError, struct.error) as error:
                show("gif:error", str(error))
    # Every attachment after the first part: the first keeps the plain names, the later ones
    # are numbered from 2, and each is written beside the first with its number appended.
    for number, attachment in enumerate(parts[1:], start=1):
        prefix = "attachment" if number == 1 else "attachment%d" % number
        show(prefix + ":content-type", attachment.get_content_type())
        show(prefix + ":filename", attachment.get_filename() or "")
        show(prefix + ":disposition", attachment.get_content_disposition() or "")
        payload = attachment.get_payload(decode=True) or b""
        path = attachment_path if number == 1 else "%s.%d" % (attachment_path, number)
        with open(path, "wb") as out:
            out.write(payload)
        show(prefix + ":bytes", len(payload))
    # No part of a message may be a program: mail services refuse or quarantine them.
    leaves = [part for part in message.walk() if not part.is_multipart()]
    programs = [part.get_content_type() for part in leaves
                if (part.get_payload(decode=True) or b"").startswith((b"\x7fELF", b"MZ"))]
    show("programs", ",".join(programs))
    return 0


if __name__ == "__main__":
    sys.exit(main())
