#include "framework/ui/description/PublishedClasses.h"

#include "framework/ui/model/Action.h"
#include "framework/ui/windows/Memo.h"
#include "framework/ui/controls/Panel.h"
#include "framework/ui/app/PopupMenu.h"
#include "framework/ui/app/Timer.h"

#include <climits>

namespace fw {
namespace {

// Properties that are always written (bounds, client size) compare against a value no setting has.
constexpr int alwaysWritten = INT_MIN;

const EnumNames<int> charsetNames = {{0, "ANSI_CHARSET"},        {1, "DEFAULT_CHARSET"},   {2, "SYMBOL_CHARSET"},
                                     {161, "GREEK_CHARSET"},     {162, "TURKISH_CHARSET"}, {204, "RUSSIAN_CHARSET"},
                                     {238, "EASTEUROPE_CHARSET"}};

const EnumNames<Cursor> cursorNames = {{Cursor::Default, "crDefault"}, {Cursor::HandPoint, "crHandPoint"}};

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

// Left, Top, Width and Height of anything with bounds() and setLeft() ... setHeight().
template <typename C>
std::vector<PropertyInfo> boundsProperties()
{
    return {
        integerProperty<C>("Left", alwaysWritten, [](const C& c) { return c.bounds().left; }, &C::setLeft),
        integerProperty<C>("Top", alwaysWritten, [](const C& c) { return c.bounds().top; }, &C::setTop),
        integerProperty<C>("Width", alwaysWritten, [](const C& c) { return c.bounds().width; }, &C::setWidth),
        integerProperty<C>("Height", alwaysWritten, [](const C& c) { return c.bounds().height; }, &C::setHeight),
    };
}

void append(std::vector<PropertyInfo>& to, std::vector<PropertyInfo> from)
{
    for (PropertyInfo& property : from)
        to.push_back(std::move(property));
}

std::vector<PropertyInfo> allGraphicControlProperties()
{
    using G = GraphicControl;
    std::vector<PropertyInfo> properties = {
        referenceProperty<G, TBasicAction>("Action", "TBasicAction", &G::action, &G::setAction),
        enumProperty<G, TAlign>("Align", "TAlign",
                                {{alNone, "alNone"}, {alTop, "alTop"}, {alBottom, "alBottom"}, {alLeft, "alLeft"},
                                 {alRight, "alRight"}, {alClient, "alClient"}},
                                alNone, &G::align, &G::setAlign),
        PropertyInfo{"Anchors", "TAnchors",
                     [](const Component& component) -> std::optional<DescriptionValue> {
                         const TAnchors anchors = static_cast<const G&>(component).anchors();
                         if (anchors == TAnchors{})
                             return std::nullopt;
                         std::vector<std::string> items;
                         if (anchors.left)
                             items.push_back("akLeft");
                         if (anchors.top)
                             items.push_back("akTop");
                         if (anchors.right)
                             items.push_back("akRight");
                         if (anchors.bottom)
                             items.push_back("akBottom");
                         return DescriptionValue::ofSet(items);
                     },
                     [](Component& component, const DescriptionValue& value, ReadContext&) {
                         if (value.kind != DescriptionValue::Kind::Set)
                             throw PropertyError("a set of anchors expected, found " + formatValue(value));
                         TAnchors anchors{false, false, false, false};
                         for (const std::string& item : value.items) {
                             if (item == "akLeft")
                                 anchors.left = true;
                             else if (item == "akTop")
                                 anchors.top = true;
                             else if (item == "akRight")
                                 anchors.right = true;
                             else if (item == "akBottom")
                                 anchors.bottom = true;
                             else
                                 throw PropertyError(item + " is not an anchor");
                         }
                         static_cast<G&>(component).setAnchors(anchors);
                     }},
        stringProperty<G>("Caption", &G::caption, &G::setCaption),
        colorProperty<G>("Color", clWindow, &G::color, &G::setColor, [](const G& c) { return !c.parentColor(); }),
        booleanProperty<G>("Enabled", true, &G::isEnabled, &G::setEnabled),
        booleanProperty<G>("ParentColor", true, &G::parentColor, &G::setParentColor),
        booleanProperty<G>("ParentFont", true, &G::parentFont, &G::setParentFont),
        booleanProperty<G>("ParentShowHint", true, &G::parentShowHint, &G::setParentShowHint),
        referenceProperty<G, TPopupMenu>("PopupMenu", "TPopupMenu", &G::popupMenu, &G::setPopupMenu),
        PropertyInfo{"ShowHint", "Boolean",
                     [](const Component& component) -> std::optional<DescriptionValue> {
                         const G& control = static_cast<const G&>(component);
                         if (control.parentShowHint())
                             return std::nullopt;
                         return DescriptionValue::ofIdentifier(control.showHint() ? "True" : "False");
                     },
                     [](Component& component, const DescriptionValue& value, ReadContext&) {
                         static_cast<G&>(component).setShowHint(booleanFrom(value));
                     }},
        booleanProperty<G>("Visible", true, &G::isVisible, &G::setVisible),
        eventProperty<G>("OnClick", &G::onClick),
        eventProperty<G>("OnMouseDown", &G::onMouseDown),
        eventProperty<G>("OnMouseMove", &G::onMouseMove),
        eventProperty<G>("OnMouseUp", &G::onMouseUp),
    };
    append(properties, fontProperties(
                           "Font", [](Component& c) -> Font& { return static_cast<G&>(c).font(); },
                           [](const Component& c) { return !static_cast<const G&>(c).parentFont(); }));
    return properties;
}

}  // namespace

std::vector<PropertyInfo> fontProperties(const std::string& prefix, std::function<Font&(Component&)> font,
                                         std::function<bool(const Component&)> isStored)
{
    // Writing only reads the font; the accessor is shared with reading, hence the const_cast.
    auto fontIfStored = [font, isStored](const Component& component) -> const Font* {
        if (!isStored(component))
            return nullptr;
        return &font(const_cast<Component&>(component));
    };
    return {
        PropertyInfo{prefix + ".Charset", "TFontCharset",
                     [fontIfStored](const Component& component) -> std::optional<DescriptionValue> {
                         const Font* stored = fontIfStored(component);
                         if (!stored)
                             return std::nullopt;
                         for (const auto& [charset, name] : charsetNames)
                             if (charset == stored->charset())
                                 return DescriptionValue::ofIdentifier(name);
                         return DescriptionValue::ofInteger(stored->charset());
                     },
                     [font](Component& component, const DescriptionValue& value, ReadContext&) {
                         if (value.kind == DescriptionValue::Kind::Integer && value.integer >= 0 && value.integer <= 255)
                             font(component).setCharset(static_cast<int>(value.integer));
                         else
                             font(component).setCharset(enumFrom(value, charsetNames, "TFontCharset"));
                     }},
        PropertyInfo{prefix + ".Color", "TColor",
                     [fontIfStored](const Component& component) -> std::optional<DescriptionValue> {
                         const Font* stored = fontIfStored(component);
                         return stored ? std::optional(colorValue(stored->color())) : std::nullopt;
                     },
                     [font](Component& component, const DescriptionValue& value, ReadContext&) {
                         font(component).setColor(colorFrom(value));
                     }},
        PropertyInfo{prefix + ".Height", "Integer",
                     [fontIfStored](const Component& component) -> std::optional<DescriptionValue> {
                         const Font* stored = fontIfStored(component);
                         return stored ? std::optional(DescriptionValue::ofInteger(stored->height())) : std::nullopt;
                     },
                     [font](Component& component, const DescriptionValue& value, ReadContext&) {
                         if (value.kind != DescriptionValue::Kind::Integer || value.integer < -1000 || value.integer > 1000)
                             throw PropertyError("a font height from -1000 to 1000 expected, found " + formatValue(value));
                         font(component).setHeight(static_cast<int>(value.integer));
                     }},
        PropertyInfo{prefix + ".Name", "TFontName",
                     [fontIfStored](const Component& component) -> std::optional<DescriptionValue> {
                         const Font* stored = fontIfStored(component);
                         return stored ? std::optional(DescriptionValue::ofString(stored->name())) : std::nullopt;
                     },
                     [font](Component& component, const DescriptionValue& value, ReadContext&) {
                         if (value.kind != DescriptionValue::Kind::String || value.text.empty() || value.text.size() > 31)
                             throw PropertyError("a font name of 1 to 31 characters in quotes expected, found " +
                                                 formatValue(value));
                         font(component).setName(value.text);
                     }},
        PropertyInfo{prefix + ".Style", "TFontStyles",
                     [fontIfStored](const Component& component) -> std::optional<DescriptionValue> {
                         const Font* stored = fontIfStored(component);
                         if (!stored)
                             return std::nullopt;
                         std::vector<std::string> items;
                         const FontStyles styles = stored->styles();
                         if (styles.bold)
                             items.push_back("fsBold");
                         if (styles.italic)
                             items.push_back("fsItalic");
                         if (styles.underline)
                             items.push_back("fsUnderline");
                         if (styles.strikeOut)
                             items.push_back("fsStrikeOut");
                         return DescriptionValue::ofSet(items);
                     },
                     [font](Component& component, const DescriptionValue& value, ReadContext&) {
                         if (value.kind != DescriptionValue::Kind::Set)
                             throw PropertyError("a set of font styles expected, found " + formatValue(value));
                         FontStyles styles;
                         for (const std::string& item : value.items) {
                             if (item == "fsBold")
                                 styles.bold = true;
                             else if (item == "fsItalic")
                                 styles.italic = true;
                             else if (item == "fsUnderline")
                                 styles.underline = true;
                             else if (item == "fsStrikeOut")
                                 styles.strikeOut = true;
                             else
                                 throw PropertyError(item + " is not a font style");
                         }
                         font(component).setStyles(styles);
                     }},
    };
}

std::vector<PropertyInfo> graphicControlHostProperties()
{
    using G = GraphicControl;
    std::vector<PropertyInfo> properties = boundsProperties<G>();
    properties.push_back(enumProperty<G, Cursor>("Cursor", "TCursor", cursorNames, Cursor::Default, &G::cursor, &G::setCursor));
    properties.push_back(stringProperty<G>("Hint", &G::hint, &G::setHint));
    properties.push_back(enumProperty<G, THelpType>("HelpType", "THelpType", {{htKeyword, "htKeyword"}, {htContext, "htContext"}},
                                                    htContext, &G::helpType, &G::setHelpType));
    properties.push_back(stringProperty<G>("HelpKeyword", &G::helpKeyword, &G::setHelpKeyword));
    properties.push_back(integerProperty<G>("HelpContext", 0, &G::helpContext, &G::setHelpContext));
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

std::vector<PropertyInfo> formProperties()
{
    using F = Form;
    const EnumNames<TFormBorderStyle> borderStyles = {{bsNone, "bsNone"}, {bsSingle, "bsSingle"}, {bsSizeable, "bsSizeable"}};
    const auto isDesigned = [](const F& form) { return form.position() == poDesigned; };
    std::vector<PropertyInfo> properties = {
        // Where the window stands only counts when its position is not worked out.
        PropertyInfo{"Left", "Integer",
                     [isDesigned](const Component& c) -> std::optional<DescriptionValue> {
                         const F& form = static_cast<const F&>(c);
                         return isDesigned(form) ? std::optional(DescriptionValue::ofInteger(form.left())) : std::nullopt;
                     },
                     integerProperty<F>("Left", 0, &F::left, &F::setLeft).read},
        PropertyInfo{"Top", "Integer",
                     [isDesigned](const Component& c) -> std::optional<DescriptionValue> {
                         const F& form = static_cast<const F&>(c);
                         return isDesigned(form) ? std::optional(DescriptionValue::ofInteger(form.top())) : std::nullopt;
                     },
                     integerProperty<F>("Top", 0, &F::top, &F::setTop).read},
        PropertyInfo{"BorderIcons", "TBorderIcons",
                     [](const Component& c) -> std::optional<DescriptionValue> {
                         const TBorderIcons icons = static_cast<const F&>(c).borderIcons();
                         if (icons == TBorderIcons{})
                             return std::nullopt;
                         std::vector<std::string> items;
                         if (icons.systemMenu)
                             items.push_back("biSystemMenu");
                         if (icons.minimize)
                             items.push_back("biMinimize");
                         if (icons.maximize)
                             items.push_back("biMaximize");
                         return DescriptionValue::ofSet(items);
                     },
                     [](Component& c, const DescriptionValue& value, ReadContext&) {
                         if (value.kind != DescriptionValue::Kind::Set)
                             throw PropertyError("a set of border icons expected, found " + formatValue(value));
                         TBorderIcons icons{false, false, false};
                         for (const std::string& item : value.items) {
                             if (item == "biSystemMenu")
                                 icons.systemMenu = true;
                             else if (item == "biMinimize")
                                 icons.minimize = true;
                             else if (item == "biMaximize")
                                 icons.maximize = true;
                             else
                                 throw PropertyError(item + " is not a border icon");
                         }
                         static_cast<F&>(c).setBorderIcons(icons);
                     }},
        enumProperty<F, TFormBorderStyle>("BorderStyle", "TFormBorderStyle", borderStyles, bsSizeable, &F::borderStyle,
                                          &F::setBorderStyle),
        stringProperty<F>("Caption", &F::caption, &F::setCaption),
        integerProperty<F>("ClientHeight", alwaysWritten, &F::clientHeight, &F::setClientHeight),
        integerProperty<F>("ClientWidth", alwaysWritten, &F::clientWidth, &F::setClientWidth),
        colorProperty<F>("Color", clBtnFace, &F::color, &F::setColor),
        booleanProperty<F>("TransparentColor", false, &F::transparentColor, &F::setTransparentColor),
        colorProperty<F>("TransparentColorValue", clBlack, &F::transparentColorValue, &F::setTransparentColorValue),
        booleanProperty<F>("AlphaBlend", false, &F::alphaBlend, &F::setAlphaBlend),
        integerProperty<F>("AlphaBlendValue", 255, &F::alphaBlendValue, &F::setAlphaBlendValue),
    };
    append(properties, fontProperties(
                           "Font", [](Component& c) -> Font& { return static_cast<F&>(c).font(); },
                           [](const Component&) { return true; }));
    append(properties, {
        enumProperty<F, TFormStyle>("FormStyle", "TFormStyle", {{fsNormal, "fsNormal"}, {fsStayOnTop, "fsStayOnTop"}},
                                    fsNormal, &F::formStyle, &F::setFormStyle),
        stringProperty<F>("Icon", &F::icon, &F::setIcon),
        booleanProperty<F>("KeyPreview", false, &F::isKeyPreview, &F::setKeyPreview),
        enumProperty<F, TPosition>("Position", "TPosition",
                                   {{poDesigned, "poDesigned"}, {poDesktopCenter, "poDesktopCenter"},
                                    {poScreenCenter, "poScreenCenter"}},
                                   poDesigned, &F::position, &F::setPosition),
        eventProperty<F>("OnCreate", &F::onCreate),
        eventProperty<F>("OnKeyDown", &F::onKeyDown),
        eventProperty<F>("OnShow", &F::onShow),
    });
    return properties;
}

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
    append(panel.properties, {
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
                       auto made = std::make_unique<Memo>(window, Rect{0, 0, 185, 89}, clWindow, fontOf(parent)->handle(), &owner);
                       made->setParentComponent(&parent);
                       return made;
                   },
                   boundsProperties<Memo>()};
    append(memo.properties, {
        colorProperty<Memo>("Color", clWindow, &Memo::color, &Memo::setColor),
        booleanProperty<Memo>("ReadOnly", false, &Memo::isReadOnly, &Memo::setReadOnly),
        enumProperty<Memo, TScrollStyle>("ScrollBars", "TScrollStyle",
                                         {{ssNone, "ssNone"}, {ssHorizontal, "ssHorizontal"}, {ssVertical, "ssVertical"},
                                          {ssBoth, "ssBoth"}},
                                         ssNone, &Memo::scrollBars, &Memo::setScrollBars),
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
