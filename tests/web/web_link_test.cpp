// web_link_test.cpp -- the page address's link to a moment: what it asks for, and the one line
// that names a bad parameter.
#include "web/web_link.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct GoodLink {
    const char* query;
    std::int64_t at;
    int view;
    int holds;  // how many; the first one's key and frames follow
    int key;
    std::int64_t from, to;
    bool mute;
    int volume;
};

TEST(WebLinkTest, ReadsTheMomentTheViewAndTheHolds) {
    const GoodLink links[] = {
        {"", 0, 0, 0, 0, 0, 0, false, 100},
        {"?at=3300&view=5&hold=O@100-120", 3300, 5, 1, 'O', 100, 120, false, 100},
        {"at=300&hold=2%40300", 300, 0, 1, '2', 300, 300, false, 100},
        {"?hold=f1@5&hold=SPACE@7-9&utm_source=x", 0, 0, 2, 0x70, 5, 5, false, 100},
        {"?view=2&at=1000000", 1000000, 2, 0, 0, 0, 0, false, 100},
        {"?view=6&mute&volume=0", 0, 6, 0, 0, 0, 0, true, 0},
        {"?mute=0&volume=40", 0, 0, 0, 0, 0, 0, false, 40},
    };
    for (const GoodLink& good : links) {
        web::MomentLink link;
        std::string error;
        ASSERT_TRUE(web::parseMomentLink(good.query, link, error)) << good.query << ": " << error;
        EXPECT_EQ(link.at, good.at) << good.query;
        EXPECT_EQ(link.view, good.view) << good.query;
        EXPECT_EQ(link.mute, good.mute) << good.query;
        EXPECT_EQ(link.volume, good.volume) << good.query;
        ASSERT_EQ(static_cast<int>(link.script.holds.size()), good.holds) << good.query;
        if (good.holds > 0) {
            EXPECT_EQ(link.script.holds[0].key, good.key) << good.query;
            EXPECT_EQ(link.script.holds[0].from, good.from) << good.query;
            EXPECT_EQ(link.script.holds[0].to, good.to) << good.query;
        }
    }
}

TEST(WebLinkTest, NamesTheBadParameterAndAsksForNothing) {
    const char* const bad[][2] = {
        {"?at=banana", "at=banana: "},
        {"?at=0", "at=0: "},
        {"?at=1000001", "at=1000001: "},
        {"?at=5&at=6", "at=6: given twice"},
        {"?view=7", "view=7: "},
        {"?view=", "view=: "},
        {"?at=10&hold=Q", "hold=Q: "},
        {"?hold=WHAT@3", "hold=WHAT@3: key"},
        {"?hold=O@9-3", "hold=O@9-3: range"},
        {"?hold=O@0", "hold=O@0: "},
        {"?volume=101", "volume=101: "},
        {"?seed=4294967296", "seed=4294967296: "},
        {"?session=AQ!A", "session=AQ!A: not a session link"},
        {"?session=AQAAAg", "session=AQAAAg: the session link is cut short"},
        {"?session=AgAAAAA", "session=AgAAAAA: a session link of version 2"},
        {"?session=AQAAAgABAQAB", "session=AQAAAgABAQAB: the session link's session is refused"},
        {"?session=AQAAwYQ9AQ", "session=AQAAwYQ9AQ: the session link runs 1000001 frames"},
        {"?session=AQAACgEBggI", "session=AQAACgEBggI: the session link turns replays on"},
        {"?session=AQAAAAA&at=5", "session=...: not with at"},
        {"?session=AQAAAAA&home=HARBOUR", "session=...: not with at"},
        {"?home=HARBOUR&home=KESTREL", "home=KESTREL: given twice"},
        {"?away=", "away=: "},
    };
    for (const auto& row : bad) {
        web::MomentLink link;
        std::string error;
        EXPECT_FALSE(web::parseMomentLink(row[0], link, error)) << row[0];
        EXPECT_EQ(error.rfind(row[1], 0), 0u) << row[0] << " gave: " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << row[0];
        EXPECT_EQ(link.at, 0) << row[0];
        EXPECT_TRUE(link.script.holds.empty()) << row[0];
    }
}

TEST(WebLinkTest, CarriesASessionAsItWasWatched) {
    frame::Session session;
    session.matches = {true, 4294967295u, false, 90, true, true, "HARBOUR", ""};
    session.frames = 1000000;
    using K = frame::SessionEventKind;
    session.events = {{K::recreate, 0, 0, 0, 0},   {K::size, 1, 0, 1024, 768},
                      {K::down, 1, '3', 0, 0},     {K::up, 2, '3', 0, 0},
                      {K::down, 140, 0x13, 0, 0},  {K::size, 300, 0, 65535, 1},
                      {K::up, 999999, 0x13, 0, 0}, {K::down, 999999, 0xff, 0, 0}};
    const std::string text = web::sessionLinkText(session, 999101);
    EXPECT_EQ(text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                     "0123456789-_"),
              std::string::npos);
    web::SessionLink link;
    std::string error;
    ASSERT_TRUE(web::readSessionLink(text, link, error)) << error;
    EXPECT_EQ(frame::sessionText(link.session), frame::sessionText(session));
    EXPECT_EQ(link.firstShown, 999101);
    // The page's own: the designed match, no events, and no frames yet.
    web::MomentLink moment;
    ASSERT_TRUE(web::parseMomentLink("?mute&session=" + web::sessionLinkText(frame::Session{}, 1),
                                     moment, error))
        << error;
    EXPECT_TRUE(moment.sessionGiven && moment.mute && !moment.script.matches.seedGiven);
    EXPECT_EQ(moment.session.firstShown, 1);
    ASSERT_TRUE(web::parseMomentLink("?away=kestrel&home=Harbour", moment, error)) << error;
    EXPECT_EQ(moment.script.matches.home + moment.script.matches.away, "Harbourkestrel");
}

}  // namespace
