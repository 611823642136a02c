// Memory for objects of one size, taken from large blocks instead of malloc's heap.
// A big hive has hundreds of thousands of keys: allocated one by one, each fresh small
// page of the heap is faulted in separately, which costs more than parsing the file.
// Blocks grow to a size the kernel can back with huge pages, and are populated in one
// call. Freed slots are reused; blocks are never given back.
// Under AddressSanitizer the pool hands every request to operator new, so that misuse
// of a freed object is still caught.
#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

class KeyPool {
public:
    explicit KeyPool(size_t slotSize);
    KeyPool(const KeyPool&) = delete;
    KeyPool& operator=(const KeyPool&) = delete;

    // Memory for one object of the slot size; throws std::bad_alloc.
    void* allocate();
    void release(void* slot);

private:
    struct FreeSlot {
        FreeSlot* next;
    };

    size_t m_slotSize;
    std::mutex m_mutex;
    FreeSlot* m_free = nullptr;
    char* m_next = nullptr; // the unused rest of the newest block
    char* m_end = nullptr;
    size_t m_blockSize; // of the next block
};
