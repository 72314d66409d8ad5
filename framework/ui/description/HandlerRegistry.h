#pragma once
// Handlers that a program offers to window descriptions, by name ("Button2Click"). Each is kept
// as the event type it fits (NotifyEvent, MouseEvent, ...); an event property takes a handler
// only of its own type.
//
// Plain C++, no Win32.

#include <any>
#include <map>
#include <string>
#include <utility>

namespace fw {

class HandlerRegistry {
public:
    template <typename Event>
    void add(const std::string& name, Event handler)
    {
        handlers_[name] = std::move(handler);
    }
    const std::any* find(const std::string& name) const
    {
        const auto found = handlers_.find(name);
        return found == handlers_.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, std::any> handlers_;
};

}  // namespace fw
