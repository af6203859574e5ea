// synthesiser_test.cpp -- the sound the cues make: whistle, roar, silence, limits, bytes.
#include "audio/synthesiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "common/numeric.h"

namespace {

using Samples = std::vector<std::int16_t>;

Samples play(audio::Synthesiser& synth, const audio::FrameCues& cues, int frames) {
    Samples samples(2 * audio::kSamplesPerFrame * frames);
    for (int frame = 0; frame < frames; ++frame) {
        audio::cueFrame(synth, cues);
        audio::synthesise(synth, &samples[2 * audio::kSamplesPerFrame * frame],
                          audio::kSamplesPerFrame);
    }
    return samples;
}

// The left channel's energy between 2 and 4.5 kHz in one frame: the DFT's bins
// there, each by Goertzel's recurrence.
double whistleBandEnergy(const std::int16_t* frame) {
    const int n = audio::kSamplesPerFrame;
    double energy = 0.0;
    for (int bin = 2000 * n / audio::kSampleRate; bin <= 4500 * n / audio::kSampleRate; ++bin) {
        const double coefficient = 2.0 * std::cos(2.0 * common::kPi * bin / n);
        double s1 = 0.0, s2 = 0.0;
        for (int i = 0; i < n; ++i) {
            const double s0 = frame[2 * i] + coefficient * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        energy += s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    }
    return energy;
}

double rms(const std::int16_t* samples, std::size_t count) {
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(count));
}

TEST(Synthesiser, WhistleCallsStandWellAboveTheCrowdBetweenTwoAndFourAndAHalfKilohertz) {
    struct Row {
        bool final;
        float danger, rain;
        std::vector<int> blastFrames;  // each blast's length in frames, within one
    };
    const Row rows[] = {{false, 0.3f, 0.0f, {17}}, {true, 1.0f, 1.0f, {38, 8, 8}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.final ? "final whistle" : "kick-off whistle");
        audio::Synthesiser plain = audio::initialSynthesiser();
        audio::FrameCues cues;
        cues.danger = row.danger;
        cues.rain = row.rain;
        play(plain, cues, 90);
        // The same crowd twice, one with the cue held throughout: one call is blown.
        audio::Synthesiser whistled = plain;
        audio::FrameCues call = cues;
        (row.final ? call.finalWhistle : call.kickOffWhistle) = true;
        const Samples withWhistle = play(whistled, call, 100);
        const Samples without = play(plain, cues, 100);
        // A frame is whistled when the band holds ten times the crowd's energy there.
        std::vector<int> blasts;
        bool blowing = false;
        for (int frame = 0; frame < 100; ++frame) {
            const std::size_t at = 2 * audio::kSamplesPerFrame * frame;
            const bool now =
                whistleBandEnergy(&withWhistle[at]) > 10.0 * whistleBandEnergy(&without[at]);
            if (now && !blowing)
                blasts.push_back(0);
            if (now)
                ++blasts.back();
            blowing = now;
        }
        ASSERT_EQ(blasts.size(), row.blastFrames.size());
        for (std::size_t i = 0; i < blasts.size(); ++i)
            EXPECT_NEAR(blasts[i], row.blastFrames[i], 1) << "blast " << i;
    }
}

// Power of one channel (0 left, 1 right, 2 their mean) over `frames` frames from `first`.
double power(const Samples& samples, int channel, int first, int frames) {
    const std::size_t from = static_cast<std::size_t>(first) * audio::kSamplesPerFrame;
    const std::size_t count = static_cast<std::size_t>(frames) * audio::kSamplesPerFrame;
    double sum = 0.0;
    for (std::size_t i = from; i < from + count; ++i) {
        const double left = samples[2 * i], right = samples[2 * i + 1];
        const double x = channel == 0 ? left : (channel == 1 ? right : (left + right) / 2.0);
        sum += x * x;
    }
    return sum / static_cast<double>(count);
}

// Whether the loudness (RMS every 10 ms, less its 0.5 s moving average) of 6 s
// from `first` repeats: its correlation with itself peaks at a lag of 0.25 to
// 1 s, at 0.35 or more there and at twice that lag.
bool beats(const Samples& samples, int first) {
    constexpr int kHop = audio::kSampleRate / 100;
    std::vector<double> loudness(600), change(600);
    for (int i = 0; i < 600; ++i) {
        double sum = 0.0;
        for (int n = 0; n < kHop; ++n) {
            const std::size_t at = static_cast<std::size_t>(first) * audio::kSamplesPerFrame +
                                   static_cast<std::size_t>(i * kHop + n);
            const double x = (samples[2 * at] + samples[2 * at + 1]) / 2.0;
            sum += x * x;
        }
        loudness[i] = std::sqrt(sum / kHop);
    }
    for (int i = 0; i < 600; ++i) {
        double sum = 0.0;
        int count = 0;
        for (int k = std::max(0, i - 25); k <= std::min(599, i + 25); ++k, ++count)
            sum += loudness[k];
        change[i] = loudness[i] - sum / count;
    }
    const auto correlation = [&change](int lag) {
        double ab = 0.0, aa = 0.0, bb = 0.0, ma = 0.0, mb = 0.0;
        const int n = 600 - lag;
        for (int i = 0; i < n; ++i) {
            ma += change[i] / n;
            mb += change[i + lag] / n;
        }
        for (int i = 0; i < n; ++i) {
            ab += (change[i] - ma) * (change[i + lag] - mb);
            aa += (change[i] - ma) * (change[i] - ma);
            bb += (change[i + lag] - mb) * (change[i + lag] - mb);
        }
        return ab / std::sqrt(aa * bb);
    };
    int best = 25;
    for (int lag = 26; lag <= 100; ++lag)
        best = correlation(lag) > correlation(best) ? lag : best;
    return correlation(best) >= 0.35 && correlation(2 * best) >= 0.35;
}

// The ball crosses the line: within half a second the roar is 6 dB over the
// play before, its loudest half second 10 dB over, 6 dB up for 4 of the next
// 6 s, on the scorers' side of the stadium; by 8 s it has thinned 10 dB, and
// the scorers' song follows with its beat.
TEST(Synthesiser, AGoalsRoarSurgesHoldsAndThinsOnTheScorersSideAndTheirSongFollows) {
    for (const int team : {1, 2}) {
        SCOPED_TRACE(team == 1 ? "team 1 (left)" : "team 2 (right)");
        audio::Synthesiser synth = audio::initialSynthesiser();
        audio::FrameCues cues;
        cues.danger = 0.7f;  // an attack: nobody sings
        cues.ballTeam = team;
        const Samples before = play(synth, cues, 400);
        std::vector<double> levels;
        for (int frame = 100; frame < 400; ++frame)
            levels.push_back(power(before, 2, frame, 1));
        std::nth_element(levels.begin(), levels.begin() + 150, levels.end());
        const double median = levels[150];
        Samples after;
        for (int frame = 0; frame < 700; ++frame) {
            cues.goal = frame == 0;
            cues.scoringTeam = team;
            cues.celebrating = frame < 42;
            const Samples one = play(synth, cues, 1);
            after.insert(after.end(), one.begin(), one.end());
        }
        EXPECT_GT(power(after, 2, 10, 5), 4.0 * median) << "0.33 to 0.5 s after";
        double loudest = 0.0;
        int up = 0;
        for (int frame = 0; frame < 182; ++frame) {
            loudest = std::max(loudest, power(after, 2, frame, 15));
            up += power(after, 2, frame, 1) > 4.0 * median ? 1 : 0;
        }
        EXPECT_GT(loudest, 10.0 * median);
        EXPECT_GE(up, 121) << "frames 6 dB up";
        EXPECT_LT(power(after, 2, 245, 15), 0.1 * loudest) << "8 s after";
        const double scorers = power(after, team - 1, 0, 60),
                     others = power(after, 2 - team, 0, 60);
        EXPECT_GT(scorers, 2.0 * others);
        EXPECT_TRUE(beats(after, 320)) << "10.5 to 16.5 s after";
        EXPECT_FALSE(beats(before, 200)) << "the attack before: talk and shouts, no song";
    }
}

TEST(Synthesiser, PauseAndMuteGiveZerosAndTheSoundGoesOnAfter) {
    for (const bool pause : {true, false}) {
        SCOPED_TRACE(pause ? "paused" : "muted");
        audio::Synthesiser synth = audio::initialSynthesiser();
        audio::FrameCues cues;
        cues.danger = 1.0f;
        cues.rain = 1.0f;
        cues.celebrating = true;
        play(synth, cues, 30);
        cues.silent = pause;
        if (!pause)
            audio::setVolume(synth, 0);
        play(synth, cues, 1);  // the fade
        const audio::Synthesiser faded = synth;
        const Samples quiet = play(synth, cues, 5);
        EXPECT_EQ(quiet, Samples(quiet.size(), 0));
        // A pause holds every sound where it stands.
        if (pause) {
            EXPECT_EQ(std::memcmp(&faded, &synth, sizeof synth), 0);
        }
        cues.silent = false;
        audio::setVolume(synth, 100);
        const Samples again = play(synth, cues, 2);
        EXPECT_GT(rms(&again[again.size() / 2], again.size() / 2), 1000.0);
    }
}

// The limiter looks ahead: the loudest cues meet its ceiling without passing
// it, and no peak is cut flat (three equal samples at half scale or more).
TEST(Synthesiser, ExtremeCuesNeverClipNorFlattenAPeak) {
    const float huge = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Row {
        float danger, pan, rain;
        int team;  // 1 or 2, or nonsense
    };
    // Every cue at once drives the limiter to its ceiling (31128, 0.95 of full
    // scale), non-finite ones and a team that is none too: they must neither
    // clip, flatten nor silence the sound.
    const int nearTheCeiling = 30000;
    for (const Row& row : {Row{1.0f, 1.0f, 1.0f, 1}, Row{nan, -huge, huge, 7}}) {
        audio::Synthesiser synth = audio::initialSynthesiser();
        audio::FrameCues cues{row.danger, true, true, true, row.pan,
                              true,       true, true, true, row.rain};
        cues.ballTeam = cues.shootingTeam = cues.scoringTeam = row.team;
        cues.shotOnTarget = cues.save = cues.shotWide = true;
        int loudest = 0, flat = 0;
        for (int frame = 0; frame < 150; ++frame) {
            cues.ballPan = frame % 2 == 0 ? row.pan : -row.pan;
            const Samples samples = play(synth, cues, 1);
            for (std::size_t i = 0; i < samples.size(); ++i) {
                loudest = std::max(loudest, std::abs(static_cast<int>(samples[i])));
                flat += i >= 4 && std::abs(static_cast<int>(samples[i])) >= 16384 &&
                        samples[i] == samples[i - 2] && samples[i] == samples[i - 4];
            }
        }
        EXPECT_LT(loudest, 32767 * 99 / 100) << row.danger;
        EXPECT_GE(loudest, nearTheCeiling) << row.danger;
        EXPECT_EQ(flat, 0) << row.danger;
    }
}

// Every sound a cue starts rises from nothing: the first sample it changes
// moves by at most a twentieth of its loudest in the next 50 ms, so a frame's
// boundary holds no step.
TEST(Synthesiser, EveryCuedSoundStartsWithoutAStep) {
    struct Row {
        const char* name;
        void (*cue)(audio::FrameCues&);
    };
    const Row rows[] = {
        {"pass", [](audio::FrameCues& c) { c.pass = true; }},
        {"shot", [](audio::FrameCues& c) { c.shot = c.shotOnTarget = true; }},
        {"goal", [](audio::FrameCues& c) { c.goal = c.celebrating = true; }},
        {"kick-off whistle", [](audio::FrameCues& c) { c.kickOffWhistle = true; }},
        {"final whistle", [](audio::FrameCues& c) { c.finalWhistle = true; }},
        {"save", [](audio::FrameCues& c) { c.save = true; }},
        {"shot wide", [](audio::FrameCues& c) { c.shotWide = true; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        audio::Synthesiser plain = audio::initialSynthesiser();
        audio::FrameCues cues;
        cues.danger = 0.5f;
        cues.ballTeam = cues.shootingTeam = cues.scoringTeam = 1;
        cues.shot = true;  // the crowd has seen a shot: a save or a miss means something
        play(plain, cues, 1);
        cues.shot = false;
        play(plain, cues, 200);
        audio::Synthesiser cued = plain;
        audio::FrameCues start = cues;
        row.cue(start);
        Samples with = play(cued, start, 1), without = play(plain, cues, 1);
        const Samples more = play(cued, cues, 2), less = play(plain, cues, 2);
        with.insert(with.end(), more.begin(), more.end());
        without.insert(without.end(), less.begin(), less.end());
        std::size_t first = 0;
        while (first < with.size() && with[first] == without[first])
            ++first;
        ASSERT_LT(first, with.size());
        int loudest = 0;
        for (std::size_t i = first; i < with.size() && i < first + 2 * 2400; ++i)
            loudest = std::max(loudest, std::abs(with[i] - without[i]));
        EXPECT_LE(20 * std::abs(with[first] - without[first]), loudest) << "sample " << first;
    }
}

// A scripted minute of play: every cue comes and goes.
audio::FrameCues scriptedCues(int frame) {
    audio::FrameCues cues;
    cues.danger = static_cast<float>(frame % 97) / 96.0f;
    cues.shotInFlight = frame % 97 >= 80 && frame % 97 < 93;
    cues.pass = frame % 23 == 0;
    cues.shot = frame % 97 == 80;
    cues.ballTeam = frame % 150 < 10 ? 0 : 1 + frame / 150 % 2;
    cues.shootingTeam = cues.shotInFlight ? 1 + frame / 97 % 2 : 0;
    cues.shotOnTarget = cues.shotInFlight && frame / 97 % 3 != 0;
    cues.save = frame % 97 == 93 && frame / 97 % 3 == 1;
    cues.shotWide = frame % 97 == 93 && frame / 97 % 3 == 0;
    cues.ballPan = static_cast<float>(frame % 41) / 20.0f - 1.0f;
    cues.goal = frame == 600;
    cues.scoringTeam = 2;
    cues.celebrating = frame >= 600 && frame < 642;
    cues.kickOffWhistle = frame == 3 || frame == 642;
    cues.finalWhistle = frame >= 1700;
    cues.rain = frame > 900 ? 1.0f : 0.0f;
    cues.silent = frame >= 300 && frame < 340;
    return cues;
}

TEST(Synthesiser, TheSameCuesGiveTheSameBytesInPiecesOfAnySizeOnEverySystem) {
    const int frames = 1800;
    audio::Synthesiser whole = audio::initialSynthesiser();
    audio::Synthesiser pieces = audio::initialSynthesiser();
    Samples byFrame(2 * audio::kSamplesPerFrame);
    Samples byPiece(byFrame.size());
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a over the bytes, little-endian
    for (int frame = 0; frame < frames; ++frame) {
        audio::cueFrame(whole, scriptedCues(frame));
        audio::synthesise(whole, byFrame.data(), audio::kSamplesPerFrame);
        audio::cueFrame(pieces, scriptedCues(frame));
        for (int done = 0, piece = 1 + frame % 7; done < audio::kSamplesPerFrame; piece *= 5) {
            const int count = std::min(piece, audio::kSamplesPerFrame - done);
            audio::synthesise(pieces, &byPiece[2 * done], count);
            done += count;
        }
        ASSERT_EQ(byFrame, byPiece) << "frame " << frame;
        for (const std::int16_t sample : byFrame) {
            for (const int shift : {0, 8}) {
                hash ^= (static_cast<std::uint16_t>(sample) >> shift) & 0xFFu;
                hash *= 1099511628211u;
            }
        }
    }
    EXPECT_EQ(std::memcmp(&whole, &pieces, sizeof whole), 0);
    // Pinned: glibc, mingw-w64 (under Wine) and emscripten give these bytes.
    EXPECT_EQ(hash, 18167759428463962022u);
}

}  // namespace
