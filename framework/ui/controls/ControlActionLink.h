#pragma once
// ControlActionLink: a window-less control's link to its action. Neither side owns the other:
// the link tells the action when it lets go (relinked, or the control goes), and an action that
// goes away first is forgotten. Every change of the linked action is passed on to the control.

#include "framework/ui/model/Action.h"

#include <functional>
#include <type_traits>

namespace fw {

class ControlActionLink final : private ActionClient {
public:
    using ChangeEvent = std::function<void(TBasicAction& action)>;

    explicit ControlActionLink(ChangeEvent onChange) : onChange_(std::move(onChange)) {}
    ~ControlActionLink() { link(nullptr); }
    ControlActionLink(const ControlActionLink&) = delete;
    ControlActionLink& operator=(const ControlActionLink&) = delete;

    TBasicAction* action() const { return action_; }  // not owned
    // Links `action` (null: none) in place of the current one; true when that linked an action
    // that was not linked before.
    bool link(TBasicAction* action);

private:
    void actionChanged(TBasicAction& action) override;
    void actionFreed(TBasicAction& action) override;

    TBasicAction* action_ = nullptr;
    ChangeEvent onChange_;
};

static_assert(!std::is_copy_constructible_v<ControlActionLink>);

}  // namespace fw
