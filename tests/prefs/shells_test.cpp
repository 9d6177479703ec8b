#include "prefs/aboutbox.h"
#include "prefs/updatecheck.h"
#include "prefs/updatedialog.h"
#include "support/cannedserver.h"
#include "window/webaddresses.h"

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
    // The update dialog asks a server of the test while it loads.
    testsupport::CannedServer server;
    server.answer("/version.txt", testsupport::response("200 OK", "1.971"));
    setUpdateSource(server.url("/version.txt"), 5000);
    ShellCase cases[] = {
        {std::make_unique<AboutBox>(), "Infor", "Information"},
        {std::make_unique<UpdateDialog>(), "updat", "Updates"},
    };
    for (auto& c : cases) {
        platform::Form& form = *c.form;
        EXPECT_EQ(form.name(), c.name);
        EXPECT_EQ(form.caption(), c.caption);
        // Closes the window once it shows (the update dialog fetches its file first).
        bool shownWhileWaiting = false;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (!form.visible()) return;
            shownWhileWaiting = true;
            form.unload();
        });
        closer.start(5);
        form.show(true); // returns only once the window is gone
        EXPECT_TRUE(shownWhileWaiting) << c.name;
        EXPECT_FALSE(form.visible()) << c.name;
    }
    setUpdateSource(std::string(core::web::kUpdateFile), kUpdateTimeLimitMs);
}

} // namespace
} // namespace prefs
