#include "framework/ui/windows/Form.h"

#include "framework/core/Error.h"
#include "framework/graphics/SystemColors.h"
#include "framework/ui/model/RunHandler.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/Panel.h"
#include "framework/win32/WindowProcedure.h"

#include <algorithm>

namespace fw {
namespace {

std::vector<Form*>& forms()
{
    static std::vector<Form*> list;
    return list;
}

// Looked up at run time, as systems without layered windows lack it.
using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

SetLayeredWindowAttributesFunction setLayeredFunction()
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<SetLayeredWindowAttributesFunction>(
                        reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")))
                  : nullptr;
}

DWORD frameStyle(TFormBorderStyle border, TBorderIcons icons)
{
    DWORD style = WS_CLIPCHILDREN;
    if (border == bsNone)
        return style | WS_POPUP;
    style |= WS_OVERLAPPED | WS_CAPTION;
    if (border == bsSizeable)
        style |= WS_THICKFRAME;
    if (icons.systemMenu) {
        style |= WS_SYSMENU;
        if (icons.minimize)
            style |= WS_MINIMIZEBOX;
        if (icons.maximize)
            style |= WS_MAXIMIZEBOX;
    }
    return style;
}

}  // namespace

Form::Form(const CreateArgs& args)
    : isTopMost_(args.isTopMost), keyPreview_(args.keyPreview), borderStyle_(args.borderStyle),
      borderIcons_(args.borderIcons), position_(args.position)
{
    registerWindowClass(args.className, windowProcedureOf<Form>, 0, nullptr);
    font_.setName(args.fontName);
    font_.setHeight(args.fontHeight);
    color_ = args.color;
    background_.reset(CreateSolidBrush(colorToRgb(color_)));

    const DWORD style = frameStyle(borderStyle_, borderIcons_);
    const DWORD exStyle = isTopMost_ ? WS_EX_TOPMOST : 0;
    RECT frame{0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    HWND window = CreateWindowExA(exStyle, args.className.c_str(), args.caption.c_str(), style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), this);
    if (!window)
        throw Win32Error("CreateWindowExA", GetLastError());
    window_.reset(window);
    clientWidth_ = args.clientWidth;
    clientHeight_ = args.clientHeight;
    placeAsPositioned();
    RECT bounds;
    GetWindowRect(window, &bounds);
    left_ = bounds.left;
    top_ = bounds.top;
    // The window keeps the font's handle: the font changes only through setters that re-send it.
    font_.setOnChange([this] { SendMessageA(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE); });
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
    if (args.transparentColorKey != clNone) {
        transparentColor_ = true;
        transparentColorValue_ = args.transparentColorKey;
        alphaBlendValue_ = 220;
        applyLayering();
    }
    if (!args.iconResource.empty())
        setIcon(args.iconResource);
    forms().push_back(this);
}

void Form::applyLayering()
{
    if (isLoading())
        return;  // loaded() applies it
    const LONG_PTR exStyle = GetWindowLongPtrA(window_.get(), GWL_EXSTYLE);
    if (!transparentColor_ && !alphaBlend_) {
        if (exStyle & WS_EX_LAYERED)
            SetWindowLongPtrA(window_.get(), GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        return;
    }
    const auto setLayered = setLayeredFunction();
    if (!setLayered)
        return;  // no layered windows here: the background simply shows
    SetWindowLongPtrA(window_.get(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    // The alpha value is stored whether or not blending is switched on.
    const DWORD flags = (transparentColor_ ? LWA_COLORKEY : 0) | (alphaBlend_ ? LWA_ALPHA : 0);
    setLayered(window_.get(), colorToRgb(transparentColorValue_), static_cast<BYTE>(alphaBlendValue_), flags);
}

// Style, size, place and top-most rank in one SetWindowPos: under Wine every move of a top-level
// window is a round trip to the X server, and a form read from a description would otherwise
// make a dozen of them.
void Form::applyPlacement()
{
    if (isLoading())
        return;  // loaded() applies everything at once
    const DWORD style = frameStyle(borderStyle_, borderIcons_);
    const LONG_PTR visible = GetWindowLongPtrA(window_.get(), GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrA(window_.get(), GWL_STYLE, static_cast<LONG_PTR>(style) | visible);
    const DWORD exStyle = isTopMost_ ? WS_EX_TOPMOST : 0;
    RECT frame{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    int left = left_;
    int top = top_;
    if (position_ != poDesigned) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    SetWindowPos(window_.get(), isTopMost_ ? HWND_TOPMOST : HWND_NOTOPMOST, left, top, width, height,
                 SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::placeAsPositioned()
{
    if (position_ == poDesigned || isLoading())
        return;
    RECT bounds;
    GetWindowRect(window_.get(), &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    SetWindowPos(window_.get(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::left() const
{
    RECT bounds;
    GetWindowRect(window_.get(), &bounds);
    return isLoading() ? left_ : bounds.left;
}

int Form::top() const
{
    RECT bounds;
    GetWindowRect(window_.get(), &bounds);
    return isLoading() ? top_ : bounds.top;
}

void Form::setLeft(int left)
{
    left_ = left;
    applyPlacement();
}

void Form::setTop(int top)
{
    top_ = top;
    applyPlacement();
}

int Form::clientWidth() const
{
    RECT client;
    GetClientRect(window_.get(), &client);
    return isLoading() ? clientWidth_ : client.right;
}

int Form::clientHeight() const
{
    RECT client;
    GetClientRect(window_.get(), &client);
    return isLoading() ? clientHeight_ : client.bottom;
}

void Form::setClientWidth(int width)
{
    clientHeight_ = clientHeight();
    clientWidth_ = width;
    applyPlacement();
}

void Form::setClientHeight(int height)
{
    clientWidth_ = clientWidth();
    clientHeight_ = height;
    applyPlacement();
}

void Form::setBorderStyle(TFormBorderStyle style)
{
    syncClientSize();
    borderStyle_ = style;
    applyPlacement();
}

void Form::setBorderIcons(TBorderIcons icons)
{
    syncClientSize();
    borderIcons_ = icons;
    applyPlacement();
}

void Form::syncClientSize()
{
    // The user may have resized a sizeable form; the client area it has now is the one to keep.
    clientWidth_ = clientWidth();
    clientHeight_ = clientHeight();
}

void Form::setColor(TColor color)
{
    color_ = color;
    background_.reset(CreateSolidBrush(colorToRgb(color)));
    InvalidateRect(window_.get(), nullptr, TRUE);
}

void Form::setTransparentColor(bool on)
{
    transparentColor_ = on;
    applyLayering();
}

void Form::setTransparentColorValue(TColor color)
{
    transparentColorValue_ = color;
    applyLayering();
}

void Form::setAlphaBlend(bool on)
{
    alphaBlend_ = on;
    applyLayering();
}

void Form::setAlphaBlendValue(int value)
{
    if (value < 0 || value > 255)
        throw Error("An alpha value lies between 0 and 255, not " + std::to_string(value));
    alphaBlendValue_ = value;
    applyLayering();
}

void Form::setFormStyle(TFormStyle style)
{
    isTopMost_ = style == fsStayOnTop;
    if (!isLoading())
        SetWindowPos(window_.get(), isTopMost_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::setIcon(const std::string& resourceName)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    UniqueIcon big(static_cast<HICON>(LoadImageA(instance, resourceName.c_str(), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    UniqueIcon small(static_cast<HICON>(LoadImageA(instance, resourceName.c_str(), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    if (!big || !small)
        throw ResourceError(formatMessage("Resource %s not found", resourceName));
    SendMessageA(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageA(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    // The window now shows the new icons; the old ones may go.
    iconHandle_ = std::move(big);
    smallIconHandle_ = std::move(small);
    icon_ = resourceName;
}

void Form::setPosition(TPosition position)
{
    position_ = position;
    placeAsPositioned();
}

void Form::loaded()
{
    Component::loaded();
    applyPlacement();
    applyLayering();
    if (onCreate)
        onCreate();
}

Form::~Form()
{
    // Components read from a description hold windows inside ours: they go first.
    freeAdopted();
    auto& list = forms();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    // Stop routing messages to this object before the window goes away.
    if (window_)
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

const std::vector<Form*>& Form::liveForms() { return forms(); }

native::WindowHandle Form::ownerForModal()
{
    HWND active = GetActiveWindow();
    if (active)
        return active;
    return forms().empty() ? nullptr : forms().front()->handle();
}

void Form::show()
{
    // The window appears also when onShow fails: a main form left hidden behind the error display
    // would be a process with no window that nobody can close.
    const auto makeVisible = [this] {
        ShowWindow(window_.get(), SW_SHOW);
        UpdateWindow(window_.get());
    };
    try {
        if (onShow)
            onShow();
        placeAsPositioned();
    } catch (...) {
        makeVisible();
        throw;
    }
    makeVisible();
}

void Form::setCaption(const std::string& caption) { SetWindowTextA(window_.get(), caption.c_str()); }

std::string Form::caption() const
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_.get())) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window_.get(), text.data(), static_cast<int>(text.size()))));
    return text;
}

void Form::setTopMostPlace(bool onTop)
{
    if (!isTopMost_)
        return;
    SetWindowPos(window_.get(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::previewKey(int& key)
{
    if (keyPreview_ && onKeyDown)
        runHandler([&] { onKeyDown(key); });
}

bool Form::dialogChar(unsigned character)
{
    // A handler may create or free panels and controls: walk copies and look each one up again.
    const std::vector<Panel*> panels = Panel::livePanels();
    for (Panel* panel : panels) {
        if (GetAncestor(panel->handle(), GA_ROOT) != window_.get())
            continue;
        for (int index = 0; index < panel->controlCount(); ++index) {
            const auto& live = Panel::livePanels();
            if (std::find(live.begin(), live.end(), panel) == live.end())
                break;
            long long used = 0;
            GraphicControl& control = panel->control(index);
            runHandler([&] { used = control.perform(message::dialogChar, character, 0); });
            if (used)
                return true;
        }
    }
    return false;
}

long long Form::handleMessage(unsigned message, unsigned long long wParam, long long lParam)
{
    HWND window = window_.get();
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
        return 1;
    }
    case WM_KEYDOWN: {
        // Keys sent to the form itself (no child has the focus); children's keys are previewed
        // by the message loop.
        int key = static_cast<int>(wParam);
        previewKey(key);
        if (key == 0)
            return 0;
        break;
    }
    case WM_CLOSE:
        if (onClose)
            runHandler(onClose);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace fw
