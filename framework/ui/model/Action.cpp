#include "framework/ui/model/Action.h"

#include <algorithm>

namespace fw {

TBasicAction::~TBasicAction()
{
    // A client may unlink itself while it is told, so work on a copy.
    const std::vector<ActionClient*> clients = clients_;
    clients_.clear();
    for (ActionClient* client : clients)
        client->actionFreed(*this);
}

bool TBasicAction::execute()
{
    if (!onExecute)
        return false;
    onExecute(*this);
    return true;
}

void TBasicAction::addClient(ActionClient& client)
{
    if (std::find(clients_.begin(), clients_.end(), &client) == clients_.end())
        clients_.push_back(&client);
}

void TBasicAction::removeClient(ActionClient& client)
{
    clients_.erase(std::remove(clients_.begin(), clients_.end(), &client), clients_.end());
}

void TBasicAction::change()
{
    const std::vector<ActionClient*> clients = clients_;
    for (ActionClient* client : clients)
        if (std::find(clients_.begin(), clients_.end(), client) != clients_.end())
            client->actionChanged(*this);
}

TCustomAction::~TCustomAction()
{
    if (actionList_)
        actionList_->remove(*this);
}

void TCustomAction::setCaption(const std::string& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    change();
}

void TCustomAction::setEnabled(bool enabled)
{
    if (enabled == isEnabled_)
        return;
    isEnabled_ = enabled;
    change();
}

void TCustomAction::setHint(const std::string& hint)
{
    if (hint == hint_)
        return;
    hint_ = hint;
    change();
}

void TCustomAction::setVisible(bool visible)
{
    if (visible == isVisible_)
        return;
    isVisible_ = visible;
    change();
}

void TCustomAction::setImageIndex(int index)
{
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    change();
}

bool TCustomAction::execute() { return isEnabled_ && TBasicAction::execute(); }

TActionList::~TActionList()
{
    for (TCustomAction* action : actions_)
        action->actionList_ = nullptr;
}

void TActionList::add(TCustomAction& action)
{
    if (action.actionList_ == this)
        return;
    if (action.actionList_)
        action.actionList_->remove(action);
    actions_.push_back(&action);
    action.actionList_ = this;
}

void TActionList::remove(TCustomAction& action)
{
    actions_.erase(std::remove(actions_.begin(), actions_.end(), &action), actions_.end());
    if (action.actionList_ == this)
        action.actionList_ = nullptr;
}

}  // namespace fw
