#!/usr/bin/env python3
"""Writes the fuzz seed corpora under fuzz/corpus/<target>/.

Files are made by hand here (BMP variants, BIN, PBM, .mrt, typed texts) and, for the printer's
replies, taken from nimbrel-sim playing every model. Usage: make_corpus.py [path/to/nimbrel-sim]
"""
import os
import struct
import subprocess
import sys
import tempfile
import termios
import time
import select

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")
MODELS = ["T236", "T260", "T736", "T760", "T75Z", "T936", "T960", "T93Z", "T95Z"]


def put(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


# ---- BMP variants -------------------------------------------------------------------------

def bmp(width, height, bpp, pixels, palette=b"", compression=0, masks=b"", top_down=False):
    header_size = 40
    offset = 14 + header_size + len(masks) + len(palette)
    info = struct.pack("<IiiHHIIiiII", header_size, width, -height if top_down else height, 1,
                       bpp, compression, len(pixels), 2835, 2835, len(palette) // 4, 0)
    size = offset + len(pixels)
    return b"BM" + struct.pack("<IHHI", size, 0, 0, offset) + info + masks + palette + pixels


def rows(width, height, bpp, value):
    stride = ((width * bpp + 31) // 32) * 4
    out = b""
    for y in range(height):
        row = bytearray(stride)
        for x in range(width):
            v = value(x, y)
            if bpp == 1:
                if v:
                    row[x // 8] |= 0x80 >> (x % 8)
            elif bpp == 4:
                row[x // 2] |= (v & 15) << (4 if x % 2 == 0 else 0)
            elif bpp == 8:
                row[x] = v & 255
            elif bpp == 16:
                struct.pack_into("<H", row, 2 * x, v & 0xFFFF)
            elif bpp == 24:
                row[3 * x:3 * x + 3] = bytes([v & 255] * 3)
            elif bpp == 32:
                row[4 * x:4 * x + 4] = bytes([v & 255] * 3 + [255])
        out += bytes(row)
    return out


def make_bmps():
    mono = b"\x00\x00\x00\x00\xff\xff\xff\x00"
    grey16 = b"".join(bytes([i * 17] * 3 + [0]) for i in range(16))
    grey256 = b"".join(bytes([i] * 3 + [0]) for i in range(256))
    diag = lambda x, y: 1 if x == y or x == 0 else 0
    put("logos_bmp", "mono_16x8.bmp", bmp(16, 8, 1, rows(16, 8, 1, diag), mono))
    put("logos_bmp", "mono_40x32_topdown.bmp",
        bmp(40, 32, 1, rows(40, 32, 1, lambda x, y: (x ^ y) & 1), mono, top_down=True))
    put("logos_bmp", "four_12x8.bmp", bmp(12, 8, 4, rows(12, 8, 4, lambda x, y: x + y), grey16))
    put("logos_bmp", "eight_10x10.bmp",
        bmp(10, 10, 8, rows(10, 10, 8, lambda x, y: 25 * x), grey256))
    put("logos_bmp", "rgb24_9x7.bmp", bmp(9, 7, 24, rows(9, 7, 24, lambda x, y: 255 * (x % 2))))
    put("logos_bmp", "rgb32_6x6.bmp", bmp(6, 6, 32, rows(6, 6, 32, lambda x, y: 40 * y)))
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    put("logos_bmp", "rgb565_8x4_bitfields.bmp",
        bmp(8, 4, 16, rows(8, 4, 16, lambda x, y: 0xFFFF * (x & 1)), compression=3, masks=masks))
    put("logos_bmp", "rgb555_8x4.bmp", bmp(8, 4, 16, rows(8, 4, 16, lambda x, y: 0x7FFF * (y & 1))))
    # RLE8: runs, an absolute run, end of line, a delta, end of bitmap.
    rle8 = bytes([4, 1, 0, 3, 2, 3, 4, 0, 0, 0, 2, 1, 1, 2, 7, 0, 0, 0, 1])
    put("logos_bmp", "rle8_8x4.bmp", bmp(8, 4, 8, rle8, grey256[:64], compression=1))
    rle4 = bytes([6, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 0, 0, 1])
    put("logos_bmp", "rle4_6x3.bmp", bmp(6, 3, 4, rle4, grey16, compression=2))
    put("logos_bmp", "too_tall_4x40.bmp", bmp(4, 40, 1, rows(4, 40, 1, diag), mono))
    put("logos_bmp", "truncated.bmp", bmp(16, 8, 1, rows(16, 8, 1, diag), mono)[:70])


# ---- BIN / PBM and the logo answers ---------------------------------------------------------

def make_logo_files():
    def binfile(width, r, columns):
        return struct.pack("<HBB", width * r + 4, width & 255, r) + columns

    # The first byte picks BIN (odd) or PBM (even) in this target.
    put("logos_bin_pbm", "bin_2x1", b"\x01" + binfile(2, 1, b"\x01\x80"))
    put("logos_bin_pbm", "bin_16x3", b"\x01" + binfile(16, 3, bytes(range(48))))
    put("logos_bin_pbm", "bin_64x4", b"\x01" + binfile(64, 4, bytes([0xAA, 0x55] * 128)))
    put("logos_bin_pbm", "bin_short", b"\x01" + binfile(10, 2, b"\xff" * 5))
    put("logos_bin_pbm", "pbm_8x1", b"\x00" + struct.pack("<BH", 1, 8) + bytes(range(1, 9)))
    put("logos_bin_pbm", "pbm_300x4", b"\x00" + struct.pack("<BH", 4, 300) + b"\x0f" * 1200)
    put("logos_bin_pbm", "pbm_r5", b"\x00" + struct.pack("<BH", 5, 3) + b"\x01" * 15)
    put("logos_logo_answer", "logo_2x1", bytes([0x06, 2, 1, 0x01, 0x80]))
    put("logos_logo_answer", "logo_8x4", bytes([0x06, 8, 4]) + bytes(range(32)))
    put("logos_logo_answer", "empty", bytes([0x06, 0]))
    put("logos_logo_answer", "refused", bytes([0x15]))
    put("logos_bitmap_answer", "bitmap_3x2", bytes([0x06, 3, 0, 2]) + bytes(range(6)))


# ---- texts ------------------------------------------------------------------------------------

def make_texts():
    for name, text in [("default", "baud=115200 parity=N data=8 stop=1"),
                       ("mode_string", "COM3: baud=9600 parity=E data=7 stop=2"),
                       ("settings_text", ": BAUD=19200 Parity=o Data=8 Stop=1"),
                       ("odd_rate", "baud=250000"), ("bad_key", "speed=9600"),
                       ("one_and_half", "stop=1.5"), ("tabs", "\tbaud=4800\t data=5 ")]:
        put("platform_mode_settings", name, text)
    for name, text in [("plain", "42"), ("signed", "  -17"), ("hex", "$1F"), ("binary", "%1011"),
                       ("huge", "99999999999999999999999"), ("min", "-9223372036854775808"),
                       ("trailing", "12abc"), ("cyrillic", "١٢٣ номер")]:
        put("platform_number_text", name, text)
    for name, text in [("proposed", "310519 140509"), ("short", "310519 14050"),
                       ("long", "310519  140509"), ("cyrillic", "З10519 14О509"),
                       ("emoji", "3105😀9 140509")]:
        put("printer_clock_split", name, text)
    for name, text in [("links", "COM1 /dev/pts/3\nCOM200 ../pts/4\nCOM255 /dev/ttyS0\n"),
                       ("bad_names", "COM0 /dev/pts/1\nCOM256 /dev/pts/2\nCOM07 /dev/pts/3\n"
                                     "com5 /dev/pts/4\nCOM3x /dev/pts/5\n"),
                       ("files", "COM4\nCOM9 \n.COM9.owner\n"),
                       ("duplicate", "COM8 /a\nCOM008 /b\n")]:
        put("platform_device_list", name, text)
    mrt = ("00;Текст;#02;ABC;5\r\n01;Номер;#03;0001;4\r\n10;Дата/Время;#00;%dd.%mm;3\r\n"
           "11;Графика;#01;LOGO#005;0\r\n")
    put("marks_mark_file", "four_rows.mrt", mrt.encode("cp1251"))
    put("marks_mark_file", "bad_line.mrt", b"zz;;\r\n00;\xd2\xe5\xea\xf1\xf2;#02;X;7\r\n")
    # Command framer: pieces as <control byte><bytes>, commands of every lead.
    put("sim_command_framer", "queries", b"\x03\x11\x69\x0e\x03\x11\x5c\x0e\x23\x11\x4d\x0e")
    put("sim_command_framer", "memory", b"\x05\x0f\x72\x30\x37\x0e\x06\x0f\x69\x30\x30\x35\x0e")
    put("sim_command_framer", "clock", b"\x09\x1a\x44\x33\x31\x30\x35\x31\x39\x0e")
    put("sim_command_framer", "broken", b"\x02\x11\x69\xe0\x03\x11\x53\x0e\x04garb")
    # State folder: first byte even for a mark slot, odd for a logo slot.
    mark = bytearray(1536)
    mark[0:4] = b"\x18\x02\x01Z"
    put("sim_state_folder", "mark_05", b"\x04" + bytes(mark))
    put("sim_state_folder", "logo_007", bytes([7, 3, 1, 1, 2, 4]))
    put("sim_state_folder", "logo_bad", bytes([9, 3, 5, 1]))


# ---- the printer's replies, from the simulator --------------------------------------------

def exchange(fd, command, wait=0.4):
    termios.tcflush(fd, termios.TCIFLUSH)
    os.write(fd, command)
    out = b""
    deadline = time.time() + wait
    while time.time() < deadline:
        ready, _, _ = select.select([fd], [], [], 0.05)
        if ready:
            out += os.read(fd, 4096)
            deadline = max(deadline, time.time() + 0.1)
    return out


def make_replies(sim):
    runtime = tempfile.mkdtemp(prefix="nimbrel-corpus-")
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
    for model in MODELS:
        proc = subprocess.Popen([sim, "--model", model, "--occupy-marks", "3,7",
                                 "--occupy-logos", "5"], env=env, stdout=subprocess.PIPE)
        try:
            port, path = proc.stdout.readline().decode().split()
            fd = os.open(path, os.O_RDWR | os.O_NOCTTY)
            attrs = termios.tcgetattr(fd)
            attrs[0] = attrs[1] = 0
            attrs[3] = 0
            attrs[2] = termios.CS8 | termios.CREAD | termios.CLOCAL
            termios.tcsetattr(fd, termios.TCSANOW, attrs)
            version = exchange(fd, b"\x11i\x0e")
            put("printer_version", model, version)
            put("printer_counters", model + "_hours", exchange(fd, b"\x11w\x0e"))
            put("printer_counters", model + "_printed", exchange(fd, b"\x11m\x0e"))
            settings = exchange(fd, b"\x11\\\x0e")
            put("printer_settings_report", model, bytes([MODELS.index(model)]) + settings)
            put("printer_settings_report", model + "_xp",
                bytes([0x80 | MODELS.index(model)]) + settings)
            put("printer_print_mode_report", model, exchange(fd, b"\x11M\x0e"))
            put("printer_line_count", model, exchange(fd, b"\x11S\x0e"))
            put("printer_area_reports", model + "_marks", exchange(fd, b"\x0fx\x0e"))
            put("printer_area_reports", model + "_logos", exchange(fd, b"\x0fa\x0e"))
            if model in ("T260", "T760", "T960"):
                put("marks_mark_block", model + "_mark07", exchange(fd, b"\x0fr07\x0e", 1.0))
                put("marks_mark_block", model + "_mark00", exchange(fd, b"\x0fr00\x0e", 1.0))
                for place in (b"11", b"12", b"21"):
                    reply = exchange(fd, b"\x11" + place + b"\x0e")
                    if reply:
                        put("marks_fragment_report", model + "_" + place.decode(), reply)
                put("logos_logo_answer", model + "_logo005", exchange(fd, b"\x0fi005\x0e"))
                put("logos_bitmap_answer", model, exchange(fd, b"\x0fb\x0e", 1.5))
            os.close(fd)
        finally:
            proc.terminate()
            proc.wait()
    put("printer_version", "cut", b"\x06T9")
    put("printer_version", "garbage", b"\x067 12\x00")


def main():
    make_bmps()
    make_logo_files()
    make_texts()
    sim = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "sim",
                                                               "nimbrel-sim")
    make_replies(sim)


if __name__ == "__main__":
    main()
