"""Makes the four sound effects: hit3.WAV, blip2.WAV, yeah.WAV and boo.WAV.

The hit and the blip are synthesised here; the cheer and the boo are small
crowds of espeak-ng voices layered over shaped noise. All are 16-bit PCM mono
at 22050 Hz and shorter than two seconds.

Usage: make_effects.py OUTPUT_DIRECTORY
"""

import math
import os
import random
import subprocess
import sys
import tempfile
import wave

RATE = 22050
PEAK = 0.7 * 32767  # headroom: the effects are mixed over the music


def seconds(count):
    return int(count * RATE)


def low_pass(samples, cutoff_hz):
    """One-pole low-pass: enough to turn white noise into a rumble or a hiss."""
    alpha = 1 - math.exp(-2 * math.pi * cutoff_hz / RATE)
    out, level = [], 0.0
    for sample in samples:
        level += alpha * (sample - level)
        out.append(level)
    return out


def band_pass(samples, low_hz, high_hz):
    lows = low_pass(samples, high_hz)
    return [a - b for a, b in zip(lows, low_pass(lows, low_hz))]


def normalised(samples):
    loudest = max(abs(s) for s in samples) or 1.0
    return [s / loudest for s in samples]


def faded(samples, fade_in, fade_out):
    count = len(samples)
    out = list(samples)
    for i in range(min(fade_in, count)):
        out[i] *= i / fade_in
    for i in range(min(fade_out, count)):
        out[count - 1 - i] *= i / fade_out
    return out


def mix_into(target, source, offset, gain):
    end = min(len(target), offset + len(source))
    for i in range(offset, end):
        target[i] += gain * source[i - offset]


def write_wave(path, samples, loudness):
    samples = [s * loudness for s in normalised(samples)]
    frames = bytearray()
    for sample in samples:
        frames += int(round(sample * PEAK)).to_bytes(2, "little", signed=True)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


def hit():
    """A punchy thump: a falling sine with a noisy click on top."""
    noise = random.Random(3)
    count = seconds(0.32)
    out, phase = [], 0.0
    click = band_pass([noise.uniform(-1, 1) for _ in range(count)], 1500, 6000)
    for i in range(count):
        t = i / RATE
        phase += 2 * math.pi * (55 + 190 * math.exp(-t * 28)) / RATE
        body = math.sin(phase) * math.exp(-t * 11)
        out.append(body + 2.5 * click[i] * math.exp(-t * 70))
    return faded(out, 20, seconds(0.03))


def blip():
    """Two short falling square-ish tones: a light 'nope'."""
    out = []
    for start_hz, length in ((880, 0.07), (587, 0.11)):
        phase = 0.0
        for i in range(seconds(length)):
            t = i / RATE
            phase += 2 * math.pi * start_hz * (1 - 0.2 * t / length) / RATE
            # Three odd harmonics: bright like a square wave, without its harshness.
            tone = sum(math.sin(k * phase) / k for k in (1, 3, 5))
            out.append(tone * min(1.0, (length - t) * 60) * min(1.0, t * 400))
        out.extend([0.0] * seconds(0.015))
    return out


def spoken(text, voice, pitch, speed):
    """The samples of espeak-ng saying text, leading and trailing silence removed."""
    with tempfile.TemporaryDirectory() as scratch:
        path = os.path.join(scratch, "voice.wav")
        subprocess.run(["espeak-ng", "-v", voice, "-p", str(pitch), "-s", str(speed),
                        "-w", path, text], check=True)
        with wave.open(path, "rb") as source:
            if source.getframerate() != RATE or source.getsampwidth() != 2:
                raise SystemExit("espeak-ng did not write 16-bit audio at 22050 Hz")
            data = source.readframes(source.getnframes())
    samples = [int.from_bytes(data[i:i + 2], "little", signed=True) / 32768
               for i in range(0, len(data), 2)]
    loud = [i for i, s in enumerate(samples) if abs(s) > 0.02]
    return samples[loud[0]:loud[-1] + 1] if loud else samples


def crowd(text, voices, length, noise_shape):
    """Several voices a little apart in time over a bed of shaped noise."""
    rng = random.Random(text)
    out = [0.0] * seconds(length)
    for voice, pitch, speed, delay, gain in voices:
        mix_into(out, spoken(text, voice, pitch, speed), seconds(delay), gain)
    bed = noise_shape([rng.uniform(-1, 1) for _ in out])
    loudest = max(abs(s) for s in bed) or 1.0
    for i in range(len(out)):
        t = i / RATE
        # The crowd noise rises with the voices and dies away after them.
        swell = min(1.0, t / 0.08) * math.exp(-max(0.0, t - 0.5) * 3)
        out[i] += 0.25 * swell * bed[i] / loudest
    return faded(out, seconds(0.01), seconds(0.2))


def yeah():
    voices = [("en+f2", 85, 110, 0.00, 1.0), ("en+m3", 70, 100, 0.04, 0.9),
              ("en+f4", 95, 120, 0.09, 0.7), ("en+m1", 60, 95, 0.13, 0.8),
              ("en+f1", 90, 115, 0.18, 0.6)]
    # Hiss and crackle, like hands clapping behind the voices.
    return crowd("yeah!", voices, 1.3, lambda noise: band_pass(noise, 1200, 5000))


def boo():
    voices = [("en+m3", 20, 80, 0.00, 1.0), ("en+m1", 10, 75, 0.05, 0.9),
              ("en+m7", 30, 85, 0.10, 0.8), ("en+f2", 35, 80, 0.07, 0.5)]
    # A low murmur under the voices.
    return crowd("booo", voices, 1.7, lambda noise: low_pass(noise, 300))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    directory = sys.argv[1]
    # The blip is nearly a square wave: at the same peak it would sound far louder.
    effects = (("hit3", hit, 1.0), ("blip2", blip, 0.3), ("yeah", yeah, 1.0), ("boo", boo, 1.0))
    for name, make, loudness in effects:
        write_wave(os.path.join(directory, name + ".WAV"), make(), loudness)


if __name__ == "__main__":
    main()
