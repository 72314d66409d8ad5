#pragma once
// runHandler: the one place where what a handler throws stops. Every window procedure, timer,
// idle step and hand-off of the framework runs user code through it, so exceptions never cross
// into Windows; the program keeps running and the error goes to the error display.
//
// The error display is installed by the application (the default error display: a modal message
// box); until one is installed, errors are written to standard error.

#include <exception>
#include <string>

namespace fw {

using ErrorDisplay = void (*)(const std::string& message);

// Installs the display for errors that escape a handler; null restores writing to standard error.
void setErrorDisplay(ErrorDisplay display);
void showHandlerError(const std::string& message);

template <typename Function>
void runHandler(Function&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        showHandlerError(error.what());
    } catch (...) {
        showHandlerError("Unknown error");
    }
}

}  // namespace fw
