#pragma once

#include <cstddef>
#include <new>
#include <type_traits>

// Raises the framework's memory exception; defined in MemoryException.cpp.
[[noreturn]] void AfxThrowMemoryException();

// Allocator of the framework's strings and collections: allocation failure
// becomes the framework's memory exception (thrown as a pointer, like every
// framework exception) instead of std::bad_alloc, so callers catch one kind.
template <typename T>
class CFrameworkAllocator
{
public:
    using value_type = T;
    using is_always_equal = std::true_type;

    CFrameworkAllocator() noexcept = default;
    template <typename U>
    CFrameworkAllocator(const CFrameworkAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T))
            AfxThrowMemoryException();
        void* p = ::operator new(n * sizeof(T), std::nothrow);
        if (p == nullptr)
            AfxThrowMemoryException();
        return static_cast<T*>(p);
    }

    void deallocate(T* p, std::size_t) noexcept { ::operator delete(p); }
};

template <typename T, typename U>
bool operator==(const CFrameworkAllocator<T>&, const CFrameworkAllocator<U>&) noexcept
{
    return true;
}
template <typename T, typename U>
bool operator!=(const CFrameworkAllocator<T>&, const CFrameworkAllocator<U>&) noexcept
{
    return false;
}
