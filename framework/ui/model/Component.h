#pragma once
// Component: the base of everything a window description names (forms, panels, window-less
// controls, menus, actions, image lists). It carries a name, an owner and the three state flags
// that change what setters do:
//   - designing: shown in a designer; controls paint even while invisible and skip run-time-only
//     rules (the colour-depth fallback of button styles);
//   - loading: being read from a stored description; setters store without painting, and
//     loaded() runs once the whole description has been read;
//   - destroying: the destructor of the most derived class has begun; late callbacks (a worker's
//     tick, an action's change) must leave the object alone.
//
// The owner does not free what it owns: C++ owners hold their components as members or smart
// pointers. The owner only knows its components by name (findComponent), and a component tells
// its owner when it goes away.
//
// Events: a notification is a std::function that receives the component that raises it as sender.
//
// Conventions of the framework, stated once here:
//   - The T prefix marks the types whose values a window description or a published property
//     holds: enumerations and sets of property values (TAlign, TAnchors, TBevelCut,
//     TFormBorderStyle, ...), the components that a property links to (TBasicAction,
//     TCustomAction, TActionList, TImageList, TPopupMenu and its TMenuItem), and the button
//     library's two classes that programs name (TLbSpeedButton, TLbButtonThread). The
//     framework's windows, controls and services have none (Form, Panel, Memo, Timer,
//     GraphicControl, Application); their stored class names (TForm, TPanel, ...) are the
//     description's business. The button library's inner types and functions carry only its Lb
//     prefix (LbFade, LbSpeedButtonFace, LbFaceInputs, LbPaintFace).
//   - Fields end in an underscore; booleans read as questions (isEnabled(), isPointerInside());
//     an argument that would be a bare bool or int at the call site is an enum.
//   - Events are std::function members named onSomething (published ones keep their published
//     names, OnMouseEnter); handlers run through runHandler (core/RunHandler.h).

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fw {

class Component;
using NotifyEvent = std::function<void(Component& sender)>;

class Component {
public:
    explicit Component(Component* owner = nullptr);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& name() const { return name_; }
    virtual void setName(const std::string& name);
    Component* owner() const { return owner_; }

    bool isDesigning() const { return designing_; }
    bool isLoading() const { return loading_; }
    bool isDestroying() const { return destroying_; }
    void setDesigning(bool designing) { designing_ = designing; }

    // Enters the loading state; loaded() leaves it and lets the component settle.
    void beginLoading() { loading_ = true; }
    virtual void loaded() { loading_ = false; }

    // The owned components in creation order; the one named `name`, or null.
    const std::vector<Component*>& components() const { return components_; }
    Component* findComponent(const std::string& name) const;

    // Takes over a component made for this one (by a description reader); adopted components
    // are freed with this one, the last adopted first.
    void adopt(std::unique_ptr<Component> component) { adopted_.push_back(std::move(component)); }

    // The component this one sits in (a control's parent panel), or null for those that sit in
    // their owner directly (a timer, a menu).
    virtual Component* parentComponent() const { return nullptr; }

    // The name of the handler an event property was given by a description, for writing it back.
    const std::string& handlerName(const std::string& eventName) const;
    void setHandlerName(const std::string& eventName, const std::string& handlerName);

protected:
    // Called first by the destructor of a class whose tear-down can meet callbacks.
    void markDestroying() { destroying_ = true; }
    // Frees the adopted components, the last adopted first. A class whose adopted components
    // need it alive (a form, whose window holds theirs) calls this first in its destructor.
    void freeAdopted();

private:
    Component* owner_;
    std::string name_;
    std::vector<Component*> components_;  // not owned
    std::vector<std::unique_ptr<Component>> adopted_;
    std::vector<std::pair<std::string, std::string>> handlerNames_;  // event name, handler name
    bool designing_ = false;
    bool loading_ = false;
    bool destroying_ = false;
};

}  // namespace fw
