#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# For voice_timing.sh: reads a sound monitor's raw 16-bit mono samples at 22050 Hz from
# standard input as they arrive, and prints "voice NANOSECONDS" (CLOCK_REALTIME) for the first
# sample of every sound that follows a quarter of a second of silence (a null sink's silence
# is exact: anything above a whisper is the voice).
import sys, time, array

RATE, CHUNK, WHISPER = 22050, 64, 100
quiet_samples = RATE  # as if silent before the recording began
stream = sys.stdin.buffer
while True:
    data = stream.read(CHUNK * 2)
    arrived = time.time_ns()
    if len(data) < 2:
        break
    samples = array.array('h', data[: len(data) // 2 * 2])
    for i, s in enumerate(samples):
        if abs(s) >= WHISPER and quiet_samples >= RATE // 4:
            onset = arrived - (len(samples) - i) * 1_000_000_000 // RATE
            print(f'voice {onset}', flush=True)
        quiet_samples = quiet_samples + 1 if abs(s) < WHISPER else 0
