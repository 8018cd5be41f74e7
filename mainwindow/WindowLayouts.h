#pragma once

namespace orbivane {

// The two layouts of the main window's frame. Sizes of the window and of the pieces are in
// twips (15 per pixel); the menus' tops are in pixels.
struct FrameLayout {
    int windowWidth;
    int windowHeight;
    int titleWidth;   // CmdDeplaceFen
    int reduireLeft;  // CmdReduire
    int fermerLeft;   // CmdFermer
    int forme3Width;  // bar under the title
    int forme1Height; // left column, upper piece
    int forme4Height; // right column, upper piece
    int forme2Top;    // left column panel with the commands
    int forme5Top;    // right column, lower piece
    int forme4Left;
    int forme5Left;
    int forme7Width;  // upper bottom bar
    int forme6Width;  // lower bottom bar
    int forme7Top;
    int forme6Top;
    int popUpStyleTop;
    int popUpCoulLabTop;
    int popUpInfosTop;
};

// For 1024 x 768 screens.
inline constexpr FrameLayout LargeLayout{15000, 11250, 14400, 14400, 14700, 15000, 4650, 4650, 5280, 5280,
                                         14400, 14400, 15000, 15000, 10620, 10935, 504, 384, 428};
// For 800 x 600 screens.
inline constexpr FrameLayout SmallLayout{11700, 8775, 11100, 11100, 11400, 11700, 2220, 2220, 2820, 2820,
                                         11100, 11100, 11700, 11700, 8160, 8475, 340, 220, 264};

inline constexpr int MenuLeft = 48;

} // namespace orbivane
