#pragma once
// The ways that are members of a relation: the ids named as the ref of a `<member type="way"`
// element of any relation element of the text, wherever the relations stand. Collected in one
// pass over the text, so that asking for every way costs no search per way.

#include <string_view>
#include <unordered_set>

namespace osmimport {

class RelationMembers {
public:
    // text must outlive this.
    explicit RelationMembers(std::string_view text);

    // Whether the way with this id is a member of a relation.
    bool isMember(std::string_view wayId) const { return !wayId.empty() && ways_.count(wayId) != 0; }

private:
    void readMembers(std::string_view relation);

    std::unordered_set<std::string_view> ways_;
};

} // namespace osmimport
