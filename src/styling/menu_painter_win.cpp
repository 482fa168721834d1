#include "styling/menu_painter_win.h"

#include <string>

#include "styling/gdi_plan_win.h"

namespace tavrel {
namespace {

// The painter's view of real menus: owner drawing and the painter's bit in
// the item data mark the items it draws.
class Win32MenuTree final : public MenuTree {
  public:
    int ItemCount(MenuId menu) override { return std::max(::GetMenuItemCount(Handle(menu)), 0); }
    MenuId SubMenu(MenuId menu, int index) override {
        return reinterpret_cast<MenuId>(::GetSubMenu(Handle(menu), index));
    }
    std::int32_t Tag(MenuId menu, int index) override {
        const MENUITEMINFOW info = Info(menu, index);
        return MenuItemDataTag(info.dwItemData);
    }
    ItemHandlers Handlers(MenuId menu, int index) override {
        const MENUITEMINFOW info = Info(menu, index);
        if ((info.fType & MFT_OWNERDRAW) == 0) {
            return ItemHandlers::kNone;
        }
        return (info.dwItemData & kPainterItemBit) != 0 ? ItemHandlers::kPainter
                                                        : ItemHandlers::kOther;
    }
    void SetHandlers(MenuId menu, int index, ItemHandlers handlers) override {
        MENUITEMINFOW info = Info(menu, index);
        if (handlers == ItemHandlers::kPainter) {
            info.fType |= MFT_OWNERDRAW;
            info.dwItemData |= kPainterItemBit;
        } else {
            info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
            info.dwItemData &= ~kPainterItemBit;
        }
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        ::SetMenuItemInfoW(Handle(menu), static_cast<UINT>(index), TRUE, &info);
    }

  private:
    static HMENU Handle(MenuId menu) { return reinterpret_cast<HMENU>(menu); }
    static MENUITEMINFOW Info(MenuId menu, int index) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        ::GetMenuItemInfoW(Handle(menu), static_cast<UINT>(index), TRUE, &info);
        return info;
    }
};

MenuTree::MenuId Id(HMENU menu) {
    return reinterpret_cast<MenuTree::MenuId>(menu);
}

std::wstring ItemText(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = nullptr;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
        return {};
    }
    std::wstring text(info.cch + 1, L'\0');
    info.cch += 1;
    info.dwTypeData = text.data();
    ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    text.resize(info.cch);
    return text;
}

// A platform-drawn item shows its picture beside its text, as large as the
// picture itself.
constexpr int kPlatformPictureMargin = 2;

}  // namespace

MenuPainter::MenuPainter(HWND owner) : owner_(owner), controls_(properties_) {}

MenuPainter::~MenuPainter() {
    SetActive(false);
}

void MenuPainter::SetProperties(const MenuPainterProperties& next) {
    const bool wasActive = properties_.active;
    const bool retake = next.overrideOwnerDraw != properties_.overrideOwnerDraw ||
                        next.styledContainers != properties_.styledContainers ||
                        next.styledControls != properties_.styledControls;
    MenuPainterProperties copy = next;
    copy.active = wasActive;
    properties_ = copy;
    if (next.active != wasActive) {
        SetActive(next.active);
    } else if (wasActive && retake) {
        TakeOverAll();
    }
    controls_.RedrawAll();
}

void MenuPainter::SetActive(bool active) {
    if (active == properties_.active) {
        return;
    }
    properties_.active = active;
    if (active) {
        TakeOverAll();
    } else {
        GiveUpAll();
    }
    if (owner_ != nullptr && ::IsWindow(owner_)) {
        ::DrawMenuBar(owner_);
    }
}

void MenuPainter::AddMenu(HMENU menu) {
    menus_.push_back(menu);
    if (properties_.active) {
        Win32MenuTree tree;
        TakeOverMenu(tree, Id(menu), properties_.overrideOwnerDraw);
    }
}

void MenuPainter::ItemsAdded() {
    if (properties_.active && properties_.autoDetect) {
        TakeOverAll();
    }
}

void MenuPainter::TakeOverAll() {
    Win32MenuTree tree;
    for (HMENU menu : menus_) {
        TakeOverMenu(tree, Id(menu), properties_.overrideOwnerDraw);
    }
    controls_.TakeOver();
}

void MenuPainter::GiveUpAll() {
    Win32MenuTree tree;
    for (HMENU menu : menus_) {
        if (::IsMenu(menu)) {
            GiveUpMenu(tree, Id(menu));
        }
    }
    controls_.GiveUp();
}

bool MenuPainter::Handle(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_MEASUREITEM) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU) {
            return false;
        }
        MeasureItem(item);
        result = TRUE;
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU) {
            return false;
        }
        DrawItem(item);
        result = TRUE;
        return true;
    }
    return false;
}

MenuPainter::Found MenuPainter::FindItem(UINT id, ULONG_PTR data) const {
    // Depth first through every menu: the first item with this command and
    // this item data.
    struct Search {
        static Found In(HMENU menu, UINT id, ULONG_PTR data, int depth) {
            const int count = ::GetMenuItemCount(menu);
            for (int i = 0; i < count; ++i) {
                MENUITEMINFOW info{};
                info.cbSize = sizeof(info);
                info.fMask = MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
                if (::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) && info.wID == id &&
                    info.dwItemData == data) {
                    return {menu, i};
                }
                if (info.hSubMenu != nullptr && depth < 16) {
                    const Found found = In(info.hSubMenu, id, data, depth + 1);
                    if (found.menu != nullptr) {
                        return found;
                    }
                }
            }
            return {};
        }
    };
    for (HMENU menu : menus_) {
        const Found found = Search::In(menu, id, data, 0);
        if (found.menu != nullptr) {
            return found;
        }
    }
    return {};
}

MenuItemLook MenuPainter::LookOf(HMENU menu, int position, UINT) const {
    MenuItemLook look;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    if ((info.fType & MFT_SEPARATOR) != 0) {
        look.caption = kSeparatorCaption;
    } else {
        const std::wstring text = ItemText(menu, position);
        const std::size_t tab = text.find(L'\t');
        look.caption = text.substr(0, tab);
        if (tab != std::wstring::npos) {
            look.shortcut = text.substr(tab + 1);
        }
    }
    const int image = MenuItemDataImage(info.dwItemData);
    int width = 0;
    int height = 0;
    if (image >= 0 && images_ != nullptr && ::ImageList_GetIconSize(images_, &width, &height)) {
        look.hasPicture = true;
        look.pictureWidth = width;
        look.pictureHeight = height;
    }
    look.enabled = (info.fState & (MFS_DISABLED | MFS_GRAYED)) == 0;
    look.checked = (info.fState & MFS_CHECKED) != 0;
    look.radio = (info.fType & MFT_RADIOCHECK) != 0;
    look.isDefault = (info.fState & MFS_DEFAULT) != 0;
    look.rightToLeft = (info.fType & MFT_RIGHTORDER) != 0;
    return look;
}

HFONT MenuPainter::Font() {
    if (!font_ || !(fontMade_ == properties_.font)) {
        font_ = CreatePainterFont(properties_.font);
        fontMade_ = properties_.font;
    }
    return font_.get();
}

void MenuPainter::MeasureItem(MEASUREITEMSTRUCT& item) {
    const Found found = FindItem(item.itemID, item.itemData);
    int width = 0;
    int height = 0;
    const bool picture =
        ::ImageList_GetIconSize(images_, &width, &height) != 0 && images_ != nullptr;
    if (found.menu == nullptr || (item.itemData & kPainterItemBit) == 0) {
        // The platform draws the item and asks only for its picture.
        if (picture && MenuItemDataImage(item.itemData) >= 0) {
            item.itemWidth = static_cast<UINT>(width);
            item.itemHeight = static_cast<UINT>(height + kPlatformPictureMargin);
        }
        return;
    }
    const MenuItemLook look = LookOf(found.menu, found.position, item.itemID);
    window_dc dc(owner_);
    select_object useFont(dc.get(), Font());
    GdiTextMeasurer measurer(dc.get());
    // The platform's own proposal (a default item height) is no floor here:
    // separators are 4 pixels high.
    const ItemSize size = MeasureMenuItem(properties_, measurer, look, {0, 0});
    item.itemWidth = static_cast<UINT>(std::max(size.width, 0));
    item.itemHeight = static_cast<UINT>(std::max(size.height, 0));
}

void MenuPainter::DrawItem(const DRAWITEMSTRUCT& item) {
    const auto menu = reinterpret_cast<HMENU>(item.hwndItem);
    HDC dc = item.hDC;
    if ((item.itemData & kPainterItemBit) == 0) {
        // A platform-drawn item's picture, centred in the space it was given.
        const int image = MenuItemDataImage(item.itemData);
        int width = 0;
        int height = 0;
        if (image >= 0 && images_ != nullptr && ::ImageList_GetIconSize(images_, &width, &height)) {
            const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - height) / 2;
            ::ImageList_Draw(images_, image, dc, item.rcItem.left, top, ILD_TRANSPARENT);
        }
        return;
    }
    int position = -1;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_DATA;
        if (::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) &&
            info.wID == item.itemID && info.dwItemData == item.itemData) {
            position = i;
            break;
        }
    }
    if (position < 0) {
        return;
    }
    MenuItemLook look = LookOf(menu, position, item.itemID);
    look.enabled = look.enabled && (item.itemState & (ODS_DISABLED | ODS_GRAYED)) == 0;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;

    const int saved = ::SaveDC(dc);
    GdiColorDevice device(dc);
    // The drawing may reset the font (UseSystemColors), so the plan comes
    // first and the font is taken from the properties it leaves.
    ResetFontForSystemColors(properties_);
    ::SelectObject(dc, Font());
    GdiTextMeasurer measurer(dc);
    HWND canvasWindow = ::WindowFromDC(dc);
    const ItemPlan plan =
        PlanMenuItem(properties_, device, measurer, look,
                     Rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
                     selected, canvasWindow != owner_);
    PixelImage picture;
    if (look.hasPicture) {
        const COLORREF under = ::GetPixel(dc, 2, 2);
        picture = ImageListPicture(
            images_, MenuItemDataImage(item.itemData),
            under == CLR_INVALID ? plan.colors.itemBack : static_cast<ColorRef>(under));
    }
    ExecutePlan(dc, plan.ops, look.hasPicture ? &picture : nullptr, device);
    ::RestoreDC(dc, saved);

    if (plan.flatFrame && canvasWindow != nullptr) {
        DrawFlatFrame(canvasWindow, menu, plan, look);
    }
    // Items added to this menu since are drawn the same way from now on.
    Win32MenuTree tree;
    TakeOverMenu(tree, Id(menu), properties_.overrideOwnerDraw);
}

void MenuPainter::DrawFlatFrame(HWND menuWindow, HMENU menu, const ItemPlan& plan,
                                const MenuItemLook& look) {
    RECT window{};
    if (!::GetWindowRect(menuWindow, &window)) {
        return;
    }
    // The items' part of the menu window, on the screen.
    RECT items{};
    bool any = false;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (::GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r)) {
            if (!any) {
                items = r;
                any = true;
            } else {
                ::UnionRect(&items, &items, &r);
            }
        }
    }
    if (!any) {
        RECT client{};
        ::GetClientRect(menuWindow, &client);
        ::MapWindowPoints(menuWindow, nullptr, reinterpret_cast<POINT*>(&client), 2);
        items = client;
    }
    // Drawn through the menu window's own window device context, in its
    // coordinates: a device context of the whole screen paints beneath the
    // other top-level windows where each has a surface of its own (Wine).
    window_dc dc(menuWindow, window_dc::Area::kWhole);
    if (dc.get() == nullptr) {
        return;
    }
    GdiColorDevice device(dc.get());
    const int dx = window.left;
    const int dy = window.top;
    const std::vector<DrawOp> ops = PlanFlatFrame(
        properties_, plan.colors, device, Rect{0, 0, window.right - dx, window.bottom - dy},
        Rect{items.left - dx, items.top - dy, items.right - dx, items.bottom - dy},
        look.rightToLeft);
    ExecutePlan(dc.get(), ops, nullptr, device);
}

}  // namespace tavrel
