#include "KeyPool.h"

#include <algorithm>
#include <new>
#include <sys/mman.h>

#if defined(__SANITIZE_ADDRESS__)
#define KEYPOOL_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KEYPOOL_UNDER_ASAN 1
#endif
#endif

namespace {

#ifdef KEYPOOL_UNDER_ASAN
constexpr bool kUseOperatorNew = true;
#else
constexpr bool kUseOperatorNew = false;
#endif

// Blocks start small, so that a small hive costs little memory and time, and double up
// to one huge page on x86-64 and arm64.
constexpr size_t kFirstBlockSize = 64 * 1024;
constexpr size_t kLargestBlockSize = 2 * 1024 * 1024;

} // namespace

KeyPool::KeyPool(size_t slotSize)
    // Slots keep the alignment operator new would give.
    : m_slotSize((std::max(slotSize, sizeof(FreeSlot)) + alignof(std::max_align_t) - 1) /
                 alignof(std::max_align_t) * alignof(std::max_align_t)),
      m_blockSize(kFirstBlockSize)
{
}

void* KeyPool::allocate()
{
    if (kUseOperatorNew)
        return ::operator new(m_slotSize);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_free) {
        FreeSlot* slot = m_free;
        m_free = slot->next;
        return slot;
    }
    if (static_cast<size_t>(m_end - m_next) < m_slotSize) {
        const size_t size = std::max(m_blockSize, m_slotSize);
        void* block = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
        // Hints: without them the block is faulted in page by page as it is used, and
        // on a virtual machine each first touch of a small page can cost microseconds.
        if (size == kLargestBlockSize)
            ::madvise(block, size, MADV_HUGEPAGE);
        ::madvise(block, size, MADV_POPULATE_WRITE);
        m_next = static_cast<char*>(block);
        m_end = m_next + size;
        m_blockSize = std::min(size * 2, kLargestBlockSize);
    }
    void* slot = m_next;
    m_next += m_slotSize;
    return slot;
}

void KeyPool::release(void* slot)
{
    if (!slot)
        return;
    if (kUseOperatorNew) {
        ::operator delete(slot);
        return;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_free = new (slot) FreeSlot{m_free};
}
