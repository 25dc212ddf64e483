"""Composes p_samy.mid, the looping background tune: a bright tune in C major
with melody, off-beat chords, a walking bass and a drum kit (General MIDI).

Usage: make_tune.py OUTPUT.mid
"""

import sys

import midi_file

Q = midi_file.TICKS_PER_QUARTER
E = Q // 2
BAR = 4 * Q
BEATS_PER_MINUTE = 138

MELODY, CHORDS, BASS, DRUMS = 0, 1, 2, 9
FLUTE, TRUMPET, PIANO, FINGER_BASS = 73, 56, 0, 33
KICK, SNARE, CLOSED_HAT, OPEN_HAT, CRASH = 36, 38, 42, 46, 49

NOTE_STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def key(name):
    """'C5' is middle C's octave up (72); a '#' or 'b' follows the letter."""
    step = NOTE_STEPS[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        step, rest = step + 1, rest[1:]
    elif rest.startswith("b"):
        step, rest = step - 1, rest[1:]
    return 12 * (int(rest) + 1) + step


# Melody bars: (note or "r" for a rest, length in eighths); each bar is 8 eighths.
VERSE = [
    [("G4", 1), ("C5", 1), ("E5", 2), ("D5", 1), ("C5", 1), ("E5", 2)],
    [("A4", 1), ("C5", 1), ("E5", 2), ("D5", 1), ("C5", 1), ("A4", 2)],
    [("F4", 1), ("A4", 1), ("C5", 2), ("D5", 1), ("C5", 1), ("A4", 1), ("C5", 1)],
    [("D5", 2), ("B4", 2), ("G4", 4)],
    [("G4", 1), ("C5", 1), ("E5", 2), ("G5", 1), ("E5", 1), ("C5", 2)],
    [("A5", 2), ("G5", 1), ("E5", 1), ("C5", 2), ("E5", 2)],
    [("F5", 1), ("E5", 1), ("D5", 2), ("G5", 1), ("F5", 1), ("D5", 2)],
    [("C5", 6), ("r", 2)],
]
BRIDGE = [
    [("A5", 3), ("G5", 1), ("F5", 2), ("A5", 2)],
    [("G5", 3), ("F5", 1), ("D5", 2), ("B4", 2)],
    [("E5", 2), ("G5", 2), ("B5", 2), ("G5", 2)],
    [("A5", 4), ("E5", 4)],
    [("F5", 2), ("A5", 1), ("F5", 1), ("D5", 2), ("F5", 2)],
    [("G5", 1), ("A5", 1), ("G5", 1), ("F5", 1), ("D5", 4)],
    [("E5", 2), ("G5", 2), ("C6", 2), ("G5", 2)],
    [("F5", 2), ("D5", 2), ("B4", 2), ("G4", 2)],
]
ENDING = [[("C6", 2), ("G5", 2), ("E5", 2), ("G5", 2)], [("C6", 6), ("r", 2)]]

# One chord per half bar: (root for the bass, chord tones for the off-beats).
C, AM, F, G, DM, EM, G7 = (
    ("C3", ["E4", "G4", "C5"]),
    ("A2", ["E4", "A4", "C5"]),
    ("F2", ["F4", "A4", "C5"]),
    ("G2", ["D4", "G4", "B4"]),
    ("D3", ["D4", "F4", "A4"]),
    ("E3", ["E4", "G4", "B4"]),
    ("G2", ["D4", "F4", "B4"]),
)
VERSE_CHORDS = [C, C, AM, AM, F, F, G, G, C, C, AM, AM, DM, G, C, C]
BRIDGE_CHORDS = [F, F, G, G, EM, EM, AM, AM, DM, DM, G, G, C, C, G7, G7]
INTRO_CHORDS = [C, C, G, G]
ENDING_CHORDS = [C, C, C, C]


def play_melody(track, start, bars, velocity):
    tick = start
    for bar in bars:
        for name, eighths in bar:
            if name != "r":
                # Slightly detached notes sound livelier than full legato.
                track.note(tick, MELODY, key(name), velocity, eighths * E - E // 4)
            tick += eighths * E
    return tick


def play_chords(chords_track, bass_track, start, halves):
    tick = start
    for root, tones in halves:
        root_key = key(root)
        # Bass: root on the beat, the fifth (or octave) on the next one.
        bass_track.note(tick, BASS, root_key, 96, Q - E // 4)
        bass_track.note(tick + Q, BASS, root_key + 7, 84, Q - E // 4)
        # Off-beat chords give the tune its bounce.
        for offbeat in (E, Q + E):
            for tone in tones:
                chords_track.note(tick + offbeat, CHORDS, key(tone), 62, E - 30)
        tick += 2 * Q
    return tick


def play_drums(track, start, bars, crash_at_start=True):
    for bar in range(bars):
        tick = start + bar * BAR
        if crash_at_start and bar == 0:
            track.note(tick, DRUMS, CRASH, 100, Q)
        for beat in range(4):
            beat_tick = tick + beat * Q
            track.note(beat_tick, DRUMS, KICK if beat % 2 == 0 else SNARE, 104 if beat % 2 == 0 else 92, E)
            track.note(beat_tick, DRUMS, CLOSED_HAT, 70, E // 2)
            hat = OPEN_HAT if beat == 3 and bar % 2 == 1 else CLOSED_HAT
            track.note(beat_tick + E, DRUMS, hat, 56, E // 2)


def compose():
    conductor = midi_file.Track("Tavrin theme")
    conductor.tempo(0, BEATS_PER_MINUTE)
    conductor.time_signature(0, 4, 2)
    melody = midi_file.Track("Melody")
    chords = midi_file.Track("Chords")
    bass = midi_file.Track("Bass")
    drums = midi_file.Track("Drums")
    melody.program(0, MELODY, FLUTE)
    chords.program(0, CHORDS, PIANO)
    bass.program(0, BASS, FINGER_BASS)
    for track, channel, volume in ((melody, MELODY, 110), (chords, CHORDS, 80), (bass, BASS, 110)):
        track.control(0, channel, 7, volume)
    drums.control(0, DRUMS, 7, 100)

    # Intro, verse, verse on trumpet, bridge, verse, ending.
    tick = 0
    play_chords(chords, bass, tick, INTRO_CHORDS)
    play_drums(drums, tick, 2)
    tick += 2 * BAR
    sections = [(VERSE, VERSE_CHORDS, FLUTE), (VERSE, VERSE_CHORDS, TRUMPET),
                (BRIDGE, BRIDGE_CHORDS, FLUTE), (VERSE, VERSE_CHORDS, TRUMPET)]
    for bars, halves, instrument in sections:
        melody.program(tick, MELODY, instrument)
        play_melody(melody, tick, bars, 100)
        play_chords(chords, bass, tick, halves)
        play_drums(drums, tick, len(bars))
        tick += len(bars) * BAR
    play_melody(melody, tick, ENDING, 104)
    play_chords(chords, bass, tick, ENDING_CHORDS[:2])
    play_drums(drums, tick, 1)
    # The last bar: one chord held under the final note, a crash to finish.
    final_tick = tick + BAR
    for tone in C[1]:
        chords.note(final_tick, CHORDS, key(tone), 70, 3 * Q)
    bass.note(final_tick, BASS, key("C3"), 100, 3 * Q)
    drums.note(final_tick, DRUMS, KICK, 110, E)
    drums.note(final_tick, DRUMS, CRASH, 110, 3 * Q)
    return [conductor, melody, chords, bass, drums]


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    midi_file.write(sys.argv[1], compose())
