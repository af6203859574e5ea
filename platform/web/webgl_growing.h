// webgl_growing.h -- a growing array of plain records whose new room is not cleared first: the
// rasteriser's frame vertices are written once, by the layer.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>

namespace web {

template <typename T>
class Growing {
  public:
    T* extend(std::size_t n) {
        if (count + n > capacity) {
            const std::size_t larger = std::max(capacity * 2, count + n);
            std::unique_ptr<T[]> bigger(new T[larger]);
            if (count > 0)
                std::memcpy(bigger.get(), items.get(), count * sizeof(T));
            items = std::move(bigger);
            capacity = larger;
        }
        T* room = items.get() + count;
        count += n;
        return room;
    }
    void clear() { count = 0; }
    std::size_t size() const { return count; }
    const T* data() const { return items.get(); }

  private:
    std::unique_ptr<T[]> items;
    std::size_t count = 0, capacity = 0;
};

}  // namespace web
