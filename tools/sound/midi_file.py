"""A small Standard MIDI File writer (format 1), enough for the background tune.

Events are given in ticks from the start of the tune; each track is sorted and
written with delta times, so the composer never counts deltas by hand.
"""

import struct

TICKS_PER_QUARTER = 480


def variable_length(value):
    """MIDI's 7-bit big-endian number with continuation bits."""
    if value < 0:
        raise ValueError("negative delta time")
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name):
        self.events = []  # (tick, order, bytes); order keeps note-offs before note-ons
        self.meta(0, 0x03, name.encode("ascii"))

    def meta(self, tick, kind, data):
        self.events.append((tick, 1, bytes([0xFF, kind]) + variable_length(len(data)) + data))

    def tempo(self, tick, beats_per_minute):
        microseconds = round(60_000_000 / beats_per_minute)
        self.meta(tick, 0x51, microseconds.to_bytes(3, "big"))

    def time_signature(self, tick, numerator, denominator_power):
        self.meta(tick, 0x58, bytes([numerator, denominator_power, 24, 8]))

    def program(self, tick, channel, program):
        self.events.append((tick, 1, bytes([0xC0 | channel, program])))

    def control(self, tick, channel, controller, value):
        self.events.append((tick, 1, bytes([0xB0 | channel, controller, value])))

    def note(self, tick, channel, key, velocity, length):
        self.events.append((tick, 2, bytes([0x90 | channel, key, velocity])))
        # A note-off at the same tick as the next note-on must come first.
        self.events.append((tick + length, 0, bytes([0x80 | channel, key, 0])))

    def chunk(self):
        body = bytearray()
        now = 0
        events = sorted(self.events, key=lambda e: (e[0], e[1]))
        for tick, _, data in events:
            body += variable_length(tick - now) + data
            now = tick
        body += variable_length(0) + b"\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def write(path, tracks):
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS_PER_QUARTER)
    with open(path, "wb") as out:
        out.write(header)
        for track in tracks:
            out.write(track.chunk())
