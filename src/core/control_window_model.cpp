#include "core/control_window_model.h"

namespace tavrel {

void ControlWindowModel::ShowControlWindow() {
    MakeVisible();
    ops_.ShowControl(true);
    ops_.ShowApplication(true);
    ops_.SetApplicationToolStyle(false);
}

void ControlWindowModel::ShowMainClick() {
    ops_.ShowControl(true);
    ops_.ShowApplication(true);
    MakeVisible();
    ops_.SetApplicationToolStyle(false);
}

void ControlWindowModel::FormClose() {
    // The visible flag stays set: once shown, always "visible" to the
    // framework.
    ops_.ShowControl(false);
    ops_.ShowApplication(false);
    ops_.SetApplicationToolStyle(true);
}

void ControlWindowModel::MakeVisible() {
    if (visibleFlag_) {
        return;
    }
    visibleFlag_ = true;
    ops_.ShowControl(true);
}

void ControlWindowModel::OnFocus(ProgramWindow window) {
    if (inModal_) {
        return;  // the input box holds the record while it is open
    }
    const ProgramWindow previous = lastFocused_;
    lastFocused_ = window;
    if (window == ProgramWindow::kControl && previous != ProgramWindow::kControl) {
        FormClose();
    }
}

void ControlWindowModel::OnDestroyed(ProgramWindow window) {
    if (lastFocused_ == window) {
        lastFocused_ = ProgramWindow::kNone;
    }
}

void ControlWindowModel::BeginModalInput() {
    beforeModal_ = lastFocused_;
    inModal_ = true;
}

void ControlWindowModel::EndModalInput() {
    inModal_ = false;
    lastFocused_ = beforeModal_;
}

}  // namespace tavrel
