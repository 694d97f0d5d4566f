// SPDX-License-Identifier: BSD-2-Clause
// An iterator over a container read by position, (*owner)[i]: for
// containers whose elements are not laid out in one array, or are made on
// demand.
#pragma once

#include <cstddef>
#include <iterator>
#include <type_traits>
#include <utility>

namespace inipick {

template <typename Owner>
class indexed_iterator {
 public:
  using reference = decltype(std::declval<const Owner&>()[std::size_t{}]);
  using value_type = std::remove_cvref_t<reference>;
  using difference_type = std::ptrdiff_t;
  // Elements made on demand give no lasting reference.
  using iterator_category = std::conditional_t<std::is_reference_v<reference>,
                                               std::forward_iterator_tag, std::input_iterator_tag>;

  indexed_iterator() = default;
  indexed_iterator(const Owner* owner, std::size_t i) : owner_(owner), i_(i) {}
  reference operator*() const noexcept { return (*owner_)[i_]; }
  indexed_iterator& operator++() noexcept {
    ++i_;
    return *this;
  }
  indexed_iterator operator++(int) noexcept {
    indexed_iterator before = *this;
    ++i_;
    return before;
  }
  bool operator==(const indexed_iterator& other) const noexcept = default;

 private:
  const Owner* owner_ = nullptr;
  std::size_t i_ = 0;
};

}  // namespace inipick
