#!/usr/bin/env python3
"""Builds the golden files of the sample configuration without the program's own code: the record
bytes from the layout's offsets, the enciphered part from `openssl enc -aes-128-ecb -nopad`.

    python3 make-sample-dcf.py    # writes sample-config.record and sample-config.dcf here
"""
import pathlib
import struct
import subprocess

HERE = pathlib.Path(__file__).resolve().parent
KEY = "5f0c9e21a7d3486bb19e02c4f67a3d58"
record = bytearray(2826)


def i32(offset, value):
    struct.pack_into("<i", record, offset, value)


def f32(offset, value):
    struct.pack_into("<f", record, offset, value)


def text(offset, value):
    record[offset:offset + len(value)] = value


def item_i32(offset, value):
    record[offset] = 1
    i32(offset + 1, value)


def item_f32(offset, value):
    record[offset] = 1
    f32(offset + 1, value)


def item_text(offset, value):
    record[offset] = 1
    text(offset + 1, value)


# The initial values of a cleared record.
f32(5, 200.0)
f32(9, 11.8)
f32(390, 3.0)
record[581] = ord("~")
record[583] = ord("^")
record[585] = ord(",")

i32(0, 108)
record[4] = 1
f32(5, 203.0)
f32(9, 8.0)
i32(13, 1234)
i32(17, 56)
text(21, b"V2.03A EZ-1105 \xe9")
text(277, b"12.5")
text(293, b"0.7")
text(309, b"8A3F")
text(325, b"NV2031-000417")
item_f32(389, 4.0)
item_i32(394, 8)
item_i32(399, 3)
item_f32(404, 812.0)
item_f32(409, 406.5)
item_i32(414, 1)
item_f32(419, 23.6)
item_i32(429, 3)
item_i32(434, 2)
item_i32(439, -8)
item_i32(449, 1)
item_i32(504, 36)
item_i32(509, 21)
item_f32(529, 2436.0)
item_i32(555, 15)
item_i32(565, -5)
record[580] = 1
item_f32(611, 4.5)
item_i32(646, 8)
record[666] = 1
item_text(700, b"Norvane BT")
record[799] = 1
item_text(800, b'Lab "5G"')
item_i32(865, 6)
item_i32(1194, 0x11)
item_text(1199, b"tech")
text(1521, b"CA.DER")
text(1569, b"00:1B:2C:3D:4E:5F")
item_text(1698, b"5G")
item_i32(1713, 9100)
record[1785] = 1
item_text(1856, b"ext key")
item_text(2185, b"10.0.0.7")
item_i32(2520, 1)
item_text(2793, b"ftp-password-reaching-the-tail")

(HERE / "sample-config.record").write_bytes(record)
enciphered = subprocess.run(
    ["openssl", "enc", "-aes-128-ecb", "-nopad", "-K", KEY],
    input=bytes(record[:2816]), capture_output=True, check=True).stdout
assert len(enciphered) == 2816
unit_mm = 1
status = bytes([0, 0, 1, 0, 0, 0, 0, 0, 0, 1])
image = struct.pack("<iii", 0x55AA, 1, unit_mm) + enciphered + bytes(record[2816:]) + status
assert len(image) == 2848
(HERE / "sample-config.dcf").write_bytes(image)
