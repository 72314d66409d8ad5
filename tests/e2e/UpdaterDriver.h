#pragma once
// UpdaterDriver: runs UpVelmora.exe in its own process and works it from outside as a user would:
// reads the window title and the report box, moves the real pointer and clicks, types keys, reads
// and answers the modal dialogs. Every wait has a deadline, so a hang fails the test instead of
// blocking it. The process is ended on every path.

#include "framework/win32/Handles.h"

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

struct DialogContents {
    std::string caption;
    std::string text;
    int centerX = 0;  // screen coordinates of the dialog's centre
    int centerY = 0;
};

class UpdaterDriver {
public:
    struct StartArgs {
        std::string currentFolder;  // empty: this process's current folder
    };

    explicit UpdaterDriver(const std::string& executable) : UpdaterDriver(executable, StartArgs{}) {}
    UpdaterDriver(const std::string& executable, const StartArgs& args);
    ~UpdaterDriver();  // kills the process if it still runs
    UpdaterDriver(const UpdaterDriver&) = delete;
    UpdaterDriver& operator=(const UpdaterDriver&) = delete;

    // Waits for the updater window; false if it did not appear in time.
    bool waitForWindow(std::chrono::milliseconds timeout = 15s);
    fw::native::WindowHandle window() const { return window_; }
    std::string title() const;
    bool isTopMost() const;
    bool waitForTopMost(bool expected, std::chrono::milliseconds timeout = 5s) const;

    // The report box's lines, and a wait until it holds at least `count` lines.
    std::vector<std::string> reportLines() const;
    bool waitForReportLines(std::size_t count, std::chrono::milliseconds timeout = 10s) const;
    // Whether the report box shows its last line of text (it has scrolled far enough).
    bool isNewestReportLineVisible() const;

    // Clicks with the left button at a point of the panel (its client coordinates).
    void clickPanelAt(int x, int y);
    // The real pointer over a point of the panel, and the left button pressed or released there.
    void movePointerToPanel(int x, int y);
    void pressLeftButton();
    void releaseLeftButton();
    // A pixel of the screen at a point of the panel, as other programs see it.
    unsigned long panelPixelOnScreen(int x, int y) const;
    void clickUpdateButton() { clickPanelAt(16 + 201 / 2, 120 + 31 / 2); }
    void clickCloseButton() { clickPanelAt(300 + 108 / 2, 120 + 31 / 2); }
    void pressKey(unsigned short virtualKey);
    // Keys from the X server's own keyboard (xdotool through XTEST), as a person types them: the
    // key events reach Wine from X, auto-repeat included. `actions` are xdotool's, e.g.
    // "key Return" or "keydown Return". Goes over the updater's window first, as pressKey does.
    // False when xdotool could not be run (not under Wine, or not installed).
    bool typeOnXKeyboard(const std::string& actions);
    // Waits until the dialog that is open now is destroyed.
    bool waitForDialogGone(std::chrono::milliseconds timeout = 10s);
    void closeWithCloseBox();

    // A modal dialog (or message box) of the updater: waits for it and reads it.
    bool waitForDialog(DialogContents& contents, std::chrono::milliseconds timeout = 10s);
    bool isDialogOpen() const;
    // Clicks the dialog's OK button and waits until the dialog is destroyed.
    bool clickDialogOk(std::chrono::milliseconds timeout = 10s);

    // When VELMORA_SCREENSHOT_DIR names a folder, saves the screen there as <name>.bmp (the demo
    // walk-through uses this); otherwise does nothing.
    void saveScreenshot(const std::string& name) const;

    // Waits for the process to end; false if it is still running after `timeout`.
    bool waitForExit(std::chrono::milliseconds timeout = 10s);

private:
    fw::native::WindowHandle findDialog() const;
    fw::native::WindowHandle panel() const;
    void clickScreenAt(int x, int y);

    fw::UniqueKernelHandle process_;
    unsigned long processId_ = 0;
    fw::native::WindowHandle window_ = nullptr;  // not owned: the updater's
};

}  // namespace e2e
