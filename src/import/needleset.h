#pragma once
// Many plain substring tests on one text, answered by one pass over it. A rule chain that asks
// "does the text contain x?" for a hundred needles would otherwise search the whole text once
// per needle; here the needles are compiled once into a matching automaton (Aho-Corasick over
// the bytes the needles use), and a scan marks every needle that occurs. The answers are those
// of std::string_view::find, case-sensitive, byte for byte.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace osmimport {

class NeedleSet {
public:
    // The number of a needle; the same needle added twice gets the same number. An empty needle
    // occurs in every text, as find("") says.
    int add(std::string_view needle);
    int size() const noexcept { return static_cast<int>(needles_.size()); }

    // Compiles the automaton; needed after the last add and before the first scan.
    void build();

    // found[k] becomes 1 for every needle k that occurs in text, 0 for the others.
    void scan(std::string_view text, std::vector<std::uint8_t>& found) const;

private:
    int classOf(unsigned char c) const { return classes_[c]; }

    std::vector<std::string> needles_;
    std::uint8_t classes_[256] = {};    // byte → its class; 0 for bytes no needle uses
    int classCount_ = 1;
    std::vector<std::int32_t> next_;    // state × class → the next state's row (see build)
    std::vector<std::int32_t> outFrom_; // state → first entry of its needles in out_
    std::vector<std::int32_t> out_;     // the needles that end at each state, suffixes included
    std::vector<int> emptyNeedles_;
};

} // namespace osmimport
