# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Finds the program's sounds in a recording of the sound server's output.

Usage: spoken_names.py RECORDING.raw SOUND_DIR EVENTS

The recording is 16-bit mono at 44100 samples a second, as the media
folder's sounds are. EVENTS has one line a moment the test acted at:
"<what> <sample offset in the recording>". Each sound is found by the shape
of its loudness (5 ms steps) matched against the recording; a match counts
when its normalised correlation is at least 0.9. Prints what was heard, when,
and how long; exits 1 when anything expected was not heard or came late.
"""

import array
import math
import sys
import wave

RATE = 44100
STEP = RATE // 200  # 5 ms
MATCH = 0.9


def envelope(samples):
    out = []
    for start in range(0, len(samples) - STEP + 1, STEP):
        part = samples[start:start + STEP]
        out.append(math.sqrt(sum(v * v for v in part) / STEP))
    return out


def load_wave(path):
    with wave.open(path) as w:
        if w.getframerate() != RATE or w.getsampwidth() != 2 or w.getnchannels() != 1:
            sys.exit(f"spoken_names: {path} is not 16-bit mono at {RATE}")
        samples = array.array("h", w.readframes(w.getnframes()))
    env = envelope(samples)
    # Leading and trailing steps below a hundredth of the peak are silence.
    peak = max(env)
    first = next(k for k, v in enumerate(env) if v > peak / 100)
    last = max(k for k, v in enumerate(env) if v > peak / 100)
    return env[first:last + 1], first, len(samples) / RATE


def best_match(template, record, lo, hi):
    """The step in [lo, hi) where the template fits best, and how well."""
    tt = math.sqrt(sum(v * v for v in template))
    best = (-1.0, lo)
    for k in range(max(lo, 0), min(hi, len(record) - len(template))):
        window = record[k:k + len(template)]
        rr = math.sqrt(sum(v * v for v in window))
        if rr == 0:
            continue
        corr = sum(a * b for a, b in zip(template, window)) / (tt * rr)
        if corr > best[0]:
            best = (corr, k)
    return best


def main():
    recording, sound_dir, events_file = sys.argv[1:4]
    with open(recording, "rb") as f:
        samples = array.array("h", f.read())
    record = envelope(samples)
    events = {}
    for line in open(events_file):
        what, offset = line.split()
        events[what] = int(offset) // 2 // STEP
    sounds = {}

    def sound(name):
        if name not in sounds:
            sounds[name] = load_wave(f"{sound_dir}/{name}.wav")
        return sounds[name]

    failures = []

    def find(name, after, within):
        """Where `name` starts (in steps) in the `within` seconds after the step `after`."""
        template, lead, seconds = sound(name)
        corr, at = best_match(template, record, after, after + int(within * 200))
        return corr, at - lead, seconds

    def expect(label, name, after, within, cue=None):
        corr, at, seconds = find(name, after, within)
        heard = corr >= MATCH
        since = "the end of the sound before it" if cue is not None else "the cue"
        print(f"spoken_names: {label}: {name} {'heard' if heard else 'NOT heard'} "
              f"{(at - (after if cue is None else cue)) * 5} ms after {since} (match {corr:.3f}, {seconds:.2f} s long)")
        if not heard:
            failures.append(f"{label}: {name} not heard")
        return at, seconds

    # The lookup's prompt, once the screen opens (two seconds after the click).
    expect("lookup opens", "声/erande", events["to-lookup"], 4.0)
    # A click on たい: the click, then the name once the click is over.
    click_at, click_seconds = expect("click on たい", "oto1", events["click-tai"], 0.5)
    cue = click_at + round(click_seconds * 200)
    voice_at, _ = expect("then its name", "声/f24", cue - 10, 0.4, cue)
    if voice_at - cue > 6:  # 30 ms
        failures.append(f"the name came {(voice_at - cue) * 5} ms after the click ended")
    if voice_at < cue - 2:
        failures.append("the name talked over the click")
    # The pointer resting on あいなめ for half a second.
    rest_at, _ = expect("resting on あいなめ", "声/f1", events["rest-ainame"], 1.5)
    if not 90 <= rest_at - events["rest-ainame"] <= 140:
        failures.append(f"the rest took {(rest_at - events['rest-ainame']) * 5} ms, not about 500")
    # An answer in the drill: its mark, then the name of the fish shown.
    after = events["answer"]
    marks = [(find(m, after, 0.6), m) for m in ("o", "x")]
    (corr, mark_at, mark_seconds), mark = max(marks)
    print(f"spoken_names: answer: mark {mark} {'heard' if corr >= MATCH else 'NOT heard'} (match {corr:.3f})")
    if corr < MATCH:
        failures.append("no mark after the answer")
    cue = mark_at + round(mark_seconds * 200)
    names = [(find(f"声/f{n}", cue - 10, 0.4), n) for n in range(1, 41)]
    (corr, voice_at, _), fish = max(names)
    print(f"spoken_names: then the name of fish {fish}, {(voice_at - cue) * 5} ms after the mark ended "
          f"(match {corr:.3f})")
    if corr < MATCH:
        failures.append("no name after the mark")
    elif voice_at - cue > 6 or voice_at < cue - 2:
        failures.append(f"the name came {(voice_at - cue) * 5} ms after the mark ended")
    for failure in failures:
        print(f"spoken_names: FAIL: {failure}", file=sys.stderr)
    sys.exit(1 if failures else 0)


main()
