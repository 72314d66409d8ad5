#include "framework/ui/model/Component.h"

#include <algorithm>

namespace fw {

Component::Component(Component* owner) : owner_(owner)
{
    if (owner_)
        owner_->components_.push_back(this);
}

Component::~Component()
{
    destroying_ = true;
    freeAdopted();
    if (owner_) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    // What this component owned outlives it only by mistake; it must not point back at us.
    for (Component* owned : components_)
        owned->owner_ = nullptr;
}

void Component::setName(const std::string& name) { name_ = name; }

Component* Component::findComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (Component* component : components_)
        if (component->name() == name)
            return component;
    return nullptr;
}

}  // namespace fw

namespace fw {

void Component::freeAdopted()
{
    while (!adopted_.empty())
        adopted_.pop_back();
}

const std::string& Component::handlerName(const std::string& eventName) const
{
    static const std::string none;
    for (const auto& [event, handler] : handlerNames_)
        if (event == eventName)
            return handler;
    return none;
}

void Component::setHandlerName(const std::string& eventName, const std::string& handlerName)
{
    for (auto& [event, handler] : handlerNames_)
        if (event == eventName) {
            handler = handlerName;
            return;
        }
    handlerNames_.emplace_back(eventName, handlerName);
}

}  // namespace fw
