// chant.cpp -- the songs: a bar of four beats, a syllable and a clap on each.
#include "audio/chant.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

struct ChantNote {
    Vowel vowel;
    float pitch;  // against the song's key
};

// Team 1's: "Ro-vers, Ro-vers"; team 2's: "A-the-le-tic", up and down.
// Every beat sung and clapped alike, so the song's loudness repeats beat by beat.
constexpr ChantNote kSongs[2][4] = {
    {{kVowelO, 1.0f}, {kVowelEr, 0.84f}, {kVowelO, 1.0f}, {kVowelEr, 0.84f}},
    {{kVowelA, 1.0f}, {kVowelE, 1.19f}, {kVowelE, 1.0f}, {kVowelI, 0.89f}},
};
constexpr float kBeatSeconds[2] = {0.46f, 0.42f};
constexpr float kKeyHertz[2] = {165.0f, 185.0f};
constexpr float kChantLevel = 1.1f;
constexpr float kClapHeight = 1.5f;
constexpr float kSungShare = 0.6f;  // of a beat, the rest a breath between syllables
constexpr float kCalmDanger = 0.6f;
constexpr float kStartsPerSecond = 0.4f;  // while calm: a song after 2.5 s on average

void singBeat(Supporters& supporters) {
    Choir& choir = supporters.chant;
    clapTogether(supporters.claps, kClapHeight);
    const ChantNote& note = kSongs[supporters.team - 1][supporters.beat];
    aimFormants(choir.formants, note.vowel, choir.size);
    choir.pitchGoal = supporters.chantPitch * note.pitch;
    choir.level = kChantLevel;
    choir.levelRate = glideRate(0.02f);
}

}  // namespace

void startChant(Supporters& supporters, int bars) {
    const int song = supporters.team - 1;
    supporters.bars = bars;
    supporters.beat = 0;
    supporters.beatPosition = 0;
    supporters.beatBlocks =
        blocksIn(kBeatSeconds[song] * between(supporters.choices, 0.95f, 1.05f));
    supporters.chantPitch = kKeyHertz[song] * between(supporters.choices, 0.94f, 1.06f);
    Choir& choir = supporters.chant;
    choir.spread = 0.006f;  // near-unison: a crowd singing one note
    choir.jitter = 0.004f;
    choir.breath = 0.12f;
    choir.pitchRate = glideRate(0.025f);
    choir.pitch = supporters.chantPitch;
}

void stopChant(Supporters& supporters) {
    supporters.bars = 0;
    supporters.chant.level = 0.0f;
    supporters.chant.levelRate = glideRate(0.04f);
}

void steerChant(Supporters& supporters, const PlayView& view) {
    if (supporters.bars == 0) {
        if (supporters.chantRest > 0) {
            --supporters.chantRest;
        } else if (view.danger < kCalmDanger && supporters.outcryKind == kNoOutcry &&
                   supporters.quietBlocks == 0 && !view.otherSideChants &&
                   noiseUnit(supporters.choices) * kControlBlocksPerSecond < kStartsPerSecond) {
            startChant(supporters, 4 + pick(supporters.choices, 4));
        }
        return;
    }
    if (supporters.beatPosition == 0)
        singBeat(supporters);
    if (supporters.beatPosition == static_cast<int>(kSungShare * supporters.beatBlocks)) {
        supporters.chant.level = 0.0f;
        supporters.chant.levelRate = glideRate(0.04f);
    }
    if (++supporters.beatPosition < supporters.beatBlocks)
        return;
    supporters.beatPosition = 0;
    if (++supporters.beat < 4)
        return;
    supporters.beat = 0;
    if (--supporters.bars == 0)
        supporters.chantRest = blocksIn(between(supporters.choices, 4.0f, 10.0f));
}

}  // namespace audio
