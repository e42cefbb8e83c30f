// An ordered owning list of records: the rows of a list control and the order in which
// they are saved. It finds a record's row without searching, so that a list of
// thousands of records is shown, read back and saved in linear time.
#pragma once

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace core {

template <class T>
class OrderedRecords {
  public:
    OrderedRecords() = default;
    OrderedRecords(const OrderedRecords&) = delete;
    OrderedRecords& operator=(const OrderedRecords&) = delete;
    OrderedRecords(OrderedRecords&&) = default;
    OrderedRecords& operator=(OrderedRecords&&) = default;

    int Count() const { return static_cast<int>(records_.size()); }
    bool Empty() const { return records_.empty(); }

    // Appends the record as the last row and returns its row; a null record is refused
    // (-1).
    int Append(std::unique_ptr<T> record) {
        if (!record) {
            return -1;
        }
        const int row = Count();
        rows_[record.get()] = static_cast<size_t>(row);
        records_.push_back(std::move(record));
        return row;
    }

    // The record of the row; null when there is no such row.
    T* At(int row) const { return Holds(row) ? records_[static_cast<size_t>(row)].get() : nullptr; }

    // The row of the record; -1 when the list does not hold it.
    int RowOf(const T* record) const {
        const auto found = rows_.find(record);
        return found != rows_.end() ? static_cast<int>(found->second) : -1;
    }

    // Takes the record of the row out of the list and hands it to the caller, who frees it
    // once nothing points at it any more; the rows below move up by one. Null when there
    // is no such row.
    std::unique_ptr<T> Remove(int row) {
        if (!Holds(row)) {
            return nullptr;
        }
        const auto position = records_.begin() + row;
        std::unique_ptr<T> removed = std::move(*position);
        records_.erase(position);
        rows_.erase(removed.get());
        for (size_t below = static_cast<size_t>(row); below < records_.size(); ++below) {
            rows_[records_[below].get()] = below;
        }
        return removed;
    }

    // Frees every record.
    void Clear() {
        rows_.clear();
        records_.clear();
    }

    // Every record, first row first.
    std::vector<T*> InOrder() const {
        std::vector<T*> records;
        records.reserve(records_.size());
        for (const std::unique_ptr<T>& record : records_) {
            records.push_back(record.get());
        }
        return records;
    }

  private:
    bool Holds(int row) const { return row >= 0 && row < Count(); }

    std::vector<std::unique_ptr<T>> records_;
    std::unordered_map<const T*, size_t> rows_;  // each record's position in records_
};

}  // namespace core
