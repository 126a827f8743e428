// A memory device context with a 32-bit top-down DIB section selected, for drawing through
// GdiCanvas in Wine tests: pixel access and saving as PNG under build/screenshots/.
#pragma once
#include "framework/Gdi.h"
#include "support/PngWriter.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class DibSurface {
public:
    DibSurface(int width, int height) : width_(width), height_(height), dc_(nullptr) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<uint32_t*>(bits);
        select_ = SelectObject(dc_.Get(), bitmap_.Get());
    }
    ~DibSurface() { SelectObject(dc_.Get(), select_); }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    HDC Dc() const { return dc_.Get(); }
    bool Ok() const { return bits_ != nullptr; }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const uint32_t p = bits_[size_t(y) * size_t(width_) + size_t(x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(COLORREF colour) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) n += Pixel(x, y) == colour;
        return n;
    }
    bool SavePng(const std::string& name) const {
        std::vector<uint8_t> rgb;
        rgb.reserve(size_t(width_) * size_t(height_) * 3);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const COLORREF c = Pixel(x, y);
                rgb.insert(rgb.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
            }
        const std::string dir = std::string(ORDIVO_SOURCE_DIR) + "/build/screenshots";
        CreateDirectoryA(dir.c_str(), nullptr);
        return WritePng(dir + "/" + name + ".png", width_, height_, rgb);
    }

private:
    int width_, height_;
    gdi::MemoryDc dc_;
    gdi::Bitmap bitmap_;
    uint32_t* bits_ = nullptr;
    HGDIOBJ select_ = nullptr;
};
