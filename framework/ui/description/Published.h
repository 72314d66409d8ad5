#pragma once
// Published properties: what a stored window description can say about a component.
//
// Each component class declares its properties once, in declaration order, as a ClassInfo: for
// each property its name, its type, and how to write and read it. Writing gives the value as it
// stands, or nothing while the property holds its stream default (or is not stored for another
// reason, like Color while ParentColor is on); reading applies a value and raises
// PropertyError for one of the wrong kind. The builders below make the usual kinds from a
// getter, a setter and a default: integers, booleans, enumerations by name, colours by name
// where they have one, strings, events by the name of a registered handler, and references to
// other components by name.
//
// Plain C++, no Win32: the reader and writer build natively, run under the sanitizers and are
// fuzzed with test classes.

#include "framework/core/Color.h"
#include "framework/core/WindowDescription.h"
#include "framework/ui/model/Component.h"

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

namespace fw {

// What was wrong with a value; the reader adds the line and the property's name.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Handlers that a program offers to descriptions, by name ("Button2Click"). Each is kept as the
// event type it fits (NotifyEvent, MouseEvent, ...).
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

class ReadContext;

struct PropertyInfo {
    std::string name;
    std::string typeName;
    std::function<std::optional<DescriptionValue>(const Component&)> write;
    std::function<void(Component&, const DescriptionValue&, ReadContext&)> read;
};

struct ClassInfo {
    std::string name;
    std::type_index type = typeid(void);
    // Makes a new component owned by `owner` and placed in `parent`; empty for classes that are
    // only ever roots (forms), which the program makes itself.
    std::function<std::unique_ptr<Component>(Component& owner, Component& parent)> create;
    std::vector<PropertyInfo> properties;  // the host's first, then the class's own, in order

    const PropertyInfo* find(const std::string& propertyName) const;
};

class ClassRegistry {
public:
    void add(ClassInfo info);
    const ClassInfo* find(const std::string& className) const;
    const ClassInfo* classOf(const Component& component) const;

private:
    std::vector<ClassInfo> classes_;
};

// What a reader needs besides the text: the classes, the handlers, and a way to the executable's
// resources (glyphs, icons) for the properties that name one.
class ReadContext {
public:
    ReadContext(const ClassRegistry& classes, const HandlerRegistry& handlers) : classes_(classes), handlers_(handlers) {}

    const ClassRegistry& classes() const { return classes_; }
    const HandlerRegistry& handlers() const { return handlers_; }

    // A reference to another component, set once every component of the description exists.
    void addFixup(std::string componentName, std::function<void(Component*)> apply)
    {
        fixups_.push_back(Fixup{std::move(componentName), std::move(apply), 0, {}});
    }

private:
    friend class DescriptionReader;
    struct Fixup {
        std::string componentName;
        std::function<void(Component*)> apply;
        int line = 0;
        std::string propertyName;
    };
    const ClassRegistry& classes_;
    const HandlerRegistry& handlers_;
    std::vector<Fixup> fixups_;
};

// Reads `text` into the existing `root` (its class must be the description's root class): the
// root's own properties, then its children, made through the registry and adopted by the root.
// Every component is in the loading state while it is read, and all of them leave it together at
// the end. On any error the children made so far are freed and a DescriptionError names the
// line, the property and what was wrong.
void readDescription(Component& root, std::string_view text, ReadContext& context);

// The description of `root` and everything it adopted: properties that differ from their
// stream defaults, in declaration order; children nested under their parents.
DescriptionObject describe(const Component& root, const ClassRegistry& classes);

// ---- Builders -------------------------------------------------------------------------------

template <typename C, typename Get, typename Set>
PropertyInfo integerProperty(std::string name, int defaultValue, Get get, Set set)
{
    return {name, "Integer",
            [get, defaultValue](const Component& component) -> std::optional<DescriptionValue> {
                const int value = std::invoke(get, static_cast<const C&>(component));
                if (value == defaultValue)
                    return std::nullopt;
                return DescriptionValue::ofInteger(value);
            },
            [set](Component& component, const DescriptionValue& value, ReadContext&) {
                if (value.kind != DescriptionValue::Kind::Integer)
                    throw PropertyError("an integer expected, found " + formatValue(value));
                if (value.integer < INT32_MIN || value.integer > INT32_MAX)
                    throw PropertyError(std::to_string(value.integer) + " is out of range");
                std::invoke(set, static_cast<C&>(component), static_cast<int>(value.integer));
            }};
}

bool booleanFrom(const DescriptionValue& value);

template <typename C, typename Get, typename Set>
PropertyInfo booleanProperty(std::string name, bool defaultValue, Get get, Set set)
{
    return {name, "Boolean",
            [get, defaultValue](const Component& component) -> std::optional<DescriptionValue> {
                const bool value = std::invoke(get, static_cast<const C&>(component));
                if (value == defaultValue)
                    return std::nullopt;
                return DescriptionValue::ofIdentifier(value ? "True" : "False");
            },
            [set](Component& component, const DescriptionValue& value, ReadContext&) {
                std::invoke(set, static_cast<C&>(component), booleanFrom(value));
            }};
}

template <typename E>
using EnumNames = std::vector<std::pair<E, const char*>>;

template <typename E>
E enumFrom(const DescriptionValue& value, const EnumNames<E>& names, const std::string& typeName)
{
    if (value.kind == DescriptionValue::Kind::Identifier)
        for (const auto& [member, memberName] : names)
            if (value.text == memberName)
                return member;
    throw PropertyError(formatValue(value) + " is not a value of " + typeName);
}

template <typename E>
const char* enumName(E member, const EnumNames<E>& names)
{
    for (const auto& [candidate, candidateName] : names)
        if (candidate == member)
            return candidateName;
    return "?";
}

template <typename C, typename E, typename Get, typename Set>
PropertyInfo enumProperty(std::string name, std::string typeName, EnumNames<E> names, E defaultValue, Get get,
                          Set set)
{
    return {name, typeName,
            [get, defaultValue, names](const Component& component) -> std::optional<DescriptionValue> {
                const E value = std::invoke(get, static_cast<const C&>(component));
                if (value == defaultValue)
                    return std::nullopt;
                return DescriptionValue::ofIdentifier(enumName(value, names));
            },
            [set, names, typeName](Component& component, const DescriptionValue& value, ReadContext&) {
                std::invoke(set, static_cast<C&>(component), enumFrom(value, names, typeName));
            }};
}

// Colours by name where they have one (clYellow, clWindow), otherwise as numbers.
DescriptionValue colorValue(TColor color);
TColor colorFrom(const DescriptionValue& value);

template <typename C, typename Get, typename Set>
PropertyInfo colorProperty(std::string name, TColor defaultValue, Get get, Set set,
                           std::function<bool(const C&)> isStored = {})
{
    return {name, "TColor",
            [get, defaultValue, isStored](const Component& component) -> std::optional<DescriptionValue> {
                const C& typed = static_cast<const C&>(component);
                const TColor value = std::invoke(get, typed);
                if (value == defaultValue || (isStored && !isStored(typed)))
                    return std::nullopt;
                return colorValue(value);
            },
            [set](Component& component, const DescriptionValue& value, ReadContext&) {
                std::invoke(set, static_cast<C&>(component), colorFrom(value));
            }};
}

template <typename C, typename Get, typename Set>
PropertyInfo stringProperty(std::string name, Get get, Set set, std::function<bool(const C&)> isStored = {})
{
    return {name, "String",
            [get, isStored](const Component& component) -> std::optional<DescriptionValue> {
                const C& typed = static_cast<const C&>(component);
                std::string value = std::invoke(get, typed);
                if (isStored ? !isStored(typed) : value.empty())
                    return std::nullopt;
                return DescriptionValue::ofString(std::move(value));
            },
            [set](Component& component, const DescriptionValue& value, ReadContext&) {
                if (value.kind != DescriptionValue::Kind::String)
                    throw PropertyError("a string in quotes expected, found " + formatValue(value));
                std::invoke(set, static_cast<C&>(component), value.text);
            }};
}

// An event: written and read as the name of a handler that the program registered. The
// component remembers which handler it was given, for writing it back.
template <typename C, typename Base, typename Event>
PropertyInfo eventProperty(std::string name, Event Base::*member)
{
    return {name, "Event",
            [name](const Component& component) -> std::optional<DescriptionValue> {
                const std::string& handler = component.handlerName(name);
                if (handler.empty())
                    return std::nullopt;
                return DescriptionValue::ofIdentifier(handler);
            },
            [name, member](Component& component, const DescriptionValue& value, ReadContext& context) {
                if (value.kind != DescriptionValue::Kind::Identifier)
                    throw PropertyError("a handler name expected, found " + formatValue(value));
                const std::any* handler = context.handlers().find(value.text);
                if (!handler)
                    throw PropertyError("there is no handler named " + value.text);
                const Event* event = std::any_cast<Event>(handler);
                if (!event)
                    throw PropertyError("the handler " + value.text + " does not fit this event");
                static_cast<C&>(component).*member = *event;
                component.setHandlerName(name, value.text);
            }};
}

// A reference to another component of the description, by its name.
template <typename C, typename Target, typename Get, typename Set>
PropertyInfo referenceProperty(std::string name, std::string typeName, Get get, Set set)
{
    return {name, typeName,
            [get](const Component& component) -> std::optional<DescriptionValue> {
                const Target* target = std::invoke(get, static_cast<const C&>(component));
                if (!target)
                    return std::nullopt;
                return DescriptionValue::ofIdentifier(target->name());
            },
            [set, typeName](Component& component, const DescriptionValue& value, ReadContext& context) {
                if (value.kind != DescriptionValue::Kind::Identifier)
                    throw PropertyError("a component name expected, found " + formatValue(value));
                C* typed = &static_cast<C&>(component);
                context.addFixup(value.text, [typed, set, typeName, target = value.text](Component* found) {
                    auto* cast = dynamic_cast<Target*>(found);
                    if (!cast)
                        throw PropertyError(target + " is not a " + typeName);
                    std::invoke(set, *typed, cast);
                });
            }};
}

}  // namespace fw
