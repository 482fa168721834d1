// The flat look of the owner window's bitmap buttons and text areas: each
// taken-over control is subclassed, keeps its hot and pressed states, and
// is drawn again in the flat style after its own window procedure handled
// a paint, focus, mouse, key or state message.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>

#include "common/control_subclass_win.h"
#include "styling/flat_controls.h"
#include "styling/menu_painter.h"

namespace tavrel {

// A bitmap button's picture and where it goes. The glyph holds `numGlyphs`
// images side by side; its bottom-left pixel is its transparent colour.
struct FlatButtonSpec {
    PixelImage glyph;
    int numGlyphs = 1;
    GlyphLayout layout = GlyphLayout::kTop;
    int spacing = 4;
};

class FlatControls {
  public:
    explicit FlatControls(const MenuPainterProperties& properties) : properties_(properties) {}
    FlatControls(const FlatControls&) = delete;
    FlatControls& operator=(const FlatControls&) = delete;
    ~FlatControls() { GiveUp(); }

    // The controls that are taken over while the painter is active.
    void AddBitmapButton(HWND button, FlatButtonSpec face);
    void AddTextArea(HWND edit);

    void TakeOver();
    void GiveUp();
    bool active() const { return active_; }
    bool IsTakenOver(HWND control) const { return records_.count(control) != 0; }
    // The states of a taken-over control; null for others.
    const FlatControlState* StateOf(HWND control) const;

    // Draws a taken-over control in the flat style now (after a skin change).
    void Redraw(HWND control);
    void RedrawAll();
    // Draws a bitmap button into any device context (its client rectangle at
    // the context's origin), as the button itself is drawn.
    void DrawButton(HWND button, HDC dc);

  private:
    enum class Kind { kBitmapButton, kTextArea };
    // Which part of the control the platform tells us the pointer leaves.
    enum class Tracked { kNone, kClient, kNonClient };
    struct Record {
        Kind kind = Kind::kBitmapButton;
        FlatButtonSpec face;
        FlatControlState state;
        // The pointer is over the control, its border and scroll bars
        // included.
        bool pointerOver = false;
        Tracked tracked = Tracked::kNone;
        LONG_PTR style = 0;
        LONG_PTR exStyle = 0;
        // The take-over lasts as long as the record.
        ControlSubclass subclass;
    };
    struct Registered {
        Kind kind;
        FlatButtonSpec face;
    };

    LRESULT Handle(ControlMessage& message);
    std::optional<FlatEvent> PointerMoved(HWND window, Record& record, POINT screenPoint,
                                          bool nonClient);
    std::optional<FlatEvent> PointerLeft(HWND window, Record& record, bool nonClient);
    static void TrackLeave(HWND window, Record& record, bool nonClient);
    void Attach(HWND control, const Registered& registered);
    void Detach(HWND control, bool restore);
    void DrawTextArea(HWND edit, const Record& record);
    Record* Find(HWND control);

    const MenuPainterProperties& properties_;
    std::map<HWND, Registered> registered_;
    std::map<HWND, std::unique_ptr<Record>> records_;
    bool active_ = false;
};

}  // namespace tavrel
