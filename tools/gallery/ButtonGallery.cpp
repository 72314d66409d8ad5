// The button gallery: a window that shows what the speed button can do. Every colour preset and
// every face style up, hot, down and disabled; a group of sticky buttons; a popup menu; an
// action's image; a transparent button over a pattern; glyph layouts and alignments; a wrapped
// caption; accelerator characters (type the underlined letter); hot-track colours that fade out
// slowly. The title bar names the last button clicked.

#include "buttons/LbSpeedButton.h"
#include "tools/common/DemoGlyph.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/ui/model/Action.h"
#include "framework/ui/app/Application.h"
#include "framework/ui/windows/Form.h"
#include "framework/ui/controls/ImageList.h"
#include "framework/ui/controls/Panel.h"
#include "framework/ui/app/PopupMenu.h"
#include "framework/ui/app/Timer.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using fw::TColor;
using namespace lb;

constexpr int buttonWidth = 100;
constexpr int buttonHeight = 24;
constexpr int gridLeft = 110;
constexpr int columnStep = 108;
constexpr int rowStep = 29;
constexpr int sideLeft = 565;
constexpr int sideWidth = 200;

// A caption on the panel, drawn in the panel's font on its background.
class Label : public fw::GraphicControl {
public:
    Label(fw::Panel& parent, fw::Rect bounds, const std::string& text) : GraphicControl(parent, bounds)
    {
        setCaption(text);
    }
    void paint(fw::Canvas& canvas) override
    {
        canvas.font().assign(font());
        canvas.font().setBold(true);
        canvas.brush().setStyle(fw::BrushStyle::Clear);
        fw::RectEdges area{0, 0, bounds().width, bounds().height};
        canvas.drawText(caption(), area, fw::text_format::noPrefix | fw::text_format::singleLine);
    }
};

// Diagonal stripes, for a transparent button to stand on.
class Pattern : public fw::GraphicControl {
public:
    Pattern(fw::Panel& parent, fw::Rect bounds) : GraphicControl(parent, bounds) {}
    void paint(fw::Canvas& canvas) override
    {
        const int width = bounds().width;
        const int height = bounds().height;
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; y += 2) {
                canvas.brush().setColor(((x + y) / 6) % 2 ? 0x00D09060 : 0x00F0E0C0);
                canvas.fillRect({x, y, x + 1, y + 2});
            }
    }
};

class GalleryForm : public fw::Form {
public:
    GalleryForm() : fw::Form(createArgs()), panel_(handle(), fw::Rect{0, 0, 780, 590}, fw::clBtnFace, font(), this)
    {
        setName("GalleryForm");
        addPresetGrid();
        addStyleGrid();
        addFadeRow();
        addSideColumn();
        // The hot column shows the look of a button under the pointer. Buttons take the hot look
        // only once their window is on screen, so they are told just after it has appeared.
        showHotLook_.onTimer = [this] {
            showHotLook_.setEnabled(false);
            for (TLbSpeedButton* button : hotButtons_)
                button->perform(fw::message::mouseEnter);
        };
        onShow = [this] { showHotLook_.setEnabled(true); };
    }

private:
    static CreateArgs createArgs()
    {
        CreateArgs args;
        args.className = "TButtonGallery";
        args.caption = "Button gallery";
        args.clientWidth = 780;
        args.clientHeight = 590;
        return args;
    }

    TLbSpeedButton& add(const std::string& caption, fw::Rect bounds)
    {
        auto button = std::make_unique<TLbSpeedButton>(this);
        button->setParent(&panel_);
        button->setBounds(bounds);
        button->setCaption(caption);
        button->setAlignment(taCenter);
        button->setCursor(fw::Cursor::HandPoint);
        button->onClick = [this, caption](fw::Component&) { setCaption("Button gallery - clicked: " + caption); };
        buttons_.push_back(std::move(button));
        return *buttons_.back();
    }

    void label(const std::string& text, fw::Rect bounds)
    {
        labels_.push_back(std::make_unique<Label>(panel_, bounds, text));
    }

    // One row of four: up, hot (as if the pointer were inside), down, disabled.
    void addStateRow(int top, const std::string& caption, const std::function<void(TLbSpeedButton&)>& setUp)
    {
        for (int state = 0; state < 4; ++state) {
            TLbSpeedButton& button = add(caption, {gridLeft + state * columnStep, top, buttonWidth, buttonHeight});
            setUp(button);
            if (state == 1)
                hotButtons_.push_back(&button);
            if (state == 2)
                button.setDown(true);
            if (state == 3)
                button.setEnabled(false);
        }
    }

    void addStateHeader(int top)
    {
        const char* const states[] = {"up", "hot", "down", "disabled"};
        for (int state = 0; state < 4; ++state)
            label(states[state], {gridLeft + state * columnStep + 35, top, 70, 16});
    }

    void addPresetGrid()
    {
        const char* const names[] = {"lcsGold",  "lcsChrome", "lcsBlue",    "lcsRed",     "lcsUltraFlat1",
                                     "lcsUltraFlat2", "lcsUltraFlatXP", "lcsAqua", "lcsDefault", "lcsQuicken"};
        label("Colour presets", {10, 8, 100, 16});
        addStateHeader(8);
        for (int preset = lcsGold; preset <= lcsQuicken; ++preset) {
            const int top = 28 + (preset - lcsGold) * rowStep;
            label(names[preset - lcsGold], {10, top + 5, 100, 16});
            addStateRow(top, "&Preset", [preset](TLbSpeedButton& button) {
                button.setColorStyle(static_cast<TLbColorStyle>(preset));
            });
        }
    }

    void addStyleGrid()
    {
        const char* const names[] = {"bsNormal", "bsEncarta", "bsModern", "bsOld", "bsShape", "bsQuicken"};
        const int first = 28 + 10 * rowStep + 20;
        label("Face styles", {10, first - 20, 100, 16});
        for (int style = bsNormal; style <= bsQuicken; ++style) {
            const int top = first + style * rowStep;
            label(names[style], {10, top + 5, 100, 16});
            addStateRow(top, "Style", [style](TLbSpeedButton& button) {
                button.setColorStyle(lcsChrome);
                button.setStyle(static_cast<TLbSpeedButtonStyle>(style));
            });
        }
    }

    // Hot-track colours that fade out slowly after the pointer leaves, beside quick ones.
    void addFadeRow()
    {
        const int top = 28 + 10 * rowStep + 20 + 6 * rowStep + 4;
        label("Slow fade", {10, top + 5, 100, 16});
        const TLbColorStyle presets[] = {lcsUltraFlat2, lcsQuicken, lcsUltraFlat1, lcsUltraFlatXP};
        for (int index = 0; index < 4; ++index) {
            TLbSpeedButton& button = add(index % 2 ? "Quick" : "SlowDecease",
                                         {gridLeft + index * columnStep, top, buttonWidth, buttonHeight});
            button.setColorStyle(presets[index / 2 * 2]);
            button.setSlowDecease(index % 2 == 0);
        }
    }

    void addSideColumn()
    {
        int top = 8;
        label("Group, the last may go up", {sideLeft, top, sideWidth, 16});
        top += 20;
        for (const char* caption : {"Left", "Middle", "Right"}) {
            TLbSpeedButton& button = add(caption, {sideLeft + (caption[0] == 'L' ? 0 : caption[0] == 'M' ? 68 : 136),
                                                   top, 64, buttonHeight});
            button.setColorStyle(lcsUltraFlatXP);
            button.setGroupIndex(1);
            button.setAllowAllUp(caption[0] == 'R');
            button.setDown(caption[0] == 'L');
        }
        top += 34;

        label("Popup menu", {sideLeft, top, sideWidth, 16});
        top += 20;
        menu_.add("&Open", [this](fw::Component&) { setCaption("Button gallery - menu: Open"); });
        menu_.add("&Save", [this](fw::Component&) { setCaption("Button gallery - menu: Save"); });
        menu_.add("-");
        menu_.add("&Close", [](fw::Component&) { fw::Application::instance().terminate(); });
        TLbSpeedButton& menuButton = add("File", {sideLeft, top, sideWidth, buttonHeight});
        menuButton.setColorStyle(lcsBlue);
        menuButton.setPopupMenu(&menu_);
        top += 34;

        label("Action with an image", {sideLeft, top, sideWidth, 16});
        top += 20;
        fw::Bitmap image(16, 16);
        image.canvas().brush().setColor(fw::clWhite);
        image.canvas().fillRect({0, 0, 16, 16});
        image.canvas().brush().setColor(0x000080FF);
        image.canvas().pen().setColor(0x00004080);
        image.canvas().rectangle(2, 3, 14, 13);
        images_.add(image);
        actions_.setImages(&images_);
        actions_.add(refresh_);
        refresh_.setCaption("Refresh");
        refresh_.setImageIndex(0);
        refresh_.onExecute = [this](fw::Component&) { setCaption("Button gallery - action: Refresh"); };
        TLbSpeedButton& actionButton = add("", {sideLeft, top, sideWidth, buttonHeight});
        actionButton.setColorStyle(lcsAqua);
        actionButton.setAction(&refresh_);
        top += 34;

        label("Transparent over a pattern", {sideLeft, top, sideWidth, 16});
        top += 20;
        patterns_.push_back(std::make_unique<Pattern>(panel_, fw::Rect{sideLeft, top, sideWidth, 36}));
        TLbSpeedButton& transparent = add("Transparent", {sideLeft + 20, top + 6, sideWidth - 40, buttonHeight});
        transparent.setStyle(bsOld);
        transparent.setTransparent(true);
        top += 46;

        label("Glyph layouts", {sideLeft, top, sideWidth, 16});
        top += 20;
        const char* const layouts[] = {"Left", "Right", "Top", "Bottom"};
        for (int layout = blGlyphLeft; layout <= blGlyphBottom; ++layout) {
            const bool tall = layout >= blGlyphTop;
            fw::Rect bounds{sideLeft + (layout % 2) * 102, top + (tall ? 28 : 0), 98, tall ? 44 : buttonHeight};
            TLbSpeedButton& button = add(layouts[layout], bounds);
            tools::drawDemoGlyph(button.Glyph());
            button.setNumGlyphs(4);
            button.setLayout(static_cast<TLbSpeedButtonLayout>(layout));
            button.setColorStyle(lcsDefault);
        }
        top += 80;

        label("Alignments", {sideLeft, top, sideWidth, 16});
        top += 20;
        const char* const alignments[] = {"Left justified", "Right justified", "Centred"};
        for (int alignment = taLeftJustify; alignment <= taCenter; ++alignment) {
            TLbSpeedButton& button = add(alignments[alignment], {sideLeft, top, sideWidth, buttonHeight});
            tools::drawDemoGlyph(button.Glyph());
            button.setNumGlyphs(4);
            button.setAlignment(static_cast<TLbAlignment>(alignment));
            button.setColorStyle(lcsGold);
            top += 28;
        }
        top += 6;

        label("Word wrap, accelerators", {sideLeft, top, sideWidth, 16});
        top += 20;
        TLbSpeedButton& wrapped = add("A caption long enough to need two lines", {sideLeft, top, sideWidth, 36});
        wrapped.setWordWrap(true);
        wrapped.setColorStyle(lcsRed);
        top += 42;
        TLbSpeedButton& save = add("&Save", {sideLeft, top, 96, buttonHeight});
        save.setColorStyle(lcsChrome);
        TLbSpeedButton& chips = add("Fish && &Chips", {sideLeft + 104, top, 96, buttonHeight});
        chips.setColorStyle(lcsChrome);
    }

    fw::Panel panel_;
    fw::TPopupMenu menu_{this};
    fw::TImageList images_{this, 16, 16};
    fw::TActionList actions_{this};
    fw::TCustomAction refresh_{this};
    std::vector<std::unique_ptr<Label>> labels_;
    std::vector<std::unique_ptr<Pattern>> patterns_;
    std::vector<std::unique_ptr<TLbSpeedButton>> buttons_;
    std::vector<TLbSpeedButton*> hotButtons_;  // not owned
    fw::Timer showHotLook_{10};
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    fw::Application& application = fw::Application::instance();
    application.initialize();
    try {
        application.setMainForm(std::make_unique<GalleryForm>());
    } catch (const std::exception& error) {
        application.showException(error);
        return 1;
    }
    return application.run();
}
