#pragma once
// TPopupMenu: a context menu of plain items, each with a caption, an enabled state and a click
// handler. popup() drops a real Win32 menu (TrackPopupMenu) at a screen point and returns once it
// has closed; the chosen item's handler runs before popup() returns. The HMENU exists only while
// the menu is open.
//
// The menu needs a window of ours to belong to: the active window of this thread, or else the
// first live form.

#include "framework/ui/model/Component.h"

#include <string>
#include <vector>

namespace fw {

struct TMenuItem {
    std::string caption;  // "&" marks the item's accelerator character, "-" makes a separator
    bool isEnabled = true;
    NotifyEvent onClick;  // raised with the menu as sender
};

class TPopupMenu : public Component {
public:
    explicit TPopupMenu(Component* owner = nullptr) : Component(owner) {}

    std::vector<TMenuItem>& items() { return items_; }
    const std::vector<TMenuItem>& items() const { return items_; }
    TMenuItem& add(const std::string& caption, NotifyEvent onClick = {});

    // Shows the menu with its top-left corner at (x, y) in screen coordinates and waits until it
    // closes. Raises fw::Win32Error when the menu cannot be made.
    void popup(int x, int y);

    NotifyEvent onPopup;  // just before the menu appears

private:
    std::vector<TMenuItem> items_;
};

}  // namespace fw
