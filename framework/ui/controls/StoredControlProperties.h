#pragma once
// StoredControlProperties: what a window-less control keeps for its window description and for
// others to read, without acting on it itself: hint, help, alignment, anchors, cursor and popup
// menu. The panel reads the cursor, assistive technology the hint, a button its popup menu; no
// layout follows from alignment and anchors. A base of GraphicControl.

#include <string>

namespace fw {

class TPopupMenu;

enum class Cursor { Default, HandPoint };
enum THelpType { htKeyword, htContext };
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
struct TAnchors {
    bool left = true;
    bool top = true;
    bool right = false;
    bool bottom = false;
    friend bool operator==(const TAnchors&, const TAnchors&) = default;
};

class StoredControlProperties {
public:
    Cursor cursor() const { return cursor_; }
    void setCursor(Cursor cursor) { cursor_ = cursor; }
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& hint) { hint_ = hint; }
    // Assigning showHint stops taking the parent's.
    bool showHint() const { return showHint_; }
    void setShowHint(bool showHint) { showHint_ = showHint; parentShowHint_ = false; }
    bool parentShowHint() const { return parentShowHint_; }
    void setParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }
    THelpType helpType() const { return helpType_; }
    void setHelpType(THelpType type) { helpType_ = type; }
    const std::string& helpKeyword() const { return helpKeyword_; }
    void setHelpKeyword(const std::string& keyword) { helpKeyword_ = keyword; }
    int helpContext() const { return helpContext_; }
    void setHelpContext(int context) { helpContext_ = context; }
    TAlign align() const { return align_; }
    void setAlign(TAlign align) { align_ = align; }
    TAnchors anchors() const { return anchors_; }
    void setAnchors(TAnchors anchors) { anchors_ = anchors; }
    TPopupMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }  // not owned

protected:
    StoredControlProperties() = default;
    ~StoredControlProperties() = default;

private:
    Cursor cursor_ = Cursor::Default;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    THelpType helpType_ = htContext;
    std::string helpKeyword_;
    int helpContext_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_;
    TPopupMenu* popupMenu_ = nullptr;
};

}  // namespace fw
