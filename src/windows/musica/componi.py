#!/usr/bin/env python3
"""Writes Internet.mid, Zocal's start-up jingle: four bars in C major at
120 beats a minute (eight seconds), a rising sunflower motif on piano and
glockenspiel over strings and a walking bass. Standard MIDI file, type 1.

Usage: componi.py [OUT]   (default: Internet.mid beside this script)
"""
import os
import struct
import sys

PPQ = 480
Q = PPQ          # quarter
E = PPQ // 2     # eighth
H = 2 * PPQ      # half
W = 4 * PPQ      # whole

NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def nota(nome):
    """'C5' -> 72 (middle C is C4 = 60)."""
    return 12 * (int(nome[1:]) + 1) + NOTE[nome[0]]


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append((n & 0x7F) | 0x80)
        n >>= 7
    return bytes(reversed(out))


def traccia(eventi):
    """eventi: (tick, bytes) in any order; note-offs sort before note-ons."""
    eventi = sorted(eventi, key=lambda e: (e[0], e[1][0] & 0xF0 != 0x80))
    dati = b""
    ora = 0
    for tick, msg in eventi:
        dati += vlq(tick - ora) + msg
        ora = tick
    dati += vlq(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(dati)) + dati


def voce(canale, programma, volume, note, nome):
    """note: list of (start, length, [names], velocity)."""
    ev = [(0, b"\xff\x03" + vlq(len(nome)) + nome.encode("ascii")),
          (0, bytes([0xC0 | canale, programma])),
          (0, bytes([0xB0 | canale, 7, volume])),
          (0, bytes([0xB0 | canale, 91, 40]))]  # a little reverb
    for inizio, durata, nomi, forza in note:
        for n in nomi:
            ev.append((inizio, bytes([0x90 | canale, nota(n), forza])))
            ev.append((inizio + durata, bytes([0x80 | canale, nota(n), 0])))
    return traccia(ev)


def melodia():
    righe = [
        # bar 1: the rising arpeggio
        (0, E, "C5"), (E, E, "E5"), (2 * E, E, "G5"), (3 * E, E, "C6"),
        (H, Q, "E6"), (H + Q, Q, "C6"),
        # bar 2
        (W, Q + E, "A5"), (W + Q + E, E, "G5"), (W + H, Q, "F5"), (W + H + Q, Q, "A5"),
        # bar 3: down the scale to the dominant
        (2 * W, E, "G5"), (2 * W + E, E, "F5"), (2 * W + Q, E, "E5"), (2 * W + Q + E, E, "D5"),
        (2 * W + H, H, "G5"),
        # bar 4: home
        (3 * W, E, "E5"), (3 * W + E, E, "G5"), (3 * W + Q, H + Q, "C6"),
    ]
    return [(a, d, [n], 96) for a, d, n in righe]


def scintille():
    # The glockenspiel doubles the motif's peaks and rings out at the end.
    return [(3 * E, E, ["C7"], 70), (H, Q, ["E7"], 70), (2 * W + H, H, ["G6"], 60),
            (3 * W + Q, H + Q, ["C7", "E7"], 80)]


def accordi():
    return [(0, W, ["C4", "E4", "G4"], 56),
            (W, H, ["A3", "C4", "E4"], 56), (W + H, H, ["F3", "A3", "C4"], 56),
            (2 * W, W, ["G3", "B3", "D4"], 56),
            (3 * W, W, ["C4", "E4", "G4", "C5"], 60)]


def basso():
    return [(0, H, ["C3"], 90), (H, H, ["G2"], 85),
            (W, H, ["A2"], 90), (W + H, H, ["F2"], 85),
            (2 * W, H, ["G2"], 90), (2 * W + H, Q, ["B2"], 80), (2 * W + H + Q, Q, ["D3"], 80),
            (3 * W, W, ["C3"], 95)]


def componi():
    nome = b"Girasole Zocal"
    tempo = traccia([(0, b"\xff\x03" + vlq(len(nome)) + nome),
                     (0, b"\xff\x51\x03" + (500000).to_bytes(3, "big")),  # 120 bpm
                     (0, b"\xff\x58\x04\x04\x02\x18\x08")])
    tracce = [tempo,
              voce(0, 0, 110, melodia(), "Pianoforte"),
              voce(1, 9, 80, scintille(), "Glockenspiel"),
              voce(2, 48, 70, accordi(), "Archi"),
              voce(3, 32, 100, basso(), "Basso")]
    testa = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracce), PPQ)
    return testa + b"".join(tracce)


if __name__ == "__main__":
    uscita = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "Internet.mid")
    with open(uscita, "wb") as f:
        f.write(componi())
