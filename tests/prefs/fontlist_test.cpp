// The font list fonts.dat: built from the screen fonts when it yields no name, loaded otherwise.

#include "basic/fault.h"
#include "basic/wholefile.h"
#include "preferences_fixture.h"
#include "prefs/fontlist.h"

#include <QDir>

namespace prefs {
namespace {

using testing::kListedFonts;
using testing::PreferencesTest;
using Names = std::vector<std::string>;

constexpr const char* kCompiling = "Font data not found: Compiling fonts.";

Names read(std::string_view bytes) {
    basic::Single version = 0;
    return readFontList(bytes, version);
}

TEST(FontListTest, NamesAreWholeLinesAndTheCountLimitsThem) {
    struct Case {
        const char* bytes;
        Names names;
    } cases[] = {
        {" 1.971 \r\n 3 \r\nA\r\nB\r\nC\r\nD\r\nE\r\n", {"A", "B", "C"}},
        {" 1.971 \r\n 5 \r\nA\r\nB\r\nC\r\n", {"A", "B", "C"}},
        {" 1.971 \r\n 2 \r\n0123\r\nSans, Bold\r\n", {"0123", "Sans, Bold"}},
        {"", {}},
        {" 1.971 \r\n", {}},
        {" 1.971 \r\nthree\r\nA\r\n", {}},
        {" 1.971 \r\n 0 \r\nA\r\n", {}},
        {" 1.971 \r\n-2 \r\nA\r\n", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(read(c.bytes), c.names) << c.bytes;
}

TEST(FontListTest, TheStampIsReadIntoFileVersion) {
    basic::Single version = 0;
    readFontList(" 1.5 \r\n 1 \r\nA\r\n", version);
    EXPECT_EQ(version, 1.5f);
    readFontList("x\r\n 1 \r\nA\r\n", version);
    EXPECT_EQ(version, 1.5f) << "no number keeps the stamp";
}

TEST_F(PreferencesTest, AMissingListIsBuiltOnceFromTheScreenFontsWithoutAt) {
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    Preferences& first = open();
    EXPECT_EQ(messages(), Names{kCompiling});
    EXPECT_EQ(basic::readFileBytes(fontsPath()), " 1.971 \r\n 3 \r\nDejaVu Sans\r\n0123\r\nLiberation Serif\r\n");
    for (int chooser = 0; chooser < 3; ++chooser) {
        Names listed;
        for (int i = 0; i < first.Combo1[chooser].listCount(); ++i)
            listed.push_back(first.Combo1[chooser].list(i));
        EXPECT_EQ(listed, kListedFonts) << chooser;
    }

    platform::injectScreenFonts({"Other"});
    Preferences& second = open();
    EXPECT_EQ(messages().size(), 1u) << "the second opening loads the file silently";
    EXPECT_EQ(second.Combo1[2].list(1), "0123");
    EXPECT_EQ(second.Combo1[0].listCount(), 3);
}

TEST_F(PreferencesTest, AListWithoutNamesIsBuiltAnewAndAShortOneLoadsWhatItHas) {
    basic::writeFileWhole(fontsPath(), "");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    open();
    EXPECT_EQ(messages(), Names{kCompiling});
    EXPECT_EQ(read(basic::readFileBytes(fontsPath())), kListedFonts);

    basic::writeFileWhole(fontsPath(), " 1.971 \r\n 5 \r\nA\r\nB\r\nC\r\n");
    Preferences& dialog = open();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(dialog.Combo1[1].listCount(), 3);
}

TEST_F(PreferencesTest, AFailedWriteLeavesThePreviousFileAndStillListsTheFonts) {
    basic::writeFileWhole(fontsPath(), "x\r\n");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(fontsPath() + ".part"))); // no temporary file
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    Preferences& dialog = open();
    EXPECT_EQ(basic::readFileBytes(fontsPath()), "x\r\n");
    EXPECT_EQ(dialog.Combo1[0].listCount(), 3);
    EXPECT_EQ(messages(), Names{kCompiling}) << "the failure is not reported";
}

} // namespace
} // namespace prefs
