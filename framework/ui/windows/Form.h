#pragma once
// Form: a top-level window. It owns its window; the derived form owns its child controls, as
// members or adopted from a window description, and they are destroyed before the window.
// Every setting can change after creation (a description is read into an existing form): border,
// border icons, client size, colour, see-through colour key and alpha value, top-most place,
// position, icon and font.
//
// Events (std::function members) are raised on the GUI thread; what they throw goes to the
// default error display. onKeyDown sees keys pressed anywhere in the form when keyPreview is on;
// setting the key to 0 consumes it. Characters typed anywhere in the form are offered to the
// window-less controls of its panels first (dialogChar), so that buttons answer to accelerators.

#include "framework/core/Color.h"
#include "framework/graphics/Font.h"
#include "framework/ui/model/Component.h"
#include "framework/ui/model/Geometry.h"
#include "framework/win32/Handles.h"

#include <functional>
#include <string>
#include <vector>

namespace fw {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poDesktopCenter, poScreenCenter };
struct TBorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;
    friend bool operator==(const TBorderIcons&, const TBorderIcons&) = default;
};

class Form : public Component {
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
        int fontHeight = -11;
        TFormBorderStyle borderStyle = bsSingle;
        TBorderIcons borderIcons{true, false, false};
        TPosition position = poDesktopCenter;
    };

    explicit Form(const CreateArgs& args);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Settings, as a window description names them.
    int left() const;
    void setLeft(int left);
    int top() const;
    void setTop(int top);
    int clientWidth() const;
    void setClientWidth(int width);
    int clientHeight() const;
    void setClientHeight(int height);
    TFormBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(TFormBorderStyle style);
    TBorderIcons borderIcons() const { return borderIcons_; }
    void setBorderIcons(TBorderIcons icons);
    TColor color() const { return color_; }
    void setColor(TColor color);
    bool transparentColor() const { return transparentColor_; }
    void setTransparentColor(bool on);
    TColor transparentColorValue() const { return transparentColorValue_; }
    void setTransparentColorValue(TColor color);
    bool alphaBlend() const { return alphaBlend_; }
    void setAlphaBlend(bool on);
    int alphaBlendValue() const { return alphaBlendValue_; }
    void setAlphaBlendValue(int value);
    Font& font() { return font_; }
    TFormStyle formStyle() const { return isTopMost_ ? fsStayOnTop : fsNormal; }
    void setFormStyle(TFormStyle style);
    const std::string& icon() const { return icon_; }
    void setIcon(const std::string& resourceName);  // an icon resource of the executable
    void setKeyPreview(bool on) { keyPreview_ = on; }
    TPosition position() const { return position_; }
    void setPosition(TPosition position);

    // Leaving the loading state raises onCreate: the form is complete.
    void loaded() override;

    // Raises onShow, then makes the window visible; visible also when onShow throws, which
    // show() then passes on.
    void show();
    void setCaption(const std::string& caption);
    std::string caption() const;

    native::WindowHandle handle() const { return window_.get(); }
    const Font& font() const { return font_; }
    bool isTopMost() const { return isTopMost_; }
    bool isKeyPreview() const { return keyPreview_; }

    // Top-most forms step back behind a modal dialog while it is open.
    void setTopMostPlace(bool onTop);
    static const std::vector<Form*>& liveForms();
    // The window a modal box or menu of ours belongs to: the thread's active window, or else the
    // first live form; null when there is none.
    static native::WindowHandle ownerForModal();

    std::function<void()> onCreate;  // after a description has been read into the form
    std::function<void()> onShow;
    std::function<void(int& key)> onKeyDown;
    std::function<void()> onClose;  // the close box; the application's main form ends the program

    // Called by the message loop for key messages of this form and its children.
    void previewKey(int& key);
    // Offers a typed character to the window-less controls of this form's panels, in the panels'
    // order, as the dialog-character notification; true when one of them used it.
    bool dialogChar(unsigned character);

    // The window procedure's entry point for this form's messages.
    long long handleMessage(unsigned message, unsigned long long wParam, long long lParam);

private:
    void applyLayering();
    void applyPlacement();
    void placeAsPositioned();
    void syncClientSize();

    UniqueIcon iconHandle_;       // declared before the window, so that they outlive it
    UniqueIcon smallIconHandle_;
    UniqueWindow window_;
    Font font_;
    TColor color_ = clBtnFace;
    UniqueBrush background_;
    bool isTopMost_ = false;
    bool keyPreview_ = false;
    TFormBorderStyle borderStyle_ = bsSingle;
    TBorderIcons borderIcons_;
    TPosition position_ = poDesktopCenter;
    int left_ = 0;  // wanted place and client size; the window follows outside loading
    int top_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool transparentColor_ = false;
    TColor transparentColorValue_ = clBlack;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 255;
    std::string icon_;
};

}  // namespace fw
