#pragma once
// Per-course tables shipped in the program's Data folder: two 4 x 4 tables of "#0.0" figures for
// a course, surface and distance, one block for races with fewer than three front-runners and
// one for races with three or more.
#include <array>
#include <string>
#include <string_view>

#include "text/result.h"

namespace varnel {

struct CourseTables {
  std::array<std::array<std::string, 4>, 4> CourseTable1, CourseTable2;
  bool loaded = false;  // all four rows came from a file
  std::string message;  // to show the user (a malformed file), empty if none
};

// Table files are stored with the high and low four bits of every byte exchanged; the same call
// encodes and decodes.
std::string SwapNibbles(std::string_view bytes);

// The file name of a race's table ("04S1600.dat"), empty for a surface without tables. `outer`
// asks for the outer-course name ("SO") on turf.
std::string CourseTableFileName(const std::string& course, const std::string& surface, bool outer,
                                 const std::string& distance);

// Fills the tables for a race from AppDir's Data folder. A missing or short file leaves every
// cell "0.0" silently; a line without 18 fields stops with `message` set. A sample count that is
// not an integer, or a pooled value to be scaled that is not a number, is an error naming the
// file and the field.
Result<CourseTables> LoadCourseTables(const std::string& appDir, const std::string& course, const std::string& surface,
                                      int frontRunnerCount, const std::string& section, const std::string& distance);

}  // namespace varnel
