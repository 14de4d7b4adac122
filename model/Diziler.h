#pragma once
// The growable arrays of the model and the engine. They are used 1-based:
// an array that must hold n entries is allocated with n + 1 and index 0 is
// not used. Every allocation is zero-filled. Two-dimensional arrays are one
// contiguous row-major block, so M[i][j] is a plain pointer offset.
#include <cstddef>
#include <cstdint>
#include <vector>

template <typename T>
class BirBoyutluDizi {
public:
    void SetLength(std::size_t n) { v_.assign(n, T{}); }
    void Bosalt() { v_.clear(); v_.shrink_to_fit(); }
    std::size_t Length() const { return v_.size(); }
    T& operator[](std::size_t i) { return v_[i]; }
    const T& operator[](std::size_t i) const { return v_[i]; }
    T* data() { return v_.data(); }
    const T* data() const { return v_.data(); }

private:
    std::vector<T> v_;
};

template <typename T>
class IkiBoyutluDizi {
public:
    // rows x cols entries, all zero; a previous content is dropped.
    void SetLength(std::size_t rows, std::size_t cols) {
        v_.clear();
        v_.shrink_to_fit();
        rows_ = rows;
        cols_ = cols;
        v_.assign(rows * cols, T{});
    }
    void Bosalt() {
        v_.clear();
        v_.shrink_to_fit();
        rows_ = cols_ = 0;
    }
    std::size_t Rows() const { return rows_; }
    std::size_t Cols() const { return cols_; }
    T* operator[](std::size_t i) { return v_.data() + i * cols_; }
    const T* operator[](std::size_t i) const { return v_.data() + i * cols_; }
    T* data() { return v_.data(); }
    const T* data() const { return v_.data(); }

private:
    std::vector<T> v_;
    std::size_t rows_ = 0, cols_ = 0;
};

using BirBoyutluFloatArray = BirBoyutluDizi<double>;
using BirBoyutluIntegerArray = BirBoyutluDizi<std::int32_t>;
using ikiboyutluFloatArray = IkiBoyutluDizi<double>;
using ikiboyutluIntegerArray = IkiBoyutluDizi<std::int32_t>;
