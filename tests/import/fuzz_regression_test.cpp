// Inputs the fuzz targets found (tests/data/fuzz/), each kept with the outcome it must have.

#include "../basic/fault_of.h"
#include "basic/wholefile.h"
#include "import/projectreader.h"
#include "import/projectwriter.h"

#include <gtest/gtest.h>
#include <string>

namespace osmimport {
namespace {

using basic::faultOf;
namespace fault = basic::fault;

std::string fuzzInput(const std::string& name) {
    return basic::readFileBytes(std::string(VK_TEST_DATA) + "/fuzz/" + name);
}

// A quoted value may hold a comma (list input runs it to its closing quote or the line end),
// and the tram list it landed in is stored unescaped: the file is read, but what is written
// from it splits at the comma and is refused with one fault when read again, never worse.
TEST(FuzzRegressionTest, AQuotedCommaInAListIsReadButCannotBeWrittenBack) {
    ProjectData d;
    ASSERT_EQ(faultOf([&] { d = readProjectFile(fuzzInput("project-quoted-comma-in-list.vnk")); }), 0);
    EXPECT_NE(d.tramList.find(','), std::string::npos);
    std::string written;
    ASSERT_EQ(faultOf([&] { written = projectFileBytes(d, '"'); }), 0);
    EXPECT_EQ(faultOf([&] { readProjectFile(written); }), fault::TypeMismatch);
}

} // namespace
} // namespace osmimport
