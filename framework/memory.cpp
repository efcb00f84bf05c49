// The framework's heap: the process heap, without the C++ library's exception
// machinery. Objects are made with new (std::nothrow) and checked.
#include <windows.h>

#include <new>

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
}

void operator delete(void* p) noexcept {
    if (p) HeapFree(GetProcessHeap(), 0, p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
