#pragma once
// Giving back the memory of a buffer part that will not be read again, while the buffer itself
// stays allocated: a large text read once from front to back need not stay resident behind the
// reader.

namespace basic {

// The whole memory pages inside [begin, end) go back to the system; reading them afterwards
// gives zero bytes. Nothing happens where the system refuses.
void releasePages(char* begin, char* end) noexcept;

// The freed memory the allocator keeps for later allocations goes back to the system: after many
// small records were freed, a large buffer read next would otherwise come on top of them.
void releaseFreeMemory() noexcept;

} // namespace basic
