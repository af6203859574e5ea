#!/usr/bin/env python3
# audio_criteria.py -- what the match's sound is made of, measured on its WAV file: voices,
# rhythm, the goals' roar, and clean samples (no flat tops, no clicks at frame boundaries).
#
# Usage: audio_criteria.py [--trace PROGRAM] [--frames N] [--seed S] [--wav FILE [--reuse]]
# Runs `PROGRAM N --audio FILE` (default build/tools/football-trace, 3000 frames)
# and reads the trace for the goals; plain Python, no numpy.
#
# - Voices: 40 ms windows whose 80-1000 Hz band (the mono mix taken to 8 kHz)
#   has a normalised autocorrelation of 0.5 or more at a lag of 2-12.5 ms
#   (a pitch of 80-500 Hz), past the first lobe of the lag zero.
# - Rhythm: the loudness envelope (RMS every 10 ms) less its 0.5 s moving
#   average; in 6 s windows (back to back, and sliding by 1 s), the
#   correlation of the envelope with itself peaks at a lag of 0.25-1 s at 0.35
#   or more, and is 0.35 or more at twice that lag.
# - Goals: every ball crossing a goal line with no goal (crossing or award) in
#   the 10 s before it and 6 s of sound after it. Levels are RMS over 100 ms
#   from the crossing frame's first sample; the median of the 10 s before; the
#   time to reach 6 dB over it; the loudest half second of the 6 s after against
#   that median and against the loudest half second before; the time 6 dB up.
# - Clean: the peak; runs of three equal samples at half scale or more; sudden
#   jumps (a step 4 times the mean step of the 2 ms before, and over 16) at
#   frame boundaries against their rate everywhere.
import argparse
import array
import json
import math
import operator
import os
import statistics
import subprocess
import sys
import tempfile

RATE = 48000
FRAME = 1584
HERE = os.path.dirname(os.path.abspath(__file__))


def read_wav(path):
    with open(path, "rb") as f:
        data = f.read()
    samples = array.array("h")
    samples.frombytes(data[44:])
    if sys.byteorder != "little":
        samples.byteswap()
    return samples[0::2], samples[1::2]


def lowpass_taps(cutoff, rate, count):
    middle = (count - 1) / 2
    taps = []
    for i in range(count):
        t = i - middle
        ideal = 2 * cutoff / rate if t == 0 else math.sin(2 * math.pi * cutoff * t / rate) / (math.pi * t)
        taps.append(ideal * (0.54 - 0.46 * math.cos(2 * math.pi * i / (count - 1))))
    return taps


def biquad(x, b, a):
    b0, b1, b2 = b
    a1, a2 = a
    y = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    for i, v in enumerate(x):
        out = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, out
        y[i] = out
    return y


def butterworth(kind, hertz, rate):
    w = 2 * math.pi * hertz / rate
    alpha = math.sin(w) / math.sqrt(2)
    c = math.cos(w)
    if kind == "low":
        b = ((1 - c) / 2, 1 - c, (1 - c) / 2)
    else:
        b = ((1 + c) / 2, -(1 + c), (1 + c) / 2)
    a0 = 1 + alpha
    return [v / a0 for v in b], [-2 * c / a0, (1 - alpha) / a0]


def voiced_windows(mono):
    """The share of 40 ms windows with a pitch of 80-500 Hz."""
    taps = lowpass_taps(1100.0, RATE, 61)
    padded = [0.0] * 30 + mono + [0.0] * 30
    low = [sum(map(operator.mul, taps, padded[i:i + 61])) for i in range(0, len(mono), 6)]
    band = biquad(biquad(low, *butterworth("high", 80.0, 8000)), *butterworth("low", 1000.0, 8000))
    width = 320  # 40 ms at 8 kHz
    voiced = total = 0
    for start in range(0, len(band) - width + 1, width):
        w = band[start:start + width]
        energy = sum(map(operator.mul, w, w))
        total += 1
        if energy < 1e-9:
            continue
        best = 0.0
        past_lobe = False
        for lag in range(1, 101):
            head, tail = w[:width - lag], w[lag:]
            product = sum(map(operator.mul, head, tail))
            norm = math.sqrt(sum(map(operator.mul, head, head)) * sum(map(operator.mul, tail, tail)))
            r = product / norm if norm > 0 else 0.0
            if r < 0:
                past_lobe = True
            if past_lobe and lag >= 16:
                best = max(best, r)
        if best >= 0.5:
            voiced += 1
    return voiced, total


def correlation(e, lag):
    a, b = e[:len(e) - lag], e[lag:]
    ma, mb = sum(a) / len(a), sum(b) / len(b)
    a = [v - ma for v in a]
    b = [v - mb for v in b]
    norm = math.sqrt(sum(map(operator.mul, a, a)) * sum(map(operator.mul, b, b)))
    return sum(map(operator.mul, a, b)) / norm if norm > 0 else 0.0


def repetition(e):
    """(lag in s, r there, r at twice, whether it repeats) for the window's envelope."""
    r = {lag: correlation(e, lag) for lag in range(24, 202)}
    best = max(range(25, 101), key=lambda lag: r[lag])
    peak = r[best] >= r[best - 1] and r[best] >= r[best + 1]
    return best / 100, r[best], r[2 * best], peak and r[best] >= 0.35 and r[2 * best] >= 0.35


def rhythmic(e):
    lag, r1, r2, repeats = repetition(e)
    return (lag, r1, r2) if repeats else None


def envelope(mono):
    hop = RATE // 100
    env = []
    for start in range(0, len(mono) - hop + 1, hop):
        seg = mono[start:start + hop]
        env.append(math.sqrt(sum(map(operator.mul, seg, seg)) / hop))
    half = 25
    detrended = []
    for i in range(len(env)):
        seg = env[max(0, i - half):i + half + 1]
        detrended.append(env[i] - sum(seg) / len(seg))
    return detrended


def db(power):
    return 10 * math.log10(max(power, 1e-12))


def goal_report(mono, crossings, awards):
    tenth = RATE // 10
    rows = []
    for frame in crossings:
        t0 = (frame - 1) * FRAME  # the first sample of the crossing frame's sound
        if any(frame - 303 <= other < frame for other in crossings + awards):
            rows.append((frame, "not calm (a goal in the 10 s before)"))
            continue
        if t0 + 60 * tenth > len(mono):
            rows.append((frame, "not judged: the sound ends less than 6 s after it"))
            continue
        # Powers over 100 ms, from 10 s before the crossing to 6 s after it.
        power = []
        for k in range(-100, 60):
            seg = mono[t0 + k * tenth:t0 + (k + 1) * tenth]
            power.append(sum(map(operator.mul, seg, seg)) / tenth)
        before, after = power[:100], power[100:]
        median = statistics.median(db(p) for p in before)
        reach = next((i + 1 for i, p in enumerate(after) if db(p) >= median + 6), None)
        halves_before = [db(sum(before[i:i + 5]) / 5) for i in range(0, 96)]
        halves_after = [db(sum(after[i:i + 5]) / 5) for i in range(0, 56)]
        up = sum(1 for p in after if db(p) >= median + 6)
        rows.append((frame, dict(reach_s=None if reach is None else reach / 10,
                                 loudest_over_median=max(halves_after) - median,
                                 loudest_over_before=max(halves_after) - max(halves_before),
                                 seconds_6db_up=up / 10)))
    return rows


def clean_report(left, right):
    peak = max(max(left), -min(left), max(right), -min(right)) / 32768
    flat = 0
    for channel in (left, right):
        for i in range(2, len(channel)):
            v = channel[i]
            if (v >= 16384 or v <= -16384) and v == channel[i - 1] == channel[i - 2]:
                flat += 1
    jumps = set()
    for channel in (left, right):
        steps = [abs(channel[i] - channel[i - 1]) for i in range(1, len(channel))]
        window = 96
        running = sum(steps[:window])
        for i in range(window, len(steps)):
            s = steps[i]
            if s > 16 and s * window > 4 * running:
                jumps.add(i + 1)  # the sample the step arrives at
            running += s - steps[i - window]
    boundaries = sum(1 for n in jumps if n % FRAME == 0)
    expected = len(jumps) * (len(left) // FRAME - 1) / len(left)
    blocks = sum(1 for n in jumps if n % 48 == 0)  # the synthesiser's control blocks
    return peak, flat, len(jumps), boundaries, expected, blocks, len(jumps) / 48


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--trace", default=os.path.join(HERE, "..", "build", "tools", "football-trace"))
    parser.add_argument("--frames", type=int, default=3000)
    parser.add_argument("--seed", help="another match than the designed one")
    parser.add_argument("--wav", help="keep the sound here (default: a temporary file)")
    parser.add_argument("--reuse", action="store_true", help="measure --wav as it is, with the trace")
    parser.add_argument("--detail", action="store_true", help="every sliding rhythm window")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        wav = args.wav or os.path.join(folder, "match.wav")
        command = [args.trace, str(args.frames)] + ([] if args.reuse else ["--audio", wav])
        command += ["--seed", args.seed] if args.seed else []
        trace = subprocess.run(command, check=True, capture_output=True, text=True).stdout
        left, right = read_wav(wav)
    crossings, awards = [], []
    previous = None
    for line in trace.splitlines():
        state = json.loads(line)
        if previous is not None:
            if previous["goalCelebration"] == 0 and state["goalCelebration"] > 0:
                crossings.append(state["frame"])
            if state["goals"] != previous["goals"]:
                awards.append(state["frame"])
        previous = state
    mono = [(a + b) / 65536 for a, b in zip(left, right)]

    voiced, windows = voiced_windows(mono)
    print(f"voices: {voiced} of {windows} 40 ms windows pitched ({100 * voiced / windows:.1f} %)")

    env = envelope(mono)
    per_100s = 100 * 100
    for part in range(0, len(env), per_100s):
        chunk = env[part:part + per_100s]
        back_to_back = [rhythmic(chunk[i:i + 600]) for i in range(0, len(chunk) - 599, 600)]
        sliding = [rhythmic(chunk[i:i + 600]) for i in range(0, len(chunk) - 599, 100)]
        found = [(i * 6, hit) for i, hit in enumerate(back_to_back) if hit]
        print(f"rhythm, {part // 100}-{part // 100 + len(chunk) // 100} s: "
              f"{len(found)} of {len(back_to_back)} back-to-back 6 s windows, "
              f"{sum(1 for hit in sliding if hit)} of {len(sliding)} sliding")
        for start, (lag, r1, r2) in found:
            print(f"  {part // 100 + start:3d} s: lag {lag:.2f} s, r {r1:.2f}, at twice {r2:.2f}")
        if args.detail:
            for i in range(0, len(chunk) - 599, 100):
                lag, r1, r2, repeats = repetition(chunk[i:i + 600])
                print(f"    from {(part + i) // 100:3d} s: lag {lag:.2f} s, r {r1:.2f}, "
                      f"at twice {r2:.2f}{' repeats' if repeats else ''}")

    for frame, row in goal_report(mono, crossings, awards):
        if isinstance(row, str):
            print(f"goal crossing in frame {frame}: {row}")
            continue
        print(f"goal crossing in frame {frame}: 6 dB up after {row['reach_s']} s; loudest half second "
              f"{row['loudest_over_median']:.1f} dB over the median, "
              f"{row['loudest_over_before']:.1f} dB over the loudest before; "
              f"6 dB up for {row['seconds_6db_up']:.1f} of 6 s")

    peak, flat, jumps, boundaries, expected, blocks, block_expected = clean_report(left, right)
    print(f"clean: peak {peak:.3f} of full scale; {flat} samples ending a run of three equal ones "
          f"at half scale or more; sudden jumps {jumps}, {boundaries} at frame boundaries "
          f"(their rate elsewhere would give {expected:.1f}), {blocks} at 1 ms control-block "
          f"boundaries ({block_expected:.1f})")


if __name__ == "__main__":
    main()
