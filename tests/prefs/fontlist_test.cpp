// The font list fonts.dat: built from the screen fonts when it yields no name, loaded otherwise.

#include "basic/wholefile.h"
#include "preferences_fixture.h"
#include "prefs/fontlist.h"
#include "support/hostilefiles.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

namespace prefs {
namespace {

using testing::kListedFonts;
using testing::PreferencesTest;
using Names = std::vector<std::string>;

TEST(FontListTest, NamesAreWholeLinesAndTheCountLimitsThem) {
    struct Case {
        const char* bytes;
        Names names;
    } cases[] = {
        {" 1.5 \r\n 3 \r\nA\r\nB\r\nC\r\nD\r\nE\r\n", {"A", "B", "C"}},
        {" 1.5 \r\n 5 \r\nA\r\nB\r\nC\r\n", {"A", "B", "C"}},
        {" 1.5 \r\n 2 \r\n0123\r\nSans, Bold\r\n", {"0123", "Sans, Bold"}},
        {"", {}},
        {" 1.5 \r\nthree\r\nA\r\n", {}},
        {" 1.5 \r\n 0 \r\nA\r\n", {}},
        {" 1.5 \r\n-2 \r\nA\r\n", {}},
    };
    for (const Case& c : cases) {
        basic::Single version = 0;
        EXPECT_EQ(readFontList(c.bytes, version), c.names) << c.bytes;
        EXPECT_EQ(version, c.bytes[0] ? 1.5f : 0.0f) << c.bytes;
    }
}

TEST_F(PreferencesTest, AMissingListIsBuiltOnceWithoutAtThenLoadedSilently) {
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    Preferences& first = open();
    EXPECT_EQ(messages(), Names{"Font data not found: Compiling fonts."});
    EXPECT_EQ(basic::readFileBytes(fontsPath()),
              " 1.971 \r\n 3 \r\nDejaVu Sans\r\n0123\r\nLiberation Serif\r\n");
    for (int chooser = 0; chooser < 3; ++chooser) {
        Names listed;
        for (int i = 0; i < first.Combo1[chooser].listCount(); ++i)
            listed.push_back(first.Combo1[chooser].list(i));
        EXPECT_EQ(listed, kListedFonts) << chooser;
    }
    platform::injectScreenFonts({"Other"});
    EXPECT_EQ(open().Combo1[2].list(1), "0123");
    EXPECT_EQ(messages().size(), 1u);
}

// A pipe in the list's place is not waited for: the list is built from the screen and written in
// its place.
TEST_F(PreferencesTest, APipeForAListIsBuiltAnew) {
    ASSERT_EQ(::mkfifo(fontsPath().c_str(), 0644), 0);
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    EXPECT_EQ(open().Combo1[0].listCount(), 3);
    EXPECT_EQ(messages(), Names{"Font data not found: Compiling fonts."});
    EXPECT_TRUE(QFileInfo(QString::fromStdString(fontsPath())).isFile());
}

TEST_F(PreferencesTest, AListWithoutNamesIsBuiltAnewWholeOrNotAtAll) {
    basic::writeFileWhole(fontsPath(), "x\r\n");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    {
        const testsupport::FullDisk full;
        EXPECT_EQ(open().Combo1[0].listCount(), 3);
    }
    EXPECT_EQ(basic::readFileBytes(fontsPath()), "x\r\n");
    EXPECT_EQ(messages().size(), 1u) << "the failed write is not reported";

    dialogs().scriptMsgBox(platform::msgbox::Ok);
    open();
    EXPECT_EQ(messages().size(), 2u);
    basic::Single version = 0;
    EXPECT_EQ(readFontList(basic::readFileBytes(fontsPath()), version), kListedFonts);
}

} // namespace
} // namespace prefs
