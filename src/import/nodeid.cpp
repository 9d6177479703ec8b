#include "import/nodeid.h"

#include "basic/text.h"

#include <charconv>

namespace osmimport {

namespace {

// The length of the id's text in an entry: a number is written out again, without the zeros
// and the "+" it may have been given with.
std::size_t entryLength(const NodeIdIndex::Key& key) {
    if (!key.numeric) return key.text.size();
    char buffer[24];
    return static_cast<std::size_t>(std::to_chars(buffer, buffer + sizeof buffer, key.value).ptr - buffer);
}

std::size_t decimalLength(Long n) {
    std::size_t length = 1;
    for (; n >= 10; n /= 10)
        ++length;
    return length;
}

} // namespace

NodeIdIndex::NodeIdIndex()
    : blocks_(std::make_unique<std::pmr::monotonic_buffer_resource>()), numbers_(blocks_.get()) {}

void NodeIdIndex::clear() {
    // The entries go before the blocks they stand in.
    std::pmr::unordered_map<std::int64_t, Filed>(blocks_.get()).swap(numbers_);
    blocks_->release();
    std::unordered_map<std::string, Filed, TextHash, std::equal_to<>>().swap(texts_);
    chunk_ = 0;
    chunkLength_ = 1;
}

NodeIdIndex::Key NodeIdIndex::readKey(std::string_view raw) {
    Key key;
    key.text = basic::trimView(raw);
    std::string_view digits = key.text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() < '0' || digits.front() > '9') digits = {};
    }
    if (!digits.empty()) {
        const char* end = digits.data() + digits.size();
        const auto [ptr, ec] = std::from_chars(digits.data(), end, key.value);
        key.numeric = ec == std::errc() && ptr == end;
        if (!key.numeric) key.value = 0;
    }
    return key;
}

NodeIdIndex::Key NodeIdIndex::keyOf(std::string_view id) {
    Key key = readKey(id);
    key.entry = entryLength(key);
    return key;
}

void NodeIdIndex::file(Filed& entry, bool isNew, Long node) {
    if (isNew) {
        entry = {node, chunk_, node};
    } else if (entry.lastChunk != chunk_) {
        entry.lastChunk = chunk_;
        entry.inLast = node;
    }
}

void NodeIdIndex::add(const Key& key, Long node) {
    if (key.text.empty()) return;
    if (chunkLength_ > kIdChunkLength) {
        ++chunk_;
        chunkLength_ = 1;
    }
    chunkLength_ += key.entry + 1 + decimalLength(node) + 1;
    if (key.numeric) {
        const auto [it, isNew] = numbers_.try_emplace(key.value);
        file(it->second, isNew, node);
    } else {
        auto it = texts_.find(key.text);
        const bool isNew = it == texts_.end();
        if (isNew) it = texts_.emplace(std::string(key.text), Filed{}).first;
        file(it->second, isNew, node);
    }
}

const NodeIdIndex::Filed* NodeIdIndex::lookup(std::string_view id) const {
    const Key key = readKey(id);
    if (key.text.empty()) return nullptr;
    if (key.numeric) {
        const auto it = numbers_.find(key.value);
        return it == numbers_.end() ? nullptr : &it->second;
    }
    const auto it = texts_.find(key.text);
    return it == texts_.end() ? nullptr : &it->second;
}

Long NodeIdIndex::find(std::string_view id, bool lateWay) const {
    const Filed* entry = lookup(id);
    if (!entry) return 0;
    return lateWay ? entry->inLast : entry->first;
}

bool searchesFromLast(Long way, Long wayCount) {
    return way >= basic::roundHalfEven(wayCount * 0.6);
}

} // namespace osmimport
