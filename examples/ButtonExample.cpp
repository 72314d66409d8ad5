// A window with a few speed buttons: three sticky ones in a group (one of them is down at a time),
// one with an accelerator (type S, or Alt+S), one whose hot-track colour fades out slowly after
// the pointer leaves it, and one that drops a popup menu; and a check box, a control of this
// program's own (CheckBox.h), that Tab reaches and Space toggles. The title names the last command.

#include "CheckBox.h"

#include "buttons/LbSpeedButton.h"
#include "framework/ui/app/Application.h"
#include "framework/ui/app/PopupMenu.h"
#include "framework/ui/controls/Panel.h"
#include "framework/ui/windows/Form.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string title = "Velmora buttons";

class ExampleForm : public fw::Form {
public:
    ExampleForm() : fw::Form(createArgs()), panel_(handle(), fw::Rect{0, 0, 292, 118}, fw::clBtnFace, font(), this)
    {
        // A group: pressing one of these releases the one that was down.
        int left = 12;
        for (const char* caption : {"Left", "Centre", "Right"}) {
            lb::TLbSpeedButton& button = add(caption, {left, 12, 84, 25});
            button.setGroupIndex(1);
            button.setColorStyle(lb::lcsUltraFlatXP);
            left += 92;
        }
        buttons_.front()->setDown(true);

        // "&" marks the accelerator character: the caption shows an underlined S.
        lb::TLbSpeedButton& save = add("&Save", {12, 49, 84, 25});
        save.setColorStyle(lb::lcsGold);
        save.onClick = [this](fw::Component&) { setCaption(title + " - saved"); };

        lb::TLbSpeedButton& fade = add("Slow fade", {104, 49, 84, 25});
        fade.setColorStyle(lb::lcsUltraFlat2);
        fade.setSlowDecease(true);

        // A click drops the menu below the button; the face shows a drop-down arrow.
        menu_.add("&Open", [this](fw::Component&) { setCaption(title + " - open"); });
        menu_.add("-");
        menu_.add("&Quit", [](fw::Component&) { fw::Application::instance().terminate(); });
        lb::TLbSpeedButton& file = add("File", {196, 49, 84, 25});
        file.setColorStyle(lb::lcsBlue);
        file.setPopupMenu(&menu_);

        remember_.onClick = [this](fw::Component&) {
            setCaption(title + (remember_.isChecked() ? " - remembered" : " - forgotten"));
        };
    }

private:
    static CreateArgs createArgs()
    {
        CreateArgs args;
        args.className = "TButtonExample";
        args.caption = title;
        args.clientWidth = 292;
        args.clientHeight = 118;
        return args;
    }

    lb::TLbSpeedButton& add(const std::string& caption, fw::Rect bounds)
    {
        auto button = std::make_unique<lb::TLbSpeedButton>(this);
        button->setParent(&panel_);
        button->setBounds(bounds);
        button->setCaption(caption);
        button->setAlignment(lb::taCenter);
        buttons_.push_back(std::move(button));
        return *buttons_.back();
    }

    // Destroyed in reverse: the controls first, then the menu they name, then their panel.
    fw::Panel panel_;
    fw::TPopupMenu menu_{this};
    std::vector<std::unique_ptr<lb::TLbSpeedButton>> buttons_;
    CheckBox remember_{panel_, {12, 86, 160, 20}, "Remember the choice"};
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    fw::Application& application = fw::Application::instance();
    application.initialize();
    try {
        application.setMainForm(std::make_unique<ExampleForm>());
    } catch (const std::exception& error) {
        application.showException(error);
        return 1;
    }
    return application.run();
}
