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

}  // namespace
