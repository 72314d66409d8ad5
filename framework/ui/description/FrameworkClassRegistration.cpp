#include "framework/ui/description/FrameworkClassRegistration.h"

#include "framework/ui/app/PopupMenu.h"
#include "framework/ui/app/Timer.h"
#include "framework/ui/controls/Panel.h"
#include "framework/ui/description/ControlProperties.h"
#include "framework/ui/model/Action.h"
#include "framework/ui/windows/Form.h"
#include "framework/ui/controls/Memo.h"

namespace fw {
namespace {

native::WindowHandle windowOf(Component& component)
{
    if (auto* form = dynamic_cast<Form*>(&component))
        return form->handle();
    if (auto* panel = dynamic_cast<Panel*>(&component))
        return panel->handle();
    return nullptr;
}

const Font* fontOf(Component& component)
{
    if (auto* form = dynamic_cast<Form*>(&component))
        return &form->font();
    if (auto* panel = dynamic_cast<Panel*>(&component))
        return &panel->font();
    return nullptr;
}

}  // namespace

void registerFrameworkClasses(ClassRegistry& classes)
{
    ClassInfo panel{"TPanel", typeid(Panel),
                    [](Component& owner, Component& parent) -> std::unique_ptr<Component> {
                        const native::WindowHandle window = windowOf(parent);
                        if (!window)
                            throw PropertyError("a panel sits in a form or in a panel");
                        auto made = std::make_unique<Panel>(window, Rect{0, 0, 185, 41}, clBtnFace, *fontOf(parent), &owner);
                        made->setParentComponent(&parent);
                        return made;
                    },
                    boundsProperties<Panel>()};
    appendProperties(panel.properties, {
        enumProperty<Panel, TBevelCut>("BevelOuter", "TBevelCut",
                                       {{bvNone, "bvNone"}, {bvLowered, "bvLowered"}, {bvRaised, "bvRaised"}}, bvRaised,
                                       &Panel::bevelOuter, &Panel::setBevelOuter),
        stringProperty<Panel>("Caption", &Panel::caption, &Panel::setCaption),
        colorProperty<Panel>("Color", clBtnFace, &Panel::color, &Panel::setColor),
    });
    classes.add(std::move(panel));

    ClassInfo memo{"TMemo", typeid(Memo),
                   [](Component& owner, Component& parent) -> std::unique_ptr<Component> {
                       const native::WindowHandle window = windowOf(parent);
                       if (!window)
                           throw PropertyError("a memo sits in a form or in a panel");
                       auto made = std::make_unique<Memo>(window, Rect{0, 0, 185, 89}, clWindow, *fontOf(parent), &owner);
                       made->setParentComponent(&parent);
                       return made;
                   },
                   boundsProperties<Memo>()};
    appendProperties(memo.properties, {
        colorProperty<Memo>("Color", clWindow, &Memo::color, &Memo::setColor),
        booleanProperty<Memo>("ReadOnly", false, &Memo::isReadOnly, &Memo::setReadOnly),
        enumProperty<Memo, TScrollStyle>("ScrollBars", "TScrollStyle",
                                         {{ssNone, "ssNone"}, {ssHorizontal, "ssHorizontal"}, {ssVertical, "ssVertical"},
                                          {ssBoth, "ssBoth"}},
                                         ssNone, &Memo::scrollBars, &Memo::setScrollBars),
        integerProperty<Memo>("TabOrder", 0, &Memo::tabOrder, &Memo::setTabOrder),
        booleanProperty<Memo>("TabStop", false, &Memo::isTabStop, &Memo::setTabStop),
    });
    classes.add(std::move(memo));

    // A popup menu's items are the program's to add; a description only names the menu.
    classes.add(ClassInfo{"TPopupMenu", typeid(TPopupMenu),
                          [](Component& owner, Component&) -> std::unique_ptr<Component> {
                              return std::make_unique<TPopupMenu>(&owner);
                          },
                          {}});
    using A = TCustomAction;
    classes.add(ClassInfo{"TAction", typeid(TCustomAction),
                          [](Component& owner, Component&) -> std::unique_ptr<Component> {
                              return std::make_unique<TCustomAction>(&owner);
                          },
                          {
                              stringProperty<A>("Caption", &A::caption, &A::setCaption),
                              booleanProperty<A>("Enabled", true, &A::isEnabled, &A::setEnabled),
                              stringProperty<A>("Hint", &A::hint, &A::setHint),
                              integerProperty<A>("ImageIndex", -1, &A::imageIndex, &A::setImageIndex),
                              booleanProperty<A>("Visible", true, &A::isVisible, &A::setVisible),
                              eventProperty<A>("OnExecute", &A::onExecute),
                          }});
    classes.add(ClassInfo{"TTimer", typeid(Timer),
                          [](Component& owner, Component&) -> std::unique_ptr<Component> {
                              auto made = std::make_unique<Timer>(1000, &owner);
                              made->setEnabled(true);
                              return made;
                          },
                          {
                              booleanProperty<Timer>("Enabled", true, &Timer::isEnabled, &Timer::setEnabled),
                              integerProperty<Timer>("Interval", 1000, [](const Timer& t) { return static_cast<int>(t.interval()); },
                                                     [](Timer& t, int interval) {
                                                         if (interval < 0)
                                                             throw PropertyError("an interval cannot be negative");
                                                         t.setInterval(static_cast<unsigned>(interval));
                                                     }),
                              eventProperty<Timer>("OnTimer", &Timer::onTimer),
                          }});
}

}  // namespace fw
