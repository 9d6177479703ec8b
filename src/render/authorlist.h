#pragma once
// The author list `List1` of the side panel, filled while the map is drawn with every author of
// the ways drawn. Each name is listed once, by its exact bytes: a name that merely occurs inside
// another one (Tom after Tommy) is an author of its own, and a name listed by an earlier drawing
// is not listed again. The area pass and the detail pass share one AuthorList per drawing.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace platform {
class ListBox;
}

namespace render {

class AuthorList {
public:
    // Takes the names `list` holds now; make one at the start of each drawing, after anything
    // that may have cleared the list.
    explicit AuthorList(platform::ListBox& list);

    // Adds `author` at the end of the list unless it is listed already, it is empty (a way
    // without an author gives no blank entry), or `authorSelected` holds: while an author is
    // chosen the list stays as the user sees it.
    void note(std::string_view author, bool authorSelected);

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    platform::ListBox& list_;
    std::unordered_set<std::string, Hash, std::equal_to<>> names_;
};

} // namespace render
