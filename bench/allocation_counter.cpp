// The counting allocator. glibc lets a program define malloc and its relatives itself; the
// definitions here are found first by every library the program loads, count while counting is
// on, and hand the work to glibc's own allocator behind them (__libc_malloc and friends). The
// global operator new and delete go straight to malloc and free, so an allocation made through
// new is counted once; libstdc++'s other forms of new (nothrow, aligned, array) end up in these.
#include "bench/allocation_counter.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void* __libc_valloc(std::size_t size);
void* __libc_pvalloc(std::size_t size);
void __libc_free(void* pointer);
}

namespace allocation_counter {
namespace {

std::atomic<bool> counting{false};
std::atomic<std::size_t> count{0};
Record record;

}  // namespace

// Called by every allocating function below; not part of the header.
void Note(std::size_t size) {
  if (!counting.load(std::memory_order_relaxed)) return;
  const std::size_t index = count.fetch_add(1, std::memory_order_relaxed);
  if (index < record.sizes.size()) record.sizes[index] = size;
}

void Start() {
  record = Record{};
  count = 0;
  counting = true;
}

void Stop() {
  counting = false;
  record.count = count;
}

const Record& Counted() { return record; }

}  // namespace allocation_counter

using allocation_counter::Note;

extern "C" {

void* malloc(std::size_t size) {
  Note(size);
  return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
  Note(count * size);
  return __libc_calloc(count, size);
}

void* realloc(void* pointer, std::size_t size) {
  Note(size);
  return __libc_realloc(pointer, size);
}

void* memalign(std::size_t alignment, std::size_t size) {
  Note(size);
  return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) {
  Note(size);
  return __libc_memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) {
  Note(size);
  void* pointer = __libc_memalign(alignment, size);
  if (!pointer) return ENOMEM;
  *result = pointer;
  return 0;
}

void* valloc(std::size_t size) {
  Note(size);
  return __libc_valloc(size);
}

void* pvalloc(std::size_t size) {
  Note(size);
  return __libc_pvalloc(size);
}

void free(void* pointer) { __libc_free(pointer); }

}  // extern "C"

void* operator new(std::size_t size) {
  if (void* pointer = std::malloc(size ? size : 1)) return pointer;
  throw std::bad_alloc();
}

void operator delete(void* pointer) noexcept { std::free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { std::free(pointer); }
