#pragma once
// How a property's C++ value is written as a description value and read back from one: integers,
// booleans (True, False), strings, colours by name where they have one (clYellow, clWindow)
// and otherwise as numbers, enumerations by name, and flag sets, the sets of names that stand
// for the true members of a struct of bools (Anchors = [akLeft, akTop]).
//
// A format's read() raises PropertyError for a value that does not fit; the reader adds the line
// and the property's name. Plain C++, no Win32.

#include "framework/core/Color.h"
#include "framework/ui/description/DescriptionValueText.h"
#include "framework/ui/description/PropertyTable.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace fw {

template <typename T>
struct ValueFormat {
    std::string typeName;
    SharedFunction<DescriptionValue(const T&)> write;
    SharedFunction<T(const DescriptionValue&)> read;
};

ValueFormat<int> integerFormat();
ValueFormat<bool> booleanFormat();
ValueFormat<std::string> stringFormat();
ValueFormat<TColor> colorFormat();

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

template <typename E>
ValueFormat<E> enumFormat(std::string typeName, EnumNames<E> names)
{
    return {typeName, [names](const E& value) { return DescriptionValue::ofIdentifier(enumName(value, names)); },
            [names, typeName](const DescriptionValue& value) { return enumFrom(value, names, typeName); }};
}

// A struct of bools written as the set of its true members' names, in the order listed here.
// Reading starts from every listed member false, whatever the struct's own defaults, so that
// the text names exactly the members that are on; a name given twice counts once.
template <typename Flags>
struct FlagSetType {
    std::string typeName;     // "TAnchors"
    std::string membersNoun;  // "anchors", as in "a set of anchors expected"
    std::string memberNoun;   // "an anchor", as in "akBack is not an anchor"
    std::vector<std::pair<bool Flags::*, const char*>> members;
};

template <typename Flags>
ValueFormat<Flags> flagSetFormat(FlagSetType<Flags> type)
{
    const auto write = [members = type.members](const Flags& flags) {
        std::vector<std::string> items;
        for (const auto& [member, memberName] : members)
            if (flags.*member)
                items.push_back(memberName);
        return DescriptionValue::ofSet(std::move(items));
    };
    const auto read = [type](const DescriptionValue& value) {
        if (value.kind != DescriptionValue::Kind::Set)
            throw PropertyError("a set of " + type.membersNoun + " expected, found " + formatValue(value));
        Flags flags{};
        for (const auto& [member, memberName] : type.members)
            flags.*member = false;
        for (const std::string& item : value.items) {
            bool isKnown = false;
            for (const auto& [member, memberName] : type.members)
                if (item == memberName) {
                    flags.*member = true;
                    isKnown = true;
                }
            if (!isKnown)
                throw PropertyError(item + " is not " + type.memberNoun);
        }
        return flags;
    };
    return {type.typeName, write, read};
}

}  // namespace fw
