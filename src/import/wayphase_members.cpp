#include "import/wayphase_members.h"

#include "basic/findall.h"

#include <algorithm>

namespace osmimport {

namespace {

constexpr std::string_view kRelation = "<relation";
constexpr std::string_view kRelationEnd = "</relation";
constexpr std::string_view kMember = "<member";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The value of attribute name (as `name=` after a blank) of an element's text, quoted with
// either quote character; empty when it has none.
std::string_view attribute(std::string_view element, std::string_view name) {
    for (std::size_t at = element.find(name); at != std::string_view::npos; at = element.find(name, at + 1)) {
        const std::size_t eq = at + name.size();
        if (at == 0 || !isBlank(element[at - 1]) || eq + 1 >= element.size() || element[eq] != '=') continue;
        const char quote = element[eq + 1];
        if (quote != '"' && quote != '\'') continue;
        const std::size_t close = element.find(quote, eq + 2);
        if (close == std::string_view::npos) return {};
        return element.substr(eq + 2, close - eq - 2);
    }
    return {};
}

} // namespace

RelationMembers::RelationMembers(std::string_view text) {
    // The text before the first relation, in most files nearly all of it, is searched on every
    // core.
    for (std::size_t at = basic::findFirst(text, kRelation); at != std::string_view::npos;) {
        std::size_t end = text.find(kRelationEnd, at);
        if (end == std::string_view::npos) end = text.size();
        readMembers(text.substr(at, end - at));
        at = text.find(kRelation, end);
    }
}

void RelationMembers::readMembers(std::string_view relation) {
    for (std::size_t at = relation.find(kMember); at != std::string_view::npos;
         at = relation.find(kMember, at + kMember.size())) {
        const std::size_t close = relation.find('>', at);
        const std::string_view member =
            relation.substr(at, close == std::string_view::npos ? std::string_view::npos : close - at);
        if (attribute(member, "type") != "way") continue;
        const std::string_view ref = attribute(member, "ref");
        if (!ref.empty()) ways_.insert(ref);
    }
}

} // namespace osmimport
