#pragma once
// Node classification into POI codes: an ordered table of needle tests on a node's lower-cased
// tag text whose first matching rule wins. The needles depend on the file's quote character and
// are built once per import; classifying a node then only searches its text.

#include "basic/numbers.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace osmimport {

// What the rules decide for one node.
struct NodeClass {
    std::string code;           // the POI code; empty for a node without tags
    bool described = false;     // the node gets a description
    bool recordIsDesc = false;  // a described node's record carries its description
    bool appendPosition = true; // a description holding "?" gets the node's position
    bool station = false;       // classified "STA" on the way (station position list)
    bool subway = false;        // ... with "subw" in its text (kept off the station node list)
    bool amenity = false;       // counts in amenityTotal
    bool bridge = false;        // gets the bridge marker
    bool emptyTag = false;      // carries an empty tag value: the "+" mark and a quot marker
    // The count labels to add one to, in order (a subway station counts on 23 and on its later
    // rule's label); 0 ends the list.
    std::array<int, 4> labels{};

    void count(int label);
};

// The rule table resolved for one quote character.
class NodeClassifierRules {
public:
    explicit NodeClassifierRules(char quote);

    // Classifies the node whose piece (raw, from its first ">") and lower-cased tag text are
    // given: the rule chain, the empty-tag mark and the religion codes.
    NodeClass classify(std::string_view piece, std::string_view tagText) const;

    char quote() const noexcept { return quote_; }

    // The needle test of one rule; public so the rule table can be written as data.
    struct Test {
        enum class Join { Always, One, And, Or, Absent };
        Join join = Join::Always;
        std::string a;
        std::string b;
        bool holds(std::string_view text) const;
    };
    enum class Kind { Text, Desc, Bare, Off };
    enum class Effect { None, NoPosition, Station, ToGroupB, Bridge, Amenity };
    struct Row {
        Test test;
        std::string code;
        int label = 0;
        Kind kind = Kind::Text;
        Effect effect = Effect::None;
    };
    // A rule: its head, then its rows in order. A head that describes gives every node passing
    // it a code from its rows.
    struct Rule {
        Test head;
        bool describes = false;
        std::vector<Row> rows;
    };

private:
    // Runs rules over text from the first; true when one of them decided the node's code.
    // reachB is set when a matching rule sends the node on to group B.
    bool runGroup(const std::vector<Rule>& rules, std::string_view text, NodeClass& out, bool& reachB) const;

    char quote_;
    std::string emptyValue_; // "v=" + q + q
    std::string bay_;        // q + "bay"
    std::vector<Rule> groupA_;
    std::vector<Rule> groupB_;
};

// Builds the rule tables for quote; kept apart so they read like the list of rules.
void buildGroupA(char quote, std::vector<NodeClassifierRules::Rule>& rules);
void buildGroupB(char quote, std::vector<NodeClassifierRules::Rule>& rules);

} // namespace osmimport
