#include "styling/flat_controls_win.h"

#include <windowsx.h>

#include <string>

#include "styling/gdi_plan_win.h"

namespace tavrel {
namespace {

std::wstring WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

// The parent's background colour and the text colour it gives its buttons,
// as the parent answers WM_CTLCOLORBTN.
struct ParentColours {
    ColorRef background = 0;
    ColorRef text = 0;
};
ParentColours AskParent(HWND control, HDC dc) {
    ParentColours colours{static_cast<ColorRef>(::GetSysColor(COLOR_BTNFACE)),
                          static_cast<ColorRef>(::GetSysColor(COLOR_WINDOWTEXT))};
    HWND parent = ::GetParent(control);
    if (parent == nullptr) {
        return colours;
    }
    ::SetTextColor(dc, colours.text);
    const auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(
        parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    LOGBRUSH info{};
    if (brush != nullptr && ::GetObjectW(brush, sizeof(info), &info) != 0 &&
        info.lbStyle == BS_SOLID) {
        colours.background = static_cast<ColorRef>(info.lbColor) & 0x00FFFFFFu;
    }
    colours.text = static_cast<ColorRef>(::GetTextColor(dc)) & 0x00FFFFFFu;
    return colours;
}

PixelImage FirstGlyph(const FlatButtonSpec& face) {
    const int count = std::max(face.numGlyphs, 1);
    const int width = face.glyph.width / count;
    PixelImage first(width, face.glyph.height);
    for (int y = 0; y < first.height; ++y) {
        for (int x = 0; x < first.width; ++x) {
            first.Set(x, y, face.glyph.At(x, y));
        }
    }
    return first;
}

}  // namespace

void FlatControls::AddBitmapButton(HWND button, FlatButtonSpec face) {
    registered_[button] = Registered{Kind::kBitmapButton, std::move(face)};
    if (active_) {
        TakeOver();
    }
}

void FlatControls::AddTextArea(HWND edit) {
    registered_[edit] = Registered{Kind::kTextArea, {}};
    if (active_) {
        TakeOver();
    }
}

void FlatControls::TakeOver() {
    active_ = true;
    for (const auto& [control, registered] : registered_) {
        // The kinds the painter styles may have changed since.
        const std::uint32_t kinds = registered.kind == Kind::kBitmapButton
                                        ? kStyleBitmapButtons
                                        : (kStyleEdits | kStyleMemos);
        const bool styled = (properties_.styledControls & kinds) != 0;
        if (styled && !IsTakenOver(control) && ::IsWindow(control)) {
            Attach(control, registered);
        } else if (!styled && IsTakenOver(control)) {
            Detach(control, true);
        }
    }
}

void FlatControls::GiveUp() {
    active_ = false;
    while (!records_.empty()) {
        Detach(records_.begin()->first, true);
    }
}

const FlatControlState* FlatControls::StateOf(HWND control) const {
    const auto found = records_.find(control);
    return found == records_.end() ? nullptr : &found->second->state;
}

FlatControls::Record* FlatControls::Find(HWND control) {
    const auto found = records_.find(control);
    return found == records_.end() ? nullptr : found->second.get();
}

void FlatControls::Attach(HWND control, const Registered& registered) {
    auto record = std::make_unique<Record>();
    record->kind = registered.kind;
    record->face = registered.face;
    record->style = ::GetWindowLongPtrW(control, GWL_STYLE);
    record->exStyle = ::GetWindowLongPtrW(control, GWL_EXSTYLE);
    record->subclass =
        ControlSubclass(control, [this](ControlMessage& message) { return Handle(message); });
    if (!record->subclass) {
        return;
    }
    if (record->kind == Kind::kTextArea && (record->exStyle & WS_EX_CLIENTEDGE) != 0) {
        // The three-dimensional look goes; a single flat border replaces it.
        ::SetWindowLongPtrW(control, GWL_EXSTYLE,
                            record->exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
        ::SetWindowLongPtrW(control, GWL_STYLE, record->style | WS_BORDER);
        ::SetWindowPos(control, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    records_[control] = std::move(record);
    ::InvalidateRect(control, nullptr, FALSE);
}

void FlatControls::Detach(HWND control, bool restore) {
    const auto found = records_.find(control);
    if (found == records_.end()) {
        return;
    }
    const std::unique_ptr<Record> record = std::move(found->second);
    records_.erase(found);
    if (restore && ::IsWindow(control)) {
        if (record->kind == Kind::kTextArea) {
            ::SetWindowLongPtrW(control, GWL_STYLE, record->style);
            ::SetWindowLongPtrW(control, GWL_EXSTYLE, record->exStyle);
            ::SetWindowPos(
                control, nullptr, 0, 0, 0, 0,
                SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ::InvalidateRect(control, nullptr, TRUE);
    }
}

LRESULT FlatControls::Handle(ControlMessage& control) {
    const HWND window = control.control;
    const UINT message = control.message;
    const WPARAM wParam = control.wParam;
    const LPARAM lParam = control.lParam;
    std::optional<FlatEvent> event;
    LRESULT result = 0;
    switch (message) {
        case WM_NCDESTROY:
            result = control.CallControl();
            Detach(window, false);
            registered_.erase(window);
            return result;
        case WM_LBUTTONDBLCLK:
            // A double click is one more press.
            result = control.CallControl(WM_LBUTTONDOWN, wParam, lParam);
            event = FlatEvent::kLeftDoubleClick;
            break;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: {
            result = control.CallControl();
            Record* record = Find(window);
            if (record == nullptr) {
                return result;
            }
            // The non-client messages carry screen coordinates already.
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (message == WM_MOUSEMOVE) {
                ::ClientToScreen(window, &at);
            }
            event = PointerMoved(window, *record, at, message == WM_NCMOUSEMOVE);
            break;
        }
        case WM_MOUSELEAVE:
        case WM_NCMOUSELEAVE:
            result = control.CallControl();
            if (Record* record = Find(window)) {
                event = PointerLeft(window, *record, message == WM_NCMOUSELEAVE);
            }
            break;
        default:
            result = control.CallControl();
            switch (message) {
                case WM_PAINT:
                case WM_NCPAINT:
                    event = FlatEvent::kPaint;
                    break;
                case WM_SETFOCUS:
                    event = FlatEvent::kFocusGained;
                    break;
                case WM_KILLFOCUS:
                    event = FlatEvent::kFocusLost;
                    break;
                case WM_LBUTTONDOWN:
                    event = FlatEvent::kLeftDown;
                    break;
                case WM_LBUTTONUP:
                    event = FlatEvent::kLeftUp;
                    break;
                case WM_KEYDOWN:
                    if (wParam == VK_SPACE) {
                        event = FlatEvent::kSpaceDown;
                    }
                    break;
                case WM_KEYUP:
                    if (wParam == VK_SPACE) {
                        event = FlatEvent::kSpaceUp;
                    }
                    break;
                case BM_GETCHECK:
                    event = FlatEvent::kGetCheck;
                    break;
                case BM_SETCHECK:
                    event = FlatEvent::kSetCheck;
                    break;
                case BM_SETSTATE:
                    event = FlatEvent::kSetState;
                    break;
                case WM_SETTEXT:
                case WM_SETFONT:
                case WM_ENABLE:
                case WM_STYLECHANGED:
                    event = FlatEvent::kChanged;
                    break;
                default:
                    break;
            }
            break;
    }
    if (!event) {
        return result;
    }
    // The control's own handling may have ended the take-over, or the control.
    Record* record = Find(window);
    if (record == nullptr || !::IsWindow(window)) {
        return result;
    }
    if (record->state.Handle(*event, ::IsWindowEnabled(window) != 0)) {
        Redraw(window);
    }
    return result;
}

// The control is one place for the pointer: a memo's border and scroll bar
// belong to it as much as its text does.
std::optional<FlatEvent> FlatControls::PointerMoved(HWND window, Record& record, POINT screenPoint,
                                                    bool nonClient) {
    RECT whole{};
    ::GetWindowRect(window, &whole);
    if (!::PtInRect(&whole, screenPoint)) {
        // Dragged off while the control holds the mouse.
        if (!record.pointerOver) {
            return std::nullopt;
        }
        record.pointerOver = false;
        return FlatEvent::kMouseLeave;
    }
    const Tracked part = nonClient ? Tracked::kNonClient : Tracked::kClient;
    if (record.tracked != part) {
        TrackLeave(window, record, nonClient);
    }
    if (record.pointerOver) {
        return std::nullopt;
    }
    record.pointerOver = true;
    return FlatEvent::kMouseEnter;
}

std::optional<FlatEvent> FlatControls::PointerLeft(HWND window, Record& record, bool nonClient) {
    if (record.tracked == (nonClient ? Tracked::kNonClient : Tracked::kClient)) {
        record.tracked = Tracked::kNone;
    }
    if (!record.pointerOver) {
        return std::nullopt;
    }
    // Leaving the text for the scroll bar, or the other way, is no leaving.
    POINT at{};
    if (::GetCursorPos(&at) && ::WindowFromPoint(at) == window) {
        const bool nowNonClient =
            ::SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) != HTCLIENT;
        if (nowNonClient != nonClient) {
            TrackLeave(window, record, nowNonClient);
            return std::nullopt;
        }
    }
    record.pointerOver = false;
    return FlatEvent::kMouseLeave;
}

void FlatControls::TrackLeave(HWND window, Record& record, bool nonClient) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | (nonClient ? TME_NONCLIENT : 0u), window, 0};
    record.tracked = ::TrackMouseEvent(&track)
                         ? (nonClient ? Tracked::kNonClient : Tracked::kClient)
                         : Tracked::kNone;
}

void FlatControls::Redraw(HWND control) {
    const Record* record = Find(control);
    if (record == nullptr) {
        return;
    }
    if (record->kind == Kind::kTextArea) {
        DrawTextArea(control, *record);
        return;
    }
    window_dc dc(control);
    if (!dc) {
        return;
    }
    RECT client{};
    ::GetClientRect(control, &client);
    // Composed off the screen, then shown at once.
    unique_hdc memory(::CreateCompatibleDC(dc.get()));
    unique_hbitmap bitmap(::CreateCompatibleBitmap(dc.get(), std::max<LONG>(client.right, 1),
                                                   std::max<LONG>(client.bottom, 1)));
    if (!memory || !bitmap) {
        return;
    }
    {
        select_object use(memory.get(), bitmap.get());
        DrawButton(control, memory.get());
        ::BitBlt(dc.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
}

void FlatControls::RedrawAll() {
    for (const auto& entry : records_) {
        Redraw(entry.first);
    }
}

void FlatControls::DrawButton(HWND button, HDC dc) {
    const Record* record = Find(button);
    const FlatControlState idle;
    const FlatControlState& state = record != nullptr ? record->state : idle;
    const FlatButtonSpec empty;
    const FlatButtonSpec& face = record != nullptr ? record->face : empty;

    RECT client{};
    ::GetClientRect(button, &client);
    const ParentColours parent = AskParent(button, dc);
    const LONG_PTR style = ::GetWindowLongPtrW(button, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(button, GWL_EXSTYLE);

    BitmapButtonLook look;
    look.width = client.right;
    look.height = client.bottom;
    look.caption = WindowText(button);
    const PixelImage glyph = FirstGlyph(face);
    look.hasGlyph = glyph.width > 0 && glyph.height > 0;
    look.glyphWidth = face.glyph.width;
    look.glyphHeight = face.glyph.height;
    look.numGlyphs = std::max(face.numGlyphs, 1);
    look.spacing = face.spacing;
    look.layout = face.layout;
    look.enabled = ::IsWindowEnabled(button) != 0;
    look.isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    look.rightToLeft = (exStyle & WS_EX_RTLREADING) != 0;
    look.fontColor = parent.text;
    look.parentBackground = parent.background;

    auto font = reinterpret_cast<HFONT>(::SendMessageW(button, WM_GETFONT, 0, 0));
    select_object useFont(
        dc, font != nullptr ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
    GdiColorDevice device(dc);
    GdiTextMeasurer measurer(dc);
    const ButtonPlan plan =
        PlanBitmapButton(properties_, device, measurer, look, state, ::GetFocus() == button);
    ExecutePlan(dc, plan.ops, &glyph, device);
}

void FlatControls::DrawTextArea(HWND edit, const Record& record) {
    // The frame lies on the text, inside the border and left of the scroll
    // bar.
    window_dc dc(edit);
    if (dc.get() == nullptr) {
        return;
    }
    RECT client{};
    ::GetClientRect(edit, &client);
    const ParentColours parent = AskParent(edit, dc.get());
    TextAreaLook look;
    look.width = client.right;
    look.height = client.bottom;
    look.singleBorder =
        ((record.style & WS_BORDER) != 0) || ((record.exStyle & WS_EX_CLIENTEDGE) != 0);
    look.parentBackground = parent.background;
    GdiColorDevice device(dc.get());
    const FrameOp frame =
        PlanTextArea(properties_, device, look, record.state.hot(), ::GetFocus() == edit);
    ExecutePlan(dc.get(), {frame}, nullptr, device);
}

}  // namespace tavrel
