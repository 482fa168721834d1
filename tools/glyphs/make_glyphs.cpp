// Draws the control window's button pictures at build time: 32 x 32, 16
// colours. Each arrangement's picture is a miniature of its figure, laid
// out by the figure code itself on a small screen; the command buttons and
// the close button get simple pixel drawings.
//
//   make_glyphs OUTPUT_DIR
//
// Writes glyph_NN.bmp (resources 1000 + NN) for the buttons: 0 to 28 the
// arrangements, 29 to 32 the command buttons in their order on the window,
// 33 and 34 the close button at rest and pressed; menu_NN.bmp (resources
// 2000 + NN) for the 57 menu pictures; and glyphs.rc naming them all.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/dispatcher.h"
#include "glyph_canvas.h"
#include "core/quiet_host.h"
#include "desktop/recording_desktop.h"

namespace {

using tavrel::glyphs::Canvas;
using namespace tavrel::glyphs::colours;

using tavrel::QuietHost;

int IconsFor(int number) {
    switch (number) {
        case 24:
            return 30;
        case 25:
            return 26;
        case 26:
        case 27:
        case 28:
            return 34;
        case 17:
        case 18:
            return 40;
        default:
            return 18;
    }
}

// A miniature screen with one dot per icon where the figure put it.
Canvas ArrangementGlyph(int number) {
    Canvas canvas;
    canvas.FillRect(0, 3, 32, 26, kTeal);
    canvas.Frame(0, 3, 32, 26, kNavy);
    const int icons = IconsFor(number);
    tavrel::RecordingDesktop desktop(icons, 1024, 738);
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
    const int a[][2] = {{8, 7},   {6, 10},  {10, 10}, {4, 13},  {12, 13}, {4, 16}, {7, 16},
                        {10, 16}, {12, 16}, {3, 19},  {13, 19}, {2, 22},  {14, 22}};
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

std::vector<Canvas> ButtonGlyphs() {
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

// The program's emblem: a ring of icons around a red centre, turned by
// `step` so that frames of it rotate.
Canvas Emblem(int step) {
    Canvas canvas;
    canvas.FillRect(1, 1, 30, 30, kNavy);
    canvas.FillRect(2, 2, 28, 28, kBlue);
    for (int k = 0; k < 8; ++k) {
        const double angle = (k + step / 2.0) * 3.14159265358979 / 4;
        canvas.FillRect(static_cast<int>(15 + 10 * std::cos(angle)) - 1,
                        static_cast<int>(15 + 10 * std::sin(angle)) - 1, 3, 3,
                        k % 2 ? kYellow : kWhite);
    }
    canvas.Disc(16, 16, 3.5, kRed);
    return canvas;
}

// A small badge in the lower right corner: a green plus or a red cross.
Canvas WithBadge(Canvas canvas, bool add) {
    canvas.Disc(25, 25, 6.5, add ? kGreen : kRed);
    if (add) {
        canvas.FillRect(22, 24, 7, 2, kWhite);
        canvas.FillRect(24, 22, 2, 7, kWhite);
    } else {
        canvas.Line(22, 22, 27, 27, kWhite, 2);
        canvas.Line(27, 22, 22, 27, kWhite, 2);
    }
    return canvas;
}

Canvas Arrows() {
    Canvas canvas;
    canvas.Line(16, 4, 16, 27, kBlue, 2);
    canvas.Line(4, 16, 27, 16, kBlue, 2);
    for (int i = 0; i < 5; ++i) {
        canvas.FillRect(16 - i, 3 + i, 2 * i + 2, 1, kRed);   // up
        canvas.FillRect(16 - i, 28 - i, 2 * i + 2, 1, kRed);  // down
        canvas.FillRect(3 + i, 16 - i, 1, 2 * i + 2, kRed);   // left
        canvas.FillRect(28 - i, 16 - i, 1, 2 * i + 2, kRed);  // right
    }
    return canvas;
}

Canvas Shapes() {
    Canvas canvas;
    canvas.Disc(11, 11, 8, kYellow);
    for (int y = 14; y < 30; ++y) {
        const int half = (y - 14) * 9 / 16;
        canvas.FillRect(22 - half, y, 2 * half + 1, 1, kGreen);
    }
    canvas.Frame(3, 18, 11, 11, kBlue);
    return canvas;
}

Canvas Gear(std::uint8_t colour) {
    Canvas canvas;
    for (int k = 0; k < 8; ++k) {
        const double angle = k * 3.14159265358979 / 4;
        canvas.Disc(16 + 11 * std::cos(angle), 16 + 11 * std::sin(angle), 3.2, colour);
    }
    canvas.Disc(16, 16, 11, colour);
    canvas.Disc(16, 16, 4, kWhite);
    return canvas;
}

Canvas ShortcutArrow() {
    Canvas canvas;
    canvas.FillRect(4, 4, 24, 24, kWhite);
    canvas.Frame(4, 4, 24, 24, kBlack);
    canvas.Line(9, 23, 20, 12, kBlue, 3);
    canvas.FillRect(14, 10, 9, 3, kBlue);
    canvas.FillRect(20, 10, 3, 9, kBlue);
    return canvas;
}

Canvas Palette() {
    Canvas canvas;
    canvas.Disc(16, 16, 13, kOlive);
    canvas.Disc(16, 16, 12, kYellow);
    canvas.Disc(10, 11, 3, kRed);
    canvas.Disc(17, 8, 3, kBlue);
    canvas.Disc(23, 12, 3, kGreen);
    canvas.Disc(22, 20, 3, kPurple);
    canvas.Disc(11, 21, 3.5, kWhite);
    return canvas;
}

Canvas Lifebuoy() {
    Canvas canvas;
    canvas.Disc(16, 16, 14, kRed);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if ((x < 12 || x > 19) != (y < 12 || y > 19) && canvas.Get(x, y) == kRed) {
                canvas.Set(x, y, kWhite);
            }
        }
    }
    canvas.Disc(16, 16, 7, kTransparent);
    return canvas;
}

Canvas Envelope() {
    Canvas canvas;
    canvas.FillRect(3, 8, 26, 17, kWhite);
    canvas.Frame(3, 8, 26, 17, kNavy);
    canvas.Line(3, 8, 16, 18, kNavy);
    canvas.Line(16, 18, 28, 8, kNavy);
    return canvas;
}

Canvas Globe() {
    Canvas canvas;
    canvas.Disc(16, 16, 13, kBlue);
    canvas.Disc(11, 12, 5, kGreen);
    canvas.Disc(21, 20, 4, kGreen);
    canvas.Disc(20, 9, 2.5, kGreen);
    return canvas;
}

Canvas Letter(const char* rows[], int height, std::uint8_t back, std::uint8_t ink) {
    Canvas canvas;
    canvas.Disc(16, 16, 14, back);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; rows[y][x] != '\0'; ++x) {
            if (rows[y][x] == '#') {
                canvas.FillRect(10 + 2 * x, 7 + 2 * y, 2, 2, ink);
            }
        }
    }
    return canvas;
}

Canvas FirstUse() {
    static const char* kOne[] = {"  #  ", " ##  ", "# #  ", "  #  ",
                                 "  #  ", "  #  ", "  #  ", "#####"};
    return Letter(kOne, 8, kGreen, kWhite);
}

Canvas News() {
    Canvas canvas;
    for (int k = 0; k < 12; ++k) {
        const double angle = k * 3.14159265358979 / 6;
        canvas.Line(16, 16, static_cast<int>(16 + 14 * std::cos(angle)),
                    static_cast<int>(16 + 14 * std::sin(angle)), kRed, 2);
    }
    canvas.Disc(16, 16, 9, kYellow);
    canvas.FillRect(11, 14, 10, 4, kRed);
    return canvas;
}

Canvas Question() {
    static const char* kMark[] = {" ### ", "#   #", "    #", "   # ",
                                  "  #  ", "  #  ", "     ", "  #  "};
    return Letter(kMark, 8, kBlue, kWhite);
}

Canvas Book() {
    Canvas canvas;
    canvas.FillRect(5, 5, 22, 23, kMaroon);
    canvas.FillRect(8, 7, 17, 19, kWhite);
    for (int y = 10; y < 24; y += 3) {
        canvas.FillRect(10, y, 13, 1, kGrey);
    }
    return canvas;
}

Canvas Information() {
    static const char* kI[] = {"  #  ", "     ", " ##  ", "  #  ",
                               "  #  ", "  #  ", "  #  ", " ### "};
    return Letter(kI, 8, kTeal, kWhite);
}

Canvas Door() {
    Canvas canvas;
    canvas.FillRect(6, 3, 16, 26, kMaroon);
    canvas.FillRect(8, 5, 12, 22, kOlive);
    canvas.Dot(17, 16, kYellow);
    canvas.Line(16, 16, 29, 16, kRed, 2);
    canvas.Line(25, 12, 29, 16, kRed, 2);
    canvas.Line(25, 20, 29, 16, kRed, 2);
    return canvas;
}

// The 57 menu pictures, which are also the frames of the notification-area
// animation: 0 the emblem, 1 to 29 the arrangements, then one per menu
// command, and the spare places filled with further turns of the emblem.
std::vector<Canvas> MenuPictures() {
    const std::vector<Canvas> buttons = ButtonGlyphs();
    std::vector<Canvas> pictures;
    pictures.push_back(Emblem(0));
    for (int number = 1; number <= 29; ++number) {
        pictures.push_back(buttons[static_cast<std::size_t>(number - 1)]);
    }
    pictures.push_back(Emblem(1));                                 // 30
    pictures.push_back(Emblem(2));                                 // 31
    pictures.push_back(Arrows());                                  // 32 orientation
    pictures.push_back(Shapes());                                  // 33 geometry
    pictures.push_back(ShowHideGlyph());                           // 34
    pictures.push_back(CustomCharacterGlyph());                    // 35
    pictures.push_back(WithBadge(CustomCharacterGlyph(), true));   // 36
    pictures.push_back(WithBadge(CustomCharacterGlyph(), false));  // 37
    pictures.push_back(CustomPositionGlyph());                     // 38
    pictures.push_back(WithBadge(CustomPositionGlyph(), true));    // 39
    pictures.push_back(WithBadge(CustomPositionGlyph(), false));   // 40
    pictures.push_back(DemonstrationGlyph());                      // 41
    pictures.push_back(Gear(kGrey));                               // 42 icon settings
    pictures.push_back(ShortcutArrow());                           // 43
    pictures.push_back(Palette());                                 // 44 skins
    pictures.push_back(Gear(kTeal));                               // 45 system settings
    pictures.push_back(Lifebuoy());                                // 46 support
    pictures.push_back(Envelope());                                // 47 mail
    pictures.push_back(Globe());                                   // 48 web page
    pictures.push_back(FirstUse());                                // 49
    pictures.push_back(News());                                    // 50
    pictures.push_back(Question());                                // 51 help
    pictures.push_back(Book());                                    // 52
    pictures.push_back(Information());                             // 53 about
    pictures.push_back(Door());                                    // 54 exit
    pictures.push_back(Emblem(3));                                 // 55
    pictures.push_back(Emblem(1));                                 // 56
    return pictures;
}

bool WritePictures(const std::vector<Canvas>& pictures, const std::string& directory,
                   const char* prefix, int firstId, std::ofstream& rc) {
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "%s_%02zu.bmp", prefix, i);
        if (!pictures[i].WriteBmp(directory + "/" + name)) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return false;
        }
        rc << (firstId + static_cast<int>(i)) << " BITMAP \"" << directory << "/" << name << "\"\n";
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_glyphs OUTPUT_DIR\n");
        return 2;
    }
    const std::string directory = argv[1];
    std::ofstream rc(directory + "/glyphs.rc");
    rc << "// Generated by make_glyphs: the button pictures, then the menu pictures.\n";
    const bool written = WritePictures(ButtonGlyphs(), directory, "glyph", 1000, rc) &&
                         WritePictures(MenuPictures(), directory, "menu", 2000, rc);
    return written ? 0 : 1;
}
