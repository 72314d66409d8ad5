#include "framework/ui/description/FormProperties.h"

#include "framework/ui/description/FontProperties.h"
#include "framework/ui/description/PropertyBuilders.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/windows/Form.h"

namespace fw {
namespace {

using F = Form;

const FlagSetType<TBorderIcons> borderIconSet = {"TBorderIcons",
                                                 "border icons",
                                                 "a border icon",
                                                 {{&TBorderIcons::systemMenu, "biSystemMenu"},
                                                  {&TBorderIcons::minimize, "biMinimize"},
                                                  {&TBorderIcons::maximize, "biMaximize"}}};

const EnumNames<TFormBorderStyle> borderStyles = {
    {bsNone, "bsNone"}, {bsSingle, "bsSingle"}, {bsSizeable, "bsSizeable"}};

const EnumNames<TPosition> positions = {
    {poDesigned, "poDesigned"}, {poDesktopCenter, "poDesktopCenter"}, {poScreenCenter, "poScreenCenter"}};

}  // namespace

std::vector<PropertyInfo> formProperties()
{
    // Where the window stands only counts when its position is not worked out.
    const auto isDesigned = [](const F& form) { return form.position() == poDesigned; };
    std::vector<PropertyInfo> properties = {
        integerProperty<F>("Left", {noDefault, isDesigned}, &F::left, &F::setLeft),
        integerProperty<F>("Top", {noDefault, isDesigned}, &F::top, &F::setTop),
        flagSetProperty<F, TBorderIcons>("BorderIcons", borderIconSet, TBorderIcons{}, &F::borderIcons,
                                         &F::setBorderIcons),
        enumProperty<F, TFormBorderStyle>("BorderStyle", "TFormBorderStyle", borderStyles, bsSizeable, &F::borderStyle,
                                          &F::setBorderStyle),
        stringProperty<F>("Caption", &F::caption, &F::setCaption),
        integerProperty<F>("ClientHeight", noDefault, &F::designClientHeight, &F::setClientHeight),
        integerProperty<F>("ClientWidth", noDefault, &F::designClientWidth, &F::setClientWidth),
        colorProperty<F>("Color", clBtnFace, &F::color, &F::setColor),
        referenceProperty<F, GraphicControl>("DefaultControl", "TControl", &F::defaultControl, &F::setDefaultControl),
        booleanProperty<F>("TransparentColor", false, &F::transparentColor, &F::setTransparentColor),
        colorProperty<F>("TransparentColorValue", clBlack, &F::transparentColorValue, &F::setTransparentColorValue),
        booleanProperty<F>("AlphaBlend", false, &F::alphaBlend, &F::setAlphaBlend),
        integerProperty<F>("AlphaBlendValue", 255, &F::alphaBlendValue, &F::setAlphaBlendValue),
    };
    appendProperties(properties, fontProperties(
                                     "Font", [](Component& c) -> Font& { return static_cast<F&>(c).font(); },
                                     [](const Component&) { return true; }));
    appendProperties(properties, {
        enumProperty<F, TFormStyle>("FormStyle", "TFormStyle", {{fsNormal, "fsNormal"}, {fsStayOnTop, "fsStayOnTop"}},
                                    fsNormal, &F::formStyle, &F::setFormStyle),
        stringProperty<F>("Icon", &F::icon, &F::setIcon),
        booleanProperty<F>("KeyPreview", false, &F::isKeyPreview, &F::setKeyPreview),
        enumProperty<F, TPosition>("Position", "TPosition", positions, poDesigned, &F::position, &F::setPosition),
        eventProperty<F>("OnCreate", &F::onCreate),
        eventProperty<F>("OnKeyDown", &F::onKeyDown),
        eventProperty<F>("OnShow", &F::onShow),
    });
    return properties;
}

}  // namespace fw
