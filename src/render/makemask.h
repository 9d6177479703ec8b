#pragma once
// Black-and-white masks of the colour pattern tiles, for the plain look of the Planning Sheet.

namespace platform {
class ImageControl;
}

namespace render {

// Writes the mask of the source tile's picture into the target's picture: the pixels of the
// tile's background colour, the one at (1, 1), white and every other pixel black. The target
// takes the tile's size. A picture that is not of 32 bits per pixel raises the bitmap helpers'
// fault (see platform/pixels.h) and leaves the target as it was.
void makemask(const platform::ImageControl& source, platform::ImageControl& target);

} // namespace render
