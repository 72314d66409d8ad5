#pragma once
// Actions: one place for what a command is called, whether it can run, and what it does, shared
// by every control linked to it.
//   - TBasicAction: an execute handler and the list of linked controls (clients), told of every
//     change and of the action's end;
//   - TCustomAction: adds caption, enabled, hint, visible and an image index into the image list
//     of its action list;
//   - TActionList: holds actions (not owned) and names their image list (not owned).
// Controls link themselves through ActionClient; neither side owns the other, and whichever
// goes first unlinks itself.

#include "framework/ui/model/Component.h"

#include <string>
#include <vector>

namespace fw {

class TActionList;
class TBasicAction;
class TImageList;

class ActionClient {
public:
    virtual void actionChanged(TBasicAction& action) = 0;
    virtual void actionFreed(TBasicAction& action) = 0;

protected:
    ~ActionClient() = default;
};

class TBasicAction : public Component {
public:
    explicit TBasicAction(Component* owner = nullptr) : Component(owner) {}
    ~TBasicAction() override;

    // Runs onExecute with the action as sender; false when there is nothing to run.
    virtual bool execute();

    void addClient(ActionClient& client);
    void removeClient(ActionClient& client);

    NotifyEvent onExecute;

protected:
    // Tells every linked control that a property changed.
    void change();

private:
    std::vector<ActionClient*> clients_;  // not owned
};

class TCustomAction : public TBasicAction {
public:
    explicit TCustomAction(Component* owner = nullptr) : TBasicAction(owner) {}
    ~TCustomAction() override;

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool isEnabled() const { return isEnabled_; }
    void setEnabled(bool enabled);
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& hint);
    bool isVisible() const { return isVisible_; }
    void setVisible(bool visible);
    int imageIndex() const { return imageIndex_; }
    void setImageIndex(int index);

    TActionList* actionList() const { return actionList_; }

    // A disabled action does not run.
    bool execute() override;

private:
    friend class TActionList;
    std::string caption_;
    bool isEnabled_ = true;
    std::string hint_;
    bool isVisible_ = true;
    int imageIndex_ = -1;
    TActionList* actionList_ = nullptr;
};

class TActionList : public Component {
public:
    explicit TActionList(Component* owner = nullptr) : Component(owner) {}
    ~TActionList() override;

    void add(TCustomAction& action);
    void remove(TCustomAction& action);
    const std::vector<TCustomAction*>& actions() const { return actions_; }

    TImageList* images() const { return images_; }
    void setImages(TImageList* images) { images_ = images; }

private:
    std::vector<TCustomAction*> actions_;  // not owned
    TImageList* images_ = nullptr;
};

}  // namespace fw
