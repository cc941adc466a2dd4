# Writes the fixture's media: two tone recordings (48 kHz, mono, 16-bit WAV)
# with a louder second each, the guest's 12 dB below the host's. The third
# file the fixture names, host_thanks.wav, is left missing on purpose: that
# item loads offline.
#   python3 make_media.py [folder]   (default: fixture/media beside this file)
import math
import os
import struct
import sys
import wave

RATE = 48000


def write_tone(path: str, seconds: float, quiet: float, loud: float, loud_from: float) -> None:
    frames = bytearray()
    for n in range(int(seconds * RATE)):
        t = n / RATE
        gain = loud if loud_from <= t < loud_from + 1 else quiet
        frames += struct.pack("<h", round(32767 * gain * math.sin(2 * math.pi * 440 * t)))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


def main() -> None:
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "fixture", "media")
    os.makedirs(folder, exist_ok=True)
    write_tone(os.path.join(folder, "host_question.wav"), 4, 0.25, 0.5, 1)
    write_tone(os.path.join(folder, "guest_answer.wav"), 6, 0.0625, 0.125, 2)


main()
