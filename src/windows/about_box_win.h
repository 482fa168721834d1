// The about window TAboutBox, which is also the splash at start-up: the
// program's picture over the whole window (black in it shows the desktop),
// the program icon at the top right, the version caption read from the
// program's own version resource, and two links to the maker's web page and
// support address.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "core/control_window_model.h"
#include "common/unique_handle_win.h"
#include "common/window_win.h"
#include "styling/balloon_hint_win.h"
#include "windows/about_me.h"
#include "windows/contact.h"

namespace tavrel {

inline constexpr wchar_t kAboutBoxClass[] = L"TAboutBox";
inline constexpr wchar_t kAboutBoxCaption[] = L"AboutMe";

class AboutBox final : public Window {
  public:
    using Link = AboutLinks::Link;

    // `kind` tells the program's focus record what this window is: the
    // splash or an about window. The links' hints show as balloons of
    // `hints`; the splash, made before the hints exist, has none.
    AboutBox(ControlWindowModel& model, ShellSeam& shell, ProgramWindow kind,
             BalloonHints* hints = nullptr)
        : model_(model), shell_(shell), kind_(kind), hints_(hints) {}
    // The focus record hears of the end while this object still exists.
    ~AboutBox() override { Destroy(); }

    // Creates the window, shows it and paints it at once, without waiting
    // for the message loop. False when the window could not be made.
    bool Create(HINSTANCE instance, HWND owner);
    // A click on the picture: the window hides, and its owner hears that it
    // closed (OnClosed).
    void Close();

    // What the window shows, for the program's tests.
    const std::wstring& versionCaption() const { return version_; }
    bool hasPicture() const { return static_cast<bool>(picture_); }
    bool highlighted(Link link) const { return links_.highlighted(link); }
    // Where a link's label lies now, in client coordinates; it grows when
    // the label turns italic.
    RECT LinkRect(Link link) const;

    // The hint of each link.
    static const wchar_t* Hint(Link link) { return link == Link::kUrl ? kUrlHint : kEmailHint; }

  private:
    // The labels on the picture, in the order they lie over it.
    enum class Part { kPicture, kIcon, kVersion, kLabel1, kLabel2, kUrl, kEmail };

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void FormCreate(HINSTANCE instance);
    void Paint();
    void PaintLabel(HDC dc, Part part) const;
    Part PartAt(POINT point) const;
    RECT PartRect(Part part) const;
    HFONT FontOf(Part part) const;
    const wchar_t* TextOf(Part part) const;
    void MouseMove(POINT point);
    void Click(POINT point);
    void UpdateHintRects();

    ControlWindowModel& model_;
    ShellSeam& shell_;
    ProgramWindow kind_;
    AboutLinks links_;
    std::wstring version_ = kDesignedVersionCaption;
    unique_hbitmap picture_;
    unique_hicon icon_;
    unique_hfont versionFont_;
    unique_hfont labelFont_;
    unique_hfont linkHighlightFont_;
    BalloonHints* hints_;
    std::unique_ptr<BalloonHints::Attachment> hintsAttachment_;
    HintToolId urlHint_ = kNoHintTool;
    HintToolId emailHint_ = kNoHintTool;
};

}  // namespace tavrel
