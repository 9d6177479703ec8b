#include "import/filenames.h"

#include <gtest/gtest.h>
#include <string>

namespace osmimport {
namespace {

TEST(FilenamesTest, FtrimGivesTheFileTitle) {
    const struct {
        std::string path;
        std::string title;
    } cases[] = {
        {"C:/maps/leeds.osm", "leeds"},
        {"/home/ann/maps/Paris, France.osm", "Paris, France"},
        {"C:\\maps\\leeds.osm", "leeds"},
        {"C:\\maps/mixed\\york.vnk", "york"},
        {"leeds.osm", "leeds"},
        {"/maps/archive.tar.gz", "archive.ta"}, // four characters, whatever they are
        {"/maps/S\xC3\xA3o Paulo.osm", "S\xC3\xA3o Paulo"},
        {"", ""},
        {"/maps/", ""},
        {"/maps/.osm", ""},
        {"/maps/abc", "abc"}, // too short to drop four characters: whole
        {"a", "a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ftrim(c.path), c.title) << c.path;
}

} // namespace
} // namespace osmimport
