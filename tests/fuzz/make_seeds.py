#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (run from anywhere; rewrites corpus/).

Input formats: the number-text targets take one flag byte (lowest bit set: separator ".",
clear: ",") and then the text in UTF-16 little-endian; format_real takes the flag byte and a
double; calculate_wage takes a double, an int32, a double and a flag byte, all little-endian;
panel_text takes the bytes of a panel file.
"""
import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent / "corpus"


def text(flag, s):
    return bytes([flag]) + s.encode("utf-16-le", "surrogatepass")


PARSE_REAL = {
    "blanks": (0, "  12 "), "exponent": (0, "1E4"), "small_e": (0, "1e4"),
    "empty_exponent": (0, "1E"), "exponent_plus": (0, "1E+"), "separator_only": (0, ","),
    "negative_zero": (0, "-,"), "negative_exponent": (0, "1E-5"), "fraction": (0, "1117,5"),
    "grouped": (0, "10 000"), "wrong_separator": (0, "10000.5"), "dot": (1, "10000.5"),
    "two_separators": (0, "1,2,3"), "inf": (0, "INF"), "nan": (0, "NAN"), "sign_only": (0, "+"),
    "empty": (0, ""), "blank": (0, " "), "overflow": (0, "1E500"), "exponent_4999": (0, "1E4999"),
    "exponent_5000": (0, "1E5000"), "twenty_nines": (0, "9" * 20),
    "largest": (0, "1,79769313486232E308"), "smallest": (0, "4,94065645841247E-324"),
    "subnormal": (1, "-2.5e-310"), "tiny_power": (1, "7e-5200"), "long_mantissa": (0, "1" * 300 + ",5E-280"),
    "beyond_extended": (0, "9" * 4940), "no_break_space": (0, "12\u00a0000"),
    "tab": (0, "\t12"), "currency": (0, "12 Kč"), "lone_surrogate": (0, "1\ud800"),
    "surrogate_pair": (1, "\U0001F600"), "signed_exponent": (1, "+0.000123e+0002 "),
}

PARSE_INTEGER = {
    "plain": "5", "blank": " 5", "plus": "+5", "zeros": "00005", "negative_zero": "-0",
    "hex_0x": "0x1A", "hex_0X": "0X1a", "hex_x": "x1A", "hex_dollar": "$1a",
    "hex_min": "-$80000000", "min": "-2147483648", "max": "2147483647",
    "trailing_blank": "5 ", "blank_after_sign": "- 5", "two_signs": "+-5", "fraction": "1.0",
    "exponent": "1e3", "bare_0x": "0x", "bare_dollar": "$", "above_max": "2147483648",
    "below_min": "-2147483649", "nine_hex_digits": "$100000000",
    "hex_leading_zeros": "$0000000012345678", "hex_all_ones": "$FFFFFFFF", "empty": "",
    "wide_digit": "\uff15", "long_zeros": "0" * 40 + "7",
}

FORMAT_REAL = {
    "whole": 13400.0, "fraction": 900.09, "half": 0.5, "fixed_smallest": 0.0001,
    "scientific_small": 0.00001, "fifteen_nines": 999999999999999.0, "scientific_large": 1e15,
    "sixteen_digits": 1234567890123456.0, "largest_wage": 9223372036854774784.0,
    "huge": 1.5e300, "two_thirds": 2 / 3, "negative": -8900.0, "largest": 1.7976931348623157e308,
    "smallest": 5e-324, "smallest_normal": 2.2250738585072014e-308, "nan": float("nan"),
    "inf": float("inf"), "minus_inf": float("-inf"), "minus_zero": -0.0, "ten_to_14": 1e14,
    "eighteen_digits": 123456789012345678.0, "small_fraction": 0.00012345,
    "carry": 0.9999999999999999, "round_half": 1.0000000000000049,
}

CALCULATE_WAGE = {
    "worked_10000": (10000, 1, 1117, 0), "worked_10001": (10001, 1, 1117, 0),
    "worked_25000_spouse": (25000, 2, 1117, 1), "worked_20000": (20000, 1, 1117, 0),
    "worked_27000": (27000, 0, 1117, 0), "worked_30000": (30000, 0, 1117, 0),
    "zero": (0, 0, 0, 0), "negative_children": (20000, -5, 1117, 0),
    "negative_relief": (20000, 1, -1000, 0), "negative_wage": (-10000, 0, 1117, 0),
    "fractions": (10000.5, 1, 1117.5, 0), "largest_wage": (6883113460339384320, 1, 1117, 0),
    "invalid_wage": (6883113460339385344, 1, 1117, 0), "overflow": (20000, 2, 1e308, 0),
    "no_overflow": (20000, 1, 1e308, 0), "negative_overflow": (20000, -2, 1e308, 1),
    "nan_wage": (float("nan"), 1, 1117, 0), "inf_relief": (10000, 3, float("inf"), 1),
}

PANEL_TEXT = {
    "utf8_bom": b"\xef\xbb\xbf\xc4\x8cist\xc3\xa1 mzda\r\nV\xc3\xbdpo\xc4\x8det\n",
    "utf8_invalid": b"\xef\xbb\xbfmzda \xc3\x28",
    "utf8_overlong": b"\xef\xbb\xbf\xc0\xaf \xe0\x80\xaf",
    "utf8_surrogate": b"\xef\xbb\xbf\xed\xa0\x80",
    "utf8_astral": b"\xef\xbb\xbf\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf",
    "utf8_truncated": b"\xef\xbb\xbfa\xe2\x82",
    "utf16le": b"\xff\xfe" + "Daň\rse\nslevami\r\n".encode("utf-16-le") + b"\x41",
    "utf16be": b"\xfe\xff" + "Odvod státu\n\ud800".encode("utf-16-be", "surrogatepass"),
    "utf32le_mark": b"\xff\xfe\x00\x00" + "x".encode("utf-32-le"),
    "cp1250": "Čistá mzda – daň\r\n".encode("cp1250") + bytes(range(0x80, 0x100)),
    "lone_cr_lf": b"a\rb\nc\r\nd\n\re\r\r",
    "nul": b"before\x00after\r\n",
    "short_marks": b"\xef\xbb",
    "empty": b"",
    "mark_only": b"\xef\xbb\xbf",
}


def write(target, seeds):
    folder = HERE / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


write("parse_real", {k: text(f, s) for k, (f, s) in PARSE_REAL.items()})
write("parse_integer", {k: text(0, s) for k, s in PARSE_INTEGER.items()})
write("format_real", {k: bytes([i % 2]) + struct.pack("<d", v)
                      for i, (k, v) in enumerate(FORMAT_REAL.items())})
write("panel_text", PANEL_TEXT)
write("calculate_wage", {k: struct.pack("<did", float(g), c, float(r)) + bytes([s])
                         for k, (g, c, r, s) in CALCULATE_WAGE.items()})
