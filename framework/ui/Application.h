#pragma once
// The application object: one per process, owns the main form, runs the message loop on the GUI
// thread and shows errors that escape a handler (the default error display).
//
// Every window procedure and callback of the framework catches what its handler throws and passes
// it to showException(), so exceptions never cross into Windows; the program keeps running.

#include "framework/ui/HoverTracker.h"

#include <exception>
#include <memory>
#include <string>

struct tagMSG;  // MSG of <windows.h>

namespace fw {

class Form;

class Application {
public:
    static Application& instance();

    // Loads the process-wide number formatting from the user's locale and sets the default title.
    void initialize();

    // Takes ownership of the main form (the form whose end ends the program).
    void setMainForm(std::unique_ptr<Form> form);
    Form* mainForm() const { return mainForm_.get(); }

    // Shows the main form and runs the message loop until terminate(); then destroys the form.
    // Whenever the queue runs empty the loop calls idle(), then waits for the next message.
    int run();
    // Asks the message loop to stop after the current message.
    void terminate();
    bool isTerminated() const { return terminated_; }

    // Runs the messages that are waiting now, then returns.
    void processMessages();
    // What the loop does when its queue has run empty: tells window-less controls whether the
    // pointer entered or left them.
    void idle();
    HoverTracker& hoverTracker() { return hoverTracker_; }

    const std::string& title() const { return title_; }

    // The default error display: a modal message box captioned with the title, showing the
    // message with a final "." when its last character sorts after ".", an error icon and "OK".
    void showException(const std::exception& error);
    void showException(const std::string& message);

private:
    Application() = default;

    // Key previews and typed characters go to the forms before the focused window sees them.
    void dispatch(const tagMSG& message);

    std::unique_ptr<Form> mainForm_;
    HoverTracker hoverTracker_;
    std::string title_;
    bool terminated_ = false;
};

// Catches everything a handler throws and hands it to the default error display.
template <typename Function>
void runHandler(Function&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        Application::instance().showException(error);
    } catch (...) {
        Application::instance().showException("Unknown error");
    }
}

}  // namespace fw
