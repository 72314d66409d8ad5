#include "framework/ui/app/Application.h"

#include "framework/ui/app/ApplicationText.h"
#include "framework/core/FormatSettings.h"
#include "framework/ui/accessibility/Accessibility.h"
#include "framework/ui/app/MessageDialog.h"
#include "framework/ui/controls/InputRouter.h"
#include "framework/core/RunHandler.h"
#include "framework/ui/windows/Form.h"

#include <windows.h>

namespace fw {
namespace {

std::string localeText(LCTYPE item, const std::string& fallback)
{
    char buffer[80];
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer, sizeof buffer);
    return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : fallback;
}

char localeCharacter(LCTYPE item, char fallback)
{
    const std::string text = localeText(item, std::string(1, fallback));
    return text.empty() ? fallback : text[0];
}

}  // namespace

Application& Application::instance()
{
    static Application application;
    return application;
}

Application::Application()
{
    setErrorDisplay([](const std::string& message) { Application::instance().showException(message); });
}

void Application::initialize()
{
    FormatSettings& settings = formatSettings();
    settings.decimalSeparator = localeCharacter(LOCALE_SDECIMAL, '.');
    settings.thousandSeparator = localeCharacter(LOCALE_STHOUSAND, ',');
    settings.dateSeparator = localeCharacter(LOCALE_SDATE, '/');
    settings.shortDateFormat = localeText(LOCALE_SSHORTDATE, "M/d/yyyy");

    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    title_ = applicationTitleFromPath(std::string(path, length));
    enableAccessibility();
}

void Application::setMainForm(std::unique_ptr<Form> form)
{
    mainForm_ = std::move(form);
    if (mainForm_ && !mainForm_->onClose)
        mainForm_->onClose = [this] { terminate(); };
}

int Application::run()
{
    if (mainForm_ && !terminated_)
        runHandler([&] { mainForm_->show(); });
    MSG message;
    while (!terminated_) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                break;
            dispatch(message);
            continue;
        }
        idle();
        if (!terminated_)
            WaitMessage();
    }
    mainForm_.reset();
    return 0;
}

void Application::dispatch(const MSG& message)
{
    // Keys and typed characters of our forms go to the input router before anyone sees them, as
    // a dialog's go to IsDialogMessage: key preview, Tab, the focused control, accelerators, Enter.
    if (InputRouter::instance().keyboard().routeKey(message.hwnd, message.message, message.wParam, message.lParam))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Application::idle() { InputRouter::instance().pointer().updatePointerInside(); }

void Application::terminate()
{
    terminated_ = true;
    PostQuitMessage(0);
}

void Application::processMessages()
{
    MSG message;
    while (!terminated_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        dispatch(message);
    }
}

void Application::showException(const std::exception& error) { showException(std::string(error.what())); }

void Application::showException(const std::string& message)
{
    showCenteredMessageBox(errorDisplayText(message), title_, MB_OK | MB_ICONERROR);
}

}  // namespace fw
