// Memory for the objects a list makes by the thousand (its cells and their
// texts): blocks of one size carved from 64 KB chunks and kept on a free
// list, so that ten thousand rows cost a few heap calls, not ten thousand.
// Windows heaps under Wine take about 0.4 us a call; a fill of 10,000 rows
// spent most of its time there. Chunks are kept for the next list. Under
// AddressSanitizer every block comes from the heap, so that a use after
// free is still caught.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

namespace scalewright {

template <class Object>
class CBlockPool {
 public:
  static void* Allocate(std::size_t size) {
#if !defined(__SANITIZE_ADDRESS__)
    if (size == sizeof(Object)) return Shared().Take();
#endif
    return ::operator new(size);
  }
  static void Free(void* block, std::size_t size) noexcept {
#if !defined(__SANITIZE_ADDRESS__)
    if (size == sizeof(Object)) {
      Shared().Give(block);
      return;
    }
#else
    static_cast<void>(size);
#endif
    ::operator delete(block);
  }

 private:
  union UBlock {
    UBlock* next;
    alignas(Object) unsigned char bytes[sizeof(Object)];
  };
  static constexpr std::size_t kBlocksAChunk = 65536 / sizeof(UBlock) + 1;

  struct SShared {
    std::mutex lock;  // cells may be released on another thread
    UBlock* free = nullptr;
    std::vector<std::unique_ptr<UBlock[]>> chunks;

    void* Take() {
      std::lock_guard<std::mutex> hold(lock);
      if (!free) {
        chunks.push_back(std::make_unique<UBlock[]>(kBlocksAChunk));
        UBlock* chunk = chunks.back().get();
        for (std::size_t i = 0; i < kBlocksAChunk; ++i) {
          chunk[i].next = free;
          free = &chunk[i];
        }
      }
      UBlock* block = free;
      free = block->next;
      return block;
    }
    void Give(void* memory) noexcept {
      auto* block = static_cast<UBlock*>(memory);
      std::lock_guard<std::mutex> hold(lock);
      block->next = free;
      free = block;
    }
  };
  // Never destroyed: objects may outlive static destruction's order.
  static SShared& Shared() {
    static SShared* shared = new SShared;
    return *shared;
  }
};

}  // namespace scalewright
