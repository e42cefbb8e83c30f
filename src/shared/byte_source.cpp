#include "byte_source.h"

#include <algorithm>
#include <cstring>

namespace core {

size_t MemoryByteSource::ReadAt(uint64_t offset, void* buffer, size_t count) const {
    if (offset >= bytes_.size()) {
        return 0;
    }
    size_t start = static_cast<size_t>(offset);
    size_t n = std::min(count, bytes_.size() - start);
    std::memcpy(buffer, bytes_.data() + start, n);
    return n;
}

}  // namespace core
