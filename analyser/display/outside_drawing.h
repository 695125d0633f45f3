#pragma once
// Where the level displays leave the window: the button face below and right of the
// 800 x 500 drawing.
class DrawingSurface;

// Button-face colour below logical y 500 and right of logical x 800.
void FillOutsideDrawing(DrawingSurface& surface);
