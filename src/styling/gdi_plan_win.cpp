#include "styling/gdi_plan_win.h"

#include <algorithm>

namespace tavrel {
namespace {

// A top-down 32-bit DIB section and its memory device context.
class DibCanvas {
  public:
    DibCanvas(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_.reset(::CreateCompatibleDC(nullptr));
        bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (bitmap_) {
            previous_ = ::SelectObject(dc_.get(), bitmap_.get());
        }
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    ~DibCanvas() {
        if (previous_ != nullptr) {
            ::SelectObject(dc_.get(), previous_);
        }
    }

    bool ok() const { return bits_ != nullptr; }
    HDC dc() const { return dc_.get(); }
    // DIB pixels are 0x00RRGGBB; colour values are 0x00BBGGRR.
    ColorRef Get(int x, int y) const {
        const std::uint32_t v = static_cast<const std::uint32_t*>(bits_)[Index(x, y)];
        return Rgb(static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                   static_cast<std::uint8_t>(v));
    }
    void Set(int x, int y, ColorRef c) {
        static_cast<std::uint32_t*>(bits_)[Index(x, y)] =
            static_cast<std::uint32_t>(RedOf(c)) << 16 |
            static_cast<std::uint32_t>(GreenOf(c)) << 8 | static_cast<std::uint32_t>(BlueOf(c));
    }
    void Fill(ColorRef c) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                Set(x, y, c);
            }
        }
    }
    PixelImage Pixels() const {
        ::GdiFlush();
        PixelImage image(width_, height_);
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                image.Set(x, y, Get(x, y));
            }
        }
        return image;
    }

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    unique_hdc dc_;
    unique_hbitmap bitmap_;
    void* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

COLORREF Gdi(ColorRef c) {
    return static_cast<COLORREF>(c & 0x00FFFFFFu);
}

RECT Win(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// Draws `image` transparently (its bottom-left colour left out) at `at`.
void BlitTransparent(HDC dc, const PixelImage& image, Point at) {
    if (image.width <= 0 || image.height <= 0) {
        return;
    }
    DibCanvas canvas(image.width, image.height);
    if (!canvas.ok()) {
        return;
    }
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            canvas.Set(x, y, image.At(x, y));
        }
    }
    ::GdiFlush();
    ::TransparentBlt(dc, at.x, at.y, image.width, image.height, canvas.dc(), 0, 0, image.width,
                     image.height, Gdi(image.BottomLeft()));
}

struct Executor {
    HDC dc;
    const PixelImage* picture;
    ColorDevice& device;

    void operator()(const FillOp& op) const {
        if (op.rect.Empty()) {
            return;
        }
        unique_hbrush brush(::CreateSolidBrush(Gdi(op.color)));
        const RECT r = Win(op.rect);
        ::FillRect(dc, &r, brush.get());
    }
    void operator()(const FrameOp& op) const {
        unique_hpen pen(::CreatePen(PS_SOLID, 1, Gdi(op.color)));
        select_object usePen(dc, pen.get());
        select_object useBrush(dc, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(dc, op.rect.left, op.rect.top, op.rect.right, op.rect.bottom);
    }
    void operator()(const RectangleOp& op) const {
        unique_hpen pen(::CreatePen(PS_SOLID, 1, Gdi(op.pen)));
        unique_hbrush brush(::CreateSolidBrush(Gdi(op.fill)));
        select_object usePen(dc, pen.get());
        select_object useBrush(dc, brush.get());
        ::Rectangle(dc, op.rect.left, op.rect.top, op.rect.right, op.rect.bottom);
    }
    void operator()(const RoundRectOp& op) const {
        unique_hpen pen(::CreatePen(PS_SOLID, 1, Gdi(op.pen)));
        unique_hbrush brush(::CreateSolidBrush(Gdi(op.fill)));
        select_object usePen(dc, pen.get());
        select_object useBrush(dc, brush.get());
        ::RoundRect(dc, op.rect.left, op.rect.top, op.rect.right, op.rect.bottom, op.cornerWidth,
                    op.cornerHeight);
    }
    void operator()(const EllipseOp& op) const {
        unique_hpen pen(::CreatePen(PS_SOLID, 1, Gdi(op.pen)));
        unique_hbrush brush(::CreateSolidBrush(Gdi(op.fill)));
        select_object usePen(dc, pen.get());
        select_object useBrush(dc, brush.get());
        ::Ellipse(dc, op.rect.left, op.rect.top, op.rect.right, op.rect.bottom);
    }
    void operator()(const LineOp& op) const {
        unique_hpen pen(::CreatePen(PS_SOLID, 1, Gdi(op.color)));
        select_object usePen(dc, pen.get());
        ::MoveToEx(dc, op.from.x, op.from.y, nullptr);
        ::LineTo(dc, op.to.x, op.to.y);
    }
    void operator()(const PolylineOp& op) const {
        if (op.points.size() < 2) {
            return;
        }
        std::vector<POINT> points;
        for (const Point& p : op.points) {
            points.push_back(POINT{p.x, p.y});
        }
        unique_hpen pen(::CreatePen(PS_SOLID, 1, Gdi(op.color)));
        select_object usePen(dc, pen.get());
        ::Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
    void operator()(const PictureOp& op) const {
        if (picture != nullptr) {
            BlitTransparent(dc, TransformPicture(device, *picture, op.look, op.level), op.at);
        }
    }
    void operator()(const ShadowOp& op) const {
        if (picture == nullptr || picture->width <= 0 || picture->height <= 0) {
            return;
        }
        // The picture's own pixels become the shadow colour; its transparent
        // ones a colour that differs from it.
        const ColorRef transparent = picture->BottomLeft();
        const ColorRef key = op.color ^ 0x000001u;
        PixelImage shadow(picture->width, picture->height, key);
        for (int y = 0; y < picture->height; ++y) {
            for (int x = 0; x < picture->width; ++x) {
                if (picture->At(x, y) != transparent) {
                    shadow.Set(x, y, op.color);
                }
            }
        }
        // The bottom-left pixel is always transparent.
        BlitTransparent(dc, shadow, op.at);
    }
    void operator()(const TextOp& op) const {
        ColorRef colour = op.color;
        if (op.darkenBackgroundBy) {
            const COLORREF under = ::GetPixel(dc, op.samplePoint.x, op.samplePoint.y);
            colour = Darken(device, under == CLR_INVALID ? 0 : static_cast<ColorRef>(under),
                            *op.darkenBackgroundBy);
        }
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, Gdi(colour));
        RECT r = Win(op.rect);
        UINT format = DT_SINGLELINE | DT_EXPANDTABS | (op.alignRight ? DT_RIGHT : DT_LEFT);
        if (op.rtlReading) {
            format |= DT_RTLREADING;
        }
        std::wstring text = op.text;
        ::DrawTextExW(dc, text.data(), static_cast<int>(text.size()), &r, format, nullptr);
    }
};

}  // namespace

ColorRef GdiColorDevice::SystemColor(int index) {
    return static_cast<ColorRef>(::GetSysColor(index));
}

ColorRef GdiColorDevice::NearestColor(ColorRef rgb) {
    const COLORREF nearest = ::GetNearestColor(dc_, Gdi(rgb));
    return nearest == CLR_INVALID ? rgb : static_cast<ColorRef>(nearest) & 0x00FFFFFFu;
}

int GdiColorDevice::BitsPerPixel() {
    return ::GetDeviceCaps(dc_, BITSPIXEL) * ::GetDeviceCaps(dc_, PLANES);
}

TextSize GdiTextMeasurer::Measure(std::wstring_view text) {
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

unique_hfont CreatePainterFont(const PainterFont& font) {
    LOGFONTW logFont{};
    if (font.systemMenuFont) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
            logFont = metrics.lfMenuFont;
        } else {
            ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
        }
    } else {
        logFont.lfHeight = font.height;
        logFont.lfWeight = FW_NORMAL;
        logFont.lfCharSet = static_cast<BYTE>(font.charset);
        logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
        logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        logFont.lfQuality = DEFAULT_QUALITY;
        logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        const std::size_t length = std::min<std::size_t>(font.name.size(), LF_FACESIZE - 1);
        std::copy_n(font.name.begin(), length, logFont.lfFaceName);
    }
    return unique_hfont(::CreateFontIndirectW(&logFont));
}

PixelImage ImageListPicture(HIMAGELIST list, int index, ColorRef background) {
    int width = 0;
    int height = 0;
    if (list == nullptr || !::ImageList_GetIconSize(list, &width, &height) || width <= 0 ||
        height <= 0) {
        return {};
    }
    DibCanvas canvas(width, height);
    if (!canvas.ok()) {
        return {};
    }
    canvas.Fill(background);
    ::ImageList_DrawEx(list, index, canvas.dc(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
    return canvas.Pixels();
}

PixelImage BitmapPixels(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof(info), &info) == 0 || info.bmWidth <= 0 ||
        info.bmHeight <= 0) {
        return {};
    }
    DibCanvas canvas(info.bmWidth, info.bmHeight);
    unique_hdc source(::CreateCompatibleDC(nullptr));
    if (!canvas.ok() || !source) {
        return {};
    }
    select_object use(source.get(), bitmap);
    ::BitBlt(canvas.dc(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    return canvas.Pixels();
}

PixelImage ReadPixels(HDC dc, const Rect& rect) {
    DibCanvas canvas(rect.Width(), rect.Height());
    if (!canvas.ok()) {
        return {};
    }
    ::BitBlt(canvas.dc(), 0, 0, rect.Width(), rect.Height(), dc, rect.left, rect.top, SRCCOPY);
    return canvas.Pixels();
}

void ExecutePlan(HDC dc, const std::vector<DrawOp>& ops, const PixelImage* picture,
                 ColorDevice& device) {
    const Executor executor{dc, picture, device};
    for (const DrawOp& op : ops) {
        std::visit(executor, op);
    }
}

}  // namespace tavrel
