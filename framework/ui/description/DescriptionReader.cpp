#include "framework/ui/description/DescriptionReader.h"

#include <exception>
#include <memory>

namespace fw {

// Reads one description into components. Everything it makes stays in `made_` until the whole
// description has been read, so that a failure frees it all.
class DescriptionReader {
public:
    DescriptionReader(Component& root, ReadContext& context) : root_(root), context_(context) {}

    void read(const DescriptionObject& description)
    {
        const ClassInfo* rootClass = context_.classes().classOf(root_);
        if (!rootClass)
            throw DescriptionError(description.line, "the root's class is not registered");
        if (description.className != rootClass->name)
            throw DescriptionError(description.line, "the description is of a " + description.className + ", not of a " +
                                                         rootClass->name);
        root_.beginLoading();
        loading_.push_back(&root_);
        try {
            root_.setName(description.name);
            readInto(root_, *rootClass, description);
            resolveFixups();
        } catch (...) {
            while (!made_.empty())
                made_.pop_back();  // later ones first: children go before their parents
            root_.loaded();
            throw;
        }
        for (auto& component : made_)
            root_.adopt(std::move(component));
        for (Component* component : loading_)
            component->loaded();
    }

private:
    void readInto(Component& component, const ClassInfo& info, const DescriptionObject& description)
    {
        for (const DescriptionProperty& property : description.properties) {
            const PropertyInfo* target = info.find(property.name);
            if (!target)
                throw DescriptionError(property.line, info.name + " has no property " + property.name);
            const std::size_t fixupsBefore = context_.fixups_.size();
            try {
                target->read(component, property.value, context_);
            } catch (const std::exception& error) {
                // A value that does not fit (PropertyError), or a setter that failed (a missing
                // resource, a refused value).
                throw DescriptionError(property.line, property.name + ": " + error.what());
            }
            for (std::size_t index = fixupsBefore; index < context_.fixups_.size(); ++index) {
                context_.fixups_[index].line = property.line;
                context_.fixups_[index].propertyName = property.name;
            }
        }
        for (const DescriptionObject& child : description.children)
            readChild(component, child);
    }

    void readChild(Component& parent, const DescriptionObject& description)
    {
        const ClassInfo* info = context_.classes().find(description.className);
        if (!info || !info->create)
            throw DescriptionError(description.line, "unknown class " + description.className);
        if (root_.findComponent(description.name) || description.name == root_.name())
            throw DescriptionError(description.line, "a component named " + description.name + " exists already");
        std::unique_ptr<Component> made;
        try {
            made = info->create(root_, parent);
        } catch (const std::exception& error) {
            throw DescriptionError(description.line, description.name + ": " + error.what());
        }
        Component& component = *made;
        made_.push_back(std::move(made));
        component.beginLoading();
        loading_.push_back(&component);
        component.setName(description.name);
        readInto(component, *info, description);
    }

    void resolveFixups()
    {
        for (const ReadContext::Fixup& fixup : context_.fixups_) {
            Component* found = root_.findComponent(fixup.componentName);
            if (!found)
                throw DescriptionError(fixup.line, fixup.propertyName + ": there is no component named " +
                                                       fixup.componentName);
            try {
                fixup.apply(found);
            } catch (const std::exception& error) {
                throw DescriptionError(fixup.line, fixup.propertyName + ": " + error.what());
            }
        }
    }

    Component& root_;
    ReadContext& context_;
    std::vector<std::unique_ptr<Component>> made_;
    std::vector<Component*> loading_;
};

void readDescription(Component& root, std::string_view text, ReadContext& context)
{
    const DescriptionObject description = parseDescription(text);
    DescriptionReader(root, context).read(description);
}

}  // namespace fw
