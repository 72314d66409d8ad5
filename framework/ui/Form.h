#pragma once
// Form: a top-level window with a fixed single border and only the close box. It owns its window;
// the derived form owns its child controls as members, so they are destroyed before the window.
//
// Events (std::function members) are raised on the GUI thread; what they throw goes to the
// default error display. onKeyDown sees keys pressed anywhere in the form when keyPreview is on;
// setting the key to 0 consumes it. Characters typed anywhere in the form are offered to the
// window-less controls of its panels first (dialogChar), so that buttons answer to accelerators.

#include "framework/core/Color.h"
#include "framework/graphics/Font.h"
#include "framework/ui/Component.h"
#include "framework/ui/Geometry.h"
#include "framework/win32/Handles.h"

#include <functional>
#include <string>
#include <vector>

namespace fw {

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
    };

    explicit Form(const CreateArgs& args);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

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

    std::function<void()> onShow;
    std::function<void(int& key)> onKeyDown;
    std::function<void()> onClose;  // the close box; the main form's default ends the program

    // Called by the message loop for key messages of this form and its children.
    void previewKey(int& key);
    // Offers a typed character to the window-less controls of this form's panels, in the panels'
    // order, as the dialog-character notification; true when one of them used it.
    bool dialogChar(unsigned character);

    // The window procedure's entry point for this form's messages.
    long long handleMessage(unsigned message, unsigned long long wParam, long long lParam);

private:

    UniqueWindow window_;
    Font font_;
    UniqueBrush background_;
    bool isTopMost_ = false;
    bool keyPreview_ = false;
};

}  // namespace fw
