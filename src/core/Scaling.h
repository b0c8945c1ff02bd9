#pragma once

class QWidget;

// How full-screen forms designed on 1024 x 768 pixels fit the screen: every control
// is multiplied by factor and shifted right by offsetX pixels to stay centred.
struct ScreenScale
{
    float factor = 1.0f;
    int offsetX = 0;
};

// From the screen size in pixels (15 twips to a pixel): the factor is the smaller of
// width / 15360 and height / 11520 in twips, the offset the floor of
// (width - factor * 1024) / 2, never negative.
ScreenScale computeScreenScale(int widthPixels, int heightPixels);

// Scales and shifts every control the form has now. Each step runs on its own and
// is skipped where the control lacks the property: position (controls inside a
// frame are not shifted), size, font (only where the control sets its own), line
// ends, border width.
void ScaleFormToScreen(QWidget *form, const ScreenScale &scale);
