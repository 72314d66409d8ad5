#include "framework/ui/description/Describe.h"

#include <stdexcept>

namespace fw {
namespace {

DescriptionObject describeOne(const Component& component, const Component& root, const ClassRegistry& classes)
{
    const ClassInfo* info = classes.classOf(component);
    if (!info)
        throw std::logic_error("no published properties for component " + component.name());
    DescriptionObject object;
    object.name = component.name();
    object.className = info->name;
    for (const PropertyInfo& property : info->properties)
        if (auto value = property.write(component))
            object.properties.push_back({property.name, std::move(*value), 0});
    for (const Component* owned : root.components()) {
        const Component* parent = owned->parentComponent();
        if (parent == &component || (!parent && &component == &root))
            object.children.push_back(describeOne(*owned, root, classes));
    }
    return object;
}

}  // namespace

DescriptionObject describe(const Component& root, const ClassRegistry& classes)
{
    return describeOne(root, root, classes);
}

}  // namespace fw
