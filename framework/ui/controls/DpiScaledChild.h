#pragma once
// A child window of a form that lays itself out again when the form moves to a display of
// another DPI (a panel, the memo). The form finds each one, at any depth, through the window
// property below and tells it the new DPI; the child scales its design values for it.

namespace fw {

class DpiScaledChild {
public:
    static constexpr const char* propertyName = "fw.DpiScaledChild";

    virtual void setDpi(int dpi) = 0;

protected:
    ~DpiScaledChild() = default;
};

}  // namespace fw
