// SPDX-License-Identifier: MIT
#include "residentbytes.h"

#include <new>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

ResidentBytes residentBytes(std::size_t size)
{
    if (size == 0)
        return {};
#ifdef MAP_POPULATE
    void *bytes = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (bytes == MAP_FAILED)
        return {};
    return ResidentBytes(static_cast<std::uint8_t *>(bytes), {size});
#else
    return ResidentBytes(new (std::nothrow) std::uint8_t[size], {size});
#endif
}

void ResidentBytesRelease::operator()(std::uint8_t *bytes) const
{
#ifdef MAP_POPULATE
    munmap(bytes, size);
#else
    delete[] bytes;
#endif
}
