#pragma once
// The updater window, TForm1, and its handlers. The window owns its panel, report box, the two
// buttons and the start-up timer (members, destroyed before the window).
//
// Start-up: the constructor builds the window and runs FormCreate; Application::run shows it
// (FormShow, which arms the timer); one second later Timer1Timer runs the installation check once.
// A click on the enabled update button runs Button2Click; Escape, "Inchide" and the close box end
// the program.

#include "buttons/LbSpeedButton.h"
#include "framework/ui/Form.h"
#include "framework/ui/Memo.h"
#include "framework/ui/Panel.h"
#include "framework/ui/Timer.h"
#include "framework/win32/Handles.h"
#include "updater/logic/VersionNumber.h"

#include <string>

namespace velmora {

// The version of the carried executable; the build sets both together.
inline constexpr VersionNumber builtInVersion = VersionNumber::fromScaled(VELMORA_VERSION_SCALED);

class TForm1 : public fw::Form {
public:
    // Reads and writes the installed version record under `recordKeyPath` (tests use their own).
    explicit TForm1(const std::string& recordKeyPath);

    const std::string& installationFolder() const { return installationFolder_; }

    // Handlers, in the order a run meets them.
    void FormCreate();
    void FormShow();
    void FormKeyDown(int& key);
    void Timer1Timer();
    void Button2Click();
    void Button1Click();

private:
    static Form::CreateArgs createArgs();
    void setUpButton(lb::TLbSpeedButton& button, const std::string& name, fw::Rect bounds,
                     const std::string& caption);

    std::string recordKeyPath_;
    std::string installationFolder_;  // set by the installation check from CALE, read by the update

public:
    // Children, named as in the window description; constructed after the window exists.
    fw::Panel Panel1;
    fw::Memo Memo1;
    lb::TLbSpeedButton Button2;         // the update button
    lb::TLbSpeedButton LbSpeedButton1;  // the close button
    fw::Timer Timer1;
};

}  // namespace velmora
