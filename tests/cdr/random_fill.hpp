// Random member values for the CDR tests: the helpers that the generated fill.hpp calls for
// every member. Values cover the extremes of every primitive (NaN aside, so that messages
// compare equal to themselves), strings around the short-string capacity, embedded NULs and
// sequences of a few elements.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <utility>

namespace cdr_test
{

class Random
{
public:
  explicit Random(uint32_t seed)
  : gen_(seed) {}

  size_t below(size_t n) {return n == 0 ? 0 : static_cast<size_t>(gen_() % n);}

  void value(bool & v, size_t) {v = below(2) == 1;}

  template<typename T>
  std::enable_if_t<std::is_integral<T>::value> value(T & v, size_t)
  {
    switch (below(4)) {
      case 0: v = std::numeric_limits<T>::min(); break;
      case 1: v = std::numeric_limits<T>::max(); break;
      default: v = static_cast<T>(gen_() ^ (uint64_t{gen_()} << 32)); break;
    }
  }

  template<typename T>
  std::enable_if_t<std::is_floating_point<T>::value> value(T & v, size_t)
  {
    switch (below(6)) {
      case 0: v = std::numeric_limits<T>::max(); break;
      case 1: v = -std::numeric_limits<T>::infinity(); break;
      case 2: v = std::numeric_limits<T>::denorm_min(); break;
      case 3: v = -0.0; break;
      default: v = static_cast<T>(std::uniform_real_distribution<double>(-1e6, 1e6)(gen_)); break;
    }
  }

  // Empty, short and longer than the short-string capacity; now and then a NUL inside.
  template<typename Char, typename Traits, typename Alloc>
  void value(std::basic_string<Char, Traits, Alloc> & v, size_t bound)
  {
    size_t length = below(4) == 0 ? 0 : below(40);
    if (bound > 0 && length > bound) {
      length = bound;
    }
    v.resize(length);
    for (auto & c : v) {
      c = static_cast<Char>(below(8) == 0 ? 0 : ' ' + below(95));
    }
  }

private:
  std::mt19937 gen_;
};

template<typename T>
auto fill_item(T & v, Random & r, size_t bound)->decltype(r.value(v, bound))
{
  r.value(v, bound);
}

template<typename T>
auto fill_item(T & v, Random & r, size_t)->decltype(fill(v, r))
{
  fill(v, r);
}

// Up to three elements (up to the bound of a bounded sequence).
template<typename Vector>
void fill_sequence(Vector & v, Random & r, size_t bound, size_t string_bound)
{
  size_t size = r.below(4);
  if (bound > 0 && size > bound) {
    size = bound;
  }
  v.resize(size);
  for (size_t i = 0; i < size; ++i) {
    typename Vector::value_type item{};
    fill_item(item, r, string_bound);
    v[i] = std::move(item);
  }
}

}  // namespace cdr_test
