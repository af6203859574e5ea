// trace_tool_test.cpp -- football-trace as a program: the golden trace, its lines,
// toggles and holds, and the summary.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "common/match_seed.h"
#include "common/numeric.h"
#include "frame/session_file.h"
#include "tests/support/program_run.h"

namespace {

using ToolRun = test_support::ProgramRun;

// Runs football-trace with exactly these arguments.
ToolRun runTrace(const std::vector<std::string>& args) {
    return test_support::runProgram(FOOTBALL_TRACE_PATH, args);
}

std::uint64_t fnv1a(const std::string& text) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        result.push_back(line);
    return result;
}

// The first 20,000 frames pin the whole simulation, the camera, the counters
// and the rain. A change that alters these hashes changes the program's
// behaviour and must say why.
constexpr std::uint64_t kGolden20000 = 0xbb803a81ceb5588full;

// The same lines in blocks of 1,000 frames (0-999, 1000-1999, ..., 20000 alone),
// so that a failure names the first block that drifted.
constexpr int kBlockFrames = 1000;
constexpr std::uint64_t kGoldenBlocks[] = {
    0xa67827fbd355f1d8ull, 0xa51150148ae76a81ull, 0xf1f048fdba3528caull, 0xdc9b691399aaffa0ull,
    0x117497a5dcc7d238ull, 0x37999c2f7abd554aull, 0xa089c024efc46b99ull, 0xb91653f2a77b8448ull,
    0x3516f746a9c11227ull, 0x9034f6b8aee3b14bull, 0xbe9894727e0c1901ull, 0xf1d856ff3dce11caull,
    0xfd63556d6198e371ull, 0xa2c3fa6046361c38ull, 0x589a6804f8d6e08full, 0x6c1776c18f6b4a39ull,
    0x6958103033acc431ull, 0x675b8a5030e049cbull, 0xb9f83b3065b3a99aull, 0xe0f64f904e3395b9ull,
    0xa5a066004be10e5cull};

std::string hex(std::uint64_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(value));
    return text;
}

TEST(TraceTool, GoldenTwentyThousandFrames) {
    const ToolRun run = runTrace({"20000"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 20001u);
    for (std::size_t block = 0; block < std::size(kGoldenBlocks); ++block) {
        std::string text;
        for (std::size_t frame = block * kBlockFrames;
             frame < std::min(out.size(), (block + 1) * kBlockFrames); ++frame) {
            text += out[frame] + "\n";
        }
        if (hex(fnv1a(text)) != hex(kGoldenBlocks[block])) {
            ADD_FAILURE() << "the trace first differs in frames " << block * kBlockFrames << " to "
                          << std::min(out.size(), (block + 1) * kBlockFrames) - 1
                          << "; the block's first line is now:\n"
                          << out[block * kBlockFrames];
            break;
        }
    }
    EXPECT_EQ(hex(fnv1a(run.out)), hex(kGolden20000));
}

TEST(TraceTool, StartUpLineCarriesTheTerrainAndTheKickOff) {
    const ToolRun run = runTrace({"0"});
    ASSERT_EQ(run.status, 0);
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].rfind("{\"frame\":0,\"rng\":", 0), 0u);
    EXPECT_NE(out[0].find(",\"terrain\":\""), std::string::npos);
    EXPECT_NE(out[0].find("\"warmUp\":0,\"ball\":[0,50],\"possession\":[1,4,0],\"pass\":[0,0,0,0]"),
              std::string::npos);
    EXPECT_NE(out[0].find("\"camera\":[0,-20,25,15,180,45],\"rain\":[0,200,10000]}"),
              std::string::npos);
    EXPECT_EQ(out[0].find(' '), std::string::npos);
}

TEST(TraceTool, ToggleLinesCarryANewTerrainAndRestartTheWarmUp) {
    const ToolRun run = runTrace({"6", "--toggle", "3", "--toggle", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 7u);
    auto terrainOf = [](const std::string& line) {
        const std::size_t at = line.find("\"terrain\":\"");
        return at == std::string::npos ? std::string() : line.substr(at + 11, 16);
    };
    EXPECT_EQ(terrainOf(out[1]), "");
    EXPECT_EQ(terrainOf(out[4]), "");
    ASSERT_EQ(terrainOf(out[3]).size(), 16u);
    EXPECT_NE(terrainOf(out[3]), terrainOf(out[0]));
    EXPECT_NE(terrainOf(out[5]), terrainOf(out[3]));
    EXPECT_NE(out[3].find("\"warmUp\":0,"), std::string::npos);
    EXPECT_NE(out[4].find("\"warmUp\":1,"), std::string::npos);
    // Keys of the terrain line come right after rng.
    EXPECT_NE(out[3].find("\"rng\":"), std::string::npos);
    EXPECT_LT(out[3].find("\"rng\":"), out[3].find("\"terrain\":"));
    EXPECT_LT(out[3].find("\"terrain\":"), out[3].find("\"warmUp\":"));
}

TEST(TraceTool, HeldKeysActOnTheirFramesOnly) {
    const ToolRun run = runTrace({"4", "--hold", "0x48@2-3", "--hold", "90@3"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_NE(out[1].find("\"camera\":[0,-20,25,15,180,45]"), std::string::npos);
    EXPECT_NE(out[2].find("\"camera\":[0,-20.7000008,25,15,180,45]"), std::string::npos) << out[2];
    EXPECT_NE(out[3].find("\"camera\":[0,-21.4000015,25,15,180,45.5]"), std::string::npos)
        << out[3];
    EXPECT_NE(out[4].find("\"camera\":[0,-21.4000015,25,15,180,45.5]"), std::string::npos);
}

// Pause held over frames 150..160 stops the match once, at its key-down;
// Space at frame 170 resumes it. Only the frame number changes meanwhile.
TEST(TraceTool, APauseKeyHeldPausesOnceAndSpaceResumes) {
    const ToolRun run = runTrace({"172", "--hold", "0x13@150-160", "--hold", "0x20@170"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 173u);
    auto state = [](const std::string& line) { return line.substr(line.find(",\"rng\"")); };
    EXPECT_NE(state(out[148]), state(out[149]));
    for (int frame = 150; frame <= 169; ++frame)
        EXPECT_EQ(state(out[frame]), state(out[149])) << frame;
    EXPECT_NE(state(out[170]), state(out[149]));
    // Resumed, it plays on as the run without a pause played frame 150.
    const ToolRun plain = runTrace({"150"});
    EXPECT_EQ(state(out[170]), state(lines(plain.out)[150]));
}

// With --replays every goal holds the match for its replay (269 frames after
// the award's, each line marked); less those lines the trace is the plain one
// but for the frame numbers: the match plays on exactly as without replays.
TEST(TraceTool, ReplayFramesLeftOutTheTraceIsThePlainOne) {
    const ToolRun plain = runTrace({"6000"});
    const ToolRun replays = runTrace({"6000", "--replays"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    ASSERT_EQ(replays.status, 0) << replays.err;
    auto state = [](const std::string& line) { return line.substr(line.find(",\"rng\"")); };
    const std::vector<std::string> expected = lines(plain.out);
    std::size_t next = 0, held = 0, run = 0;
    for (const std::string& line : lines(replays.out)) {
        const bool replay = line.find(",\"replay\":true}") != std::string::npos;
        if (!replay && run > 0) {
            EXPECT_EQ(run, 269u) << "before " << line.substr(0, 16);
        }
        run = replay ? run + 1 : 0;
        held += replay ? 1 : 0;
        if (!replay) {
            ASSERT_EQ(state(line), state(expected.at(next++))) << line.substr(0, 16);
        }
    }
    EXPECT_GE(held, 2u * 269) << "two goals or more";
    EXPECT_EQ(next + held, expected.size());
    EXPECT_EQ(plain.out.find("replay"), std::string::npos);
}

TEST(TraceTool, SummaryReportsScoreGoalsAndWeather) {
    const ToolRun run = runTrace({"--summary", "20000"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Final score: DYNAMO "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Goals: "), std::string::npos);
    EXPECT_NE(run.out.find("Possession in ticks: DYNAMO "), std::string::npos);
    EXPECT_NE(run.out.find("Weather switches: "), std::string::npos);
    // The summary and the trace see the same match: the final score agrees
    // with the goals on the trace's last line.
    const ToolRun trace = runTrace({"20000"});
    const std::vector<std::string> out = lines(trace.out);
    const std::string& last = out.back();
    const std::size_t at = last.find("\"goals\":[");
    ASSERT_NE(at, std::string::npos);
    const std::string goals = last.substr(at + 9, last.find(']', at) - at - 9);
    const std::string score =
        goals.substr(0, goals.find(',')) + " : " + goals.substr(goals.find(',') + 1) + " SHAKHTAR";
    EXPECT_NE(run.out.find("Final score: DYNAMO " + score), std::string::npos) << run.out;
}

// --seed: another match, the same again for the same seed, and seed 1 is the
// designed one; --random names its seed. --match-minutes 1: half time after
// 910 frames of play (half a minute at 33 ms a frame), its 304 frames marked
// and standing still, then the side that did not kick off kicks off; 1819
// frames of play in all, the final score standing for 152 frames, then the
// next seed's match on its own landscape.
TEST(TraceTool, SeedsAndMatchMinutesStartTheMatchesAsked) {
    const std::string designed = runTrace({"300"}).out;
    const ToolRun seeded = runTrace({"300", "--seed", "7"});
    ASSERT_EQ(seeded.status, 0) << seeded.err;
    EXPECT_NE(seeded.out, designed);
    EXPECT_EQ(runTrace({"--seed=7", "300"}).out, seeded.out);
    EXPECT_EQ(runTrace({"300", "--seed", "1"}).out, designed);
    const ToolRun random = runTrace({"300", "--random"});
    ASSERT_EQ(random.err.rfind("football-trace: seed ", 0), 0u) << random.err;
    EXPECT_EQ(runTrace({"300", "--seed", random.err.substr(21, random.err.size() - 22)}).out,
              random.out);

    const ToolRun series = runTrace({"2275", "--seed", "7", "--match-minutes", "1"});
    const std::vector<std::string> out = lines(series.out);
    ASSERT_EQ(out.size(), 2276u) << series.err;
    auto play = [](const std::string& line) {
        return line.substr(line.find("\"ball\""), line.find("\"stride\"") - line.find("\"ball\""));
    };
    for (std::size_t frame = 0; frame < out.size(); ++frame) {
        const bool marked = out[frame].find(",\"halfTime\":true}") != std::string::npos;
        ASSERT_EQ(marked, frame >= 910 && frame <= 1213) << "half time, frame " << frame;
    }
    EXPECT_NE(play(out[909]), play(out[910])) << "the first half's last tick";
    for (int frame = 911; frame <= 1213; ++frame)
        ASSERT_EQ(play(out[frame]), play(out[910])) << "half time stands, frame " << frame;
    EXPECT_NE(out[0].find("\"possession\":[1,"), std::string::npos) << out[0];
    EXPECT_NE(out[1214].find("\"ball\":[0.5,49.9999313],\"possession\":[2,"), std::string::npos)
        << "team 2 kicks off the second half: " << out[1214];
    EXPECT_NE(play(out[2121]), play(out[2122])) << "the last minute's last tick";
    for (int frame = 2123; frame <= 2273; ++frame)
        ASSERT_EQ(play(out[frame]), play(out[2122])) << "the final score stands, frame " << frame;
    auto terrainOf = [](const std::string& line) {
        const std::size_t at = line.find("\"terrain\":\"");
        return at == std::string::npos ? std::string() : line.substr(at + 11, 16);
    };
    EXPECT_EQ(terrainOf(out[2273]), "");
    EXPECT_NE(out[2274].find("\"warmUp\":1,\"ball\":[0,50]"), std::string::npos) << out[2274];
    EXPECT_NE(out[2274].find("\"goals\":[0,0]"), std::string::npos);
    const std::string next = std::to_string(common::nextSeed(7));
    EXPECT_EQ(terrainOf(out[2274]), terrainOf(lines(runTrace({"0", "--seed", next}).out)[0]));
    EXPECT_EQ(runTrace({"2275", "--seed", "7", "--match-minutes", "1"}).out, series.out);
}

// A session's trace is the trace of the command line it stands for: a key
// down in frame a and up in b held a..b-1, one never let go held to the end,
// re-creations (two after one frame) as toggles, the seed and the match
// length; through a pause, Tab, a key without a name and the next match.
TEST(TraceTool, ASessionTracesAsItsCommandLine) {
    const test_support::TempDir dir;
    const std::string path = dir.path() + "/watched.session";
    std::ofstream(path, std::ios::binary) << "football-session 1\n# watched\nseed 7\n"
                                             "option match-minutes 1\noption halves on\n"
                                             "size 1 800 600\n"
                                             "down 1 3\nup 2 3\ndown 40 O\ndown 41 0x07\n"
                                             "up 61 O\nrecreate 80\ndown 90 PAUSE\n"
                                             "up 95 PAUSE\nrecreate 120\nrecreate 120\n"
                                             "down 150 SPACE\nup 151 SPACE\ndown 160 TAB\n"
                                             "up 170 TAB\r\nup 300 0x07\ndown 1900 K\n"
                                             "end 1980\n";
    const ToolRun session = runTrace({"--session", path});
    ASSERT_EQ(session.status, 0) << session.err;
    const ToolRun line = runTrace(
        {"1980",       "--seed", "7",           "--match-minutes", "1",           "--hold",
         "3@1",        "--hold", "O@40-60",     "--hold",          "07@41-299",   "--toggle",
         "80",         "--hold", "PAUSE@90-94", "--toggle",        "120",         "--toggle",
         "120",        "--hold", "SPACE@150",   "--hold",          "TAB@160-169", "--hold",
         "K@1900-1980"});
    ASSERT_EQ(line.status, 0) << line.err;
    EXPECT_EQ(lines(session.out).size(), 1981u);
    EXPECT_TRUE(session.out == line.out)
        << "the traces part at byte "
        << std::mismatch(session.out.begin(), session.out.end(), line.out.begin(), line.out.end())
                   .first -
               session.out.begin();
}

// A teams file's clubs (every form its lines take) are listed and play: the
// trace between them is the designed one but for start-up's line, which
// names them; a session of them replays as the command line does, and is
// refused without their file.
TEST(TraceTool, ClubsChangeNoFrameAndTheirSessionNeedsTheirFile) {
    const test_support::TempDir dir;
    const std::string teams = dir.path() + "/teams.txt", session = dir.path() + "/s.session";
    std::ofstream(teams, std::ios::binary)
        << "# ours\r\n\n  club\trovers \nhome #FF0000 ffffff 000000 00FF00\r\n"
           "away 0000FF FFFFFF 000000 FFFF00\nplayer 1 AB\nplayer 2 CD\nplayer 3 EF\n"
           "player 4 GH\nplayer 7 I-J\nplayer 99 KLMNOPQRSTUV\n";
    const ToolRun list = runTrace({"--list-teams", "--teams-file", teams});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_GE(lines(list.out).size(), 17u);
    EXPECT_EQ(lines(list.out).back(),
              "ROVERS     home FF0000 FFFFFF 000000 00FF00  away 0000FF FFFFFF 000000 FFFF00  "
              "1 AB 2 CD 3 EF 4 GH 7 I-J 99 KLMNOPQRSTUV");

    const std::vector<std::string> designed = lines(runTrace({"3000"}).out);
    const ToolRun clubs =
        runTrace({"3000", "--home", "Rovers", "--away", "harbour", "--teams-file", teams});
    ASSERT_EQ(clubs.status, 0) << clubs.err;
    std::vector<std::string> out = lines(clubs.out);
    ASSERT_EQ(out.size(), designed.size());
    const std::string named = ",\"clubs\":[\"ROVERS\",\"HARBOUR\"]";
    ASSERT_NE(out[0].find(named), std::string::npos) << out[0];
    out[0].erase(out[0].find(named), named.size());
    EXPECT_TRUE(out == designed);

    std::ofstream(session, std::ios::binary)
        << "football-session 1\nseed designed\noption away ROVERS\noption home HARBOUR\n"
           "down 5 6\nend 400\n";
    const ToolRun refused = runTrace({"--session", session});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("no club 'ROVERS'"), std::string::npos) << refused.err;
    const ToolRun played = runTrace({"--session", session, "--teams-file", teams});
    ASSERT_EQ(played.status, 0) << played.err;
    EXPECT_EQ(played.out, runTrace({"400", "--hold", "6@5-400", "--away", "ROVERS", "--home",
                                    "HARBOUR", "--teams-file", teams})
                              .out);
}

// A session written as it grows, with replays on, replays as the command line
// with --replays; cut anywhere, as a crash, a kill or a power cut leaves it,
// it replays to its last kept line: the whole session's trace up to that
// frame, through the first goal's replay (frames 460 to 698) and after it.
TEST(TraceTool, ASessionCutAnywhereReplaysToItsLastKeptFrame) {
    const test_support::TempDir dir;
    const std::string whole = dir.path() + "/whole.session";
    frame::Session session;
    session.matches.replays = true;
    frame::SessionFileWriter writer;
    std::string error;
    ASSERT_TRUE(writer.create(whole, error)) << error;
    for (std::int64_t frame = 1; frame <= 900; ++frame) {
        session.frames = frame;
        for (const auto& [at, kind] : {std::pair{40, frame::SessionEventKind::down},
                                       std::pair{61, frame::SessionEventKind::up},
                                       std::pair{750, frame::SessionEventKind::down}}) {
            if (frame == at)
                session.events.push_back(frame::SessionEvent{kind, frame, 'O', 0, 0});
        }
        if (frame % 14 == 0) {
            ASSERT_TRUE(writer.keep(session, error)) << error;
        }
    }
    ASSERT_TRUE(writer.finish(session, error)) << error;
    const ToolRun full = runTrace({"--session", whole});
    ASSERT_EQ(full.status, 0) << full.err;
    EXPECT_EQ(full.out,
              runTrace({"900", "--replays", "--hold", "O@40-60", "--hold", "O@750-900"}).out);
    const std::vector<std::string> fullLines = lines(full.out);
    ASSERT_EQ(fullLines.size(), 901u);
    EXPECT_NE(full.out.find("\"replay\""), std::string::npos) << "frames shown as a replay";

    std::ifstream in(whole, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string cutPath = dir.path() + "/cut.session";
    for (const double at : {0.01, 0.2, 0.45, 0.5, 0.71, 0.86, 0.995}) {
        const std::size_t cut = static_cast<std::size_t>(at * static_cast<double>(text.size()));
        const std::string part = text.substr(0, cut);
        SCOPED_TRACE("cut at byte " + std::to_string(cut));
        std::ofstream(cutPath, std::ios::binary | std::ios::trunc) << part;
        // The last whole kept line.
        std::size_t kept = part.rfind("\nkept "), keptEnd = std::string::npos;
        for (; kept != std::string::npos; kept = part.rfind("\nkept ", kept - 1)) {
            keptEnd = part.find('\n', kept + 1);
            if (keptEnd != std::string::npos)
                break;
        }
        const ToolRun run = runTrace({"--session", cutPath});
        if (keptEnd == std::string::npos) {
            EXPECT_EQ(run.status, 2) << "nothing kept yet: refused";
            continue;
        }
        ASSERT_EQ(run.status, 0) << run.err;
        const std::size_t frames = std::stoul(part.substr(kept + 6, keptEnd - kept - 6));
        const std::vector<std::string> out = lines(run.out);
        EXPECT_EQ(out, std::vector<std::string>(fullLines.begin(),
                                                fullLines.begin() + static_cast<long>(frames) + 1));
    }
}

// The numbers of a trace line's array `name`.
std::vector<double> numbers(const std::string& line, const std::string& name) {
    std::istringstream in(line.substr(line.find("\"" + name + "\":[") + name.size() + 4));
    std::vector<double> result;
    for (double value; in >> value; in.ignore(1))
        result.push_back(value);
    return result;
}

// Key 6 from the first frame, paused for frames 3000..3099: where the ball
// lands in a 1024x768 picture through the camera transform (pitch about x,
// yaw about y, translation) and the perspective of the field of view.
TEST(TraceTool, TheFollowCameraKeepsTheBallNearTheMiddleWithoutJumps) {
    const std::vector<std::string> out = lines(
        runTrace({"20000", "--hold", "6@1", "--hold", "PAUSE@3000", "--hold", "PAUSE@3100"}).out);
    ASSERT_EQ(out.size(), 20001u);
    int inView = 0, nearMiddle = 0;
    double largestTurn = 0.0;
    std::vector<double> distances, last = numbers(out[0], "camera");
    const double toRadians = common::kPi / 180.0;
    for (std::size_t frame = 1; frame < out.size(); ++frame) {
        const std::vector<double> ball = numbers(out[frame], "ball");
        const std::vector<double> c = numbers(out[frame], "camera");
        if (frame >= 3000 && frame < 3100) {
            ASSERT_EQ(c, last) << "the camera holds still while paused, frame " << frame;
        }
        const double x = ball[0] + c[0], y = 1.25 + c[1], z = ball[1] + c[2];
        const double yaw = c[4] * toRadians, pitch = c[3] * toRadians;
        const double x1 = x * std::cos(yaw) + z * std::sin(yaw);
        const double z1 = -x * std::sin(yaw) + z * std::cos(yaw);
        const double y2 = y * std::cos(pitch) - z1 * std::sin(pitch);
        const double depth = -(y * std::sin(pitch) + z1 * std::cos(pitch));
        const double focal = 1.0 / std::tan(c[5] * toRadians / 2.0);
        const double across = focal * 768.0 / 1024.0 * x1 / depth, up = focal * y2 / depth;
        inView += depth > 0.5 && std::abs(across) <= 1.0 && std::abs(up) <= 1.0;
        nearMiddle += depth > 0.5 && std::abs(across) <= 0.25 && std::abs(up) <= 0.35;
        distances.push_back(std::sqrt(x * x + y * y + z * z));
        const double turn = std::abs(std::remainder(c[4] - last[4], 360.0));
        largestTurn = std::max({largestTurn, turn, std::abs(c[3] - last[3])});
        last = c;
    }
    std::nth_element(distances.begin(), distances.begin() + 10000, distances.end());
    std::printf("in view %d, middle %d of 20000\n", inView, nearMiddle);
    EXPECT_GE(inView, 19800);
    EXPECT_GE(nearMiddle, 18000);
    EXPECT_LE(distances[10000], 45.0);
    EXPECT_LE(largestTurn, 4.0);
}

}  // namespace
