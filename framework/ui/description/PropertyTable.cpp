#include "framework/ui/description/PropertyTable.h"

#include <algorithm>

namespace fw {

void appendProperties(std::vector<PropertyInfo>& to, std::vector<PropertyInfo> from)
{
    for (PropertyInfo& property : from)
        to.push_back(std::move(property));
}

const PropertyInfo* ClassInfo::find(const std::string& propertyName) const
{
    for (const PropertyInfo& property : properties)
        if (property.name == propertyName)
            return &property;
    return nullptr;
}

void ClassRegistry::add(ClassInfo info)
{
    classes_.erase(std::remove_if(classes_.begin(), classes_.end(),
                                  [&](const ClassInfo& existing) { return existing.name == info.name; }),
                   classes_.end());
    classes_.push_back(std::move(info));
}

const ClassInfo* ClassRegistry::find(const std::string& className) const
{
    for (const ClassInfo& info : classes_)
        if (info.name == className)
            return &info;
    return nullptr;
}

const ClassInfo* ClassRegistry::classOf(const Component& component) const
{
    const std::type_index type = typeid(component);
    for (const ClassInfo& info : classes_)
        if (info.type == type)
            return &info;
    return nullptr;
}

}  // namespace fw
