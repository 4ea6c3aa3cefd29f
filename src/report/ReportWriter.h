#pragma once

#include "queue/Timeline.h"

#include <ostream>
#include <span>

namespace korvelin::report {

// One row per played entry; the index column is the 1-based line number.
void WriteCsv(std::ostream &out, std::span<const EntryEvaluation> rows);
// Aligned columns for a person, then a line with the queue's total time.
void WriteTable(std::ostream &out, std::span<const EntryEvaluation> rows);

} // namespace korvelin::report
