#pragma once
// Reading a stored window description into components.
//
// readDescription() reads `text` into the existing `root` (its class must be the description's
// root class): the root's own properties, then its children, made through the registry and
// adopted by the root. Every component is in the loading state while it is read, and all of them
// leave it together at the end. On any error the children made so far are freed and a
// DescriptionError names the line, the property and what was wrong.
//
// Plain C++, no Win32.

#include "framework/ui/description/WindowDescription.h"
#include "framework/ui/description/HandlerRegistry.h"
#include "framework/ui/description/PropertyTable.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

// What a reader needs besides the text: the classes and the handlers; it also collects the
// references to other components, which can only be set once all of them exist.
class ReadContext {
public:
    ReadContext(const ClassRegistry& classes, const HandlerRegistry& handlers) : classes_(classes), handlers_(handlers) {}

    const ClassRegistry& classes() const { return classes_; }
    const HandlerRegistry& handlers() const { return handlers_; }

    // A reference to another component, set once every component of the description exists.
    void addFixup(std::string componentName, std::function<void(Component*)> apply)
    {
        fixups_.push_back(Fixup{std::move(componentName), std::move(apply), 0, {}});
    }

private:
    friend class DescriptionReader;
    struct Fixup {
        std::string componentName;
        std::function<void(Component*)> apply;
        int line = 0;
        std::string propertyName;
    };
    const ClassRegistry& classes_;
    const HandlerRegistry& handlers_;
    std::vector<Fixup> fixups_;
};

void readDescription(Component& root, std::string_view text, ReadContext& context);

}  // namespace fw
