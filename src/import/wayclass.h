#pragma once
// Way classification: one fixed chain of substring tests on a way's text, in the legend's order,
// gives the way its line colour, casing, width, pen style, drawing class, area style, fill
// argument, name and drawing lists. The needles depend on the file's quote character and are
// built once per import.

#include "import/projectdata.h"
#include "import/waylook.h"

namespace osmimport {

class WayClassifierRules {
public:
    explicit WayClassifierRules(char quote);

    // Runs the chain for one way over look, which holds the way loop's start values (and the
    // carried fill argument and end mark). Appends to lists and to data's waterway, tram and
    // boundary lists, buildingCount and trailerText as the rules say.
    void classify(const WayText& way, WayLook& look, WayLists& lists, ProjectData& data) const;

    char quote() const noexcept { return quote_; }

private:
    char quote_;
};

} // namespace osmimport
