#pragma once
// The node-id index: which node index an OSM id resolves to when a way names it.
//
// The answers are those of an index kept as a series of texts ("chunks") that each start with
// "," and take entries id & "$" & index & "," until they pass 3000 characters, searched with
// "," & id & "$": early ways search the chunks from the first, late ways from the last, and the
// first chunk holding the id wins, at its first entry for the id. So a duplicated id resolves
// to its first node from an early way, and from a late way to the first of its nodes that were
// filed in the last chunk holding it. The chunks themselves are not kept: only their numbering
// is followed, and every lookup is a hash lookup.
//
// Ids are normalised before filing and lookup alike: a whole number (blanks around it, a "+"
// or "-" and leading zeros allowed) within 64 bits is filed by its value, any other text by
// itself trimmed of blanks; an empty id files nothing and finds nothing.

#include "basic/numbers.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>

namespace osmimport {

using basic::Long;

inline constexpr std::size_t kIdChunkLength = 3000;

class NodeIdIndex {
public:
    // An id as it is filed: its value when it is a whole number within 64 bits, else its text.
    struct Key {
        bool numeric = false;
        std::int64_t value = 0;
        std::string_view text;   // trimmed; empty for no id
        std::size_t entry = 0;   // the length of the id in a chunk's entry
    };
    // The key of id, read apart from the filing so that it can be read on another thread.
    static Key keyOf(std::string_view id);

    NodeIdIndex();
    // The entries move with the blocks they stand in; assigning is clear() and filing again.
    NodeIdIndex(NodeIdIndex&&) noexcept = default;
    NodeIdIndex& operator=(NodeIdIndex&&) = delete;

    // Room for this many ids without rehashing.
    void reserve(std::size_t ids) { numbers_.reserve(ids); }
    // Forgets every id and gives the memory back.
    void clear();
    // Files node under id, in the chunk the text index would have used.
    void add(std::string_view id, Long node) { add(keyOf(id), node); }
    void add(const Key& key, Long node);
    // The node id resolves to, searching as an early or as a late way does; 0 when not filed.
    Long find(std::string_view id, bool lateWay) const;
    // The number of the chunk in use (0 for the first).
    Long chunkInUse() const noexcept { return chunk_; }

private:
    struct Filed {
        Long first;     // the first node filed under the id
        Long lastChunk; // the last chunk that holds it
        Long inLast;    // its first node in that chunk
    };
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };

    // The key without its entry length, which only filing needs.
    static Key readKey(std::string_view id);
    void file(Filed& entry, bool isNew, Long node);
    const Filed* lookup(std::string_view id) const;

    // The numeric ids' entries are carved one after another from large blocks: no allocation
    // of its own per node, and no allocator bookkeeping beside each entry. Entries are never
    // removed one by one, only all at once.
    std::unique_ptr<std::pmr::monotonic_buffer_resource> blocks_;
    std::pmr::unordered_map<std::int64_t, Filed> numbers_;
    std::unordered_map<std::string, Filed, TextHash, std::equal_to<>> texts_;
    Long chunk_ = 0;
    std::size_t chunkLength_ = 1; // the leading ","
};

// Whether way number way, of wayCount ways, searches the index from its last chunk: the ways
// from wayCount x 0.6 (rounded, halves to even) on.
bool searchesFromLast(Long way, Long wayCount);

} // namespace osmimport
