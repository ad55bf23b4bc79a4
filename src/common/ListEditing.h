#pragma once
// List editing shared by every screen that keeps a list in parallel arrays with
// a count (groups, components, elements, zones, rooms, ...): insert after the
// picked line, delete and shift up, move up and down, all within a bound.
// Each function applies the same change to every array passed.
#include <utility>

namespace kelca::list {

// Inserts an empty entry after position picked (at the end when picked is
// outside 0..count-1) and returns its index, or -1 when the list is full.
template <class... Arrays>
int InsertAfter(int& count, int maxCount, int picked, Arrays&... arrays) {
  if (count >= maxCount || count < 0) return -1;
  const int at = (picked >= 0 && picked < count) ? picked + 1 : count;
  for (int i = count; i > at; --i) ((arrays[i] = std::move(arrays[i - 1])), ...);
  ((arrays[at] = {}), ...);
  ++count;
  return at;
}

// Inserts an empty entry just below the picked line: the first entry when no
// line is picked (picked -1), appended when the last line is picked. Returns
// its index, or -1 when the list is full or picked lies beyond the list.
template <class... Arrays>
int InsertBelowPicked(int& count, int maxCount, int picked, Arrays&... arrays) {
  if (count >= maxCount || count < 0 || picked < -1 || picked >= count) return -1;
  const int at = picked + 1;
  for (int i = count; i > at; --i) ((arrays[i] = std::move(arrays[i - 1])), ...);
  ((arrays[at] = {}), ...);
  ++count;
  return at;
}

// Deletes the entry at index and shifts the rest up; the freed last slot is cleared.
template <class... Arrays>
bool DeleteAt(int& count, int index, Arrays&... arrays) {
  if (index < 0 || index >= count) return false;
  for (int i = index; i < count - 1; ++i) ((arrays[i] = std::move(arrays[i + 1])), ...);
  ((arrays[count - 1] = {}), ...);
  --count;
  return true;
}

// Swaps the entry at index with the one above it.
template <class... Arrays>
bool MoveUp(int count, int index, Arrays&... arrays) {
  if (index < 1 || index >= count) return false;
  (std::swap(arrays[index], arrays[index - 1]), ...);
  return true;
}

// Swaps the entry at index with the one below it.
template <class... Arrays>
bool MoveDown(int count, int index, Arrays&... arrays) {
  if (index < 0 || index >= count - 1) return false;
  (std::swap(arrays[index], arrays[index + 1]), ...);
  return true;
}

// True when one more entry fits.
inline bool HasRoom(int count, int maxCount) { return count >= 0 && count < maxCount; }

}  // namespace kelca::list
