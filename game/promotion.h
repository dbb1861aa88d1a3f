// Pawn promotion: the panel of five choices a person taps, below the board.
#ifndef VORLEN_GAME_PROMOTION_H
#define VORLEN_GAME_PROMOTION_H

#define PROMOTION_CHOICES 5     // Rook, Knight, Bishop, Queen, King
#define PROMOTION_CELL_X 20     // left edge of the first choice
#define PROMOTION_CELL_STEP 40  // from one choice to the next
#define PROMOTION_CELL_Y 275    // top of the choices

// Shows the promotion panel under the board and waits for a choice.
void open_promotion_panel();
// One frame of the panel: a tap on a choice gives the pawn its new kind.
void choose_promotion();

#endif
