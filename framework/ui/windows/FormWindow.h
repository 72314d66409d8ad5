#pragma once
// FormWindow: what a form's placement and layering (FormPlacement, FormLayering), which the form
// owns, read of the form: its window, its DPI and whether it is being read from a description. A
// header of its own, so that they need not include the form that includes them.

#include "framework/win32/NativeTypes.h"

namespace fw {

class FormWindow {
public:
    virtual native::WindowHandle handle() const = 0;
    virtual int dpi() const = 0;
    virtual bool isLoading() const = 0;

protected:
    ~FormWindow() = default;
};

}  // namespace fw
