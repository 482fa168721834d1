// Draws the control window's button pictures at build time: 32 x 32, 16
// colours. Each arrangement's picture is a miniature of its figure, laid
// out by the figure code itself on a small screen; the command buttons and
// the close button get simple pixel drawings.
//
//   make_glyphs OUTPUT_DIR
//
// Writes glyph_NN.bmp for every picture and glyphs.rc naming them:
// 0 to 28 the arrangements, 29 to 32 the command buttons in their order on
// the window, 33 and 34 the close button at rest and under the mouse.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/dispatcher.h"
#include "glyph_canvas.h"
#include "support/recording_desktop.h"

namespace {

using tavrel::glyphs::Canvas;
using namespace tavrel::glyphs::colours;

class QuietHost : public tavrel::ArrangementHost {
public:
    void SaveSettings() override {}
    void ShowDigitalClock() override {}
    void DrawCustomCharacter(std::int32_t) override {}
    void RestoreSavedLayout(std::int32_t) override {}
    void Pause(std::uint32_t) override {}
};

int IconsFor(int number) {
    switch (number) {
        case 24: return 30;
        case 25: return 26;
        case 26: case 27: case 28: return 34;
        case 17: case 18: return 40;
        default: return 18;
    }
}

// A miniature screen with one dot per icon where the figure put it.
Canvas ArrangementGlyph(int number) {
    Canvas canvas;
    canvas.FillRect(0, 3, 32, 26, kTeal);
    canvas.Frame(0, 3, 32, 26, kNavy);
    const int icons = IconsFor(number);
    tavrel::testing::RecordingDesktop desktop(icons, 1024, 738);
    tavrel::Settings settings;
    settings.arrage = number;
    QuietHost host;
    tavrel::Dispatcher(desktop, settings, host).PerformArrangement(number);
    const int last = static_cast<int>(desktop.moves.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        const auto& move = desktop.moves[static_cast<std::size_t>(i)];
        // Icon centres, 1024 x 738 mapped onto the 30 x 24 inside.
        const int x = 1 + (move.x + 16) * 29 / 1024;
        const int y = 4 + (move.y + 16) * 23 / 738;
        std::uint8_t colour = kYellow;
        if (number == 24) {
            colour = move.index <= icons / 3 ? kWhite : kBlack;
        } else if (number >= 26 && number <= 28) {
            colour = kRed;
        } else if (move.index == 0) {
            colour = kRed;  // where the figure starts shows its direction
        }
        canvas.Dot(x, y, colour);
    }
    return canvas;
}

// 3 x 5 digits for the clock's picture.
void Digit(Canvas& canvas, int left, int top, int digit, std::uint8_t colour) {
    static const std::array<const char*, 10> kDigits = {
        "111101101101111", "010110010010111", "111001111100111", "111001111001111",
        "101101111001001", "111100111001111", "111100111101111", "111001001001001",
        "111101111101111", "111101111001111"};
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (kDigits[static_cast<std::size_t>(digit)][row * 3 + column] == '1') {
                canvas.FillRect(left + column * 2, top + row * 2, 2, 2, colour);
            }
        }
    }
}

Canvas ClockGlyph() {
    Canvas canvas;
    canvas.FillRect(0, 3, 32, 26, kTeal);
    canvas.Frame(0, 3, 32, 26, kNavy);
    Digit(canvas, 1, 11, 1, kYellow);
    Digit(canvas, 8, 11, 0, kYellow);
    canvas.FillRect(15, 13, 2, 2, kYellow);
    canvas.FillRect(15, 17, 2, 2, kYellow);
    Digit(canvas, 18, 11, 2, kYellow);
    Digit(canvas, 25, 11, 3, kYellow);
    return canvas;
}

// "Custom character": a text drawn with dots, and a pencil.
Canvas CustomCharacterGlyph() {
    Canvas canvas;
    canvas.FillRect(0, 3, 32, 26, kTeal);
    canvas.Frame(0, 3, 32, 26, kNavy);
    // The letter A in dots.
    const int a[][2] = {{8, 7}, {6, 10}, {10, 10}, {4, 13}, {12, 13}, {4, 16}, {7, 16},
                        {10, 16}, {12, 16}, {3, 19}, {13, 19}, {2, 22}, {14, 22}};
    for (const auto& dot : a) {
        canvas.Dot(dot[0], dot[1], kYellow);
    }
    canvas.Line(28, 6, 19, 21, kWhite, 3);
    canvas.Line(20, 21, 18, 24, kBlack, 2);
    return canvas;
}

// "Save my layout": a disk with a few icons on its label.
Canvas CustomPositionGlyph() {
    Canvas canvas;
    canvas.FillRect(3, 3, 26, 26, kNavy);
    canvas.FillRect(8, 3, 16, 9, kSilver);
    canvas.FillRect(19, 4, 3, 6, kNavy);
    canvas.FillRect(6, 15, 20, 13, kWhite);
    canvas.Dot(9, 18, kRed);
    canvas.Dot(14, 18, kBlue);
    canvas.Dot(19, 18, kGreen);
    canvas.Dot(9, 23, kBlue);
    canvas.Dot(14, 23, kGreen);
    canvas.Dot(19, 23, kRed);
    return canvas;
}

// "Show / hide": an eye, half closed.
Canvas ShowHideGlyph() {
    Canvas canvas;
    canvas.Disc(16, 24, 15, kWhite);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double dx = x + 0.5 - 16;
            const double dy = y + 0.5 - 8;
            if (dx * dx + dy * dy > 15 * 15) {
                canvas.Set(x, y, kTransparent);
            }
        }
    }
    canvas.Disc(16, 16, 5, kBlue);
    canvas.Disc(16, 16, 2.2, kBlack);
    canvas.Line(2, 16, 16, 9, kBlack);
    canvas.Line(16, 9, 30, 16, kBlack);
    canvas.Line(2, 16, 16, 23, kBlack);
    canvas.Line(16, 23, 30, 16, kBlack);
    canvas.Line(3, 29, 29, 3, kRed, 2);
    return canvas;
}

// "Show everything": a play button.
Canvas DemonstrationGlyph() {
    Canvas canvas;
    canvas.Disc(16, 16, 14, kGreen);
    canvas.Disc(16, 16, 12, kLime);
    for (int y = 8; y <= 24; ++y) {
        const int half = 8 - std::abs(y - 16);
        canvas.FillRect(12, y, half + 1, 1, kWhite);
    }
    return canvas;
}

// The close button, 19 x 19 in the upper left: a red disc with a white
// cross, brighter under the mouse.
Canvas QuitGlyph(bool hot) {
    Canvas canvas;
    canvas.Disc(9.5, 9.5, 9.5, hot ? kRed : kMaroon);
    canvas.Line(5, 5, 13, 13, kWhite, 2);
    canvas.Line(13, 5, 5, 13, kWhite, 2);
    return canvas;
}

std::vector<Canvas> AllGlyphs() {
    std::vector<Canvas> glyphs;
    for (int number = 1; number <= 28; ++number) {
        glyphs.push_back(ArrangementGlyph(number));
    }
    glyphs.push_back(ClockGlyph());
    glyphs.push_back(CustomCharacterGlyph());
    glyphs.push_back(CustomPositionGlyph());
    glyphs.push_back(ShowHideGlyph());
    glyphs.push_back(DemonstrationGlyph());
    glyphs.push_back(QuitGlyph(false));
    glyphs.push_back(QuitGlyph(true));
    return glyphs;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_glyphs OUTPUT_DIR\n");
        return 2;
    }
    const std::string directory = argv[1];
    const std::vector<Canvas> glyphs = AllGlyphs();
    std::ofstream rc(directory + "/glyphs.rc");
    rc << "// Generated by make_glyphs; the button pictures.\n";
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "glyph_%02zu.bmp", i);
        if (!glyphs[i].WriteBmp(directory + "/" + name)) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
        rc << (1000 + i) << " BITMAP \"" << directory << "/" << name << "\"\n";
    }
    return 0;
}
