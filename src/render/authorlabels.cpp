#include "render/authorlabels.h"

#include "platform/qtext.h"
#include "render/drawcontext.h"
#include "window/mapwindow.h"

#include <string>

namespace render {
namespace {

constexpr std::size_t kAuthorLetters = 4;
constexpr basic::Integer kAuthorsShown = -1;

} // namespace

void printAuthorLabel(DrawContext& c, basic::Long i, std::optional<float> dateY) {
    platform::PictureBox& p1 = c.p1;
    const std::size_t way = static_cast<std::size_t>(i);
    const std::string& user = c.data.wayUser[way];
    const std::string& date = c.data.wayDate[way];
    const std::string dateFilter = c.map.legendPanel.Text6.text();
    const std::string& chosen = c.data.authorFilter;
    const bool authors = c.global.authorOverlay == kAuthorsShown;
    const bool dates = c.map.legendPanel.Check5.value() == 1;
    auto printAuthor = [&] {
        p1.print(std::string(platform::leftCharacters(user, kAuthorLetters)) + " ", false);
    };
    auto printDate = [&] {
        if (dates) p1.print(date, false);
    };

    if (!dateFilter.empty()) {
        if (date.find(dateFilter) == std::string::npos) return;
        if (!chosen.empty()) {
            if (user != chosen) return;
            printAuthor();
        } else if (authors) {
            printAuthor();
        }
        printDate();
    } else if (!chosen.empty()) {
        if (user != chosen || !authors) return;
        printAuthor();
        printDate();
    } else {
        if (authors) printAuthor();
        if (dates && dateY) p1.setCurrentY(*dateY);
        printDate();
    }
}

} // namespace render
