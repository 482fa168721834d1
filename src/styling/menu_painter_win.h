// TMenuPainter on Win32: takes over the popup menus of its owner window,
// answers WM_MEASUREITEM and WM_DRAWITEM for them, and draws the flat frame
// around the open menu window. It is a message hook of the owner window,
// so the owner's own window procedure need not know it. The same component takes over the
// owner's bitmap buttons and text areas (FlatControls).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "common/unique_handle_win.h"
#include "common/window_win.h"
#include "styling/flat_controls_win.h"
#include "styling/menu_painter.h"

namespace tavrel {

// What a menu item carries as its item data, so that whoever draws it finds
// its picture and its Tag there: bits 0-7 the picture index plus one (0 for
// none), bit 8 set while the painter draws the item, bits 9-31 the Tag
// (signed, -4194304 to 4194303).
inline constexpr ULONG_PTR kPainterItemBit = 0x100;
constexpr ULONG_PTR MenuItemData(int image, std::int32_t tag) {
    return (static_cast<ULONG_PTR>(static_cast<std::uint32_t>(image + 1)) & 0xFFu) |
           (static_cast<ULONG_PTR>(static_cast<std::uint32_t>(tag) << 9) & 0xFFFFFE00u);
}
constexpr int MenuItemDataImage(ULONG_PTR data) {
    return static_cast<int>(data & 0xFFu) - 1;
}
constexpr std::int32_t MenuItemDataTag(ULONG_PTR data) {
    const auto bits = static_cast<std::uint32_t>(data & 0xFFFFFE00u);
    return static_cast<std::int32_t>(bits) >> 9;
}

class MenuPainter final : public MessageHook {
  public:
    explicit MenuPainter(HWND owner = nullptr);
    MenuPainter(const MenuPainter&) = delete;
    MenuPainter& operator=(const MenuPainter&) = delete;
    // Gives everything up.
    ~MenuPainter() override;

    // The window whose menus and controls are painted.
    void SetOwner(HWND owner) { owner_ = owner; }
    HWND owner() const { return owner_; }

    const MenuPainterProperties& properties() const { return properties_; }
    // Sets every property: becoming active takes the menus and controls
    // over, becoming inactive gives them up, and a change of
    // OverrideOwnerDraw or the styled kinds while active takes over again.
    void SetProperties(const MenuPainterProperties& properties);
    void SetActive(bool active);

    // The owner's popup menus and the image list their pictures come from.
    void AddMenu(HMENU menu);
    void SetImages(HIMAGELIST images) { images_ = images; }
    // A menu item was added to one of the menus: with AutoDetect on, the
    // menus are taken over again.
    void ItemsAdded();

    FlatControls& controls() { return controls_; }
    const FlatControls& controls() const { return controls_; }

    // The owner's menu messages.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Measures and draws one item as the menu framework asks.
    void MeasureItem(MEASUREITEMSTRUCT& item);
    void DrawItem(const DRAWITEMSTRUCT& item);

  private:
    struct Found {
        HMENU menu = nullptr;
        int position = -1;
    };
    Found FindItem(UINT id, ULONG_PTR data) const;
    MenuItemLook LookOf(HMENU menu, int position, UINT id) const;
    void TakeOverAll();
    void GiveUpAll();
    HFONT Font();
    void DrawFlatFrame(HWND menuWindow, HMENU menu, const ItemPlan& plan, const MenuItemLook& look);

    HWND owner_;
    MenuPainterProperties properties_;
    std::vector<HMENU> menus_;
    HIMAGELIST images_ = nullptr;
    unique_hfont font_;
    PainterFont fontMade_;
    FlatControls controls_;
};

}  // namespace tavrel
