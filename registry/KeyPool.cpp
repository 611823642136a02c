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

// One huge page on x86-64 and arm64.
constexpr size_t kBlockSize = 2 * 1024 * 1024;

} // namespace

KeyPool::KeyPool(size_t slotSize)
    // Slots keep the alignment operator new would give.
    : m_slotSize((std::max(slotSize, sizeof(FreeSlot)) + alignof(std::max_align_t) - 1) /
                 alignof(std::max_align_t) * alignof(std::max_align_t))
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
        void* block = ::mmap(nullptr, kBlockSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
        // Hints: without them the block is faulted in page by page as it is used, and
        // on a virtual machine each first touch of a small page can cost microseconds.
        ::madvise(block, kBlockSize, MADV_HUGEPAGE);
        ::madvise(block, kBlockSize, MADV_POPULATE_WRITE);
        m_next = static_cast<char*>(block);
        m_end = m_next + kBlockSize;
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
