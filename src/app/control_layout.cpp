#include "app/control_layout.h"

#include "core/arrangement_table.h"

namespace tavrel {
namespace {

constexpr int kGridLeft = 30;
constexpr int kGridTop = 2;
constexpr int kGridStep = 58;
constexpr int kGridColumns = 6;

int CellX(int cell) {
    return kGridLeft + kGridStep * (cell % kGridColumns);
}
int CellY(int cell) {
    return kGridTop + kGridStep * (cell / kGridColumns);
}

struct CommandButton {
    const wchar_t* name;
    const wchar_t* caption;
    const wchar_t* hint;
    std::uint16_t command;
    int cell;
};

// Cell 29 ends row five; the last row holds the layout button at its left
// and the show/hide and demonstration buttons at its right.
constexpr CommandButton kCommandButtons[] = {
    {L"bbtCustomCharacterSave", L"自定义字符", L"添加自定义字符", kCmdCustomCharacterSave, 29},
    {L"bbtCustomPositionSave", L"自定排列", L"我要保存自定排列", kCmdCustomPositionSave, 30},
    {L"bbtShowHideALLIcon", L"显示隐藏 ", L"显示/隐藏图标", kCmdShowHideAllIcon, 34},
    {L"bbtSeeAllArragn", L"全部效果", L"演示全部效果，让你一次看个够！", kCmdSeeAllArragn, 35},
};

std::array<ButtonSpec, 33> MakeButtons() {
    std::array<ButtonSpec, 33> buttons{};
    for (std::size_t i = 0; i < kArrangements.size(); ++i) {
        const ArrangementEntry& entry = kArrangements[i];
        const int cell = static_cast<int>(i);
        buttons[i] = {entry.buttonName,
                      entry.buttonCaption,
                      entry.buttonHint,
                      entry.number,
                      ArrangementCommand(entry.number),
                      cell,
                      CellX(cell),
                      CellY(cell)};
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const CommandButton& button = kCommandButtons[i];
        buttons[29 + i] = {
            button.name,    button.caption,           button.hint,        0,
            button.command, 29 + static_cast<int>(i), CellX(button.cell), CellY(button.cell)};
    }
    return buttons;
}

}  // namespace

const std::array<ButtonSpec, 33>& ControlButtons() {
    static const std::array<ButtonSpec, 33> buttons = MakeButtons();
    return buttons;
}

std::wstring VerticalText(const std::wstring& text) {
    std::wstring vertical;
    for (std::size_t i = 0; i < text.size(); ++i) {
        vertical += text[i];
        if (i + 1 < text.size()) {
            vertical += L"\n\r";
        }
    }
    return vertical;
}

}  // namespace tavrel
