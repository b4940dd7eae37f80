#include "engine/work_table.h"

#include <algorithm>
#include <numeric>

#include "text/number_text.h"

namespace varnel {

void WorkTable::Reset(int rows, int cols) {
  cols_ = cols;
  rows_.assign(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols)));
}

void WorkTable::SortNumeric(int col, bool ascending) {
  std::vector<double> keys(rows_.size());
  for (size_t i = 0; i < rows_.size(); ++i) keys[i] = ToFloat(rows_[i][col]);
  std::vector<size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return ascending ? keys[a] < keys[b] : keys[a] > keys[b];
  });
  std::vector<std::vector<std::string>> sorted;
  sorted.reserve(rows_.size());
  for (size_t i : order) sorted.push_back(std::move(rows_[i]));
  rows_ = std::move(sorted);
}

int WorkTable::FindRow(int col, const std::string& value) const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i][col] == value) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace varnel
