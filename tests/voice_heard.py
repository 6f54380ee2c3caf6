#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# For sound_faults.sh: what an output's recording says. Each sound in it must be the whole voice
# file of one call, heard once, and the sounds must be calls that follow each other, from call
# FIRST on at the earliest, at least LEAST of them. Sounds are told apart by their loudness, ten
# milliseconds at a time, against the voice files, silences left out; a part of a sound at either
# end of the recording (already going when it began, or still going when it ended) is passed over.
#   voice_heard.py RECORDING PROBE_OUTPUT FIRST LEAST
# RECORDING is raw 16-bit mono at 22050 Hz; PROBE_OUTPUT holds the probe's "call N MS FILE" lines.
import array, os, statistics, sys, wave

FRAME, WHISPER, PAUSE = 220, 300, 30  # 10 ms; a pause of 300 ms ends a sound


def loudness(samples):
    return [(sum(s * s for s in samples[i:i + FRAME]) / FRAME) ** 0.5 for i in range(0, len(samples) - FRAME + 1, FRAME)]


def sounds(env):
    found = []
    for i in (i for i, level in enumerate(env) if level > WHISPER):
        if found and i - found[-1][1] < PAUSE:
            found[-1][1] = i + 1
        else:
            found.append([i, i + 1])
    return found


def aligned(samples, start, end):
    # The loudness of the sound in frames START to END, counted from its first sample, so that a
    # recording and a file are measured alike.
    first = next(i for i in range(max(start - 1, 0) * FRAME, len(samples)) if abs(samples[i]) > WHISPER)
    return loudness(samples[first:first + (end - start) * FRAME])


def voiced(env):
    # Without the silence between words: a busy machine may leave the server without sound for a
    # moment, which lengthens it, and that is no fault of the call.
    return [level for level in env if level > 30]


def likeness(a, b):
    a, b = voiced(a), voiced(b)
    return max(correlation(a[max(s, 0):], b[max(-s, 0):]) for s in range(-3, 4))  # 30 ms either way


def correlation(a, b):
    n = min(len(a), len(b))
    try:
        return statistics.correlation(a[:n], b[:n])
    except statistics.StatisticsError:
        return 0


def fits(sound, voice):
    return abs(len(voiced(sound)) - len(voiced(voice))) <= max(3, len(voice) // 25) and likeness(sound, voice) >= 0.9


voices = {}
for words in (line.split() for line in open(sys.argv[2])):
    if words[0] == 'call' and len(words) > 3:  # a call whose file was not played names none
        with wave.open(words[3]) as w:
            samples = array.array('h', w.readframes(w.getnframes()))
        edges = sounds(loudness(samples))
        voices[int(words[1])] = (os.path.basename(words[3]), aligned(samples, edges[0][0], edges[-1][1]))
samples = array.array('h', open(sys.argv[1], 'rb').read()[:os.path.getsize(sys.argv[1]) // 2 * 2])
heard = loudness(samples)
found = [(start, end, aligned(samples, start, end)) for start, end in sounds(heard)]
found = [(start, sound) for start, end, sound in found if PAUSE <= start and end <= len(heard) - PAUSE or any(fits(sound, v) for _, v in voices.values())]
# The calls heard follow each other: the run of calls most like the sounds, taken together.
first, least, problems = int(sys.argv[3]), int(sys.argv[4]), []
call = max(range(first, max(voices, default=0) - len(found) + 2), default=None,
           key=lambda c: sum(likeness(sound, voices[c + i][1]) for i, (_, sound) in enumerate(found)))
for i, (start, sound) in enumerate(found):
    name, voice = voices[call + i] if call else ('nothing', [])
    print(f'  {start * 10} ms: {len(sound) * 10} ms, as call {call + i if call else "?"} ({name}, {len(voice) * 10} ms) at {likeness(sound, voice):.2f}')
    if not fits(sound, voice):
        problems.append(f'the sound of {len(sound) * 10} ms at {start * 10} ms is not that whole call')
if len(found) < least:
    problems.append(f'{len(found)} whole calls heard instead of {least} at least')
print(''.join(f'  {problem}\n' for problem in problems), end='')
sys.exit(1 if problems else 0)
