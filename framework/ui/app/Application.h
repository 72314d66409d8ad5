#pragma once
// The application object: one per process, owns the main form, runs the message loop on the GUI
// thread and shows errors that escape a handler (the default error display).
//
// Every window procedure and callback of the framework catches what its handler throws
// (runHandler, core/RunHandler.h); the application installs showException() as the display of
// those errors, so exceptions never cross into Windows and the program keeps running.
// It also installs what the layers below leave to it: the main form's close box ends the program,
// and panels made after initialize() are seen by assistive technology.

#include <exception>
#include <memory>
#include <string>

struct tagMSG;  // MSG of <windows.h>

namespace fw {

class Form;

class Application {
public:
    static Application& instance();

    // Loads the process-wide number formatting from the user's locale, sets the default title and
    // makes the panels made from now on accessible to assistive technology.
    void initialize();

    // Takes ownership of the main form (the form whose end ends the program): unless the form
    // has a close handler of its own, its close box ends the program.
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

    const std::string& title() const { return title_; }

    // The default error display: a modal message box captioned with the title, showing the
    // message with a final "." when its last character sorts after ".", an error icon and "OK".
    void showException(const std::exception& error);
    void showException(const std::string& message);

private:
    Application();

    // Keys go to the input router before the focused window sees them; the rest is dispatched.
    void dispatch(const tagMSG& message);

    std::unique_ptr<Form> mainForm_;
    std::string title_;
    bool terminated_ = false;
};

}  // namespace fw
