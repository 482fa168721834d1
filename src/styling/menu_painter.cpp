#include "styling/menu_painter.h"

#include <algorithm>

#include "common/numeric.h"

namespace tavrel {

PixelImage::PixelImage(int w, int h, ColorRef fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

ColorRef PixelImage::At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
}

void PixelImage::Set(int x, int y, ColorRef color) {
    pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x)] = color;
}

DerivedColors DeriveColors(const MenuPainterProperties& p, ColorDevice& device) {
    DerivedColors c;
    c.highColor = IsHighColor(device);
    const bool high = c.highColor;
    auto resolve = [&](ColorRef color) { return ResolveColor(device, color); };
    if (!p.useSystemColors) {
        c.itemBack = resolve(p.color);
        c.pictureColumn = resolve(p.iconBackColor);
        c.highlightFill = high ? Lighten(device, p.selectColor, 68) : resolve(p.selectColor);
        c.highlightFrame = resolve(p.selectBorderColor);
        c.highlightText = resolve(p.selectFontColor);
        c.menuBar = resolve(p.menuBarColor);
        c.disabledText = resolve(p.disabledColor);
        c.separator = resolve(p.separatorColor);
        c.checkFrame = resolve(p.checkedColor);
        c.checkArea = high ? Lighten(device, p.selectColor, 80) : kWhite;
        c.checkAreaHighlighted = high ? Lighten(device, p.selectColor, 50) : kSilver;
        c.fontColor = resolve(p.font.color);
    } else {
        c.itemBack = high ? Lighten(device, kClBtnFace, 86) : kWhite;
        c.pictureColumn = high ? Lighten(device, kClBtnFace, 16) : resolve(kClBtnFace);
        c.highlightFill = high ? Lighten(device, kClHighlight, 68) : kWhite;
        c.highlightFrame = resolve(kClHighlight);
        c.highlightText = resolve(kClMenuText);
        c.menuBar = resolve(kClBtnFace);
        c.disabledText = high ? Lighten(device, kClBtnShadow, 10) : resolve(kClBtnShadow);
        c.separator = high ? Lighten(device, kClBtnShadow, 25) : resolve(kClBtnShadow);
        c.checkFrame = resolve(kClHighlight);
        c.checkArea = high ? Lighten(device, kClHighlight, 80) : kWhite;
        c.checkAreaHighlighted = high ? Lighten(device, kClHighlight, 50) : kWhite;
        c.fontColor = resolve(kClMenuText);
    }
    c.menuFrame = high ? Darken(device, kClBtnFace, 90) : resolve(kClBtnShadow);
    c.menuShadow = high ? Darken(device, kClBtnFace, 76) : resolve(kClBtnShadow);
    return c;
}

void ResetFontForSystemColors(MenuPainterProperties& properties) {
    if (properties.useSystemColors) {
        properties.font = PainterFont{};
    }
}

ItemSize MeasureMenuItem(const MenuPainterProperties& properties, TextMeasurer& measurer,
                         const MenuItemLook& item, ItemSize proposed, bool mainMenuBarOnNt) {
    const bool separator = item.caption == kSeparatorCaption;
    std::wstring text = separator ? std::wstring() : item.caption;
    if (!separator && !item.shortcut.empty()) {
        text += item.shortcut;
        text += L"WWW";
    }
    const TextSize extent = measurer.Measure(text);
    std::int64_t width = static_cast<std::int64_t>(extent.cx) + 5;
    if (text.find(L'&') != std::wstring::npos) {
        width -= measurer.Measure(L"&").cx;
    }
    const int pictureWidth = item.hasPicture ? item.pictureWidth : 0;
    const int pictureHeight = item.hasPicture ? item.pictureHeight : 0;
    width += std::max(pictureWidth, properties.iconWidth);
    if (mainMenuBarOnNt) {
        width += 8;
    }
    std::int64_t height = 4;
    if (!separator) {
        height = extent.cy + Round(static_cast<Real>(extent.cy) * 0.75L);
        height = std::max<std::int64_t>(height, static_cast<std::int64_t>(pictureHeight) + 6);
    }
    return ItemSize{std::max(proposed.width, Wrap32(width)),
                    std::max(proposed.height, Wrap32(height))};
}

std::vector<ColorRef> GradientColumns(ColorDevice& device, ColorRef pictureColumn, int iconWidth,
                                      int count) {
    std::vector<ColorRef> colours;
    colours.reserve(static_cast<std::size_t>(std::max(count, 0)));
    int k = 0;
    for (int i = 0; i < count; ++i) {
        k += (0 < i && static_cast<std::int64_t>(i) < static_cast<std::int64_t>(iconWidth) + 5) ? 3
                                                                                                : 1;
        k = std::min(k, 96);
        colours.push_back(Lighten(device, pictureColumn, k));
    }
    return colours;
}

namespace {

void PlanGradient(std::vector<DrawOp>& ops, ColorDevice& device, const DerivedColors& colors,
                  Rect rect, int iconWidth, bool rightToLeft) {
    // The row runs two pixels past its right edge (past its left edge for
    // right-to-left menus, which start at the right).
    const int count = std::max(rect.Width() + 2, 0);
    const std::vector<ColorRef> colours =
        GradientColumns(device, colors.pictureColumn, iconWidth, count);
    for (int i = 0; i < count; ++i) {
        const int x = rightToLeft ? rect.right - 1 - i : rect.left + i;
        ops.push_back(
            FillOp{{x, rect.top, x + 1, rect.bottom}, colours[static_cast<std::size_t>(i)]});
    }
}

void PlanCheckMark(std::vector<DrawOp>& ops, const DerivedColors& colors, const MenuItemLook& item,
                   const Rect& area, bool selected) {
    const ColorRef fill = selected ? colors.checkAreaHighlighted : colors.checkArea;
    const bool tick = !item.radio && !item.hasPicture;
    ColorRef frame = tick ? colors.checkFrame : colors.highlightFrame;
    if (!item.enabled) {
        frame = colors.disabledText;
    }
    if (item.radio) {
        if (item.hasPicture) {
            ops.push_back(RoundRectOp{area, 6, 6, frame, fill});
        } else {
            ops.push_back(EllipseOp{area, frame, fill});
        }
        return;
    }
    ops.push_back(RectangleOp{area, frame, fill});
    if (tick) {
        const ColorRef ink = item.enabled ? kBlack : colors.disabledText;
        const int l = area.left;
        const int t = area.top;
        ops.push_back(LineOp{{l + 2, t + 4}, {l + 4, t + 6}, ink});
        ops.push_back(LineOp{{l + 2, t + 5}, {l + 4, t + 7}, ink});
        ops.push_back(LineOp{{l + 4, t + 6}, {l + 8, t + 2}, ink});
        ops.push_back(LineOp{{l + 4, t + 7}, {l + 8, t + 3}, ink});
        ops.push_back(LineOp{{l + 4, t + 8}, {l + 8, t + 4}, ink});
    }
}

}  // namespace

void AddTextRelief(std::vector<DrawOp>& ops, const Rect& text, const std::wstring& caption,
                   bool alignRight, bool rtlReading) {
    struct Pass {
        int dx;
        int dy;
        int darken;
    };
    constexpr Pass kPasses[] = {{-1, -1, 30}, {1, -1, 30}, {-1, 1, 40}, {1, 1, 60}};
    for (const Pass& pass : kPasses) {
        ops.push_back(TextOp{
            {text.left + pass.dx, text.top + pass.dy, text.right + pass.dx, text.bottom + pass.dy},
            caption,
            0,
            alignRight,
            rtlReading,
            pass.darken,
            {text.left, text.top}});
    }
}

ItemPlan PlanMenuItem(MenuPainterProperties& properties, ColorDevice& device,
                      TextMeasurer& measurer, const MenuItemLook& item, Rect itemRect,
                      bool selected, bool canvasIsMenuWindow) {
    ItemPlan plan;
    // 1. Colours, font.
    ResetFontForSystemColors(properties);
    const MenuPainterProperties& p = properties;
    plan.colors = DeriveColors(p, device);
    const DerivedColors& c = plan.colors;
    const bool rtl = item.rightToLeft;
    const bool separator = item.caption == kSeparatorCaption;
    const int iconWidth = p.iconWidth;
    const int pictureWidth = item.hasPicture ? item.pictureWidth : 0;

    // 2.
    Rect rect = itemRect;
    rect.bottom += 1;
    plan.rect = rect;
    plan.caption = separator ? std::wstring() : L" " + item.caption;
    const int height = rect.Height();

    // 4. Picture column.
    plan.pictureColumn = rtl ? Rect{rect.right - iconWidth, rect.top, rect.right, rect.bottom}
                             : Rect{rect.left, rect.top, rect.left + iconWidth, rect.bottom};
    const Rect& column = plan.pictureColumn;

    // 5. Check area.
    if (item.hasPicture) {
        Rect wide = column;
        if (pictureWidth > iconWidth) {
            if (rtl) {
                wide.left = wide.right - pictureWidth;
            } else {
                wide.right = wide.left + pictureWidth;
            }
        }
        plan.checkArea = Rect{wide.left + 1, wide.top + 2, wide.right - 3, wide.bottom - 2};
    } else {
        const int left = column.left + Div(column.Width() - 10, 2);
        const int top = rect.top + Div(height - 10, 2);
        plan.checkArea = Rect{left, top, left + 10, top + 10};
    }

    // 6. Text rectangle.
    const bool pictureFits = !item.hasPicture || pictureWidth <= iconWidth;
    if (rtl) {
        plan.textRect =
            Rect{rect.left, rect.top,
                 pictureFits ? rect.right - iconWidth : rect.right - pictureWidth - 8, rect.bottom};
    } else {
        plan.textRect = Rect{pictureFits ? rect.left + iconWidth : rect.left + pictureWidth + 4,
                             rect.top, rect.right, rect.bottom};
    }
    const Rect& textRect = plan.textRect;

    // 7. Background.
    std::vector<DrawOp>& ops = plan.ops;
    if (p.gradient && c.highColor) {
        PlanGradient(ops, device, c, rect, iconWidth, rtl);
    } else {
        ops.push_back(FillOp{rect, c.itemBack});
        if (!column.Empty()) {
            ops.push_back(FillOp{column, c.pictureColumn});
        }
    }

    // 9. Highlight.
    if (selected && p.drawSelect && item.enabled) {
        Rect highlight = rect;
        highlight.top += 1;
        highlight.bottom -= 1;
        if (p.flatMenu) {
            highlight.right -= 1;
        }
        ops.push_back(FillOp{highlight, c.highlightFill});
        ops.push_back(FrameOp{highlight, c.highlightFrame});
    }

    // 10. Check mark.
    if (item.checked && !separator) {
        PlanCheckMark(ops, c, item, plan.checkArea, selected);
    }

    // 11. Picture.
    if (item.hasPicture && !separator) {
        int y = column.top + 3;
        int x = 0;
        if (rtl) {
            x = column.right - pictureWidth - 2;
        } else if (pictureWidth < iconWidth) {
            x = column.left + Div(iconWidth - pictureWidth, 2) - 1;
        } else {
            x = column.left + 2;
        }
        PictureOp picture{{x, y}, PictureLook::kPlain, 0};
        if (!item.enabled) {
            picture.look = PictureLook::kGrey;
            picture.level = p.grayLevel;
        } else if (!item.checked && selected) {
            --x;
            --y;
            picture.at = {x, y};
            ops.push_back(ShadowOp{{x + 2, y + 2}, Darken(device, c.highlightFill, 50)});
        } else if (!item.checked && c.highColor) {
            picture.look = PictureLook::kDimmed;
            picture.level = p.dimLevel;
        }
        ops.push_back(picture);
    }

    if (separator) {
        // 12. Separator line, half-way down.
        const int y = textRect.top + Wrap32(Round(static_cast<Real>(height) / 2.0L));
        if (rtl) {
            ops.push_back(LineOp{{textRect.left, y}, {textRect.right - 7, y}, c.separator});
        } else {
            ops.push_back(LineOp{{textRect.left + 7, y}, {textRect.right, y}, c.separator});
        }
    } else {
        // 13. Text.
        Rect text = textRect;
        if (rtl) {
            text.right -= 3;
        } else {
            text.left += 3;
        }
        text.top += Div(height - measurer.Measure(L"W").cy, 2);
        ColorRef colour = c.fontColor;
        if (selected) {
            colour = c.highlightText;
        } else if (!item.enabled) {
            colour = c.disabledText;
        }
        if (item.isDefault && item.enabled) {
            AddTextRelief(ops, text, plan.caption, rtl, rtl);
        }
        ops.push_back(TextOp{text, plan.caption, colour, rtl, rtl, std::nullopt, {}});
        if (!item.shortcut.empty()) {
            Rect shortcut = text;
            if (rtl) {
                shortcut.left += 10;
            } else {
                shortcut.right -= 10;
            }
            const ColorRef shortcutColour = c.highColor ? Darken(device, colour, -40) : colour;
            ops.push_back(TextOp{
                shortcut, item.shortcut + L" ", shortcutColour, !rtl, rtl, std::nullopt, {}});
        }
    }

    // 14.
    plan.flatFrame = p.flatMenu && canvasIsMenuWindow;
    return plan;
}

std::vector<DrawOp> PlanFlatFrame(const MenuPainterProperties& properties,
                                  const DerivedColors& colors, ColorDevice& device, Rect window,
                                  Rect items, bool rightToLeft) {
    std::vector<DrawOp> ops;
    const Rect frame{window.left, window.top, window.right - 2, window.bottom - 2};
    const Rect inner{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
    ops.push_back(FrameOp{frame, colors.menuFrame});

    // The inner edge: the ring between the frame and the items, in the
    // colour each pixel column of the items has there.
    const int iconWidth = properties.iconWidth;
    const bool gradient = properties.gradient && colors.highColor;
    std::vector<ColorRef> ramp;
    if (gradient) {
        ramp = GradientColumns(device, colors.pictureColumn, iconWidth, std::max(inner.Width(), 0));
    }
    auto columnColour = [&](int x) -> ColorRef {
        // Distance into the row from where the items start.
        const int i = rightToLeft ? items.right - 1 - x : x - items.left;
        if (gradient) {
            return i < 0 ? colors.pictureColumn
                         : ramp[static_cast<std::size_t>(
                               std::min<int>(i, static_cast<int>(ramp.size()) - 1))];
        }
        return i < iconWidth ? colors.pictureColumn : colors.itemBack;
    };
    const int top = std::min(items.top, inner.bottom);
    const int bottom = std::max(items.bottom, inner.top);
    for (int x = inner.left; x < inner.right; ++x) {
        const ColorRef colour = columnColour(x);
        if (x < items.left || x >= items.right) {
            ops.push_back(FillOp{{x, inner.top, x + 1, inner.bottom}, colour});
            continue;
        }
        if (top > inner.top) {
            ops.push_back(FillOp{{x, inner.top, x + 1, top}, colour});
        }
        if (inner.bottom > bottom) {
            ops.push_back(FillOp{{x, bottom, x + 1, inner.bottom}, colour});
        }
    }

    // A two-pixel shadow along the right and the bottom; its outer corners
    // in the button face.
    ops.push_back(
        FillOp{{window.right - 2, window.top + 2, window.right, window.bottom}, colors.menuShadow});
    ops.push_back(FillOp{{window.left + 2, window.bottom - 2, window.right, window.bottom},
                         colors.menuShadow});
    const ColorRef face = ResolveColor(device, kClBtnFace);
    ops.push_back(FillOp{{window.right - 2, window.top, window.right, window.top + 2}, face});
    ops.push_back(FillOp{{window.left, window.bottom - 2, window.left + 2, window.bottom}, face});
    return ops;
}

ColorRef GreyPixel(ColorDevice& device, ColorRef pixel, int grayLevel) {
    const std::int64_t mean = (RedOf(pixel) + GreenOf(pixel) + BlueOf(pixel)) / 3;
    const auto grey = static_cast<std::uint8_t>(std::clamp<std::int64_t>(mean + grayLevel, 0, 240));
    return Lighten(device, Rgb(grey, grey, grey), 40);
}

PixelImage TransformPicture(ColorDevice& device, const PixelImage& picture, PictureLook look,
                            int level) {
    PixelImage result = picture;
    if (look == PictureLook::kPlain) {
        return result;
    }
    for (ColorRef& pixel : result.pixels) {
        pixel = look == PictureLook::kDimmed ? Lighten(device, pixel, level)
                                             : GreyPixel(device, pixel, level);
    }
    return result;
}

void PaintPicture(PixelImage& canvas, const PixelImage& picture, Point at) {
    const ColorRef transparent = picture.BottomLeft();
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const ColorRef pixel = picture.At(x, y);
            const int cx = at.x + x;
            const int cy = at.y + y;
            if (pixel != transparent && canvas.Contains(cx, cy)) {
                canvas.Set(cx, cy, pixel);
            }
        }
    }
}

void PaintShadow(PixelImage& canvas, const PixelImage& picture, Point at, ColorRef color) {
    const ColorRef transparent = picture.BottomLeft();
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const int cx = at.x + x;
            const int cy = at.y + y;
            if (picture.At(x, y) != transparent && canvas.Contains(cx, cy)) {
                canvas.Set(cx, cy, color);
            }
        }
    }
}

void TakeOverMenu(MenuTree& tree, MenuTree::MenuId menu, bool overrideOwnerDraw) {
    if (menu == 0) {
        return;
    }
    const int count = tree.ItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (tree.Tag(menu, i) != kPlatformLookTag) {
            const ItemHandlers handlers = tree.Handlers(menu, i);
            if (handlers == ItemHandlers::kNone ||
                (handlers == ItemHandlers::kOther && overrideOwnerDraw)) {
                tree.SetHandlers(menu, i, ItemHandlers::kPainter);
            }
        }
        TakeOverMenu(tree, tree.SubMenu(menu, i), overrideOwnerDraw);
    }
}

void GiveUpMenu(MenuTree& tree, MenuTree::MenuId menu) {
    if (menu == 0) {
        return;
    }
    const int count = tree.ItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (tree.Handlers(menu, i) == ItemHandlers::kPainter) {
            tree.SetHandlers(menu, i, ItemHandlers::kNone);
        }
        GiveUpMenu(tree, tree.SubMenu(menu, i));
    }
}

}  // namespace tavrel
