// trace_line.cpp -- the trace's per-frame line: keys and numbers in a fixed order.
#include "frame/trace_line.h"

#include <cstring>
#include <initializer_list>

#include "common/number_format.h"

namespace frame {

std::string terrainHash(const render::Heightmap& heightmap) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const auto& row : heightmap.height) {
        for (float sample : row) {
            std::uint32_t bits = 0;
            std::memcpy(&bits, &sample, sizeof bits);
            for (int byte = 0; byte < 4; ++byte) {
                hash ^= (bits >> (8 * byte)) & 0xFFu;
                hash *= 0x100000001b3ull;
            }
        }
    }
    static const char kHex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
        hash >>= 4;
    }
    return text;
}

// A cursor into the line being written.
struct Line {
    char* at;
};

static void text(Line& line, const char* literal) {
    const std::size_t length = std::strlen(literal);
    std::memcpy(line.at, literal, length);
    line.at += length;
}

static void integer(Line& line, std::int64_t value) {
    line.at += common::formatInteger(value, line.at);
}

static void real(Line& line, float value) {
    line.at += common::formatFloat(value, line.at);
}

static void reals(Line& line, std::initializer_list<float> values) {
    *line.at++ = '[';
    bool first = true;
    for (float value : values) {
        if (!first)
            *line.at++ = ',';
        real(line, value);
        first = false;
    }
    *line.at++ = ']';
}

static void integers(Line& line, std::initializer_list<std::int64_t> values) {
    *line.at++ = '[';
    bool first = true;
    for (std::int64_t value : values) {
        if (!first)
            *line.at++ = ',';
        integer(line, value);
        first = false;
    }
    *line.at++ = ']';
}

static void flight(Line& line, const sim::BallFlight& flight) {
    *line.at++ = '[';
    integer(line, flight.active);
    *line.at++ = ',';
    integer(line, flight.ticks);
    *line.at++ = ',';
    real(line, flight.speed);
    *line.at++ = ',';
    real(line, flight.direction);
    *line.at++ = ']';
}

static void player(Line& line, const sim::OutfieldPlayer& player) {
    *line.at++ = '[';
    real(line, player.lateral);
    *line.at++ = ',';
    real(line, player.lengthwise);
    *line.at++ = ',';
    real(line, player.heading);
    *line.at++ = ',';
    integer(line, player.decisionTimer);
    *line.at++ = ']';
}

std::size_t traceLine(const frame::World& world, std::int64_t frame, const char* terrain,
                      char* out) {
    const sim::MatchState& match = world.match;
    Line line{out};
    text(line, "{\"frame\":");
    integer(line, frame);
    text(line, ",\"rng\":");
    integer(line, world.random.state);
    if (terrain != nullptr) {
        text(line, ",\"terrain\":\"");
        text(line, terrain);
        text(line, "\"");
    }
    // Start-up names clubs other than the designed pair; no frame after it does.
    if (frame == 0 && !world.clubs.designed) {
        text(line, ",\"clubs\":[\"");
        text(line, world.clubs.sides[0].name);
        text(line, "\",\"");
        text(line, world.clubs.sides[1].name);
        text(line, "\"]");
    }
    text(line, ",\"warmUp\":");
    integer(line, match.warmUpFrames);
    text(line, ",\"ball\":");
    reals(line, {match.ball.lateral, match.ball.lengthwise});
    text(line, ",\"possession\":");
    integers(line, {match.possession.team, match.possession.holder, match.possession.timer});
    text(line, ",\"pass\":");
    flight(line, match.pass);
    text(line, ",\"shot\":");
    flight(line, match.shot);
    text(line, ",\"passWait\":");
    integer(line, match.passWait);
    text(line, ",\"goals\":");
    integers(line, {match.goalsTeam1, match.goalsTeam2});
    text(line, ",\"goalCelebration\":");
    integer(line, match.goalCelebration);
    text(line, ",\"goalKickTimer\":");
    integer(line, match.goalKickTimer);
    text(line, ",\"keepers\":");
    reals(line, {match.team1.keeperLateral, match.team2.keeperLateral});
    text(line, ",\"players\":[");
    for (int i = 0; i < 5; ++i) {
        player(line, match.team1.outfield[i]);
        *line.at++ = ',';
    }
    for (int i = 0; i < 5; ++i) {
        player(line, match.team2.outfield[i]);
        *line.at++ = i < 4 ? ',' : ']';
    }
    const render::FigureAnimation& animation = world.animation;
    text(line, ",\"stride\":");
    integers(line, {animation.strideTeam1, animation.strideTeam2});
    text(line, ",\"keeperAnim\":");
    integers(line, {animation.keeperTeam1, animation.keeperTeam2});
    const frame::Camera& camera = world.camera;
    text(line, ",\"camera\":");
    reals(line, {camera.translateX, camera.translateY, camera.translateZ, camera.pitch, camera.yaw,
                 camera.fieldOfView});
    text(line, ",\"rain\":");
    integers(line, {world.rain.raining, world.rain.clock, world.rain.falling});
    if (world.replay.held)
        text(line, ",\"replay\":true");
    if (world.series.halfTimeFrames > 0)
        text(line, ",\"halfTime\":true");
    text(line, "}\n");
    return static_cast<std::size_t>(line.at - out);
}

}  // namespace frame
