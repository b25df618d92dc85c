#include "ui/screen_placement.h"

#include <gtest/gtest.h>

namespace teaser {
namespace {

struct PlacementCase {
    const char *what;
    QRect available;
    QSize frame;
    QPoint wanted;
    QPoint placed;
};

TEST(ScreenPlacementTest, theWindowLiesWhollyOnTheScreenWhereItFits)
{
    const QSize window(389, 295);
    const PlacementCase cases[] = {
        {"room enough", {0, 0, 1024, 768}, window, {50, 50}, {50, 50}},
        {"640 x 480 at scale 1.5 (427 x 320)", {0, 0, 427, 320}, window, {50, 50}, {38, 25}},
        {"a panel on the left", {64, 0, 960, 768}, window, {50, 50}, {64, 50}},
        {"a second screen", {1024, 0, 800, 600}, window, {1074, 50}, {1074, 50}},
        {"too small: the top left stays in reach", {0, 0, 320, 240}, window, {50, 50}, {0, 0}},
        {"too narrow only", {10, 20, 300, 700}, window, {50, 50}, {10, 50}},
    };
    for (const PlacementCase &row : cases)
        EXPECT_EQ(placeWithin(row.available, row.frame, row.wanted), row.placed) << row.what;
}

}
}
