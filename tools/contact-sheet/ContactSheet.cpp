// Paints every face style with every colour preset, in the states up, hot, down and disabled,
// without and with a glyph (the glyph faces also carry the drop-down arrow), into one BMP file,
// so that a person can look at all faces at once; with a DPI, the faces as a screen of that DPI
// shows them (the labels stay as they are).
//
//   contact_sheet [output.bmp [dpi]]      (default: contact-sheet.bmp in the current folder, 96)

#include "buttons/LbButtons.h"
#include "tools/common/DemoGlyph.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

namespace {

using fw::TColor;
using namespace lb;

// The faces' DPI and the sizes that follow from it.
struct FaceSize {
    explicit FaceSize(int dpi) : dpi(dpi), width(fw::scaleForDpi(100, dpi)), height(fw::scaleForDpi(25, dpi)) {}
    int dpi;
    int width;
    int height;
    int cellWidth() const { return width + 10; }
    int cellHeight() const { return height + 8; }
};
constexpr int labelWidth = 170;
constexpr int headerHeight = 24;
constexpr TColor sheetColor = 0x00E8E8E8;

const char* const styleNames[] = {"bsNormal", "bsEncarta", "bsModern", "bsOld", "bsShape", "bsQuicken"};
const char* const presetNames[] = {"lcsCustom",     "lcsGold",       "lcsChrome",      "lcsBlue",
                                   "lcsRed",        "lcsUltraFlat1", "lcsUltraFlat2",  "lcsUltraFlatXP",
                                   "lcsAqua",       "lcsDefault",    "lcsQuicken"};
// The states of a face, one column each, in the order of stateNames.
enum class FaceState { Up, Hot, Down, Disabled };
const char* const stateNames[] = {"up", "hot", "down", "disabled"};

std::unique_ptr<fw::Bitmap> makeGlyph()
{
    auto glyph = std::make_unique<fw::Bitmap>();
    tools::drawDemoGlyph(*glyph);
    return glyph;
}

void paintFace(fw::Canvas& sheet, int x, int y, const FaceSize& size, TLbSpeedButtonStyle style,
               TLbColorStyle preset, FaceState state, const fw::Bitmap* glyph)
{
    LbFaceInputs in;
    in.width = size.width;
    in.height = size.height;
    in.dpi = size.dpi;
    in.style = style;
    in.color = fw::clBtnFace;  // what a new button on a dialog shows
    in.lightColor = fw::clWhite;
    in.shadowColor = fw::clBlack;
    TColor captionColor = fw::clBlack;
    bool flat = false, modern = false, quicken = false;
    LbColorStylePreset(preset, in.color, in.lightColor, in.shadowColor, in.colorWhenDown, in.hotTrackColor,
                       captionColor, flat, modern, quicken);
    in.flat = flat;
    fw::Font font;
    font.setColor(captionColor);
    font.setHeight(fw::scaleForDpi(font.height(), size.dpi));
    in.font = &font;
    in.caption = "&Actualizare";
    in.alignment = taCenter;
    in.pointerInside = state == FaceState::Hot;
    in.fadeLevel = state == FaceState::Hot ? 8 : 0;
    in.down = state == FaceState::Down;
    in.enabled = state != FaceState::Disabled;
    if (glyph != nullptr) {
        in.glyph = glyph;
        in.numGlyphs = 4;
        in.hasPopupMenu = true;
    }

    fw::Bitmap face(size.width, size.height);
    LbPrepareFaceBitmap(face, in);
    LbPaintFace(face.canvas(), in);
    sheet.draw(x, y, face);
}

void label(fw::Canvas& canvas, const std::string& text, fw::RectEdges area, unsigned format)
{
    canvas.drawText(text, area, format | fw::text_format::singleLine | fw::text_format::verticalCenter |
                                    fw::text_format::noPrefix);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const std::string output = argc > 1 ? argv[1] : "contact-sheet.bmp";
        const FaceSize size(argc > 2 ? std::max(std::atoi(argv[2]), 1) : fw::designDpi);
        const int cellWidth = size.cellWidth();
        const int cellHeight = size.cellHeight();
        const int columns = 8;
        const int rows = 6 * 11;
        fw::Bitmap sheet(labelWidth + columns * cellWidth, headerHeight + rows * cellHeight);
        fw::Canvas& canvas = sheet.canvas();
        canvas.brush().setColor(sheetColor);
        canvas.fillRect({0, 0, sheet.width(), sheet.height()});
        canvas.brush().setStyle(fw::BrushStyle::Clear);
        canvas.font().setColor(fw::clBlack);

        for (int column = 0; column < columns; ++column) {
            const std::string title = std::string(stateNames[column % 4]) + (column >= 4 ? " + glyph" : "");
            const int left = labelWidth + column * cellWidth;
            label(canvas, title, {left, 0, left + cellWidth, headerHeight}, fw::text_format::center);
        }

        const auto glyph = makeGlyph();
        for (int style = 0; style < 6; ++style) {
            for (int preset = 0; preset < 11; ++preset) {
                const int top = headerHeight + (style * 11 + preset) * cellHeight;
                label(canvas, std::string(styleNames[style]) + " / " + presetNames[preset],
                      {6, top, labelWidth, top + cellHeight}, fw::text_format::left);
                for (int column = 0; column < columns; ++column)
                    paintFace(canvas, labelWidth + column * cellWidth + 5, top + 4, size,
                              static_cast<TLbSpeedButtonStyle>(style), static_cast<TLbColorStyle>(preset),
                              static_cast<FaceState>(column % 4), column >= 4 ? glyph.get() : nullptr);
            }
        }
        sheet.saveToFile(output);
        std::printf("%s: %d x %d\n", output.c_str(), sheet.width(), sheet.height());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "contact_sheet: %s\n", error.what());
        return 1;
    }
}
