#include "framework/ui/description/Published.h"

#include <algorithm>
#include <cstdint>

namespace fw {
namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr NamedColor namedColors[] = {
    {"clBlack", 0x000000},         {"clMaroon", 0x000080},       {"clGreen", 0x008000},
    {"clOlive", 0x008080},         {"clNavy", 0x800000},         {"clPurple", 0x800080},
    {"clTeal", 0x808000},          {"clGray", 0x808080},         {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},           {"clLime", 0x00FF00},         {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},          {"clFuchsia", 0xFF00FF},      {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},         {"clNone", clNone},           {"clScrollBar", 0xFF000000},
    {"clBackground", 0xFF000001},  {"clActiveCaption", 0xFF000002}, {"clInactiveCaption", 0xFF000003},
    {"clMenu", 0xFF000004},        {"clWindow", 0xFF000005},     {"clWindowFrame", 0xFF000006},
    {"clMenuText", 0xFF000007},    {"clWindowText", 0xFF000008}, {"clCaptionText", 0xFF000009},
    {"clActiveBorder", 0xFF00000A}, {"clInactiveBorder", 0xFF00000B}, {"clAppWorkSpace", 0xFF00000C},
    {"clHighlight", 0xFF00000D},   {"clHighlightText", 0xFF00000E}, {"clBtnFace", 0xFF00000F},
    {"clBtnShadow", 0xFF000010},   {"clGrayText", 0xFF000011},   {"clBtnText", 0xFF000012},
    {"clInactiveCaptionText", 0xFF000013}, {"clBtnHighlight", 0xFF000014}, {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},     {"clInfoText", 0xFF000017},   {"clInfoBk", 0xFF000018},
};

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
            } catch (const PropertyError& error) {
                throw DescriptionError(property.line, property.name + ": " + error.what());
            } catch (const std::exception& error) {
                // A setter that failed (a missing resource, a refused value).
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

bool booleanFrom(const DescriptionValue& value)
{
    if (value.kind == DescriptionValue::Kind::Identifier && (value.text == "True" || value.text == "False"))
        return value.text == "True";
    throw PropertyError("True or False expected, found " + formatValue(value));
}

DescriptionValue colorValue(TColor color)
{
    for (const NamedColor& named : namedColors)
        if (named.color == color)
            return DescriptionValue::ofIdentifier(named.name);
    return DescriptionValue::ofInteger(static_cast<std::int64_t>(color));
}

TColor colorFrom(const DescriptionValue& value)
{
    if (value.kind == DescriptionValue::Kind::Identifier) {
        for (const NamedColor& named : namedColors)
            if (value.text == named.name)
                return named.color;
        throw PropertyError(value.text + " is not a colour name");
    }
    if (value.kind != DescriptionValue::Kind::Integer)
        throw PropertyError("a colour expected, found " + formatValue(value));
    // Negative numbers name the same 32 bits (system colours are often written so).
    if (value.integer < INT32_MIN || value.integer > static_cast<std::int64_t>(UINT32_MAX))
        throw PropertyError(std::to_string(value.integer) + " is out of range for a colour");
    return static_cast<TColor>(static_cast<std::uint32_t>(value.integer));
}

void readDescription(Component& root, std::string_view text, ReadContext& context)
{
    const DescriptionObject description = parseDescription(text);
    DescriptionReader(root, context).read(description);
}

DescriptionObject describe(const Component& root, const ClassRegistry& classes)
{
    return describeOne(root, root, classes);
}

}  // namespace fw
