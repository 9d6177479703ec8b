#pragma once
// Way classification: one fixed chain of substring tests on a way's text, in the legend's order,
// gives the way its line colour, casing, width, pen style, drawing class, area style, fill
// argument, name and drawing lists. The needles depend on the file's quote character and are
// built once per import.

#include "import/needleset.h"
#include "import/projectdata.h"
#include "import/waylook.h"

#include <cstdint>
#include <string>
#include <vector>

namespace osmimport {

class WayClassifierRules {
public:
    explicit WayClassifierRules(char quote);

    // Runs the chain for one way over look, which holds the way loop's start values (and the
    // carried fill argument and end mark). Appends to lists and to data's waterway, tram and
    // boundary lists, buildingCount and trailerText as the rules say.
    // found receives the scans' answers, which the look checks after the chain read through
    // holds().
    struct Found;
    void classify(const WayText& way, WayLook& look, WayLists& lists, ProjectData& data, Found& found) const;
    // classify in its steps, of which all but the last read the way's texts alone (and may run
    // on any thread): the scans; the steps the chain takes, which the scans' answers decide
    // alone (no step changes which tests hold); the way's name when a step names it; then the
    // steps applied to the look, the lists and the data.
    struct Step;
    using Path = std::vector<const Step*>;
    void scan(const WayText& way, Found& found) const;
    void choosePath(const Found& found, Path& path) const;
    // The name a name step of path gives the way (before its mark); empty when none does.
    std::string pathName(const WayText& way, const Path& path) const;
    void applyPath(const WayText& way, const Path& path, const std::string& name, WayLook& look, WayLists& lists,
                   ProjectData& data) const;

    char quote() const noexcept { return quote_; }

    // The chain's vocabulary; public so the chain can be written as data.

    // Which needles a way's texts contain: one scan of each text answers every needle.
    struct Found {
        std::vector<std::uint8_t> lower;
        std::vector<std::uint8_t> raw;
    };

    // The substring tests of the way phase's look checks (constructions, access, buildings,
    // bridges, tunnels), answered by the chain's scans: "'" stands for the quote character.
    enum class Check {
        Constr,     // 'constr
        Access,     // 'access
        Private,    // 'priva
        AccessNo,   // ss' v='no
        Permissive, // 'permis
        Building,   // 'building'
        Bridge,     // 'bridge'  (with the space)
        Highway,    // 'highway
        Railway,    // 'railw
        Waterway,   // 'waterway
        Tunnel,     // 'tunnel
        Tag,        // "tag " in the raw text
    };
    bool holds(const Found& found, Check check) const;
    // One plain, case-sensitive substring search, in the lower-cased text unless raw; absent
    // turns it into "the text does not contain". id is its number in the needle set of its text.
    struct Needle {
        std::string text;
        bool raw = false;
        bool absent = false;
        int id = -1;
        bool holds(const Found& found) const;
    };
    // Any or all of its needles; all of none always holds.
    struct Test {
        enum class Join { Any, All };
        Join join = Join::All;
        std::vector<Needle> needles;
        bool holds(const Found& found) const;
    };
    enum class Op {
        LineColour,   // C
        Casing,       // K
        Width,        // W
        PenStyle,     // S
        Layer,        // L
        Fill,         // F: a tile number or a colour
        FillArg,      // A
        Area,         // area yes (1) or no (0)
        LineFromFill, // C = F
        FillFromLine, // F = C
        WidthFromArg, // W = A
        Name,         // the name step; value 1 marks the name
        RoadTypeName, // the problem text of a highway named after its type
        EndMark,      // set (1) or clear (0)
        SkipEarlyChecks,
        Append,      // the way index joins a drawing list
        AddressLine, // one more building, the raw text into the trailer
        RingTest,    // a closed ring joins the building list, anything else gets class 0
    };
    enum class List { Residential, Wood, LandArea, Building, Waterway, Tram, Boundary };
    // One value of a rule, applied only when every needle of its guard holds.
    struct Step {
        Op op;
        Double value = 0;
        List list = List::Building;
        std::vector<Needle> guard;
    };
    // What follows a sub-rule that holds: the end of the chain, the next sub-rule, or the next
    // sub-rule with the chain ending at the close of the group whatever follows.
    enum class Then { End, On, OnThenEnd };
    struct SubRule {
        Test test;
        std::vector<Step> values;
        Then then = Then::End;
    };
    // A group whose head holds applies its values and tries its sub-rules in order; when none
    // ends the chain, the chain goes on with the next group unless the group ends it.
    struct Group {
        Test head;
        std::vector<Step> values;
        std::vector<SubRule> subs;
        bool endsChain = false;
    };

private:
    struct Context;
    void choose(const std::vector<Step>& steps, const Found& found, Path& path) const;
    void apply(const Step& step, Context& at) const;
    static std::vector<Group> buildChain(char quote);
    // Gives every needle of the chain its number in lowerNeedles_ or rawNeedles_.
    void numberNeedles();

    char quote_;
    std::string nameKey_; // quote & "name": the name step runs only where the raw text holds it
    std::vector<Group> chain_;
    std::vector<Needle> checks_; // by Check
    NeedleSet lowerNeedles_;
    NeedleSet rawNeedles_;
};

} // namespace osmimport
