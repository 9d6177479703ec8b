#pragma once
// The pen codes the drawing passes share: the draw mode they draw in, the QBColor numbers of the
// colours they pick or test for, and where the line styles that are pen styles end.

namespace render {

constexpr int kCopyPen = 13;     // draw mode: the pen's own colour
constexpr int kLabelColour = 9;  // QBColor light blue: the way labels
constexpr int kMagenta = 13;     // QBColor light magenta
constexpr int kWhite = 15;       // QBColor bright white
constexpr int kMaxStyle = 7;     // a line style from here on draws solid

} // namespace render
