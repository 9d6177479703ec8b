#include "render/authorlist.h"

#include "platform/listbox.h"

namespace render {

AuthorList::AuthorList(platform::ListBox& list) : list_(list) {
    const int count = list.listCount();
    names_.reserve(static_cast<std::size_t>(count) * 2 + 16);
    for (int i = 0; i < count; ++i)
        names_.insert(list.list(i));
}

void AuthorList::note(std::string_view author, bool authorSelected) {
    if (authorSelected || author.empty() || names_.find(author) != names_.end()) return;
    names_.emplace(author);
    list_.addItem(std::string(author));
}

} // namespace render
