#pragma once
// Form: a top-level window. It owns its window; the derived form owns its child controls, as
// members or adopted from a window description, and they are destroyed before the window.
// Every setting can change after creation (a description is read into an existing form): border,
// border icons, client size, colour, see-through colour key and alpha value, top-most place,
// position, icon and font.
//
// Events (std::function members) are raised on the GUI thread; what they throw goes to the
// default error display. onKeyDown sees keys pressed anywhere in the form when keyPreview is on;
// setting the key to 0 consumes it. Keys, typed characters, the focus and the default control are
// routed by the input router (the rules are at the top of GraphicControl.h); the form tells it of
// its key preview and of its activation, which gives the focus back to where it was.
//
// Under a contrast theme (ContrastTheme.h) the background is the theme's button face; the form
// reads the theme again when Windows announces a change of colours, contrast or theme, and
// repaints itself, its panels, memos and window-less controls.
//
// Scaling: sizes and font heights given here or by a description are designed at 96 DPI. The form
// is laid out for the DPI of the monitor its window is made on, and again whenever the system
// says it moved to one of another DPI (WM_DPICHANGED); its client size, font, panels, memos and
// their window-less controls are then scaled anew from the design values (Dpi.h). Left and top
// are screen coordinates and are not scaled: the place on the screen is the system's.

#include "framework/core/Color.h"
#include "framework/geometry/Dpi.h"
#include "framework/graphics/Font.h"
#include "framework/ui/controls/BackgroundBrush.h"
#include "framework/ui/model/Component.h"
#include "framework/ui/windows/FormLayering.h"
#include "framework/ui/windows/FormPlacement.h"
#include "framework/ui/windows/FormWindow.h"
#include "framework/win32/Handles.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fw {

class GraphicControl;

class Form : public Component, private FormWindow {
public:
    struct CreateArgs {
        std::string className = "TForm";  // window class, registered on first use
        std::string caption;
        int clientWidth = 320;
        int clientHeight = 240;
        TColor color = clBtnFace;
        TColor transparentColorKey = clNone;  // clNone: the background is not see-through
        bool isTopMost = false;
        bool keyPreview = false;
        std::string iconResource;  // icon resource name in the executable; empty: default icon
        std::string fontName = "MS Sans Serif";
        int fontHeight = -11;  // at 96 DPI, as clientWidth and clientHeight
        TFormBorderStyle borderStyle = bsSingle;
        TBorderIcons borderIcons{true, false, false};
        TPosition position = poDesktopCenter;
    };

    explicit Form(const CreateArgs& args);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Settings, as a window description names them. Place, size, frame and top-most rank are
    // the placement's (FormPlacement.h), the see-through settings the layering's (FormLayering.h).
    int left() const { return placement_.left(); }
    void setLeft(int left) { placement_.setLeft(left); }
    int top() const { return placement_.top(); }
    void setTop(int top) { placement_.setTop(top); }
    // The client size in pixels at dpi(); the setters take it as designed, at 96 DPI, which the
    // design getters give back.
    int clientWidth() const { return placement_.clientWidth(); }
    void setClientWidth(int width) { placement_.setClientWidth(width); }
    int clientHeight() const { return placement_.clientHeight(); }
    void setClientHeight(int height) { placement_.setClientHeight(height); }
    int designClientWidth() const { return placement_.designClientWidth(); }
    int designClientHeight() const { return placement_.designClientHeight(); }
    // The pixels per inch the form is laid out for.
    int dpi() const override { return dpi_; }
    TFormBorderStyle borderStyle() const { return placement_.borderStyle(); }
    void setBorderStyle(TFormBorderStyle style) { placement_.setBorderStyle(style); }
    TBorderIcons borderIcons() const { return placement_.borderIcons(); }
    void setBorderIcons(TBorderIcons icons) { placement_.setBorderIcons(icons); }
    TColor color() const { return background_.color(); }
    void setColor(TColor color);
    bool transparentColor() const { return layering_.transparentColor(); }
    void setTransparentColor(bool on) { layering_.setTransparentColor(on); }
    TColor transparentColorValue() const { return layering_.transparentColorValue(); }
    void setTransparentColorValue(TColor color) { layering_.setTransparentColorValue(color); }
    bool alphaBlend() const { return layering_.alphaBlend(); }
    void setAlphaBlend(bool on) { layering_.setAlphaBlend(on); }
    int alphaBlendValue() const { return layering_.alphaBlendValue(); }
    void setAlphaBlendValue(int value) { layering_.setAlphaBlendValue(value); }
    Font& font() { return font_; }
    TFormStyle formStyle() const { return placement_.formStyle(); }
    void setFormStyle(TFormStyle style) { placement_.setFormStyle(style); }
    const std::string& icon() const { return icon_; }
    void setIcon(const std::string& resourceName);  // an icon resource of the executable
    void setKeyPreview(bool on) { keyPreview_ = on; }
    TPosition position() const { return placement_.position(); }
    void setPosition(TPosition position) { placement_.setPosition(position); }

    // Leaving the loading state raises onCreate: the form is complete.
    void loaded() override;

    // Raises onShow, then makes the window visible; visible also when onShow throws, which
    // show() then passes on.
    void show();
    void setCaption(const std::string& caption);
    std::string caption() const;

    native::WindowHandle handle() const override { return window_.get(); }
    bool isLoading() const override { return Component::isLoading(); }
    const Font& font() const { return font_; }
    bool isTopMost() const { return formStyle() == fsStayOnTop; }
    bool isKeyPreview() const { return keyPreview_; }

    // Top-most forms step back behind a modal dialog while it is open.
    void setTopMostPlace(TopMostPlace place) { placement_.setTopMostPlace(place); }
    static const std::vector<Form*>& liveForms();
    // The window a modal box or menu of ours belongs to: the thread's active window, or else the
    // first live form; null when there is none.
    static native::WindowHandle ownerForModal();

    std::function<void()> onCreate;  // after a description has been read into the form
    std::function<void()> onShow;
    std::function<void(int& key)> onKeyDown;
    std::function<void()> onClose;  // the close box; the application's main form ends the program

    // The window-less control that a fresh Enter presses, the way of its accelerator, while it is
    // enabled and shown and no modal dialog of the form is open; null for none. Not owned: one
    // that goes away stops being the default. The control is told it is the default
    // (GraphicControl::isDefault), so that assistive technology can say so.
    GraphicControl* defaultControl() const;
    void setDefaultControl(GraphicControl* control);

    // The window procedure's entry point for this form's messages.
    long long handleMessage(unsigned message, unsigned long long wParam, long long lParam);

private:
    // Lays the form out for `dpi`: at `suggestedPlace` (screen coordinates) when the system gave
    // one, else by the position rule.
    void changeDpi(int dpi, std::optional<Rect> suggestedPlace);
    // The system's colours, its contrast setting or its theme changed: the contrast theme is read
    // again and the form repaints with everything in it.
    void followSystemColors();
    // What the background is painted with: the colour, or the contrast theme's button face,
    // unless the colour is the see-through key, which must stay a hole in the window.
    native::BrushHandle backgroundBrush() const;

    UniqueIcon iconHandle_;  // declared before the window, so that they outlive it
    UniqueIcon smallIconHandle_;
    UniqueWindow window_;
    Font font_;
    BackgroundBrush background_;
    FormPlacement placement_;
    FormLayering layering_;
    bool keyPreview_ = false;
    std::string icon_;
    int dpi_ = designDpi;
};

}  // namespace fw
