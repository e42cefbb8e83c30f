#include "layout.h"

#include <algorithm>

namespace core {

namespace {

bool FollowsRightEdge(AnchorPosition position) {
    return position == AnchorPosition::TopRight || position == AnchorPosition::BottomRight;
}

bool FollowsBottomEdge(AnchorPosition position) {
    return position == AnchorPosition::BottomLeft || position == AnchorPosition::BottomRight;
}

bool StretchesWidth(AnchorSize size) {
    return size == AnchorSize::StretchWidth || size == AnchorSize::StretchBoth;
}

bool StretchesHeight(AnchorSize size) {
    return size == AnchorSize::StretchHeight || size == AnchorSize::StretchBoth;
}

}  // namespace

AnchorOffsets TakeAnchorOffsets(const Rect& dialog, const Rect& control, AnchorPosition position) {
    AnchorOffsets offsets;
    offsets.width = control.right - control.left;
    offsets.height = control.bottom - control.top;
    offsets.offsetX =
        FollowsRightEdge(position) ? dialog.right - control.left : control.left - dialog.left;
    offsets.offsetY =
        FollowsBottomEdge(position) ? dialog.bottom - control.top : control.top - dialog.top;
    offsets.rightGap = dialog.right - control.right;
    // Measured from the bottom for every corner, so that a control that keeps its distance
    // to the top can still stretch its height with the bottom edge.
    offsets.bottomGap = dialog.bottom - control.bottom;
    return offsets;
}

Rect AnchoredRect(const Rect& dialog, const Rect& control, const AnchorOffsets& offsets,
                  AnchorPosition position, AnchorSize size) {
    Rect moved;
    switch (position) {
        case AnchorPosition::TopLeft:
            moved.left = control.left;
            moved.top = control.top;
            break;
        case AnchorPosition::TopRight:
            moved.left = dialog.right - offsets.offsetX;
            moved.top = dialog.top + offsets.offsetY;
            break;
        case AnchorPosition::BottomLeft:
            moved.left = dialog.left + offsets.offsetX;
            moved.top = dialog.bottom - offsets.offsetY;
            break;
        case AnchorPosition::BottomRight:
            moved.left = dialog.right - offsets.offsetX;
            moved.top = dialog.bottom - offsets.offsetY;
            break;
    }
    moved.right =
        StretchesWidth(size) ? dialog.right - offsets.rightGap : moved.left + offsets.width;
    moved.bottom =
        StretchesHeight(size) ? dialog.bottom - offsets.bottomGap : moved.top + offsets.height;
    return moved;
}

TrackLimits TrackLimitsFor(int32_t minWidth, int32_t minHeight, ResizeDirections directions) {
    TrackLimits limits;
    limits.minWidth = minWidth;
    limits.minHeight = minHeight;
    if (directions == ResizeDirections::HeightFixed) {
        limits.limitMaxHeight = true;
        limits.maxHeight = minHeight;
    } else if (directions == ResizeDirections::WidthFixed) {
        limits.limitMaxWidth = true;
        limits.maxWidth = minWidth;
    }
    return limits;
}

std::vector<Rect> GripperCutStrips(int32_t width, int32_t height) {
    std::vector<Rect> strips;
    for (int32_t y = 0; y < height; ++y) {
        int32_t kept = std::min(std::max(y, 0), width);  // columns width - y .. width - 1
        int32_t cut = width - kept;
        if (cut > 0) {
            strips.push_back(Rect{0, y, cut, y + 1});
        }
    }
    return strips;
}

bool GripperTriangleContains(int32_t width, int32_t height, int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return false;
    }
    return x >= width - y;
}

Point GripperOrigin(const Rect& client, int32_t width, int32_t height) {
    return Point{client.right - width, client.bottom - height};
}

int32_t GripperHitTest(bool rightToLeft) {
    return rightToLeft ? kHitBottomLeft : kHitBottomRight;
}

}  // namespace core
