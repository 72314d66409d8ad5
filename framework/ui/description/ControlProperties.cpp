#include "framework/ui/description/ControlProperties.h"

#include "framework/ui/app/PopupMenu.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/description/FontProperties.h"
#include "framework/ui/model/Action.h"

#include <stdexcept>

namespace fw {
namespace {

using G = GraphicControl;

const EnumNames<Cursor> cursorNames = {{Cursor::Default, "crDefault"}, {Cursor::HandPoint, "crHandPoint"}};

const FlagSetType<TAnchors> anchorSet = {"TAnchors",
                                         "anchors",
                                         "an anchor",
                                         {{&TAnchors::left, "akLeft"},
                                          {&TAnchors::top, "akTop"},
                                          {&TAnchors::right, "akRight"},
                                          {&TAnchors::bottom, "akBottom"}}};

std::vector<PropertyInfo> allGraphicControlProperties()
{
    const auto ownColor = [](const G& c) { return !c.parentColor(); };
    const auto ownShowHint = [](const G& c) { return !c.parentShowHint(); };
    std::vector<PropertyInfo> properties = {
        referenceProperty<G, TBasicAction>("Action", "TBasicAction", &G::action, &G::setAction),
        enumProperty<G, TAlign>("Align", "TAlign",
                                {{alNone, "alNone"}, {alTop, "alTop"}, {alBottom, "alBottom"}, {alLeft, "alLeft"},
                                 {alRight, "alRight"}, {alClient, "alClient"}},
                                alNone, &G::align, &G::setAlign),
        flagSetProperty<G, TAnchors>("Anchors", anchorSet, TAnchors{}, &G::anchors, &G::setAnchors),
        stringProperty<G>("Caption", &G::caption, &G::setCaption),
        colorProperty<G>("Color", {clWindow, ownColor}, &G::color, &G::setColor),
        booleanProperty<G>("Enabled", true, &G::isEnabled, &G::setEnabled),
        booleanProperty<G>("ParentColor", true, &G::parentColor, &G::setParentColor),
        booleanProperty<G>("ParentFont", true, &G::parentFont, &G::setParentFont),
        booleanProperty<G>("ParentShowHint", true, &G::parentShowHint, &G::setParentShowHint),
        referenceProperty<G, TPopupMenu>("PopupMenu", "TPopupMenu", &G::popupMenu, &G::setPopupMenu),
        booleanProperty<G>("ShowHint", {noDefault, ownShowHint}, &G::showHint, &G::setShowHint),
        integerProperty<G>("TabOrder", 0, &G::tabOrder, &G::setTabOrder),
        booleanProperty<G>("TabStop", false, &G::isTabStop, &G::setTabStop),
        booleanProperty<G>("Visible", true, &G::isVisible, &G::setVisible),
        eventProperty<G>("OnClick", &G::onClick),
        eventProperty<G>("OnMouseDown", &G::onMouseDown),
        eventProperty<G>("OnMouseMove", &G::onMouseMove),
        eventProperty<G>("OnMouseUp", &G::onMouseUp),
    };
    appendProperties(properties, fontProperties(
                                     "Font", [](Component& c) -> Font& { return static_cast<G&>(c).font(); },
                                     [](const Component& c) { return !static_cast<const G&>(c).parentFont(); }));
    return properties;
}

}  // namespace

std::vector<PropertyInfo> graphicControlHostProperties()
{
    std::vector<PropertyInfo> properties = boundsProperties<G>();
    appendProperties(properties, {
        enumProperty<G, Cursor>("Cursor", "TCursor", cursorNames, Cursor::Default, &G::cursor, &G::setCursor),
        stringProperty<G>("Hint", &G::hint, &G::setHint),
        enumProperty<G, THelpType>("HelpType", "THelpType", {{htKeyword, "htKeyword"}, {htContext, "htContext"}},
                                   htContext, &G::helpType, &G::setHelpType),
        stringProperty<G>("HelpKeyword", &G::helpKeyword, &G::setHelpKeyword),
        integerProperty<G>("HelpContext", 0, &G::helpContext, &G::setHelpContext),
    });
    return properties;
}

std::vector<PropertyInfo> graphicControlProperties(const std::vector<std::string>& names)
{
    const std::vector<PropertyInfo> all = allGraphicControlProperties();
    std::vector<PropertyInfo> chosen;
    for (const std::string& name : names) {
        bool found = false;
        for (const PropertyInfo& property : all)
            if (property.name == name || property.name.starts_with(name + ".")) {
                chosen.push_back(property);
                found = true;
            }
        if (!found)
            throw std::logic_error("no host property " + name);
    }
    return chosen;
}

}  // namespace fw
