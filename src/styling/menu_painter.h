// TMenuPainter: draws the popup menus of its window in a flat style with a
// picture column, an optional gradient, a framed highlight, dimmed pictures
// that brighten and cast a shadow when selected, and a flat frame with a
// shadow around the menu window.
//
// This half holds the rules: the properties, the colours derived from them,
// how an item is measured, and what drawing one item paints (as a list of
// drawing operations). The Win32 half hooks the owner window's menu
// messages and carries the list out with GDI.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "styling/colors.h"
#include "styling/draw_plan.h"

namespace tavrel {

struct PainterFont {
    // The system's menu font (SPI_GETNONCLIENTMETRICS); name, charset and
    // height are then not used.
    bool systemMenuFont = true;
    std::wstring name;
    int charset = 1;  // DEFAULT_CHARSET
    int height = 0;   // as in a LOGFONT: negative gives the character height
    ColorRef color = kClMenuText;
    friend bool operator==(const PainterFont&, const PainterFont&) = default;
};

inline constexpr int kGb2312Charset = 134;

// The kinds of container and control the painter can take over.
enum StyledKind : std::uint32_t {
    kStyleButtons = 1u << 0,
    kStyleBitmapButtons = 1u << 1,
    kStyleSpeedButtons = 1u << 2,
    kStyleEdits = 1u << 3,
    kStyleMemos = 1u << 4,
    kStyleComboBoxes = 1u << 5,
    kStyleCheckBoxes = 1u << 6,
    kStyleRadioButtons = 1u << 7,
    kStyleRichEdits = 1u << 8,
    kStylePanels = 1u << 9,
    kStyleGroupBoxes = 1u << 10,
    kStyleForms = 1u << 11,
    kStyleAll = 0xFFFFFFFFu,
};

// The published properties, with their defaults.
struct MenuPainterProperties {
    int dimLevel = 30;
    int grayLevel = 10;
    PainterFont font;
    ColorRef color = kClBtnFace;
    ColorRef iconBackColor = kClBtnFace;
    ColorRef menuBarColor = kClBtnFace;
    ColorRef selectColor = kClHighlight;
    ColorRef selectBorderColor = kClHighlight;
    ColorRef selectFontColor = kClMenuText;  // the font's colour
    ColorRef disabledColor = kClInactiveCaption;
    ColorRef separatorColor = kClBtnFace;
    ColorRef checkedColor = kClHighlight;
    int iconWidth = 24;
    bool drawSelect = true;
    bool useSystemColors = true;
    bool overrideOwnerDraw = false;
    bool gradient = false;
    bool flatMenu = false;
    bool autoDetect = false;
    std::uint32_t styledContainers = kStyleAll;
    std::uint32_t styledControls = kStyleAll;
    bool active = false;
    friend bool operator==(const MenuPainterProperties&, const MenuPainterProperties&) = default;
};

// The colours an item is drawn in, all resolved to colour values.
struct DerivedColors {
    bool highColor = false;
    ColorRef itemBack = 0;
    ColorRef pictureColumn = 0;
    ColorRef highlightFill = 0;
    ColorRef highlightFrame = 0;
    ColorRef highlightText = 0;
    ColorRef menuBar = 0;
    ColorRef disabledText = 0;
    ColorRef separator = 0;
    ColorRef checkFrame = 0;
    ColorRef checkArea = 0;
    ColorRef checkAreaHighlighted = 0;
    ColorRef menuFrame = 0;
    ColorRef menuShadow = 0;
    ColorRef fontColor = 0;  // the item text colour
};

DerivedColors DeriveColors(const MenuPainterProperties& properties, ColorDevice& device);

// With UseSystemColors on, every drawing starts from the system menu font
// in the menu text colour.
void ResetFontForSystemColors(MenuPainterProperties& properties);

// Measures text in the painter's font on the canvas.
struct TextSize {
    int cx = 0;
    int cy = 0;
};
class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    virtual TextSize Measure(std::wstring_view text) = 0;
};

inline constexpr wchar_t kSeparatorCaption[] = L"-";

// One item as the painter sees it.
struct MenuItemLook {
    std::wstring caption;   // "-" for a separator
    std::wstring shortcut;  // the shortcut's text, empty when it has none
    bool hasPicture = false;
    int pictureWidth = 0;
    int pictureHeight = 0;
    bool enabled = true;
    bool checked = false;
    bool radio = false;
    bool isDefault = false;
    bool rightToLeft = false;
};

struct ItemSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ItemSize&, const ItemSize&) = default;
};

// The item's width and height; the proposed size is raised to them, never
// lowered.
ItemSize MeasureMenuItem(const MenuPainterProperties& properties, TextMeasurer& measurer,
                         const MenuItemLook& item, ItemSize proposed, bool mainMenuBarOnNt = false);

// Everything drawing one popup menu item paints, in order.
struct ItemPlan {
    DerivedColors colors;
    Rect rect;             // the item's rectangle, one pixel taller
    std::wstring caption;  // the caption as drawn: a blank in front
    Rect pictureColumn;
    Rect checkArea;
    Rect textRect;
    std::vector<DrawOp> ops;
    // The flat frame goes around the menu window (PlanFlatFrame).
    bool flatFrame = false;
};

// The soft relief of a default item's text: four passes one pixel around it,
// in colours darkened (by 30, 30, 40 and 60) from the background under it.
void AddTextRelief(std::vector<DrawOp>& ops, const Rect& text, const std::wstring& caption,
                   bool alignRight, bool rtlReading);

// `canvasIsMenuWindow`: the canvas belongs to a window other than the owner
// window, that is to the open menu's own window. Resets the font first
// when UseSystemColors is on.
ItemPlan PlanMenuItem(MenuPainterProperties& properties, ColorDevice& device,
                      TextMeasurer& measurer, const MenuItemLook& item, Rect itemRect,
                      bool selected, bool canvasIsMenuWindow);

// The gradient's colour of the i-th pixel column of a row (i = 0 at the
// row's start), for a picture column `iconWidth` wide.
std::vector<ColorRef> GradientColumns(ColorDevice& device, ColorRef pictureColumn, int iconWidth,
                                      int count);

// The flat frame around an open menu, in screen coordinates: `window` is
// the menu window's rectangle, `items` the part its items fill.
std::vector<DrawOp> PlanFlatFrame(const MenuPainterProperties& properties,
                                  const DerivedColors& colors, ColorDevice& device, Rect window,
                                  Rect items, bool rightToLeft);

// Picture pixels for each look.
ColorRef GreyPixel(ColorDevice& device, ColorRef pixel, int grayLevel);
PixelImage TransformPicture(ColorDevice& device, const PixelImage& picture, PictureLook look,
                            int level);
// Paints `picture` transparently onto `canvas` with its top-left corner at
// `at` (canvas coordinates), clipped to the canvas.
void PaintPicture(PixelImage& canvas, const PixelImage& picture, Point at);
// Paints the picture's shadow: its non-transparent pixels in `color`.
void PaintShadow(PixelImage& canvas, const PixelImage& picture, Point at, ColorRef color);

// Taking the menus over. Items carry handlers: none (the platform draws
// them), the painter's, or someone else's.
inline constexpr std::int32_t kPlatformLookTag = 999;
enum class ItemHandlers { kNone, kPainter, kOther };

class MenuTree {
  public:
    using MenuId = std::uintptr_t;  // 0: no menu
    virtual ~MenuTree() = default;
    virtual int ItemCount(MenuId menu) = 0;
    virtual MenuId SubMenu(MenuId menu, int index) = 0;
    virtual std::int32_t Tag(MenuId menu, int index) = 0;
    virtual ItemHandlers Handlers(MenuId menu, int index) = 0;
    virtual void SetHandlers(MenuId menu, int index, ItemHandlers handlers) = 0;
};

// Gives every item of `menu`, at every depth, the painter's handlers: an
// item tagged 999 is left alone (its sub-items are still visited), and one
// with handlers of its own keeps them unless `overrideOwnerDraw`.
void TakeOverMenu(MenuTree& tree, MenuTree::MenuId menu, bool overrideOwnerDraw);
// Removes the painter's own handlers, at every depth.
void GiveUpMenu(MenuTree& tree, MenuTree::MenuId menu);

}  // namespace tavrel
