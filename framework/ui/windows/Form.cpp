#include "framework/ui/windows/Form.h"

#include "framework/core/Error.h"
#include "framework/core/RunHandler.h"
#include "framework/graphics/ContrastTheme.h"
#include "framework/graphics/SystemColors.h"
#include "framework/ui/controls/DpiScaledChild.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/InputRouter.h"
#include "framework/win32/DisplayDpi.h"
#include "framework/win32/Win32Error.h"
#include "framework/win32/WindowProcedure.h"

#include <algorithm>

namespace fw {
namespace {

// Sent from Windows 10 (1703); the headers declare it only for programs that need that version.
constexpr UINT getDpiScaledSizeMessage = 0x02E4;  // WM_GETDPISCALEDSIZE

std::vector<Form*>& forms()
{
    static std::vector<Form*> list;
    return list;
}

// Every child window that scales itself, at any depth. Collected first: a child's rescaling may
// run code that adds or removes windows.
std::vector<DpiScaledChild*> scaledChildrenOf(HWND window)
{
    std::vector<HWND> children;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    std::vector<DpiScaledChild*> scaled;
    for (HWND child : children)
        if (auto* found = static_cast<DpiScaledChild*>(GetPropA(child, DpiScaledChild::propertyName)))
            scaled.push_back(found);
    return scaled;
}

}  // namespace

Form::Form(const CreateArgs& args)
    : background_(args.color),
      placement_(*this, {args.borderStyle, args.borderIcons, args.position, args.isTopMost ? fsStayOnTop : fsNormal,
                         args.clientWidth, args.clientHeight}),
      layering_(*this), keyPreview_(args.keyPreview)
{
    registerWindowClass(args.className, windowProcedureOf<Form>, 0, nullptr);
    // The system's DPI until the window exists and can say which monitor's it has.
    dpi_ = native::screenDpi();
    font_.setName(args.fontName);
    font_.setHeight(args.fontHeight);
    font_.setDpi(dpi_);

    const FormPlacement::Frame frame = placement_.frame();
    HWND window = CreateWindowExA(frame.extendedStyle, args.className.c_str(), args.caption.c_str(), frame.style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, frame.width, frame.height, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), this);
    if (!window)
        throw Win32Error("CreateWindowExA", GetLastError());
    window_.reset(window);
    native::recordLayoutDpi(window, dpi_);
    placement_.windowCreated();
    // The window keeps the font's handle: the font changes only through setters that re-send it.
    font_.setOnChange([this] { SendMessageA(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE); });
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
    if (args.transparentColorKey != clNone)
        layering_.startSeeThrough(args.transparentColorKey);
    if (!args.iconResource.empty())
        setIcon(args.iconResource);
    forms().push_back(this);
    InputRouter::instance().keyboard().addForm(window, [this](int& key) {
        if (keyPreview_ && onKeyDown)
            onKeyDown(key);
    });
    // Made on a monitor whose DPI is not the system's (Windows 10 and later, several monitors).
    const int windowDpi = native::systemDpiOfWindow(window);
    if (windowDpi != dpi_)
        changeDpi(windowDpi, std::nullopt);
}

void Form::changeDpi(int dpi, std::optional<Rect> suggestedPlace)
{
    placement_.keepClientSize();  // as designed, read at the DPI it was laid out for
    dpi_ = dpi;
    native::recordLayoutDpi(window_.get(), dpi);
    font_.setDpi(dpi);
    if (suggestedPlace)
        placement_.takeSuggestedPlace(*suggestedPlace);
    else
        placement_.apply();
    for (DpiScaledChild* child : scaledChildrenOf(window_.get()))
        child->setDpi(dpi);
    InvalidateRect(window_.get(), nullptr, TRUE);
}

void Form::followSystemColors()
{
    ContrastTheme::refresh();
    RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

native::BrushHandle Form::backgroundBrush() const
{
    const bool isSeeThrough =
        transparentColor() && colorToRgb(transparentColorValue()) == colorToRgb(background_.color());
    return background_.handle(isSeeThrough ? ContrastBackground::None : ContrastBackground::ButtonFace);
}

void Form::setColor(TColor color)
{
    background_.setColor(color);
    InvalidateRect(window_.get(), nullptr, TRUE);
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

void Form::loaded()
{
    Component::loaded();
    placement_.apply();
    layering_.apply();
    if (onCreate)
        onCreate();
}

Form::~Form()
{
    // First, so that the focus is not passed from control to control as they go.
    InputRouter::instance().keyboard().removeForm(window_.get());
    // Components read from a description hold windows inside ours: they go first.
    freeAdopted();
    auto& list = forms();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    // Stop routing messages to this object before the window goes away.
    if (window_) {
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
        native::forgetLayoutDpi(window_.get());
    }
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
        placement_.placeAsPositioned();
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

GraphicControl* Form::defaultControl() const { return InputRouter::instance().keyboard().defaultControl(window_.get()); }

void Form::setDefaultControl(GraphicControl* control)
{
    InputRouter::instance().keyboard().setDefaultControl(window_.get(), control);
}

long long Form::handleMessage(unsigned message, unsigned long long wParam, long long lParam)
{
    HWND window = window_.get();
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush());
        return 1;
    }
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        followSystemColors();
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST)
            followSystemColors();
        break;
    case WM_ACTIVATE:
        // As a dialog does: the focus goes back where it was when the form was last active.
        // Otherwise the system gives it to the form itself.
        if (LOWORD(wParam) == WA_INACTIVE)
            InputRouter::instance().keyboard().formDeactivated(window);
        else if (!HIWORD(wParam) && InputRouter::instance().keyboard().formActivated(window))
            return 0;
        break;
    case WM_UPDATEUISTATE:
        // Windows shows or hides the keyboard cues (the user pressed Alt, or asked for them).
        InputRouter::instance().keyboard().formCuesChanged(window, wParam);
        break;
    case WM_CLOSE:
        if (onClose)
            runHandler(onClose);
        return 0;
    case getDpiScaledSizeMessage: {
        // Asked before a move to a display of another DPI (Windows 10 1703 and later): the size
        // there is the design's, so that the suggested rectangle that follows fits it exactly.
        placement_.keepClientSize();
        const FormPlacement::Frame frame = placement_.frameForDpi(static_cast<int>(wParam));
        auto* size = reinterpret_cast<SIZE*>(lParam);
        size->cx = frame.width;
        size->cy = frame.height;
        return TRUE;
    }
    case WM_DPICHANGED: {
        // Both halves of wParam hold the new DPI; lParam is the window rectangle the system
        // suggests there, which keeps the window under the pointer that dragged it.
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        runHandler([&] {
            changeDpi(HIWORD(wParam), Rect{suggested.left, suggested.top, suggested.right - suggested.left,
                                           suggested.bottom - suggested.top});
        });
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace fw
