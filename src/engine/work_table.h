#pragma once
// A hidden working table: ordered rows of texts with a stable numeric sort by one column.
// The index pass and the rank table of the race card use it; orders are built as cascades of
// stable sorts that start with the entry number, so every order is fully determined.
#include <string>
#include <vector>

namespace varnel {

class WorkTable {
 public:
  WorkTable() = default;
  WorkTable(int rows, int cols) { Reset(rows, cols); }
  void Reset(int rows, int cols);  // rows of empty texts
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int ColCount() const { return cols_; }
  // Rows are 0-based here (the grid's header row is not stored).
  std::string& Cell(int row, int col) { return rows_[row][col]; }
  const std::string& Cell(int row, int col) const { return rows_[row][col]; }
  const std::vector<std::string>& Row(int row) const { return rows_[row]; }
  std::vector<std::string>& Row(int row) { return rows_[row]; }
  // Stable sort comparing the column's texts as numbers (ToFloat, so blank and non-numeric
  // texts count as 0).
  void SortNumeric(int col, bool ascending);
  // The order the last sorts produced, as original row positions is not kept; callers find a
  // runner by its entry number column.
  int FindRow(int col, const std::string& value) const;

 private:
  std::vector<std::vector<std::string>> rows_;
  int cols_ = 0;
};

}  // namespace varnel
