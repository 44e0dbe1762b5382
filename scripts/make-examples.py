#!/usr/bin/env python3
"""Writes the demo files of examples/Samples: a small SoundFont 2 bank, a Norvex
Sampler program and a Sarvik file that uses the bank. Every byte is made here, so the
output is the same on every run and machine."""

import math
import struct
import sys
from pathlib import Path

INSTRUMENTS = ["Warm Pad", "glass Bells", "Soft Strings", "Analog Bass", "Choir Aahs",
               "Pluck", "Brass Section", "sine Lead"]
LAYERS = 6
RATE = 22050


def chunk(ident, data):
    assert len(ident) == 4 and len(data) % 2 == 0, "every chunk here has an even size"
    return ident + struct.pack("<I", len(data)) + data


def riff_list(ident, form, data):
    return chunk(ident, form + data)


def zstr(text, size):
    raw = text.encode("cp1252")[:size]
    return raw + b"\0" * (size - len(raw))


def even_zstr(text):
    raw = text.encode("cp1252") + b"\0"
    return raw + b"\0" * (len(raw) % 2)


def waveform(index, length=256):
    """One period-ish of a different shape per instrument, as 16-bit samples."""
    points = []
    for n in range(length):
        phase = 2 * math.pi * n * (index + 1) / length
        value = math.sin(phase) + (0.3 * math.sin(3 * phase) if index % 2 else 0.0)
        points.append(int(round(9000 * value)))
    return points


def soundfont():
    samples = b""
    headers = b""
    position = 0
    for index, name in enumerate(INSTRUMENTS):
        points = waveform(index)
        samples += struct.pack("<%dh" % len(points), *points) + b"\0\0" * 46
        start, end = position, position + len(points)
        headers += zstr(name, 20) + struct.pack("<IIIIIBbHH", start, end, start + 8, end - 8,
                                                 RATE, 60, 0, 0, 1)
        position = end + 46
    headers += zstr("EOS", 20) + b"\0" * 26

    count = len(INSTRUMENTS)
    phdr = b"".join(zstr(name, 20) + struct.pack("<HHHIII", i, 0, i, 0, 0, 0)
                    for i, name in enumerate(INSTRUMENTS))
    phdr += zstr("EOP", 20) + struct.pack("<HHHIII", 0, 0, count, 0, 0, 0)
    pbag = b"".join(struct.pack("<HH", i, 0) for i in range(count + 1))
    pgen = b"".join(struct.pack("<HH", 41, i) for i in range(count)) + b"\0" * 4
    inst = b"".join(zstr(name, 20) + struct.pack("<H", i) for i, name in enumerate(INSTRUMENTS))
    inst += zstr("EOI", 20) + struct.pack("<H", count)
    ibag = b"".join(struct.pack("<HH", i, 0) for i in range(count + 1))
    igen = b"".join(struct.pack("<HH", 53, i) for i in range(count)) + b"\0" * 4
    modulators = b"\0" * 10

    info = (chunk(b"ifil", struct.pack("<HH", 2, 1)) + chunk(b"isng", even_zstr("EMU8000"))
            + chunk(b"INAM", even_zstr("Quillkit Demo Bank"))
            + chunk(b"ICMT", even_zstr("Made by scripts/make-examples.py for trying out Quillkit.")))
    pdta = (chunk(b"phdr", phdr) + chunk(b"pbag", pbag) + chunk(b"pmod", modulators)
            + chunk(b"pgen", pgen) + chunk(b"inst", inst) + chunk(b"ibag", ibag)
            + chunk(b"imod", modulators) + chunk(b"igen", igen) + chunk(b"shdr", headers))
    return riff_list(b"RIFF", b"sfbk", riff_list(b"LIST", b"INFO", info)
                     + riff_list(b"LIST", b"sdta", chunk(b"smpl", samples))
                     + riff_list(b"LIST", b"pdta", pdta))


def sampler_program():
    infos = b"".join(struct.pack("<I", layer) + bytes((layer * 7 + k) % 256 for k in range(100))
                     for layer in range(LAYERS))
    data = b"".join(struct.pack("<h", int(round(8000 * math.sin(n / 5.0)))) for n in range(512))
    return (chunk(b"NPRG", struct.pack("<iii", 1, LAYERS, 0))
            + chunk(b"LYRS", bytes(range(LAYERS * 8)))
            + chunk(b"SIFS", infos)
            + chunk(b"SDAT", data))


def sarvik_file():
    """The text exactly as the editor writes it, so that saving it unchanged changes nothing."""
    name = "Quillkit Demo Pad"
    # Paragraphs short enough that the editor never breaks them.
    notes = ["A warm pad for trying out Quillkit without the host.", "",
             "The bank demo.sf2 lies in this Samples folder.", "",
             "Choose waves with the button beside each wave field.", "",
             "Drag knobs up or down; two quick clicks set a knob to zero."]
    lines = ["'" + name, "'" + "-" * len(name)] + ["'" + line for line in notes] + [""]
    lines += ["waveset = demo.sf2, 32, 48, 8", ""]
    oscillators = [
        [("Warm Pad", 0, 250, 400, 100), ("Soft Strings", 12, 1200, 0, 80)],
        [("Choir Aahs", 0, 900, 1600, 70)],
        [("glass Bells", 24, 0, 0, 60), ("Pluck", -12, 0, 100, 90), ("sine Lead", 7, 30, 0, 50)],
        [("Analog Bass", -24, 10, 0, 110)],
    ]
    for number, instruments in enumerate(oscillators):
        lines += ["'------------ OSCILLATOR %d ------------" % (number + 1), "osc = %d" % number, ""]
        for wave, transpose, hold, blend, volume in instruments:
            lines += ["instrument = " + wave, "transpose = %d" % transpose, "hold = %d" % hold,
                      "blend = %d" % blend, "volume = %d" % volume, "reserved = 0, 0", ""]
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "examples" / "Samples"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "demo.sf2").write_bytes(soundfont())
    (folder / "demo.nsp").write_bytes(sampler_program())
    (folder / "Demo Pad.txt").write_bytes(sarvik_file())


if __name__ == "__main__":
    main()
