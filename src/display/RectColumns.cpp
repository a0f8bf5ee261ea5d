#include "display/RectColumns.h"

#include <algorithm>
#include <emmintrin.h>

namespace Pixels {

namespace {

int16_t narrow(int32_t value) {
    return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

__m128i loadBlock(const std::vector<int16_t>& column, std::size_t first) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(column.data() + first));
}

// One bit per 16-bit lane that is all ones.
uint32_t laneBits(__m128i lanes) {
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(lanes, _mm_setzero_si128())));
}

} // namespace

void RectColumns::clear() {
    size_ = 0;
}

void RectColumns::append(const PixelRect& rect) {
    // The columns always hold whole blocks, so that the last block can be read at once.
    if (size_ + blockSize > lefts_.size()) {
        const std::size_t grown = std::max<std::size_t>(2 * lefts_.size(), 512);
        for (std::vector<int16_t>* column : {&lefts_, &tops_, &rights_, &bottoms_}) {
            column->resize(grown);
        }
    }
    put(size_++, rect);
}

void RectColumns::replace(std::size_t index, const PixelRect& rect) {
    put(index, rect);
}

void RectColumns::removeSwappingLast(std::size_t index) {
    --size_;
    lefts_[index] = lefts_[size_];
    tops_[index] = tops_[size_];
    rights_[index] = rights_[size_];
    bottoms_[index] = bottoms_[size_];
}

void RectColumns::put(std::size_t index, const PixelRect& rect) {
    lefts_[index] = narrow(rect.left);
    tops_[index] = narrow(rect.top);
    rights_[index] = narrow(rect.right);
    bottoms_[index] = narrow(rect.bottom);
}

uint32_t RectColumns::reachingInto(std::size_t first, const PixelRect& box) const {
    if (first >= size_) {
        return 0;
    }
    // A rectangle misses the box when it starts past its far edge or ends before its near one.
    const __m128i beyondRight =
        _mm_cmpgt_epi16(loadBlock(lefts_, first), _mm_set1_epi16(narrow(box.right)));
    const __m128i beyondBottom =
        _mm_cmpgt_epi16(loadBlock(tops_, first), _mm_set1_epi16(narrow(box.bottom)));
    const __m128i beforeLeft =
        _mm_cmpgt_epi16(_mm_set1_epi16(narrow(box.left)), loadBlock(rights_, first));
    const __m128i beforeTop =
        _mm_cmpgt_epi16(_mm_set1_epi16(narrow(box.top)), loadBlock(bottoms_, first));
    const __m128i misses =
        _mm_or_si128(_mm_or_si128(beyondRight, beyondBottom), _mm_or_si128(beforeLeft, beforeTop));
    const uint32_t reaching = ~laneBits(misses) & 0xFFu;
    const std::size_t present = std::min(blockSize, size_ - first);
    return reaching & ((1u << present) - 1u);
}

} // namespace Pixels
