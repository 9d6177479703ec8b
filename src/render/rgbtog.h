#pragma once
// The grey the Planning Sheet fills an area with instead of its colour.

namespace render {

// The grey of a colour value: the mean of its red, green and blue (to the nearest whole
// number, halves to even), lightened by 100 while that stays below 210. Black gives
// RGB(100,100,100); white and any mean of 110 or more stay as they are.
// The system's name: rgbTog.
double greyOf(double colour);

} // namespace render
