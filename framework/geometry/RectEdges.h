#pragma once
// A rectangle given by its four edges, the way GDI takes it: it covers left .. right-1 and
// top .. bottom-1. Drawing code uses it because DrawTextA and the fills work on edges, and
// measuring with DT_CALCRECT moves the right and bottom edges. Header only, no <windows.h>.

namespace fw {

struct RectEdges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const RectEdges&, const RectEdges&) = default;
};

}  // namespace fw
