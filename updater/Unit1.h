#pragma once
// The updater window, TForm1, and its handlers. The window is built from its window description
// (resources/Form1.layout, carried in the executable): the panel, the report box, the two buttons
// and the start-up timer are made and owned by the form, and the handlers are connected by name.
//
// Start-up: the constructor reads the description, which ends with FormCreate; Application::run
// shows the window (FormShow, which arms the timer); one second later Timer1Timer runs the
// installation check once.
// A click on the enabled update button runs Button2Click; Escape, "Inchide" and the close box end
// the program.

#include "buttons/LbSpeedButton.h"
#include "framework/ui/windows/Form.h"
#include "framework/ui/controls/Memo.h"
#include "framework/ui/controls/Panel.h"
#include "framework/ui/description/PublishedProperties.h"
#include "framework/ui/app/Timer.h"
#include "updater/logic/VersionNumber.h"

#include <string>
#include <string_view>

namespace velmora {

// The version of the carried executable; the build sets both together.
inline constexpr VersionNumber builtInVersion = VersionNumber::fromScaled(VELMORA_VERSION_SCALED);

class TForm1 : public fw::Form {
public:
    // Reads and writes the installed version record under `recordKeyPath` (tests use their own).
    // Builds the window from the description carried in the executable, or from `description`.
    // Raises fw::Error naming the line and the fault when the description cannot be read.
    explicit TForm1(const std::string& recordKeyPath);
    TForm1(const std::string& recordKeyPath, std::string_view description);

    // The classes a description of this window may name, TForm1 itself included.
    static const fw::ClassRegistry& classes();

    const std::string& installationFolder() const { return installationFolder_; }

    // Handlers, in the order a run meets them.
    void FormCreate();
    void FormShow();
    void FormKeyDown(int& key);
    void Timer1Timer();
    void Button2Click();
    void Button1Click();

    // Children, named as in the window description; owned by the form.
    fw::Panel* Panel1 = nullptr;
    fw::Memo* Memo1 = nullptr;
    lb::TLbSpeedButton* Button2 = nullptr;         // the update button
    lb::TLbSpeedButton* LbSpeedButton1 = nullptr;  // the close button
    fw::Timer* Timer1 = nullptr;

private:
    template <typename T>
    T* child(const std::string& name) const;

    std::string recordKeyPath_;
    std::string installationFolder_;  // set by the installation check from CALE, read by the update
};

}  // namespace velmora
