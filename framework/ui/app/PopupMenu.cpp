#include "framework/ui/app/PopupMenu.h"

#include "framework/core/Error.h"
#include "framework/ui/windows/Form.h"
#include "framework/win32/Handles.h"
#include "framework/win32/Win32Error.h"

#include <windows.h>

namespace fw {

TMenuItem& TPopupMenu::add(const std::string& caption, NotifyEvent onClick)
{
    items_.push_back(TMenuItem{caption, true, std::move(onClick)});
    return items_.back();
}

void TPopupMenu::popup(int x, int y)
{
    if (onPopup)
        onPopup(*this);
    UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        throw Win32Error("CreatePopupMenu", GetLastError());
    for (std::size_t index = 0; index < items_.size(); ++index) {
        const TMenuItem& item = items_[index];
        if (item.caption == "-") {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        // Command 0 means "nothing chosen", so items count from 1.
        const UINT flags = MF_STRING | (item.isEnabled ? MF_ENABLED : MF_GRAYED);
        if (!AppendMenuA(menu.get(), flags, index + 1, item.caption.c_str()))
            throw Win32Error("AppendMenuA", GetLastError());
    }
    HWND owner = Form::ownerForModal();
    if (!owner)
        throw Error("A popup menu needs a window to belong to");
    // TPM_RETURNCMD: the choice comes back here instead of as a WM_COMMAND to the owner, so the
    // item's handler runs before whatever follows the popup (a button's click handler).
    const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY;
    const BOOL chosen = TrackPopupMenu(menu.get(), flags, x, y, 0, owner, nullptr);
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= items_.size()) {
        TMenuItem& item = items_[static_cast<std::size_t>(chosen) - 1];
        if (item.onClick)
            item.onClick(*this);
    }
}

}  // namespace fw
