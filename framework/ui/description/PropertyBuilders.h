#pragma once
// Builders of published properties from a getter, a setter and the rule for leaving the value
// out: integers, booleans, enumerations by name, colours, strings, flag sets, events by the name
// of a registered handler, and references to other components by name.
//
// Leaving out is one rule for every property (Stored): a value is not written while the
// component says it is not its own (Color while ParentColor is on, a font while ParentFont is
// on), nor while it equals the property's default. A property without a default (noDefault) is
// written whenever it is stored: bounds, client size. A default converts to a Stored, so the
// common case reads integerProperty<C>("Size", 10, &C::size, &C::setSize).
//
// Plain C++, no Win32.

#include "framework/ui/description/DescriptionReader.h"
#include "framework/ui/description/PropertyTable.h"
#include "framework/ui/description/ValueFormats.h"

#include <any>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace fw {

struct NoDefault {};
inline constexpr NoDefault noDefault{};

template <typename C, typename T>
class Stored {
public:
    Stored(T defaultValue, SharedFunction<bool(const C&)> isStored = {})
        : defaultValue_(std::move(defaultValue)), isStored_(std::move(isStored))
    {
    }
    Stored(NoDefault, SharedFunction<bool(const C&)> isStored = {}) : isStored_(std::move(isStored)) {}

    // The value to write, or nothing while it is left out. The getter is not called for a value
    // that is not stored.
    template <typename Get>
    std::optional<T> valueToWrite(const C& component, const Get& get) const
    {
        if (isStored_ && !isStored_(component))
            return std::nullopt;
        T value = std::invoke(get, component);
        if (defaultValue_ && value == *defaultValue_)
            return std::nullopt;
        return value;
    }

private:
    std::optional<T> defaultValue_;
    SharedFunction<bool(const C&)> isStored_;
};

template <typename C, typename T, typename Get>
PropertyWriter storedValueWriter(Get get, Stored<C, T> stored, SharedFunction<DescriptionValue(const T&)> write)
{
    return [get, stored = std::move(stored), write = std::move(write)](const Component& component)
               -> std::optional<DescriptionValue> {
        const std::optional<T> value = stored.valueToWrite(static_cast<const C&>(component), get);
        if (!value)
            return std::nullopt;
        return write(*value);
    };
}

// A property whose value the setter takes as the format reads it.
template <typename C, typename T, typename Get, typename Set>
PropertyInfo typedProperty(std::string name, ValueFormat<T> format, Stored<C, T> stored, Get get, Set set)
{
    return {std::move(name), format.typeName, storedValueWriter<C, T>(get, std::move(stored), format.write),
            [set, read = format.read](Component& component, const DescriptionValue& value, ReadContext&) {
                std::invoke(set, static_cast<C&>(component), read(value));
            }};
}

template <typename C, typename Get, typename Set>
PropertyInfo integerProperty(std::string name, Stored<C, int> stored, Get get, Set set)
{
    return typedProperty<C, int>(std::move(name), integerFormat(), std::move(stored), get, set);
}

template <typename C, typename Get, typename Set>
PropertyInfo booleanProperty(std::string name, Stored<C, bool> stored, Get get, Set set)
{
    return typedProperty<C, bool>(std::move(name), booleanFormat(), std::move(stored), get, set);
}

template <typename C, typename Get, typename Set>
PropertyInfo colorProperty(std::string name, Stored<C, TColor> stored, Get get, Set set)
{
    return typedProperty<C, TColor>(std::move(name), colorFormat(), std::move(stored), get, set);
}

// Strings are left out while empty.
template <typename C, typename Get, typename Set>
PropertyInfo stringProperty(std::string name, Get get, Set set)
{
    return typedProperty<C, std::string>(std::move(name), stringFormat(), Stored<C, std::string>(std::string()), get,
                                         set);
}

template <typename C, typename E, typename Get, typename Set>
PropertyInfo enumProperty(std::string name, std::string typeName, EnumNames<E> names, Stored<C, E> stored, Get get,
                          Set set)
{
    return typedProperty<C, E>(std::move(name), enumFormat(std::move(typeName), std::move(names)), std::move(stored),
                               get, set);
}

template <typename C, typename Flags, typename Get, typename Set>
PropertyInfo flagSetProperty(std::string name, FlagSetType<Flags> type, Stored<C, Flags> stored, Get get, Set set)
{
    return typedProperty<C, Flags>(std::move(name), flagSetFormat(std::move(type)), std::move(stored), get, set);
}

// An event: written and read as the name of a handler that the program registered. The
// component remembers which handler it was given, for writing it back.
template <typename C, typename Base, typename Event>
PropertyInfo eventProperty(std::string name, Event Base::*member)
{
    const auto handlerName = [name](const Component& component) { return component.handlerName(name); };
    return {name, "Event",
            storedValueWriter<Component, std::string>(handlerName, std::string(), &DescriptionValue::ofIdentifier),
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
    const auto targetName = [](const Target* const& target) { return DescriptionValue::ofIdentifier(target->name()); };
    return {name, typeName, storedValueWriter<C, const Target*>(get, nullptr, targetName),
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
