#include "shared/layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <tuple>
#include <utility>

namespace core {
namespace {

// Left, top, right, bottom: comparable and printable.
std::tuple<int, int, int, int> Edges(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// A 400 x 300 dialog at (100, 50) with a 100 x 30 control at (120, 80):
// 20 px from the left, 30 from the top, 280 from the right, 240 from the bottom.
const Rect kDialog{100, 50, 500, 350};
const Rect kControl{120, 80, 220, 110};

struct AnchorCase {
    int position;
    int size;
    Rect expected;
};

void PrintTo(const AnchorCase& c, std::ostream* out) {
    *out << "position " << c.position << ", size " << c.size;
}

Rect Relaid(const Rect& grownDialog, const Rect& currentControl, const AnchorCase& c) {
    auto position = static_cast<AnchorPosition>(c.position);
    auto size = static_cast<AnchorSize>(c.size);
    AnchorOffsets offsets = TakeAnchorOffsets(kDialog, kControl, position);
    return AnchoredRect(grownDialog, currentControl, offsets, position, size);
}

// Dragging the lower-right corner: 100 px wider and taller, the client origin stays, so
// the control's current window rectangle is where it was.
class GrowRightAndDownTest : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(GrowRightAndDownTest, ControlFollowsItsCorner) {
    const Rect grown{100, 50, 600, 450};
    EXPECT_EQ(Edges(Relaid(grown, kControl, GetParam())), Edges(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCombination, GrowRightAndDownTest,
    ::testing::Values(
        AnchorCase{0, 0, {120, 80, 320, 110}}, AnchorCase{0, 1, {120, 80, 220, 210}},
        AnchorCase{0, 2, {120, 80, 320, 210}}, AnchorCase{0, 3, {120, 80, 220, 110}},
        AnchorCase{1, 0, {220, 80, 320, 110}}, AnchorCase{1, 1, {220, 80, 320, 210}},
        AnchorCase{1, 2, {220, 80, 320, 210}}, AnchorCase{1, 3, {220, 80, 320, 110}},
        AnchorCase{2, 0, {120, 180, 320, 210}}, AnchorCase{2, 1, {120, 180, 220, 210}},
        AnchorCase{2, 2, {120, 180, 320, 210}}, AnchorCase{2, 3, {120, 180, 220, 210}},
        AnchorCase{3, 0, {220, 180, 320, 210}}, AnchorCase{3, 1, {220, 180, 320, 210}},
        AnchorCase{3, 2, {220, 180, 320, 210}}, AnchorCase{3, 3, {220, 180, 320, 210}}));

// Dragging the upper-left corner: 100 px wider and taller, the client origin moves up and
// left by 100, and the child window with it.
class GrowLeftAndUpTest : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(GrowLeftAndUpTest, ControlFollowsItsCorner) {
    const Rect grown{0, -50, 500, 350};
    const Rect carried{20, -20, 120, 10};
    EXPECT_EQ(Edges(Relaid(grown, carried, GetParam())), Edges(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCombination, GrowLeftAndUpTest,
    ::testing::Values(AnchorCase{0, 0, {20, -20, 220, 10}}, AnchorCase{0, 1, {20, -20, 120, 110}},
                      AnchorCase{0, 2, {20, -20, 220, 110}}, AnchorCase{0, 3, {20, -20, 120, 10}},
                      AnchorCase{1, 0, {120, -20, 220, 10}}, AnchorCase{1, 1, {120, -20, 220, 110}},
                      AnchorCase{1, 2, {120, -20, 220, 110}}, AnchorCase{1, 3, {120, -20, 220, 10}},
                      AnchorCase{2, 0, {20, 80, 220, 110}}, AnchorCase{2, 1, {20, 80, 120, 110}},
                      AnchorCase{2, 2, {20, 80, 220, 110}}, AnchorCase{2, 3, {20, 80, 120, 110}},
                      AnchorCase{3, 0, {120, 80, 220, 110}}, AnchorCase{3, 1, {120, 80, 220, 110}},
                      AnchorCase{3, 2, {120, 80, 220, 110}},
                      AnchorCase{3, 3, {120, 80, 220, 110}}));

TEST(AnchoredRectTest, UnchangedDialogLeavesEveryControlInPlace) {
    for (int position = 0; position < 4; ++position) {
        for (int size = 0; size < 4; ++size) {
            SCOPED_TRACE(testing::Message() << "position " << position << ", size " << size);
            EXPECT_EQ(Edges(Relaid(kDialog, kControl, AnchorCase{position, size, {}})),
                      Edges(kControl));
        }
    }
}

TEST(AnchorOffsetsTest, DistancesAreMeasuredToTheAnchoredCorner) {
    AnchorOffsets topRight = TakeAnchorOffsets(kDialog, kControl, AnchorPosition::TopRight);
    EXPECT_EQ(topRight.width, 100);
    EXPECT_EQ(topRight.height, 30);
    EXPECT_EQ(topRight.offsetX, 380);
    EXPECT_EQ(topRight.offsetY, 30);
    EXPECT_EQ(topRight.rightGap, 280);
    EXPECT_EQ(topRight.bottomGap, 240);

    AnchorOffsets bottomLeft = TakeAnchorOffsets(kDialog, kControl, AnchorPosition::BottomLeft);
    EXPECT_EQ(bottomLeft.offsetX, 20);
    EXPECT_EQ(bottomLeft.offsetY, 270);
}

TEST(AnchoredRectTest, ShrinkingBelowTheControlsSizeKeepsFixedSizes) {
    // A control that keeps its size never gets a negative one, whatever the dialog does.
    const Rect tiny{100, 50, 150, 80};
    for (int position = 0; position < 4; ++position) {
        Rect r = Relaid(tiny, kControl, AnchorCase{position, 3, {}});
        EXPECT_EQ(r.right - r.left, 100);
        EXPECT_EQ(r.bottom - r.top, 30);
    }
}

struct LimitsCase {
    ResizeDirections directions;
    bool limitMaxWidth, limitMaxHeight;
};

class TrackLimitsTest : public ::testing::TestWithParam<LimitsCase> {};

TEST_P(TrackLimitsTest, MinimumAlwaysAndTheFixedDimensionsMaximum) {
    TrackLimits limits = TrackLimitsFor(640, 480, GetParam().directions);
    EXPECT_EQ(limits.minWidth, 640);
    EXPECT_EQ(limits.minHeight, 480);
    EXPECT_EQ(limits.limitMaxWidth, GetParam().limitMaxWidth);
    EXPECT_EQ(limits.limitMaxHeight, GetParam().limitMaxHeight);
    if (limits.limitMaxWidth) {
        EXPECT_EQ(limits.maxWidth, 640);
    }
    if (limits.limitMaxHeight) {
        EXPECT_EQ(limits.maxHeight, 480);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDirection, TrackLimitsTest,
                         ::testing::Values(LimitsCase{ResizeDirections::HeightFixed, false, true},
                                           LimitsCase{ResizeDirections::WidthFixed, true, false},
                                           LimitsCase{ResizeDirections::BothFree, false, false}));

TEST(GripperShapeTest, FourByFourKeepsOneMoreColumnPerRow) {
    std::vector<Rect> strips = GripperCutStrips(4, 4);
    ASSERT_EQ(strips.size(), 4u);
    EXPECT_EQ(Edges(strips[0]), Edges(Rect{0, 0, 4, 1}));
    EXPECT_EQ(Edges(strips[1]), Edges(Rect{0, 1, 3, 2}));
    EXPECT_EQ(Edges(strips[2]), Edges(Rect{0, 2, 2, 3}));
    EXPECT_EQ(Edges(strips[3]), Edges(Rect{0, 3, 1, 4}));
}

// Every pixel of the box is either cut by a strip or inside the triangle, never both.
TEST(GripperShapeTest, StripsAndTriangleSplitTheBox) {
    const std::pair<int, int> sizes[] = {{17, 17}, {16, 20}, {20, 16}, {1, 1}, {3, 5}};
    for (auto [width, height] : sizes) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        std::set<std::pair<int, int>> cut;
        for (const Rect& s : GripperCutStrips(width, height)) {
            ASSERT_GE(s.left, 0);
            ASSERT_LE(s.right, width);
            ASSERT_EQ(s.bottom - s.top, 1);
            for (int x = s.left; x < s.right; ++x) {
                EXPECT_TRUE(cut.insert({x, s.top}).second);
            }
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                EXPECT_NE(cut.count({x, y}) == 1, GripperTriangleContains(width, height, x, y))
                    << "pixel " << x << ", " << y;
            }
        }
    }
}

TEST(GripperShapeTest, TriangleCorners) {
    EXPECT_TRUE(GripperTriangleContains(17, 17, 16, 16));
    EXPECT_TRUE(GripperTriangleContains(17, 17, 16, 1));
    EXPECT_TRUE(GripperTriangleContains(17, 17, 1, 16));
    EXPECT_FALSE(GripperTriangleContains(17, 17, 16, 0));  // row 0 keeps no column
    EXPECT_FALSE(GripperTriangleContains(17, 17, 0, 16));
    EXPECT_FALSE(GripperTriangleContains(17, 17, 0, 0));
    EXPECT_FALSE(GripperTriangleContains(17, 17, 8, 8));  // on the diagonal's cut side
    EXPECT_TRUE(GripperTriangleContains(17, 17, 9, 8));
    EXPECT_FALSE(GripperTriangleContains(17, 17, 17, 16));  // outside the box
    EXPECT_FALSE(GripperTriangleContains(17, 17, 16, 17));
    EXPECT_FALSE(GripperTriangleContains(17, 17, -1, 16));
    EXPECT_TRUE(GripperCutStrips(0, 5).empty());
    EXPECT_TRUE(GripperCutStrips(5, 0).empty());
}

TEST(GripperPlacementTest, LowerRightCornerOfTheClientArea) {
    Point origin = GripperOrigin(Rect{0, 0, 600, 400}, 17, 16);
    EXPECT_EQ(origin.x, 583);
    EXPECT_EQ(origin.y, 384);
}

TEST(GripperHitTestTest, CornerOnItsOwnSide) {
    EXPECT_EQ(GripperHitTest(false), 17);
    EXPECT_EQ(GripperHitTest(true), 16);
}

}  // namespace
}  // namespace core
