#include "core/control_window_model.h"

#include <gtest/gtest.h>

#include "app/control_layout.h"

namespace tavrel {
namespace {

// Windows as the platform has them: showing the hidden control window
// activates it, and the activation comes back at once.
class FakeWindows : public ControlWindowOps {
  public:
    void ShowControl(bool show) override {
        const bool wasActive = controlActive;
        controlVisible = show;
        controlActive = show;
        if (show && !wasActive && model != nullptr) {
            model->FormActivate();
        }
    }
    void ShowApplication(bool show) override { applicationVisible = show; }
    void SetApplicationToolStyle(bool tool) override { toolStyle = tool; }
    // Another window takes the focus.
    void Deactivate() { controlActive = false; }

    ControlWindowModel* model = nullptr;
    bool controlVisible = false;
    bool controlActive = false;
    bool applicationVisible = false;
    bool toolStyle = false;
};

class ControlWindowTest : public ::testing::Test {
  protected:
    ControlWindowTest() { windows.model = &model; }
    // Another program window took the focus.
    void FocusOther(ProgramWindow window) {
        windows.Deactivate();
        model.OnFocus(window);
    }
    FakeWindows windows;
    ControlWindowModel model{windows};
};

TEST_F(ControlWindowTest, FirstShowEndsVisibleEitherWay) {
    model.ShowControlWindow();
    EXPECT_TRUE(windows.controlVisible);
    EXPECT_TRUE(windows.applicationVisible);
    EXPECT_FALSE(windows.toolStyle) << "taskbar button shown";

    FakeWindows second;
    ControlWindowModel modelB(second);
    second.model = &modelB;
    modelB.ShowMainClick();
    EXPECT_TRUE(second.controlVisible);
}

TEST_F(ControlWindowTest, FocusBackFromTheAboutWindowHides) {
    model.ShowControlWindow();
    FocusOther(ProgramWindow::kAbout);
    windows.controlActive = true;
    model.FormActivate();
    EXPECT_FALSE(windows.controlVisible);
    EXPECT_TRUE(windows.toolStyle);
}

TEST_F(ControlWindowTest, AfterTheAboutWindowTheNextShowFailsAndTheOneAfterWorks) {
    model.ShowControlWindow();
    FocusOther(ProgramWindow::kHelp);
    windows.ShowControl(false);
    model.ShowControlWindow();
    EXPECT_FALSE(windows.controlVisible);
    model.ShowControlWindow();
    EXPECT_TRUE(windows.controlVisible);
}

TEST_F(ControlWindowTest, MessageBoxesAndInputBoxesLeaveItShown) {
    model.ShowControlWindow();
    // A message box does not touch the record.
    windows.Deactivate();
    windows.controlActive = true;
    model.FormActivate();
    EXPECT_TRUE(windows.controlVisible);
    // An input box takes the record and gives it back.
    model.BeginModalInput();
    windows.Deactivate();
    model.OnFocus(ProgramWindow::kNone);
    model.EndModalInput();
    windows.controlActive = true;
    model.FormActivate();
    EXPECT_TRUE(windows.controlVisible);
}

TEST_F(ControlWindowTest, SplashDestroyedLeavesTheRecordEmpty) {
    model.OnFocus(ProgramWindow::kSplash);
    model.OnDestroyed(ProgramWindow::kSplash);
    EXPECT_EQ(model.lastFocused(), ProgramWindow::kNone);
    model.ShowMainClick();
    EXPECT_TRUE(windows.controlVisible);
}

TEST_F(ControlWindowTest, HideRemovesTheTaskbarButtonButKeepsTheFlag) {
    model.ShowControlWindow();
    model.FormClose();
    EXPECT_FALSE(windows.controlVisible);
    EXPECT_FALSE(windows.applicationVisible);
    EXPECT_TRUE(windows.toolStyle);
    EXPECT_TRUE(model.visibleFlag());
}

TEST(ControlLayout, GridOfButtons) {
    const auto& buttons = ControlButtons();
    EXPECT_EQ(buttons[0].x, 30);
    EXPECT_EQ(buttons[0].y, 2);
    EXPECT_EQ(buttons[5].x, 320);
    EXPECT_EQ(buttons[6].y, 60);
    EXPECT_EQ(buttons[28].tag, 29);
    EXPECT_EQ(buttons[28].x, 262);
    EXPECT_EQ(buttons[28].y, 234);
    EXPECT_STREQ(buttons[29].name, L"bbtCustomCharacterSave");
    EXPECT_EQ(buttons[29].x, 320);
    EXPECT_EQ(buttons[29].y, 234);
    EXPECT_EQ(buttons[30].x, 30);
    EXPECT_EQ(buttons[30].y, 292);
    EXPECT_EQ(buttons[31].x, 262);
    EXPECT_EQ(buttons[32].x, 320);
    EXPECT_EQ(buttons[32].y, 292);
    EXPECT_STREQ(buttons[31].caption, L"显示隐藏 ");
    EXPECT_STREQ(buttons[26].caption, L"心心相印 ");
}

TEST(ControlLayout, CaptionStripDragsExceptOnItsLeftAndTopEdges) {
    const ScreenRect strip{239, 90, 267, 435};
    EXPECT_TRUE(DragsByCaptionStrip(strip, 240, 91));
    EXPECT_TRUE(DragsByCaptionStrip(strip, 266, 434));
    EXPECT_FALSE(DragsByCaptionStrip(strip, 239, 200)) << "leftmost column";
    EXPECT_FALSE(DragsByCaptionStrip(strip, 250, 90)) << "topmost row";
    EXPECT_FALSE(DragsByCaptionStrip(strip, 267, 200));
    EXPECT_FALSE(DragsByCaptionStrip(strip, 250, 435));
}

TEST(ControlLayout, VerticalProductName) {
    EXPECT_EQ(VerticalText(L"Tavrel"), L"T\n\ra\n\rv\n\rr\n\re\n\rl");
    EXPECT_EQ(VerticalText(L"A"), L"A");
    EXPECT_EQ(VerticalText(L""), L"");
}

}  // namespace
}  // namespace tavrel
