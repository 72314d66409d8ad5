// What runs when an exception leaves the program uncaught. That is a fault: the application
// catches what every handler throws and shows it in a message box. The runtime's own handler
// writes the exception's demangled type to a standard error stream, which a window program does
// not have, and brings the name demangler (about 45 KB) into the executable. Defined here, this
// one takes its place: it tells a debugger what was thrown and ends the program as the runtime's
// handler does.

#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    std::string report = "UpVelmora ends: ";
    if (const std::exception_ptr thrown = std::current_exception()) {
        try {
            std::rethrow_exception(thrown);
        } catch (const std::exception& error) {
            report += std::string("uncaught exception: ") + error.what();
        } catch (...) {
            report += "uncaught exception of a type not derived from std::exception";
        }
    } else {
        report += "terminate called without an exception";
    }
    OutputDebugStringA(report.c_str());
    std::abort();
}

}  // namespace __gnu_cxx
