#include "prefs/infor.h"
#include "prefs/preferences.h"
#include "prefs/updat.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace prefs {
namespace {

struct ShellCase {
    std::unique_ptr<platform::Form> form;
    const char* name;
    const char* caption;
};

TEST(ShellsTest, EachShowsModallyWithItsCaptionUntilClosed) {
    ShellCase cases[] = {
        {std::make_unique<Infor>(), "Infor", "Information"},
        {std::make_unique<Updat>(), "updat", "Updates"},
        {std::make_unique<Preferences>(), "settings", "Settings"},
    };
    for (auto& c : cases) {
        platform::Form& form = *c.form;
        EXPECT_EQ(form.name(), c.name);
        EXPECT_EQ(form.caption(), c.caption);
        bool shownWhileWaiting = false;
        QTimer::singleShot(0, [&] {
            shownWhileWaiting = form.visible();
            form.unload();
        });
        form.show(true); // returns only once the window is gone
        EXPECT_TRUE(shownWhileWaiting) << c.name;
        EXPECT_FALSE(form.visible()) << c.name;
    }
}

} // namespace
} // namespace prefs
