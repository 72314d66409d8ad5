#pragma once
// One running copy of a program per session: a named mutex that the first copy creates and holds
// for as long as this object lives (in WinMain: the whole run). Copies started meanwhile find it
// there and are not the first. The name is in the session's namespace ("Local\..."), which an
// elevated copy shares with the user's other programs.

#include "framework/win32/Handles.h"

#include <string>

namespace fw {

class SingleInstance {
public:
    explicit SingleInstance(const std::string& name);

    // False when another copy holds the name. A mutex that cannot be made for another reason says
    // nothing about other copies: the copy then counts as the first rather than refuse to run.
    bool isFirst() const noexcept { return isFirst_; }

private:
    UniqueKernelHandle mutex_;
    bool isFirst_ = true;
};

}  // namespace fw
