#!/usr/bin/env python3
"""Writes a small sample music folder for trying Corvane out: a dozen tiny
MP3 files whose tags cover the cases the program handles (UTF-16, UTF-8,
GBK bytes under encoding 0, ID3v1 only, no tag, an incomplete tag, two files
that want the same name). Standard library only; titles and names are made up.

Usage: make_sample_music.py FOLDER

FOLDER is replaced when it holds a previous sample (it then carries the
marker file .corvane-sample); any other existing folder is refused.
"""
import os
import shutil
import struct
import sys

MARKER = ".corvane-sample"


def synchsafe(n):
    return bytes(((n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F))


def text(encoding, value):
    """A text frame body: the encoding byte, then the text in that encoding."""
    if encoding == 0:  # bytes as given: Latin-1, or a local code page such as GBK
        data = value if isinstance(value, bytes) else value.encode("latin-1")
    elif encoding == 1:
        data = b"\xff\xfe" + value.encode("utf-16-le")
    elif encoding == 2:
        data = value.encode("utf-16-be")
    else:
        data = value.encode("utf-8")
    return bytes((encoding,)) + data


def id3v2(version, frames):
    body = b""
    for frame_id, frame_body in frames:
        if version == 2:
            body += frame_id.encode() + struct.pack(">I", len(frame_body))[1:] + frame_body
        elif version == 3:
            body += frame_id.encode() + struct.pack(">I", len(frame_body)) + b"\0\0" + frame_body
        else:
            body += frame_id.encode() + synchsafe(len(frame_body)) + b"\0\0" + frame_body
    body += bytes(64)  # padding
    return b"ID3" + bytes((version, 0, 0)) + synchsafe(len(body)) + body


def id3v1(title, artist, album):
    def field(value):
        data = value if isinstance(value, bytes) else value.encode("latin-1")
        return data[:30].ljust(30, b"\0")

    return b"TAG" + field(title) + field(artist) + field(album) + bytes(4 + 30 + 1)


def audio():
    # A few MPEG-1 Layer III frame headers over silence: enough to look like
    # an MP3, far too little to play.
    frame = b"\xff\xfb\x90\x64" + bytes(413)
    return frame * 4


def v23(encoding, title, artist, album=None):
    frames = [("TIT2", text(encoding, title)), ("TPE1", text(encoding, artist))]
    if album is not None:
        frames.append(("TALB", text(encoding, album)))
    return id3v2(3, frames)


SAMPLES = [
    ("01 晨光.mp3", v23(1, "晨光", "北岸乐队", "海边的日子") + audio()),
    ("02 远行.mp3",
     id3v2(4, [("TIT2", text(3, "远行")), ("TPE1", text(3, "林小雨")), ("TALB", text(3, "四季"))])
     + audio()),
    ("03 gbk.mp3",
     v23(0, "夜曲".encode("gbk"), "陈默".encode("gbk"), "城市之光".encode("gbk")) + audio()),
    ("04 id3v1 only.mp3", audio() + id3v1("Morning Tide", "Blue Harbor", "Coastline")),
    ("05 no tag.mp3", audio()),
    ("06 incomplete.mp3", v23(1, "半首歌", "无名") + audio()),
    ("07 album from id3v1.mp3",
     v23(1, "Paper Boats", "Lantern Hill") + audio() + id3v1("x", "y", "Harbour Lights")),
    ("雨后 - 北岸乐队.mp3", v23(1, "雨后", "北岸乐队", "海边的日子") + audio()),
    ("09 同名 a.mp3", v23(1, "同名歌", "双子", "镜像") + audio()),
    ("10 同名 b.mp3", v23(1, "同名歌", "双子", "镜像") + audio()),
    (os.path.join("子文件夹", "11 utf16be.mp3"),
     id3v2(4, [("TIT2", text(2, "星河")), ("TPE1", text(2, "远山")), ("TALB", text(2, "夜行"))])
     + audio()),
    (os.path.join("子文件夹", "12 id3v2.2.mp3"),
     id3v2(2, [("TT2", text(0, "Café Noir")), ("TP1", text(0, "Éloïse")), ("TAL", text(0, "Rue"))])
     + audio()),
    ("说明.txt", "Corvane 示例文件夹: 只列出 .mp3 文件.\n".encode("utf-8")),
    ("13 upper case.MP3", v23(1, "大写", "扩展名", "不列出") + audio()),
]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_sample_music.py FOLDER")
    folder = sys.argv[1]
    if os.path.exists(folder):
        if not os.path.exists(os.path.join(folder, MARKER)):
            sys.exit(f"{folder} exists and is not a Corvane sample folder; not touching it")
        shutil.rmtree(folder)
    for name, data in SAMPLES:
        path = os.path.join(folder, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)
    open(os.path.join(folder, MARKER), "wb").close()
    print(f"wrote {len(SAMPLES)} files to {folder}")


if __name__ == "__main__":
    main()
