#pragma once
// Waiting inside a handler on the GUI thread without the window going blank or looking hung: for
// the duration the thread's messages are dispatched as the message loop would (painting, what
// screen readers and other processes send or post, COM's calls), except keyboard and mouse input
// to its windows, which is dropped. The handler has not finished: a click or key meant to start
// it again, or to close the window under it, must do nothing, then or later. A quit message that
// arrives meanwhile is posted again for the loop. On a thread without windows this is a sleep.

#include <chrono>

namespace fw {

void waitIgnoringInput(std::chrono::milliseconds duration);

}  // namespace fw
