#pragma once
// The colour key of the legend pages "Legend 1" and "Legend 2": 41 swatches `Shape6(shape)`,
// each with its caption `Label10(label)`, in the order they stand on the pages, section by
// section. The swatch and caption numbers are the controls' indexes and differ from each other.

#include <array>
#include <string_view>

namespace core {

struct KeySwatch {
    int section; // index into kKeySections
    int shape;   // Shape6 index
    int label;   // Label10 index
    std::string_view caption;
    int red, green, blue;
};

inline constexpr std::array<std::string_view, 4> kKeySections = {"Natural", "Landuse", "Leisure", "Other"};
// Sections 0 and 1 stand on the page "Legend 1" (Fram4(2)), 2 and 3 on "Legend 2" (Fram4(3)).
inline constexpr int keyPage(int section) {
    return section < 2 ? 2 : 3;
}

inline constexpr std::array<KeySwatch, 41> kColourKey = {{
    {0, 1, 1, "Wood", 174, 209, 160},
    {0, 13, 13, "Field", 206, 235, 168},
    {0, 20, 21, "Beach", 254, 240, 186},
    {0, 22, 23, "Wetland", 150, 210, 243},
    {0, 16, 17, "Heath", 254, 254, 192},
    {0, 23, 24, "Marsh", 222, 245, 193},
    {0, 11, 11, "Mud", 230, 220, 209},
    {1, 5, 4, "Retail", 240, 218, 217},
    {1, 2, 2, "Commercial", 238, 200, 200},
    {1, 9, 9, "Allotments", 200, 176, 132},
    {1, 3, 3, "Industrial", 222, 209, 213},
    {1, 0, 0, "Forest", 141, 196, 192},
    {1, 8, 10, "Farmland", 198, 156, 109},
    {1, 7, 6, "Quarry", 90, 90, 90},
    {1, 4, 5, "Churchyard", 169, 202, 174},
    {1, 6, 7, "Landfill", 153, 153, 153},
    {1, 15, 14, "Tourism", 241, 202, 233},
    {1, 12, 16, "Education", 240, 240, 216},
    {1, 17, 18, "Parking", 246, 238, 182},
    {1, 14, 15, "Military", 254, 143, 143},
    {1, 19, 20, "Railway", 222, 209, 213},
    {1, 18, 19, "Terminal", 204, 153, 255},
    {1, 21, 22, "Apron", 240, 224, 254},
    {1, 48, 28, "Recreation", 206, 235, 168},
    {1, 45, 27, "Vineyard", 124, 197, 118},
    {1, 10, 12, "Residential", 220, 220, 220},
    {2, 46, 52, "Park", 182, 252, 182},
    {2, 34, 41, "Golf", 181, 227, 181},
    {2, 27, 33, "Track", 51, 204, 153},
    {2, 25, 37, "Playground", 204, 255, 255},
    {2, 47, 53, "Garden", 206, 235, 168},
    {2, 43, 48, "Pitch", 137, 210, 174},
    {2, 40, 47, "Nature Reserve", 222, 245, 193},
    {2, 38, 45, "Common", 182, 252, 182},
    {2, 39, 44, "Stadium", 51, 204, 153},
    {2, 44, 31, "Sports Centre", 51, 203, 153},
    {3, 36, 43, "Building", 201, 103, 103},
    {3, 37, 42, "Farmyard", 234, 216, 184},
    {3, 26, 39, "Worship", 150, 150, 150},
    {3, 31, 38, "Power", 186, 186, 186},
    {3, 24, 30, "Glacier", 221, 236, 236},
}};

} // namespace core
