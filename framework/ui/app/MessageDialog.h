#pragma once
// Modal message dialogs. The caption comes from the type ("Information", "Error"), with the type's
// icon and a single "OK" button; the dialog is centred on the screen. A top-most window of ours
// would hide it, so every top-most form gives up its place while the dialog is open and takes it
// back afterwards.

#include <string>

namespace fw {

enum class DialogType { Information, Error };

void showMessageDialog(const std::string& text, DialogType type);

// Used by the default error display too: a message box owned by the active form, centred on the
// screen, with the top-most forms stepped back while it is open. `style` takes MB_* flags.
int showCenteredMessageBox(const std::string& text, const std::string& caption, unsigned style);

}  // namespace fw
