// The menu painter and the flat controls on real windows, menus and device
// contexts: what they paint is read back pixel by pixel.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "core/commands.h"
#include "core/menus.h"
#include "app/menus_win.h"
#include "styling/gdi_plan_win.h"
#include "styling/menu_painter_win.h"
#include "support/gui_objects_win.h"
#include "tweaks/skins.h"

namespace tavrel {
namespace {

constexpr ColorRef kMagenta = 0xFF00FF;
constexpr ColorRef kRed = Rgb(200, 0, 0);

ColorRef Sys(int index) {
    return static_cast<ColorRef>(::GetSysColor(index));
}

// Every picture: a 20 × 20 red square 6 pixels inside a transparent 32 × 32.
unique_himagelist TestPictures() {
    unique_himagelist list(::ImageList_Create(32, 32, ILC_COLOR24 | ILC_MASK, 57, 0));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 32;
    info.bmiHeader.biHeight = -32;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    unique_hbitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool square = x >= 6 && x < 26 && y >= 6 && y < 26;
            pixels[y * 32 + x] = square ? 0xC80000u : 0xFF00FFu;  // 0x00RRGGBB
        }
    }
    for (int i = 0; i < 57; ++i) {
        ::ImageList_AddMasked(list.get(), bitmap.get(), RGB(255, 0, 255));
    }
    return list;
}

// The same picture as a button glyph: the square at (8, 8) to (23, 23).
PixelImage TestGlyph() {
    PixelImage glyph(32, 32, kMagenta);
    for (int y = 8; y < 24; ++y) {
        for (int x = 8; x < 24; ++x) {
            glyph.Set(x, y, kRed);
        }
    }
    return glyph;
}

// A top-level window owning a painter, as the control window does.
class PainterWindow {
  public:
    PainterWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = L"TavrelPainterTest";
        ::RegisterClassW(&windowClass);
        window_ =
            ::CreateWindowExW(0, L"TavrelPainterTest", L"painter", WS_POPUP | WS_VISIBLE, 300, 200,
                              200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        painter_ = std::make_unique<MenuPainter>(window_);
        pictures_ = TestPictures();
        painter_->SetImages(pictures_.get());
        ppmMain_ = BuildPopupMenu(MainMenuEntries());
        ppmSystem_ = BuildPopupMenu(SystemMenuEntries());
        painter_->AddMenu(ppmMain_.get());
        painter_->AddMenu(ppmSystem_.get());
        background_.reset(::CreateSolidBrush(0x006600));
        font_.reset(::CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, L"MS Sans Serif"));
        button_ = ::CreateWindowExW(
            0, L"BUTTON", L"全部效果", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 55, 55,
            window_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(77)), nullptr, nullptr);
        ::SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        FlatButtonSpec face;
        face.glyph = TestGlyph();
        painter_->controls().AddBitmapButton(button_, std::move(face));
        edit_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"text",
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                                  80, 10, 100, 60, window_, nullptr, nullptr, nullptr);
        painter_->controls().AddTextArea(edit_);
    }
    ~PainterWindow() {
        painter_.reset();
        ::DestroyWindow(window_);
    }

    void Skin(int skin) {
        MenuPainterProperties p = DesignedMenuPainter();
        ApplySkin(skin, p);
        painter_->SetProperties(p);
    }

    HWND window() const { return window_; }
    HWND button() const { return button_; }
    HWND edit() const { return edit_; }
    int clicks() const { return clicks_; }
    MenuPainter& painter() { return *painter_; }
    HMENU mainMenu() const { return ppmMain_.get(); }
    HMENU systemMenu() const { return ppmSystem_.get(); }

    // Opens `menu` and runs `whileOpen` with the menu's window once it is
    // drawn and waiting, then closes it.
    void WithOpenMenu(HMENU menu, const std::function<void(HWND)>& whileOpen) {
        onIdle_ = whileOpen;
        idled_ = false;
        ::SetForegroundWindow(window_);
        ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_NOANIMATION, 320, 220, 0, window_, nullptr);
        onIdle_ = nullptr;
    }
    bool idled() const { return idled_; }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<PainterWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && self->painter_) {
            LRESULT result = 0;
            if (self->painter_->Handle(message, wParam, lParam, result)) {
                return result;
            }
        }
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && self != nullptr && self->onIdle_ &&
            !self->idled_) {
            self->idled_ = true;
            ::GdiFlush();
            self->onIdle_(reinterpret_cast<HWND>(lParam));
            ::EndMenu();
            return 0;
        }
        if (message == WM_COMMAND && self != nullptr && HIWORD(wParam) == BN_CLICKED &&
            LOWORD(wParam) == 77) {
            ++self->clicks_;
            return 0;
        }
        if (message == WM_CTLCOLORBTN && self != nullptr) {
            ::SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            return reinterpret_cast<LRESULT>(self->background_.get());
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::unique_ptr<MenuPainter> painter_;
    unique_himagelist pictures_;
    unique_hmenu ppmMain_;
    unique_hmenu ppmSystem_;
    unique_hbrush background_;
    std::function<void(HWND)> onIdle_;
    bool idled_ = false;
    unique_hfont font_;
    HWND button_ = nullptr;
    HWND edit_ = nullptr;
    int clicks_ = 0;
};

// A 32-bit memory canvas to draw into and read back.
class Canvas {
  public:
    Canvas(int width, int height, ColorRef fill) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_.reset(::CreateCompatibleDC(nullptr));
        bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, nullptr, nullptr, 0));
        previous_ = ::SelectObject(dc_.get(), bitmap_.get());
        unique_hbrush brush(::CreateSolidBrush(fill));
        RECT all{0, 0, width, height};
        ::FillRect(dc_.get(), &all, brush.get());
    }
    ~Canvas() { ::SelectObject(dc_.get(), previous_); }
    HDC dc() const { return dc_.get(); }
    ColorRef At(int x, int y) const { return static_cast<ColorRef>(::GetPixel(dc_.get(), x, y)); }

  private:
    int width_;
    int height_;
    unique_hdc dc_;
    unique_hbitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
};

struct ItemRef {
    HMENU menu;
    int position;
    UINT id;
    ULONG_PTR data;
};

ItemRef FindByCommand(HMENU menu, UINT command) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.wID == command && info.hSubMenu == nullptr) {
            return {menu, i, info.wID, info.dwItemData};
        }
        if (info.hSubMenu != nullptr) {
            const ItemRef found = FindByCommand(info.hSubMenu, command);
            if (found.menu != nullptr) {
                return found;
            }
        }
    }
    return {nullptr, -1, 0, 0};
}

ItemRef AtPosition(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_DATA;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return {menu, position, info.wID, info.dwItemData};
}

void Draw(MenuPainter& painter, const ItemRef& item, HDC dc, RECT rect, UINT state = 0) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = item.id;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = state;
    draw.hwndItem = reinterpret_cast<HWND>(item.menu);
    draw.hDC = dc;
    draw.rcItem = rect;
    draw.itemData = item.data;
    painter.DrawItem(draw);
}

TEST(MenuPainterOnGdi, TakingOverMarksEveryItemButGivesTheMenusBackWhenInactive) {
    PainterWindow owner;
    const ItemRef circle = FindByCommand(owner.mainMenu(), ArrangementCommand(21));
    ASSERT_NE(circle.menu, nullptr);
    EXPECT_EQ(MenuItemImage(circle.data), 21);
    EXPECT_EQ(MenuItemTag(circle.data), 21);
    auto ownerDrawn = [](const ItemRef& item) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        ::GetMenuItemInfoW(item.menu, static_cast<UINT>(item.position), TRUE, &info);
        return (info.fType & MFT_OWNERDRAW) != 0 && (info.dwItemData & kPainterItemBit) != 0;
    };
    EXPECT_FALSE(ownerDrawn(circle));
    owner.Skin(1);
    EXPECT_TRUE(ownerDrawn(FindByCommand(owner.mainMenu(), ArrangementCommand(21))));
    EXPECT_TRUE(ownerDrawn(AtPosition(owner.mainMenu(), 2))) << "the separators too";
    EXPECT_TRUE(ownerDrawn(AtPosition(owner.systemMenu(), 0))) << "submenu items";
    EXPECT_TRUE(ownerDrawn(FindByCommand(owner.systemMenu(), kCmdSkin3))) << "at every depth";

    MenuPainterProperties off = owner.painter().properties();
    off.active = false;
    owner.painter().SetProperties(off);
    EXPECT_FALSE(ownerDrawn(FindByCommand(owner.mainMenu(), ArrangementCommand(21))));
    EXPECT_FALSE(ownerDrawn(FindByCommand(owner.systemMenu(), kCmdSkin3)));
    wchar_t caption[64] = {};
    ::GetMenuStringW(owner.mainMenu(), ArrangementCommand(21), caption, 64, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"21.圆形") << "captions stay with the items";
}

TEST(MenuPainterOnGdi, Tag999KeepsThePlatformLookAndRunTimeSiblingsAreTakenOver) {
    PainterWindow owner;
    HMENU custom = ::GetSubMenu(owner.mainMenu(), 12);  // 自定字符排列
    ASSERT_NE(custom, nullptr);
    MENUITEMINFOW platform{};
    platform.cbSize = sizeof(platform);
    platform.fMask = MIIM_STRING | MIIM_ID | MIIM_DATA;
    platform.wID = 4242;
    platform.dwItemData = MenuItemData(kNoImage, kPlatformLookTag);
    platform.dwTypeData = const_cast<wchar_t*>(L"platform");
    ::InsertMenuItemW(custom, 0, TRUE, &platform);
    owner.Skin(2);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(custom, 0, TRUE, &info);
    EXPECT_EQ(info.fType & MFT_OWNERDRAW, 0u) << "Tag 999";

    // An entry added while active is taken over when a sibling is drawn.
    MENUITEMINFOW added = platform;
    added.wID = 4243;
    added.dwItemData = MenuItemData(kNoImage, 30);
    added.dwTypeData = const_cast<wchar_t*>(L"30.你好");
    ::InsertMenuItemW(custom, 3, TRUE, &added);
    ::GetMenuItemInfoW(custom, 3, TRUE, &info);
    EXPECT_EQ(info.fType & MFT_OWNERDRAW, 0u);
    Canvas canvas(200, 40, 0);
    Draw(owner.painter(), AtPosition(custom, 1), canvas.dc(), RECT{0, 0, 150, 38});
    ::GetMenuItemInfoW(custom, 3, TRUE, &info);
    EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u);
    ::GetMenuItemInfoW(custom, 0, TRUE, &info);
    EXPECT_EQ(info.fType & MFT_OWNERDRAW, 0u) << "still Tag 999";
}

TEST(MenuPainterOnGdi, MeasuresSeparatorsAndPictureItems) {
    PainterWindow owner;
    owner.Skin(1);
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    const ItemRef separator = AtPosition(owner.mainMenu(), 2);
    measure.itemID = separator.id;
    measure.itemData = separator.data;
    measure.itemHeight = 16;  // what the platform proposes
    owner.painter().MeasureItem(measure);
    EXPECT_EQ(measure.itemHeight, 4u);
    const ItemRef circle = FindByCommand(owner.mainMenu(), ArrangementCommand(21));
    measure.itemID = circle.id;
    measure.itemData = circle.data;
    owner.painter().MeasureItem(measure);
    EXPECT_EQ(measure.itemHeight, 38u) << "32 + 6 beats 13 + 10";
    EXPECT_GT(measure.itemWidth, 32u + 5u);
}

TEST(MenuPainterOnGdi, GradientPictureAndSeparatorOfSkinOne) {
    PainterWindow owner;
    owner.Skin(1);
    Canvas canvas(160, 80, 0x777777);
    const ItemRef circle = FindByCommand(owner.mainMenu(), ArrangementCommand(21));
    Draw(owner.painter(), circle, canvas.dc(), RECT{0, 0, 150, 38});
    EXPECT_EQ(canvas.At(0, 20), Rgb(3, 104, 3))
        << "the gradient's first column, L(RGB(0, 102, 0), 1)";
    EXPECT_EQ(canvas.At(1, 20), Rgb(10, 108, 10));
    EXPECT_EQ(canvas.At(151, 20), Rgb(245, 249, 245)) << "its last, two past the edge, L(., 96)";
    EXPECT_EQ(canvas.At(152, 20), 0x777777u);
    EXPECT_EQ(canvas.At(100, 38), Rgb(245, 249, 245)) << "one pixel taller than the item";
    // The picture 2 in and 3 down, dimmed by 30: 200 + Round(16.5) = 216, Round(76.5) = 76.
    EXPECT_EQ(canvas.At(8, 9), Rgb(216, 76, 76));
    EXPECT_EQ(canvas.At(27, 28), Rgb(216, 76, 76));
    EXPECT_EQ(canvas.At(7, 9), canvas.At(7, 30)) << "transparent around it";

    // A separator: one line 7 pixels in, half-way down.
    const ItemRef separator = AtPosition(::GetSubMenu(owner.mainMenu(), 1), 7);
    Draw(owner.painter(), separator, canvas.dc(), RECT{0, 50, 150, 54});
    EXPECT_EQ(canvas.At(7, 52), Sys(COLOR_BTNFACE));
    EXPECT_EQ(canvas.At(149, 52), Sys(COLOR_BTNFACE));
    EXPECT_NE(canvas.At(6, 52), Sys(COLOR_BTNFACE));
    EXPECT_NE(canvas.At(50, 51), Sys(COLOR_BTNFACE));
    EXPECT_NE(canvas.At(50, 53), Sys(COLOR_BTNFACE));
}

TEST(MenuPainterOnGdi, SelectedItemsAreFramedAndTheirPictureRisesWithAShadow) {
    PainterWindow owner;
    owner.Skin(1);
    Canvas canvas(160, 40, 0x777777);
    Draw(owner.painter(), FindByCommand(owner.mainMenu(), ArrangementCommand(21)), canvas.dc(),
         RECT{0, 0, 150, 38}, ODS_SELECTED);
    // L(RGB(0, 128, 0), 68) inside the frame.
    EXPECT_EQ(canvas.At(75, 20), Rgb(173, 214, 173));
    EXPECT_EQ(canvas.At(75, 1), Sys(COLOR_HIGHLIGHT)) << "the frame, 1 below the top";
    EXPECT_EQ(canvas.At(148, 20), Sys(COLOR_HIGHLIGHT)) << "1 off the right with a flat menu";
    EXPECT_EQ(canvas.At(75, 37), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(canvas.At(120, 0), Rgb(245, 249, 245)) << "the gradient above the frame";
    // The picture at (1, 2), plain; its shadow at (3, 4) in D(RGB(173, 214, 173), 50).
    EXPECT_EQ(canvas.At(7, 8), kRed);
    EXPECT_EQ(canvas.At(26, 27), kRed);
    EXPECT_EQ(canvas.At(28, 29), Rgb(123, 166, 123));
    EXPECT_EQ(canvas.At(27, 9), Rgb(173, 214, 173)) << "no shadow above the picture's own";
}

TEST(MenuPainterOnGdi, SkinZeroHasAPictureColumnAndNoGradient) {
    PainterWindow owner;
    owner.Skin(0);
    Canvas canvas(160, 40, 0x777777);
    Draw(owner.painter(), FindByCommand(owner.mainMenu(), ArrangementCommand(21)), canvas.dc(),
         RECT{0, 0, 150, 38});
    GdiColorDevice device(canvas.dc());
    EXPECT_EQ(canvas.At(1, 1), Lighten(device, kClBtnFace, 16)) << "the picture column";
    EXPECT_EQ(canvas.At(32, 37), Lighten(device, kClBtnFace, 16));
    EXPECT_EQ(canvas.At(33, 37), Lighten(device, kClBtnFace, 86)) << "the item background";
    EXPECT_EQ(canvas.At(149, 1), Lighten(device, kClBtnFace, 86));
    // The picture starts one pixel before the column: its square at 5.
    EXPECT_NE(canvas.At(5, 10), Lighten(device, kClBtnFace, 16));
    EXPECT_EQ(canvas.At(4, 10), Lighten(device, kClBtnFace, 16));
}

TEST(MenuPainterOnGdi, DisabledPicturesAreGrey) {
    PainterWindow owner;
    owner.Skin(3);
    const ItemRef circle = FindByCommand(owner.mainMenu(), ArrangementCommand(21));
    ::EnableMenuItem(circle.menu, static_cast<UINT>(circle.position), MF_BYPOSITION | MF_GRAYED);
    Canvas canvas(160, 40, 0x777777);
    Draw(owner.painter(), circle, canvas.dc(), RECT{0, 0, 150, 38}, ODS_GRAYED);
    // RGB(200, 0, 0): mean 66 + 10 = 76, lightened by 40: 76 + Round(71.6) = 148.
    EXPECT_EQ(canvas.At(15, 15), Rgb(148, 148, 148));
}

TEST(MenuPainterOnScreen, AnOpenMenuHasAFlatFrameAndATwoPixelShadow) {
    PainterWindow owner;
    owner.Skin(1);
    RECT window{};
    ColorRef frame = 0;
    ColorRef shadowRight = 0;
    ColorRef shadowBottom = 0;
    ColorRef cornerTopRight = 0;
    ColorRef cornerBottomLeft = 0;
    ColorRef firstColumn = 0;
    owner.WithOpenMenu(owner.mainMenu(), [&](HWND menuWindow) {
        ::GetWindowRect(menuWindow, &window);
        HDC screen = ::GetDC(nullptr);
        frame = static_cast<ColorRef>(::GetPixel(screen, window.left, window.top + 20));
        shadowRight = static_cast<ColorRef>(::GetPixel(screen, window.right - 1, window.top + 20));
        shadowBottom =
            static_cast<ColorRef>(::GetPixel(screen, window.left + 20, window.bottom - 2));
        cornerTopRight = static_cast<ColorRef>(::GetPixel(screen, window.right - 1, window.top));
        cornerBottomLeft =
            static_cast<ColorRef>(::GetPixel(screen, window.left + 1, window.bottom - 1));
        RECT item{};
        ::GetMenuItemRect(nullptr, owner.mainMenu(), 3, &item);
        firstColumn = static_cast<ColorRef>(::GetPixel(screen, item.left, item.top + 20));
        ::ReleaseDC(nullptr, screen);
    });
    ASSERT_TRUE(owner.idled()) << "the menu opened";
    const ColorRef face = Sys(COLOR_BTNFACE);
    HDC screen = ::GetDC(nullptr);
    GdiColorDevice device(screen);
    EXPECT_EQ(frame, Darken(device, kClBtnFace, 90));
    EXPECT_EQ(shadowRight, Darken(device, kClBtnFace, 76));
    EXPECT_EQ(shadowBottom, Darken(device, kClBtnFace, 76));
    EXPECT_EQ(cornerTopRight, face);
    EXPECT_EQ(cornerBottomLeft, face);
    EXPECT_EQ(firstColumn, Rgb(3, 104, 3)) << "the gradient starts at the item's left";
    ::ReleaseDC(nullptr, screen);
}

// The button as the take-over draws it, in a canvas of its own.
struct ButtonPicture {
    explicit ButtonPicture(PainterWindow& owner) : canvas(55, 55, 0x777777) {
        owner.painter().controls().DrawButton(owner.button(), canvas.dc());
    }
    Canvas canvas;
    ColorRef At(int x, int y) const { return canvas.At(x, y); }
    int Count(ColorRef colour, RECT area) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += At(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }
};

class FlatButtons : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_.Skin(1);
        device_ = std::make_unique<GdiColorDevice>(screen_);
        a_ = Lighten(*device_, kClHighlight, 60);
    }
    void TearDown() override { ::ReleaseDC(nullptr, screen_); }
    void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = MAKELPARAM(27, 27)) {
        ::SendMessageW(owner_.button(), message, wParam, lParam);
    }
    void Hover() {
        RECT r{};
        ::GetWindowRect(owner_.button(), &r);
        ::SetCursorPos(r.left + 27, r.top + 27);
        Send(WM_MOUSEMOVE);
    }
    const FlatControlState& State() {
        return *owner_.painter().controls().StateOf(owner_.button());
    }

    PainterWindow owner_;
    HDC screen_ = ::GetDC(nullptr);
    std::unique_ptr<GdiColorDevice> device_;
    ColorRef a_ = 0;  // the edge base of a lit button
};

TEST_F(FlatButtons, IdleButtonsShowTheirRoundedFrameAndADarkBottomRightEdge) {
    ASSERT_TRUE(owner_.painter().controls().IsTakenOver(owner_.button()));
    ASSERT_NE(::GetFocus(), owner_.button());
    const ButtonPicture idle(owner_);
    EXPECT_EQ(idle.At(0, 0), 0x006600u) << "the parent's colour in the rounded corner";
    EXPECT_EQ(idle.At(27, 0), Lighten(*device_, kClBtnShadow, 30))
        << "the frame, L(COLOR_BTNSHADOW, 30)";
    EXPECT_EQ(idle.At(0, 27), Lighten(*device_, kClBtnShadow, 30));
    EXPECT_EQ(idle.At(54, 27), Darken(*device_, kClBtnShadow, 50)) << "the dark edge, right";
    EXPECT_EQ(idle.At(27, 54), Darken(*device_, kClBtnShadow, 50)) << "and bottom";
    EXPECT_EQ(idle.At(3, 27), 0x006600u) << "filled in the picture column colour";
    // The picture at (11, 3 + 1), dimmed by 30: its square from (19, 12).
    EXPECT_EQ(idle.At(19, 12), Rgb(216, 76, 76));
    EXPECT_EQ(idle.At(18, 12), 0x006600u);
    EXPECT_GT(idle.Count(0x000000, RECT{10, 38, 45, 53}), 10) << "the caption in the font's colour";
}

TEST_F(FlatButtons, ThePointerLightsTheButtonAndRaisesItsPicture) {
    Hover();
    ASSERT_TRUE(State().hot());
    const ButtonPicture hot(owner_);
    EXPECT_EQ(hot.At(3, 27), Lighten(*device_, kClBtnFace, 60)) << "fill L(COLOR_BTNFACE, 60)";
    EXPECT_EQ(hot.At(27, 0), Lighten(*device_, a_, 30));
    EXPECT_EQ(hot.At(54, 27), Darken(*device_, a_, 50)) << "still up";
    EXPECT_EQ(hot.At(18, 11), kRed) << "one up and to the left, undimmed";
    // Shadow two below and right of the raised picture, D(L(RGB(0, 128, 0), 68), 50)
    // (where the caption's height puts the picture one row higher or lower,
    // this pixel is still the shadow's).
    EXPECT_EQ(hot.At(35, 27), Rgb(123, 166, 123));
    // The button on the screen shows the same.
    window_dc dc(owner_.button());
    EXPECT_EQ(static_cast<ColorRef>(::GetPixel(dc.get(), 3, 27)),
              Lighten(*device_, kClBtnFace, 60));

    Send(WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(State().hot());
    EXPECT_EQ(ButtonPicture(owner_).At(19, 12), Rgb(216, 76, 76)) << "back down";
    Hover();
    Send(BM_GETCHECK, 0, 0);
    EXPECT_FALSE(State().hot()) << "a check query clears hot";
}

TEST_F(FlatButtons, PressingMovesTheDarkEdgeAndReleasingClicks) {
    Hover();
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    ASSERT_TRUE(State().ShowsPressed());
    const ButtonPicture pressed(owner_);
    EXPECT_EQ(pressed.At(0, 27), Darken(*device_, a_, 50)) << "dark top-left edge";
    EXPECT_EQ(pressed.At(27, 0), Darken(*device_, a_, 50));
    EXPECT_EQ(pressed.At(54, 27), Lighten(*device_, a_, 30));
    EXPECT_EQ(::GetFocus(), owner_.button()) << "the press took the focus";
    EXPECT_EQ(pressed.At(19, 12), kRed) << "focused: the picture does not rise";
    EXPECT_EQ(pressed.At(36, 28), Rgb(123, 166, 123)) << "but casts its shadow";
    Send(WM_LBUTTONUP);
    EXPECT_EQ(ButtonPicture(owner_).At(54, 27), Darken(*device_, a_, 50));
    EXPECT_EQ(owner_.clicks(), 1);

    // A double click is one more press.
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON);
    EXPECT_TRUE(State().pressedByMouse());
    EXPECT_NE(::SendMessageW(owner_.button(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(owner_.clicks(), 2);
}

TEST_F(FlatButtons, TheSpaceKeyHoldsTheFocusedButtonDown) {
    ::SetFocus(owner_.button());
    Send(WM_MOUSELEAVE, 0, 0);
    Send(WM_KEYDOWN, VK_SPACE, 1);
    ASSERT_TRUE(State().pressedByKey());
    EXPECT_EQ(ButtonPicture(owner_).At(0, 27), Darken(*device_, a_, 50));
    Send(WM_KEYDOWN, VK_SPACE, 1 | (1 << 30));  // the key's repeat
    EXPECT_TRUE(State().pressedByKey());
    Send(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001u));
    EXPECT_FALSE(State().pressedByKey());
    EXPECT_EQ(ButtonPicture(owner_).At(54, 27), Darken(*device_, a_, 50)) << "up again";
    EXPECT_EQ(owner_.clicks(), 1);
}

TEST_F(FlatButtons, DisabledButtonsAreGreyWithoutAnEdge) {
    ::EnableWindow(owner_.button(), FALSE);
    const ButtonPicture disabled(owner_);
    EXPECT_EQ(disabled.At(54, 27), Lighten(*device_, kClBtnShadow, 30)) << "only the frame";
    EXPECT_EQ(disabled.At(19, 12), Rgb(148, 148, 148));
    EXPECT_GT(disabled.Count(Sys(COLOR_INACTIVECAPTION), RECT{10, 38, 45, 53}), 10)
        << "DisabledColor";
    Hover();
    EXPECT_FALSE(State().hot()) << "the pointer does not light a disabled button";
}

TEST_F(FlatButtons, GivingUpRestoresThePlatformsButton) {
    MenuPainterProperties off = owner_.painter().properties();
    off.active = false;
    owner_.painter().SetProperties(off);
    EXPECT_FALSE(owner_.painter().controls().IsTakenOver(owner_.button()));
    Hover();
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON);
    EXPECT_EQ(::SendMessageW(owner_.button(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0)
        << "no press any more";
    off.active = true;
    owner_.painter().SetProperties(off);
    EXPECT_TRUE(owner_.painter().controls().IsTakenOver(owner_.button()));
    // Bitmap buttons no longer among the styled kinds: given up again.
    off.styledControls = kStyleAll & ~static_cast<std::uint32_t>(kStyleBitmapButtons);
    owner_.painter().SetProperties(off);
    EXPECT_FALSE(owner_.painter().controls().IsTakenOver(owner_.button()));
    EXPECT_TRUE(owner_.painter().controls().IsTakenOver(owner_.edit()));
}

TEST(FlatTextAreas, AFlatFrameOnTheTextInsteadOfTheSunkenEdge) {
    PainterWindow owner;
    owner.Skin(1);
    HWND edit = owner.edit();
    EXPECT_EQ(::GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_NE(::GetWindowLongPtrW(edit, GWL_STYLE) & WS_BORDER, 0);
    ::RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    RECT client{};
    ::GetClientRect(edit, &client);
    RECT whole{};
    ::GetWindowRect(edit, &whole);
    window_dc text(edit);
    window_dc all(edit, window_dc::Area::kWhole);
    GdiColorDevice device(text.get());
    const ColorRef idle = Darken(device, 0x006600, 60);
    const auto at = [](const window_dc& dc, int x, int y) {
        return static_cast<ColorRef>(::GetPixel(dc.get(), x, y));
    };
    // The frame runs round the text, inside the border and left of the
    // scroll bar; the window's own edge and the scroll bar stay as they are.
    EXPECT_EQ(at(text, 0, 20), idle);
    EXPECT_EQ(at(text, client.right - 1, 20), idle) << "left of the scroll bar";
    EXPECT_EQ(at(text, 20, client.bottom - 1), idle);
    EXPECT_NE(at(all, 0, 20), idle) << "the border";
    EXPECT_NE(at(all, whole.right - whole.left - 1, 20), idle) << "not round the scroll bar";
    ::SetFocus(edit);
    EXPECT_EQ(at(text, 0, 20), Lighten(device, kClHighlight, 60));
    MenuPainterProperties off = owner.painter().properties();
    off.active = false;
    owner.painter().SetProperties(off);
    EXPECT_NE(::GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0) << "restored";
}

// Draws every item of `menu` and its submenus into `dc`.
void DrawAll(MenuPainter& painter, HMENU menu, HDC dc, UINT state) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        Draw(painter, AtPosition(menu, i), dc, RECT{0, 0, 150, 38}, state);
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            DrawAll(painter, sub, dc, state);
        }
    }
}

void OpenAll(PainterWindow& owner, HMENU menu) {
    owner.WithOpenMenu(menu, [](HWND) {});
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            OpenAll(owner, sub);
        }
    }
}

TEST(StylingResources, DrawingMenusButtonsAndSkinsGivesBackEveryObject) {
    PainterWindow owner;
    Canvas canvas(160, 40, 0);
    auto cycle = [&](int round) {
        owner.Skin(round % 5);
        DrawAll(owner.painter(), owner.mainMenu(), canvas.dc(), round % 2 == 0 ? 0u : ODS_SELECTED);
        DrawAll(owner.painter(), owner.systemMenu(), canvas.dc(), ODS_GRAYED);
        if (round % 25 == 0) {
            OpenAll(owner, owner.mainMenu());
            OpenAll(owner, owner.systemMenu());
        }
        RECT r{};
        ::GetWindowRect(owner.button(), &r);
        ::SetCursorPos(r.left + 27, r.top + 27);
        ::SendMessageW(owner.button(), WM_MOUSEMOVE, 0, MAKELPARAM(27, 27));
        ::SendMessageW(owner.button(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(27, 27));
        ::SendMessageW(owner.button(), WM_LBUTTONUP, 0, MAKELPARAM(27, 27));
        ::SendMessageW(owner.button(), WM_MOUSELEAVE, 0, 0);
        ::SetFocus(owner.edit());
        ::SetFocus(owner.window());
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
    };
    for (int round = 0; round < 5; ++round) {
        cycle(round);  // every cache filled once
    }
    const std::size_t gdi = testing::CountGdiObjects();
    const std::size_t user = testing::CountUserObjects();
    ASSERT_GT(gdi, 0u);
    ASSERT_GT(user, 0u);
    // Enough rounds that one object kept per round, or per opening of the
    // menus, would show.
    for (int round = 0; round < 100; ++round) {
        cycle(round);
    }
    EXPECT_EQ(testing::CountGdiObjects(), gdi);
    EXPECT_EQ(testing::CountUserObjects(), user);
    EXPECT_GE(owner.clicks(), 100);
}

}  // namespace
}  // namespace tavrel
