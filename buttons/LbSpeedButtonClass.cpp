// The published properties of TLbSpeedButton, in declaration order: the host's (bounds, cursor,
// hint, help) first, then the button's own in the order of its table.

#include "buttons/LbSpeedButton.h"

#include "framework/ui/controls/Panel.h"
#include "framework/ui/description/FrameworkProperties.h"

namespace lb {
namespace {

using B = TLbSpeedButton;
using fw::appendProperties;

}  // namespace

fw::ClassInfo TLbSpeedButton::classInfo()
{
    const fw::EnumNames<TLbAlignment> alignments = {
        {taLeftJustify, "taLeftJustify"}, {taRightJustify, "taRightJustify"}, {taCenter, "taCenter"}};
    const fw::EnumNames<TLbColorStyle> presets = {
        {lcsCustom, "lcsCustom"},         {lcsGold, "lcsGold"},           {lcsChrome, "lcsChrome"},
        {lcsBlue, "lcsBlue"},             {lcsRed, "lcsRed"},             {lcsUltraFlat1, "lcsUltraFlat1"},
        {lcsUltraFlat2, "lcsUltraFlat2"}, {lcsUltraFlatXP, "lcsUltraFlatXP"}, {lcsAqua, "lcsAqua"},
        {lcsDefault, "lcsDefault"},       {lcsQuicken, "lcsQuicken"}};
    const fw::EnumNames<TLbSpeedButtonLayout> layouts = {
        {blGlyphLeft, "blGlyphLeft"}, {blGlyphRight, "blGlyphRight"}, {blGlyphTop, "blGlyphTop"},
        {blGlyphBottom, "blGlyphBottom"}};
    const fw::EnumNames<TLbSpeedButtonStyle> styles = {{bsNormal, "bsNormal"}, {bsEncarta, "bsEncarta"},
                                                       {bsModern, "bsModern"}, {bsOld, "bsOld"},
                                                       {bsShape, "bsShape"},   {bsQuicken, "bsQuicken"}};

    fw::ClassInfo info{"TLbSpeedButton", typeid(B),
                       [](fw::Component& owner, fw::Component& parent) -> std::unique_ptr<fw::Component> {
                           auto* panel = dynamic_cast<fw::Panel*>(&parent);
                           if (!panel)
                               throw fw::PropertyError("a TLbSpeedButton sits in a panel");
                           auto made = std::make_unique<B>(&owner);
                           made->setParent(panel);
                           return made;
                       },
                       fw::graphicControlHostProperties()};
    auto& properties = info.properties;
    appendProperties(properties, fw::graphicControlProperties({"Action", "Align"}));
    properties.push_back(fw::enumProperty<B, TLbAlignment>("Alignment", "TAlignment", alignments, taLeftJustify,
                                                           &B::Alignment, &B::setAlignment));
    properties.push_back(fw::booleanProperty<B>("AllowAllUp", false, &B::AllowAllUp, &B::setAllowAllUp));
    appendProperties(properties, fw::graphicControlProperties({"Anchors", "Caption", "Color"}));
    properties.push_back(fw::colorProperty<B>("ColorWhenDown", fw::clNone, &B::ColorWhenDown, &B::setColorWhenDown));
    // Read to apply a preset; never written, since it always reads lcsCustom.
    properties.push_back(fw::enumProperty<B, TLbColorStyle>("ColorStyle", "TLbColorStyle", presets, lcsCustom,
                                                            &B::ColorStyle, &B::setColorStyle));
    properties.push_back(fw::booleanProperty<B>("Down", false, &B::Down, &B::setDown));
    appendProperties(properties, fw::graphicControlProperties({"Enabled"}));
    properties.push_back(fw::booleanProperty<B>("Flat", false, &B::Flat, &B::setFlat));
    properties.push_back(
        fw::booleanProperty<B>("FollowContrastTheme", true, &B::FollowContrastTheme, &B::setFollowContrastTheme));
    appendProperties(properties, fw::graphicControlProperties({"Font"}));
    properties.push_back(fw::stringProperty<B>("Glyph", &B::glyphResource, &B::setGlyphResource));
    properties.push_back(fw::integerProperty<B>("GroupIndex", 0, &B::GroupIndex, &B::setGroupIndex));
    properties.push_back(fw::colorProperty<B>("HotTrackColor", fw::clNone, &B::HotTrackColor, &B::setHotTrackColor));
    appendProperties(properties,
                     fw::fontProperties(
                         "HotTrackFont", [](fw::Component& c) -> fw::Font& { return static_cast<B&>(c).HotTrackFont(); },
                         [](const fw::Component&) { return true; }));
    properties.push_back(fw::enumProperty<B, TLbSpeedButtonLayout>("Layout", "TLbSpeedButtonLayout", layouts,
                                                                   blGlyphLeft, &B::Layout, &B::setLayout));
    properties.push_back(fw::colorProperty<B>("LightColor", fw::clWhite, &B::LightColor, &B::setLightColor));
    properties.push_back(fw::integerProperty<B>("NumGlyphs", 0, &B::NumGlyphs, &B::setNumGlyphs));
    appendProperties(properties,
                     fw::graphicControlProperties({"ParentColor", "ParentFont", "ParentShowHint", "PopupMenu"}));
    properties.push_back(fw::colorProperty<B>("ShadowColor", fw::clBlack, &B::ShadowColor, &B::setShadowColor));
    appendProperties(properties, fw::graphicControlProperties({"ShowHint"}));
    properties.push_back(fw::booleanProperty<B>("SlowDecease", false, &B::SlowDecease, &B::setSlowDecease));
    properties.push_back(fw::enumProperty<B, TLbSpeedButtonStyle>("Style", "TLbSpeedButtonStyle", styles, bsNormal,
                                                                  &B::Style, &B::setStyle));
    // Not a tab stop unless told: toolbar buttons are not.
    appendProperties(properties, fw::graphicControlProperties({"TabOrder", "TabStop"}));
    properties.push_back(fw::booleanProperty<B>("Transparent", false, &B::Transparent, &B::setTransparent));
    properties.push_back(fw::booleanProperty<B>("UseHotTrackFont", false, &B::UseHotTrackFont, &B::setUseHotTrackFont));
    appendProperties(properties, fw::graphicControlProperties({"Visible"}));
    properties.push_back(fw::booleanProperty<B>("WordWrap", false, &B::WordWrap, &B::setWordWrap));
    appendProperties(properties, fw::graphicControlProperties({"OnClick", "OnMouseDown"}));
    properties.push_back(fw::eventProperty<B>("OnMouseEnter", &B::OnMouseEnter));
    properties.push_back(fw::eventProperty<B>("OnMouseExit", &B::OnMouseExit));
    appendProperties(properties, fw::graphicControlProperties({"OnMouseMove", "OnMouseUp"}));
    return info;
}

}  // namespace lb
