// synthesiser_test.cpp -- the sound the cues make: whistle, roar, silence, limits, bytes.
#include "audio/synthesiser.h"

#include <gtest/gtest.h>

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

TEST(Synthesiser, GoalRoarHoldsThroughTheCelebrationAndFallsAwayAfter) {
    audio::Synthesiser synth = audio::initialSynthesiser();
    audio::FrameCues cues;
    cues.danger = 0.4f;
    const Samples before = play(synth, cues, 60);
    const double ordinary = rms(&before[before.size() / 2], before.size() / 2);
    cues.goal = true;
    cues.celebrating = true;
    play(synth, cues, 1);
    cues.goal = false;
    const Samples celebration = play(synth, cues, 41);
    cues.celebrating = false;
    const Samples after = play(synth, cues, 150);
    const std::size_t frame = 2 * audio::kSamplesPerFrame;
    // Loud from the sixth frame to the celebration's end, back to the crowd 4 s later.
    for (std::size_t at = 5 * frame; at < celebration.size(); at += frame)
        EXPECT_GT(rms(&celebration[at], frame), 2.0 * ordinary) << "frame " << at / frame;
    EXPECT_LT(rms(&after[after.size() - 30 * frame], 30 * frame), 1.25 * ordinary);
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

TEST(Synthesiser, ExtremeCuesNeverClip) {
    const float huge = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Row {
        float danger, pan, rain;
    };
    // Every cue at once drives the limiter to its ceiling (29490, -0.9 dBFS),
    // non-finite ones too: they must neither clip nor silence the sound.
    const int nearTheCeiling = 28000;
    for (const Row& row : {Row{1.0f, 1.0f, 1.0f}, Row{nan, -huge, huge}}) {
        audio::Synthesiser synth = audio::initialSynthesiser();
        audio::FrameCues cues{row.danger, true, true, true, row.pan,
                              true,       true, true, true, row.rain};
        int loudest = 0;
        for (int frame = 0; frame < 150; ++frame) {
            cues.ballPan = frame % 2 == 0 ? row.pan : -row.pan;
            for (const std::int16_t sample : play(synth, cues, 1))
                loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
        }
        EXPECT_LT(loudest, 32767) << row.danger;
        EXPECT_GE(loudest, nearTheCeiling) << row.danger;
    }
}

// A scripted minute of play: every cue comes and goes.
audio::FrameCues scriptedCues(int frame) {
    audio::FrameCues cues;
    cues.danger = static_cast<float>(frame % 97) / 96.0f;
    cues.shotInFlight = frame % 97 > 80;
    cues.pass = frame % 23 == 0;
    cues.shot = frame % 97 == 80;
    cues.ballPan = static_cast<float>(frame % 41) / 20.0f - 1.0f;
    cues.goal = frame == 600;
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
    EXPECT_EQ(hash, 3968500127073575813u);
}

}  // namespace
