// Fuzzes the window description reader: any text, through the parser and into components.
// Properties that must hold for every input:
//   - the parser either refuses the text with a DescriptionError or gives a tree whose written
//     form reads back to the same tree and writes back to the same text;
//   - reading into components either succeeds or fails with a DescriptionError, and a failure
//     leaves the root without children (the sanitizers see any leak or stray pointer);
//   - components that were read are described by a text that reads back to components described
//     by the same text: every value a property writes, it reads back equal.

#include "framework/ui/description/PublishedProperties.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

enum class Kind { First, Second };

struct Tags {
    bool a = true;
    bool b = false;
    friend bool operator==(const Tags&, const Tags&) = default;
};

class Item : public fw::Component {
public:
    Item(Component* owner, Component* parent) : Component(owner), parent_(parent) {}
    Component* parentComponent() const override { return parent_; }
    int size = 0;
    bool active = false;
    Kind kind = Kind::First;
    fw::TColor tint = fw::clWindow;
    std::string label;
    Item* partner = nullptr;
    Tags tags;
    fw::NotifyEvent onPoke;

private:
    Component* parent_;
};

class Root : public fw::Component {};

const fw::ClassRegistry& classes()
{
    static const fw::ClassRegistry registry = [] {
        using fw::integerProperty;
        fw::ClassRegistry made;
        fw::ClassInfo item{"TItem", typeid(Item),
                           [](fw::Component& owner, fw::Component& parent) {
                               return std::make_unique<Item>(&owner, &parent == &owner ? nullptr : &parent);
                           },
                           {}};
        item.properties = {
            integerProperty<Item>("Size", 0, [](const Item& i) { return i.size; }, [](Item& i, int v) { i.size = v; }),
            fw::booleanProperty<Item>("Active", false, [](const Item& i) { return i.active; },
                                      [](Item& i, bool v) { i.active = v; }),
            fw::enumProperty<Item, Kind>("Kind", "TKind", {{Kind::First, "kFirst"}, {Kind::Second, "kSecond"}}, Kind::First,
                                         [](const Item& i) { return i.kind; }, [](Item& i, Kind v) { i.kind = v; }),
            fw::colorProperty<Item>("Tint", fw::clWindow, [](const Item& i) { return i.tint; },
                                    [](Item& i, fw::TColor v) { i.tint = v; }),
            fw::stringProperty<Item>("Label", [](const Item& i) { return i.label; },
                                     [](Item& i, const std::string& v) { i.label = v; }),
            fw::referenceProperty<Item, Item>("Partner", "TItem", [](const Item& i) { return i.partner; },
                                              [](Item& i, Item* v) { i.partner = v; }),
            fw::flagSetProperty<Item, Tags>("Tags", {"TTags", "tags", "a tag", {{&Tags::a, "tA"}, {&Tags::b, "tB"}}},
                                            Tags{}, [](const Item& i) { return i.tags; },
                                            [](Item& i, Tags v) { i.tags = v; }),
            fw::eventProperty<Item>("OnPoke", &Item::onPoke),
        };
        made.add(std::move(item));
        made.add(fw::ClassInfo{"TRoot", typeid(Root), {}, {}});
        return made;
    }();
    return registry;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    try {
        const fw::DescriptionObject tree = fw::parseDescription(text);
        const std::string written = fw::writeDescription(tree);
        const fw::DescriptionObject again = fw::parseDescription(written);
        require(again == tree);
        require(fw::writeDescription(again) == written);
    } catch (const fw::DescriptionError&) {
    }

    fw::HandlerRegistry handlers;
    handlers.add("Poked", fw::NotifyEvent([](fw::Component&) {}));
    Root root;
    try {
        fw::ReadContext context(classes(), handlers);
        fw::readDescription(root, text, context);
    } catch (const fw::DescriptionError&) {
        require(root.components().empty());
        return 0;
    }

    const std::string described = fw::writeDescription(fw::describe(root, classes()));
    Root again;
    try {
        fw::ReadContext context(classes(), handlers);
        fw::readDescription(again, described, context);
    } catch (const fw::DescriptionError& error) {
        // The canonical text of a line can be longer than the line read: indents, and a quote
        // read as #39 is written as four quotes.
        require(std::string(error.what()).find("the line is longer than") != std::string::npos);
        return 0;
    }
    require(fw::writeDescription(fw::describe(again, classes())) == described);
    return 0;
}
