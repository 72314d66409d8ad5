// Fuzzes the window description reader: any text, through the parser and into components.
// Properties that must hold for every input:
//   - the parser either refuses the text with a DescriptionError or gives a tree whose written
//     form reads back to the same tree and writes back to the same text;
//   - reading into components either succeeds or fails with a DescriptionError, and a failure
//     leaves the root without children (the sanitizers see any leak or stray pointer).

#include "framework/ui/description/Published.h"

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
    fw::ReadContext context(classes(), handlers);
    Root root;
    try {
        fw::readDescription(root, text, context);
    } catch (const fw::DescriptionError&) {
        require(root.components().empty());
    }
    return 0;
}
