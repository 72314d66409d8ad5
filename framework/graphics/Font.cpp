#include "framework/graphics/Font.h"

#include "framework/core/Error.h"

#include <windows.h>

#include <cstring>

namespace fw {

Font::Font(const Font& other)
    : name_(other.name_), height_(other.height_), styles_(other.styles_), color_(other.color_),
      charset_(other.charset_), quality_(other.quality_)
{
}

void Font::setName(const std::string& name)
{
    if (name == name_)
        return;
    name_ = name;
    changed(true);
}

void Font::setHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    changed(true);
}

void Font::setStyles(FontStyles styles)
{
    if (styles == styles_)
        return;
    styles_ = styles;
    changed(true);
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
    changed(false);
}

void Font::setCharset(int charset)
{
    if (charset == charset_)
        return;
    charset_ = charset;
    changed(true);
}

void Font::setQuality(FontQuality quality)
{
    if (quality == quality_)
        return;
    quality_ = quality;
    changed(true);
}

void Font::assign(const Font& other)
{
    if (&other == this)
        return;
    const bool shapeChanged = name_ != other.name_ || height_ != other.height_ ||
                              styles_ != other.styles_ || charset_ != other.charset_ ||
                              quality_ != other.quality_;
    const bool anyChanged = shapeChanged || color_ != other.color_;
    name_ = other.name_;
    height_ = other.height_;
    styles_ = other.styles_;
    color_ = other.color_;
    charset_ = other.charset_;
    quality_ = other.quality_;
    if (anyChanged)
        changed(shapeChanged);
}

void Font::changed(bool shapeChanged)
{
    // The old GDI font lives until the listeners have run, so that a DC or window that holds it
    // can take the new one (or let go) before it is deleted.
    UniqueFont old;
    if (shapeChanged)
        old = std::move(font_);
    if (onChange_)
        onChange_();
}

native::FontHandle Font::handle() const
{
    if (font_)
        return font_.get();
    LOGFONTA description{};
    description.lfHeight = height_;
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
    font_ = std::move(made);
    return font_.get();
}

}  // namespace fw
