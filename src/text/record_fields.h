#pragma once
// Runs of equal fields and slots in fixed-length records. Each field is cut by byte offset
// (clipped to the record, so a short record gives short or empty fields) and decoded from
// CP932 by itself.

#include <array>
#include <string>
#include <string_view>

#include "text/cp932.h"

namespace mirtote::text {

// fields[i] = the `width` bytes at start + stride * i, decoded; stride 0 means `width`.
template <size_t N>
void DecodeFields(std::array<std::string, N>& fields, std::string_view record, size_t start,
                  size_t width, size_t stride = 0) {
  if (stride == 0) stride = width;
  for (size_t i = 0; i < N; ++i) fields[i] = DecodeField(record, start + stride * i, width);
}

// slots[i] = parse(the `size` raw bytes at start + size * i).
template <typename Slot, size_t N, typename Parse>
void ParseSlots(std::array<Slot, N>& slots, std::string_view record, size_t start, size_t size,
                Parse parse) {
  for (size_t i = 0; i < N; ++i) slots[i] = parse(ByteField(record, start + size * i, size));
}

}  // namespace mirtote::text
