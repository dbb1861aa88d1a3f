// The game's files, the one list of them: every picture of the pictures folder and every sound
// of the sound folder, with its size and use. The game loads and plays them from it, vorlen-art
// paints and synthesises them from it, the build lists its outputs from it (CMake reads this file)
// and the checks count them from it. Each list is a macro that applies its argument to every
// entry.
#ifndef VORLEN_SOUND_GAME_FILES_H
#define VORLEN_SOUND_GAME_FILES_H

// The screens' pictures in the order the game loads them, before the pieces:
// PICTURE(name, width, height, use); the file is name.tga.
#define GAME_SCREEN_PICTURES(PICTURE)                                                       \
    PICTURE(about, 240, 320, "the about screen")                                            \
    PICTURE(greenwin, 224, 100, "the result banner when White has won")                     \
    PICTURE(bluewin, 224, 100, "the result banner when Black has won")                      \
    PICTURE(panel1, 240, 60, "behind the promotion choices, rows 260-319")                  \
    PICTURE(panel2, 240, 60, "the lower control panel, rows 260-319")                       \
    PICTURE(panel3, 240, 320, "the menu screen")                                            \
    PICTURE(panel4, 240, 80, "under the title screen, rows 240-319")                        \
    PICTURE(board, 240, 240, "the board, rows 0-239, and the title screen's texture")       \
    PICTURE(front, 240, 240, "the title screen, with pure-red windows onto the board")

// The piece pictures, GAME_PIECE_SIZE square, loaded after the screens' in the order of their
// index, kind + 6 x colour: PIECE(name, use); the file is name.tga.
#define GAME_PIECE_SIZE 30
#define GAME_PIECE_PICTURES(PIECE)                                                          \
    PIECE(wpawn, "White pawn") PIECE(wrook, "White rook") PIECE(wknight, "White knight")    \
    PIECE(wbishop, "White bishop") PIECE(wqueen, "White queen") PIECE(wking, "White king")  \
    PIECE(bpawn, "Black pawn") PIECE(brook, "Black rook") PIECE(bknight, "Black knight")    \
    PIECE(bbishop, "Black bishop") PIECE(bqueen, "Black queen") PIECE(bking, "Black king")

// The sound effects: SOUND(name, use); the file is name.wav.
#define GAME_SOUNDS(SOUND)                                                                  \
    SOUND(menu1, "a choice on the menu")                                                    \
    SOUND(menu2, "New game or Back on the menu")                                           \
    SOUND(movement, "a piece sliding, as long as a move's 20 frames")                       \
    SOUND(select, "a piece picked up or put down")                                          \
    SOUND(nope, "a refused move")

// Counting the entries of a list: each adds one.
#define GAME_FILE_COUNT_ONE(...) +1
#define GAME_SCREEN_PICTURE_COUNT (0 GAME_SCREEN_PICTURES(GAME_FILE_COUNT_ONE))
#define GAME_PIECE_PICTURE_COUNT (0 GAME_PIECE_PICTURES(GAME_FILE_COUNT_ONE))
#define GAME_PICTURE_COUNT (GAME_SCREEN_PICTURE_COUNT + GAME_PIECE_PICTURE_COUNT)
#define GAME_SOUND_COUNT (0 GAME_SOUNDS(GAME_FILE_COUNT_ONE))

#endif
