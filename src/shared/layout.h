// The geometry of the resizable dialogs: where an anchored control goes when its dialog
// changes size, the limits of the dialog's tracking size, and the shape and hit-test answer
// of the size gripper. Plain arithmetic on rectangles; the window layer only reads
// rectangles and moves windows.
#pragma once

#include <cstdint>
#include <vector>

#include "system_port.h"

namespace core {

// The dialog corner a control keeps its distance to.
enum class AnchorPosition : int32_t { TopLeft = 0, TopRight = 1, BottomLeft = 2, BottomRight = 3 };

// What of the control follows the dialog's size.
enum class AnchorSize : int32_t {
    StretchWidth = 0,
    StretchHeight = 1,
    StretchBoth = 2,
    KeepSize = 3
};

// A control's size and distances to the dialog, taken once from window rectangles in
// screen coordinates.
struct AnchorOffsets {
    int32_t width = 0;
    int32_t height = 0;
    // Top-left and bottom-left: control left - dialog left; otherwise dialog right -
    // control left.
    int32_t offsetX = 0;
    // Top-left and top-right: control top - dialog top; otherwise dialog bottom -
    // control top.
    int32_t offsetY = 0;
    int32_t rightGap = 0;   // dialog right - control right
    int32_t bottomGap = 0;  // dialog bottom - control bottom
};

AnchorOffsets TakeAnchorOffsets(const Rect& dialog, const Rect& control, AnchorPosition position);

// The control's new window rectangle (screen coordinates) for the dialog's window
// rectangle, from its current one and the offsets taken earlier. A control anchored at the
// top-left corner keeps its current left and top.
Rect AnchoredRect(const Rect& dialog, const Rect& control, const AnchorOffsets& offsets,
                  AnchorPosition position, AnchorSize size);

// Which dimensions of the dialog the operator may change.
enum class ResizeDirections : int32_t { HeightFixed = 0, WidthFixed = 1, BothFree = 2 };

// The parts of a window's tracking limits that the dialog sets; the others keep the
// system's values.
struct TrackLimits {
    int32_t minWidth = 0;
    int32_t minHeight = 0;
    bool limitMaxWidth = false;
    int32_t maxWidth = 0;
    bool limitMaxHeight = false;
    int32_t maxHeight = 0;
};

TrackLimits TrackLimitsFor(int32_t minWidth, int32_t minHeight, ResizeDirections directions);

// The gripper is a width x height box clipped to the triangle below its rising diagonal:
// row y keeps the columns width - y to width - 1 (row 0 keeps none). These are the
// strips cut from the full box, one per row that loses columns, in box coordinates.
std::vector<Rect> GripperCutStrips(int32_t width, int32_t height);

// True when the point (box coordinates) lies in the gripper's triangle.
bool GripperTriangleContains(int32_t width, int32_t height, int32_t x, int32_t y);

// The gripper's top-left corner in the dialog's client area: its lower-right corner.
struct Point {
    int32_t x = 0;
    int32_t y = 0;
};
Point GripperOrigin(const Rect& client, int32_t width, int32_t height);

// The gripper reports itself as the dialog's lower corner on its own side: the
// bottom-right corner, or the bottom-left one when laid out right to left.
constexpr int32_t kHitBottomLeft = 16;
constexpr int32_t kHitBottomRight = 17;
int32_t GripperHitTest(bool rightToLeft);

}  // namespace core
