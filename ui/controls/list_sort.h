#pragma once
// The file list's order when the user sorts it by a column.

#include <cstddef>
#include <string_view>
#include <vector>

#include "tracks/track_table.h"

// The rows' indexes in the order of the texts the column shows (the new
// names under style), compared as Explorer compares names: digits as
// numbers, letters whatever their case. Rows with equal texts keep their
// order, both ways.
std::vector<std::size_t> SortedRowOrder(const TrackTable& tracks, int column, bool descending,
                                        std::u16string_view style);
