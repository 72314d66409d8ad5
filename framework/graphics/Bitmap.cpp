#include "framework/graphics/Bitmap.h"

#include "framework/core/Error.h"
#include "framework/win32/Win32Error.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace fw {

namespace {

UniqueMemoryDc createMemoryDc()
{
    UniqueMemoryDc deviceContext(CreateCompatibleDC(nullptr));
    if (!deviceContext)
        throw Win32Error("CreateCompatibleDC", GetLastError());
    return deviceContext;
}

TColor fromBgra(std::uint32_t value)
{
    return rgb(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>(value & 0xFF));
}

std::uint32_t toBgra(TColor color)
{
    return (static_cast<std::uint32_t>(redOf(color)) << 16) | (static_cast<std::uint32_t>(greenOf(color)) << 8) |
           static_cast<std::uint32_t>(blueOf(color));
}

// Everything a DIB resource must hold for SetDIBitsToDevice to read it without running past
// its end.
struct DibResource {
    const BITMAPINFO* info = nullptr;
    const void* bits = nullptr;
    int width = 0;
    int height = 0;
};

std::optional<DibResource> parseDibResource(const unsigned char* data, DWORD size)
{
    if (data == nullptr || size < sizeof(BITMAPINFOHEADER))
        return std::nullopt;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    const int bitCount = header.biBitCount;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > size || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biPlanes != 1 || header.biCompression != BI_RGB ||
        (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32))
        return std::nullopt;
    const long long height = header.biHeight < 0 ? -static_cast<long long>(header.biHeight) : header.biHeight;
    const long long colors = header.biClrUsed != 0 ? header.biClrUsed : (bitCount <= 8 ? 1LL << bitCount : 0);
    const long long stride = (static_cast<long long>(header.biWidth) * bitCount + 31) / 32 * 4;
    const long long bitsOffset = static_cast<long long>(header.biSize) + colors * 4;
    if (colors > 256 || bitsOffset + stride * height > static_cast<long long>(size) || height > 0x7FFF ||
        header.biWidth > 0x7FFF)
        return std::nullopt;
    return DibResource{reinterpret_cast<const BITMAPINFO*>(data), data + bitsOffset,
                       static_cast<int>(header.biWidth), static_cast<int>(height)};
}

}  // namespace

Bitmap::Bitmap() : deviceContext_(createMemoryDc()), canvas_(deviceContext_.get()) {}

Bitmap::Bitmap(int width, int height) : Bitmap() { setSize(width, height); }

Bitmap::~Bitmap() = default;

void Bitmap::replaceStorage(int width, int height, OldPixels oldPixels)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    UniqueBitmap dib;
    void* pixels = nullptr;
    if (width > 0 && height > 0) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down: row 0 first in memory
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dib.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
        if (!dib)
            throw Win32Error("CreateDIBSection", GetLastError());
        if (oldPixels == OldPixels::Keep && !isEmpty()) {
            // A second DC holds the new DIB while the old one is still selected into ours.
            UniqueMemoryDc copyTarget = createMemoryDc();
            SelectionGuard selected(copyTarget.get(), dib.get());
            BitBlt(copyTarget.get(), 0, 0, std::min(width, width_), std::min(height, height_),
                   deviceContext_.get(), 0, 0, SRCCOPY);
        }
    }
    GdiFlush();
    selection_.reset();  // the old DIB leaves the DC before it is freed
    dib_ = std::move(dib);
    if (dib_)
        selection_.emplace(deviceContext_.get(), dib_.get());
    pixels_ = static_cast<std::uint32_t*>(pixels);
    width_ = dib_ ? width : 0;
    height_ = dib_ ? height : 0;
}

void Bitmap::setSize(int width, int height)
{
    if (std::max(width, 0) == width_ && std::max(height, 0) == height_)
        return;
    replaceStorage(width, height, OldPixels::Keep);
}

void Bitmap::assign(const Bitmap& source)
{
    if (&source == this)
        return;
    transparent_ = source.transparent_;
    transparentMode_ = source.transparentMode_;
    fixedTransparentColor_ = source.fixedTransparentColor_;
    replaceStorage(source.width_, source.height_, OldPixels::Drop);
    if (!isEmpty())
        BitBlt(deviceContext_.get(), 0, 0, width_, height_, source.deviceContext_.get(), 0, 0, SRCCOPY);
}

void Bitmap::setTransparentColor(TColor color)
{
    fixedTransparentColor_ = color;
    transparentMode_ = TransparentMode::Fixed;
}

TColor Bitmap::transparentColor() const
{
    if (transparentMode_ == TransparentMode::Fixed)
        return fixedTransparentColor_;
    if (isEmpty())
        return clNone;
    return pixel(0, height_ - 1);
}

TColor Bitmap::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("Bitmap::pixel outside the bitmap");
    GdiFlush();  // GDI may batch drawing calls; the DIB memory is current only after a flush
    return fromBgra(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

void Bitmap::overlayOpaquePixels(const Bitmap& source, TColor seeThrough)
{
    GdiFlush();  // both DIBs must hold what GDI drew into them
    const int width = std::min(width_, source.width_);
    const int height = std::min(height_, source.height_);
    // DIB pixels are 0x00RRGGBB; a TColor is 0x00BBGGRR.
    const std::uint32_t key = toBgra(seeThrough);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* from = source.pixels_ + static_cast<std::size_t>(y) * source.width_;
        std::uint32_t* to = pixels_ + static_cast<std::size_t>(y) * width_;
        for (int x = 0; x < width; ++x)
            if ((from[x] & 0x00FFFFFFu) != key)
                to[x] = from[x];
    }
}

void Bitmap::replaceColor(TColor from, TColor to)
{
    GdiFlush();
    const std::uint32_t old = toBgra(from);
    const std::uint32_t replacement = toBgra(to);
    std::uint32_t* const end = pixels_ + static_cast<std::size_t>(width_) * height_;
    for (std::uint32_t* pixel = pixels_; pixel != end; ++pixel)
        if ((*pixel & 0x00FFFFFFu) == old)
            *pixel = replacement;
}

void Bitmap::loadFromResource(std::string_view name)
{
    const std::string resourceName(name);
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, resourceName.c_str(), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (resource == nullptr)
        throw ResourceError(formatMessage("Resource %s not found", resourceName));
    // Resources of the executable's own image need no freeing: they live as long as the module.
    HGLOBAL loaded = LoadResource(module, resource);
    const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    const auto dib = parseDibResource(data, SizeofResource(module, resource));
    if (!dib)
        throw ResourceError(formatMessage("Resource %s is not a readable bitmap", resourceName));
    replaceStorage(dib->width, dib->height, OldPixels::Drop);
    SetDIBitsToDevice(deviceContext_.get(), 0, 0, dib->width, dib->height, 0, 0, 0, dib->height,
                      dib->bits, dib->info, DIB_RGB_COLORS);
}

void Bitmap::saveToFile(const std::string& path) const
{
    const int stride = (width_ * 3 + 3) / 4 * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride) * height_;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + imageSize;
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;  // bottom-up, the form every reader knows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageSize;

    GdiFlush();
    std::vector<unsigned char> rows(imageSize, 0);
    for (int y = 0; y < height_; ++y) {
        unsigned char* row = rows.data() + static_cast<std::size_t>(height_ - 1 - y) * stride;
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t value = pixels_[static_cast<std::size_t>(y) * width_ + x];
            row[x * 3 + 0] = static_cast<unsigned char>(value & 0xFF);
            row[x * 3 + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<unsigned char>((value >> 16) & 0xFF);
        }
    }
    // WriteFile rather than a file stream: streams would bring their locale machinery, some
    // 700 KB, into every program that links the bitmap.
    UniqueFile out(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    bool isWritten = out.isValid();
    const auto writeAll = [&](const void* bytes, std::size_t size) {
        DWORD written = 0;
        isWritten = isWritten && WriteFile(out.get(), bytes, static_cast<DWORD>(size), &written, nullptr) &&
                    written == size;
    };
    writeAll(&file, sizeof file);
    writeAll(&info, sizeof info);
    writeAll(rows.data(), rows.size());
    if (!isWritten)
        throw Error("Cannot write " + path);
}

}  // namespace fw
