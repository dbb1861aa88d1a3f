// The look shared by the panels, the menu and the screens: backdrop, buttons, cells, icons
// and the text colours.
#ifndef VORLEN_TOOLS_ART_WIDGETS_H
#define VORLEN_TOOLS_ART_WIDGETS_H

#include "tools/art/layer.h"

extern const Rgb INK;     // labels
extern const Rgb DIM;     // explanations under labels
extern const Rgb GOLD;    // headings and ornaments
extern const Rgb SHADOW;  // text shadows and rims
extern const Rgb BLUE_FACE, AMBER_FACE, BRICK_FACE, TEAL_FACE, SLATE_FACE, GREEN_FACE;

void paint_backdrop(Layer &layer);
void paint_button(Layer &layer, double x0, double y0, double x1, double y1, Rgb face);
void paint_cell(Layer &layer, int x0, int y0, int x1, int y1);
Shape menu_icon(double cx, double cy);
Shape back_arrow_icon(double cx, double cy);
Shape power_icon(double cx, double cy);
Shape speaker_icon(double x, double y);

#endif
