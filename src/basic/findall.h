#pragma once
// Every place a short text occurs in a long one, found on several cores: an OSM file of many
// megabytes is searched for its elements' starts more than once, and one thread reads it at a
// few gigabytes a second.

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace basic {

// Where needle begins in text, every place in order, each search going on past the place found
// (as a loop of find(needle, at + needle.size()) does). The parts of a large text are searched
// on several threads at once; so that the places are those of one search from the front, needle
// must not overlap itself: its first byte occurs in it only once (such as "<node"). An empty
// needle has no places.
std::vector<std::size_t> findAll(std::string_view text, std::string_view needle);

// The first place findAll finds; npos when there is none.
std::size_t findFirst(std::string_view text, std::string_view needle);

// How many places findAll finds, without keeping them.
std::size_t countAll(std::string_view text, std::string_view needle);

// The parts a run over count elements is cut into: one per core the process may run on, at
// most eight, and one where count is below minimum (threads would cost more than they save).
unsigned partsFor(std::size_t count, std::size_t minimum);

// Calls work(part, first, last) for the parts [first, last) of 0 .. count, each on a thread of
// its own, the calling one among them, and returns when every part is done.
void inParts(std::size_t count, unsigned parts,
             const std::function<void(unsigned part, std::size_t first, std::size_t last)>& work);

} // namespace basic
