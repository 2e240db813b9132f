#pragma once
// The corner point list of the placement pass: candidate front-left corners for the next item,
// each with a gap rectangle that must stay free and that the item must exceed. The list is kept
// sorted along the corner direction and updated after every placement.

#include <cstdint>

#include "SearchState.h"

namespace palvane {

// Sets the length of every corner array to n; existing slots keep their values.
void AllocCorners(SearchState& s, std::int32_t n);
// CornerCapacity := 0 and every corner array released.
void FreeCorners(SearchState& s);
// Blanks slots first..last: X = Y = 0, and both gaps = MinGap from slot 1 up (slot 0 holds the
// usable floor and is never touched here).
void ResetCorners(SearchState& s, std::int32_t first, std::int32_t last);
// Copies all fields of slot from to slot to.
void CopyCorner(SearchState& s, std::int32_t from, std::int32_t to);
// CopyCorner(i, i - 1) for i = a..b.
void ShiftCornersDown(SearchState& s, std::int32_t a, std::int32_t b);
// CopyCorner(i, i + 1) for i = b..a.
void ShiftCornersUp(SearchState& s, std::int32_t a, std::int32_t b);
// Moves corner s to slot n < s, pushing n..s-1 up by one (the spare top slot holds it meanwhile).
void MoveCornerBack(SearchState& s, std::int32_t n, std::int32_t slot);
// Grows the arrays by 10 % once CornerCount has reached CornerCapacity.
void GrowCorners(SearchState& s);
// Sort key of a corner along the corner direction, in single precision.
float CornerKey(const SearchState& s, std::int32_t slot);
// Moves corner slot back to its sorted place, after every corner with an equal key.
void InsertCornerSorted(SearchState& s, std::int32_t slot);
// Deletes the corners whose gap rectangle the item just placed (PassItem) meets.
void DropCoveredCorners(SearchState& s);
// Which edge of the item just placed AddContactCorners walks.
enum class CornerSide { X, Y };
// Creates the corners along the right edge (X) or the top edge (Y) of the item just placed.
void AddContactCorners(SearchState& s, CornerSide side);
// Merges the corners created by the latest placement into duplicates and sorts the rest in.
void MergeNewCorners(SearchState& s);
// Full list update after placing PassItem on corner j.
void UpdateCornersAfterPlacement(SearchState& s, std::int32_t j);

} // namespace palvane
