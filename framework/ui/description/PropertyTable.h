#pragma once
// The table of what a stored window description can say about each class of component.
//
// Each component class declares its properties once, in declaration order, as a ClassInfo: for
// each property its name, its type, and how to write and read it. Writing gives the value as it
// stands, or nothing while the property is left out (PropertyBuilders.h says when); reading
// applies a value and raises PropertyError for one that does not fit. The registry keeps the
// classes in a list, looked up by stored name or by C++ type.
//
// Plain C++, no Win32.

#include "framework/ui/description/DescriptionValueText.h"
#include "framework/core/SharedFunction.h"
#include "framework/ui/model/Component.h"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <vector>

namespace fw {

// What was wrong with a value; the reader adds the line and the property's name.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ReadContext;

using PropertyWriter = SharedFunction<std::optional<DescriptionValue>(const Component&)>;
using PropertyReader = SharedFunction<void(Component&, const DescriptionValue&, ReadContext&)>;

struct PropertyInfo {
    std::string name;
    std::string typeName;
    PropertyWriter write;  // nothing while the property is left out
    PropertyReader read;
};

// Adds `from` at the end of `to`, keeping its order.
void appendProperties(std::vector<PropertyInfo>& to, std::vector<PropertyInfo> from);

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
    // A class added again under the same name replaces the earlier one.
    void add(ClassInfo info);
    const ClassInfo* find(const std::string& className) const;
    const ClassInfo* classOf(const Component& component) const;

private:
    std::vector<ClassInfo> classes_;
};

}  // namespace fw
