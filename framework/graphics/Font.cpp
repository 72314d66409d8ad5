#include "framework/graphics/Font.h"

#include "framework/core/Error.h"
#include "framework/graphics/SelectionGuard.h"
#include "framework/win32/Win32Error.h"

#include <windows.h>

#include <cassert>
#include <cstring>

namespace fw {
namespace {


// Bitmap fonts that have an outline font of the same design.
struct OutlineTwin {
    const char* bitmapFace;
    const char* outlineFace;
};
constexpr OutlineTwin outlineTwins[] = {{"MS Sans Serif", "Microsoft Sans Serif"}};

const char* outlineTwinOf(const std::string& face)
{
    for (const OutlineTwin& twin : outlineTwins)
        if (lstrcmpiA(face.c_str(), twin.bitmapFace) == 0)  // GDI face names ignore case
            return twin.outlineFace;
    return nullptr;
}

// Whether GDI made `font` from a bitmap font at another height than `height` (LOGFONT's rule:
// negative, the character height; positive, the cell height). GDI then took the nearest size
// the bitmap font has, or stretched one.
bool isBitmapFontOfAnotherHeight(HFONT font, int height)
{
    const UniqueMemoryDc measuring(CreateCompatibleDC(nullptr));
    if (!measuring)
        return false;
    TEXTMETRICA metrics{};
    bool measured = false;
    {
        const SelectionGuard selected(measuring.get(), font);
        measured = GetTextMetricsA(measuring.get(), &metrics) != FALSE;
    }
    if (!measured || (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0)
        return false;
    const LONG madeHeight = height < 0 ? metrics.tmInternalLeading - metrics.tmHeight : metrics.tmHeight;
    return height != 0 && madeHeight != height;
}

}  // namespace

Font::Font(const Font& other)
    : name_(other.name_), height_(other.height_), styles_(other.styles_), color_(other.color_),
      charset_(other.charset_), quality_(other.quality_), dpi_(other.dpi_)
{
}

void Font::setName(const std::string& name)
{
    if (name == name_)
        return;
    name_ = name;
    changed(Change::Shape);
}

void Font::setHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    changed(Change::Shape);
}

void Font::setStyles(FontStyles styles)
{
    if (styles == styles_)
        return;
    styles_ = styles;
    changed(Change::Shape);
}

void Font::setBold(bool bold)
{
    FontStyles styles = styles_;
    styles.bold = bold;
    setStyles(styles);
}

void Font::setColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    changed(Change::ColorOnly);
}

void Font::setCharset(int charset)
{
    if (charset == charset_)
        return;
    charset_ = charset;
    changed(Change::Shape);
}

void Font::setQuality(FontQuality quality)
{
    if (quality == quality_)
        return;
    quality_ = quality;
    changed(Change::Shape);
}

void Font::setDpi(int dpi)
{
    assert(dpi > 0);
    if (dpi == dpi_)
        return;
    dpi_ = dpi;
    changed(Change::Shape);
}

int Font::scaledHeight() const { return MulDiv(height_, dpi_, designDpi); }

void Font::assign(const Font& other)
{
    if (&other == this)
        return;
    const bool shapeChanged = name_ != other.name_ || height_ != other.height_ ||
                              styles_ != other.styles_ || charset_ != other.charset_ ||
                              quality_ != other.quality_ || dpi_ != other.dpi_;
    const bool anyChanged = shapeChanged || color_ != other.color_;
    name_ = other.name_;
    height_ = other.height_;
    styles_ = other.styles_;
    color_ = other.color_;
    charset_ = other.charset_;
    quality_ = other.quality_;
    dpi_ = other.dpi_;
    if (anyChanged)
        changed(shapeChanged ? Change::Shape : Change::ColorOnly);
}

void Font::changed(Change change)
{
    // The old GDI font lives until the listeners have run, so that a DC or window that holds it
    // can take the new one (or let go) before it is deleted.
    UniqueFont old;
    if (change == Change::Shape)
        old = std::move(font_);
    if (onChange_)
        onChange_();
}

native::FontHandle Font::handle() const
{
    if (font_)
        return font_.get();
    LOGFONTA description{};
    description.lfHeight = scaledHeight();
    description.lfWeight = styles_.bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = styles_.italic ? 1 : 0;
    description.lfUnderline = styles_.underline ? 1 : 0;
    description.lfStrikeOut = styles_.strikeOut ? 1 : 0;
    description.lfCharSet = static_cast<BYTE>(charset_);
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = quality_ == FontQuality::NonAntialiased ? NONANTIALIASED_QUALITY : DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH;
    // LOGFONT holds at most 31 characters and the terminator; a longer name is cut, as GDI would.
    std::strncpy(description.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    UniqueFont made(CreateFontIndirectA(&description));
    if (!made)
        throw Win32Error("CreateFontIndirectA", GetLastError());
    const char* outlineTwin = outlineTwinOf(name_);
    if (dpi_ != designDpi && outlineTwin &&
        isBitmapFontOfAnotherHeight(made.get(), description.lfHeight)) {
        std::strncpy(description.lfFaceName, outlineTwin, LF_FACESIZE - 1);
        UniqueFont outline(CreateFontIndirectA(&description));
        if (outline)
            made = std::move(outline);
    }
    font_ = std::move(made);
    return font_.get();
}

}  // namespace fw
