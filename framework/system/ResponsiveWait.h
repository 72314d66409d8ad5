#pragma once
// Waiting on the GUI thread without the window going blank or looking hung: for the duration, the
// thread's windows are repainted whenever the system asks, and messages that other threads and
// processes send them (screen readers, the shell's "is it hung?" probe) are answered. Keyboard and
// mouse input to them is dropped: the wait is inside a handler that has not finished, and a click
// or key meant to start it again, or to close the window under it, must do nothing. Other posted
// messages stay queued for the message loop. On a thread without windows this is a plain sleep.

#include <chrono>

namespace fw {

void waitRespondingToPaint(std::chrono::milliseconds duration);

}  // namespace fw
