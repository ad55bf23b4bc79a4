#pragma once
// List editing shared by every screen that keeps a list in parallel arrays with
// a count (groups, components, elements, zones, rooms, ...): insert after the
// picked line, delete and shift up, move up and down, all within a bound.
// Each function applies the same change to every array passed.
#include <iterator>
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

// Lists numbered from 1 (the energy model's zones, rooms and components, the
// constructions and their layers, the plant's units): entries 1..count are
// used, slot 0 is never touched (some lists keep a total there). Every array
// must have at least maxCount + 1 slots; a bound beyond an array refuses the change.
template <class... Arrays>
bool FitsFrom1(int maxCount, const Arrays&... arrays) {
  return ((static_cast<int>(std::size(arrays)) > maxCount) && ...);
}

// Inserts an empty entry after position picked (at the end when picked is
// outside 1..count) and returns its number, or -1 when the list is full.
template <class... Arrays>
int InsertAfterFrom1(int& count, int maxCount, int picked, Arrays&... arrays) {
  if (count >= maxCount || count < 0 || !FitsFrom1(maxCount, arrays...)) return -1;
  const int at = (picked >= 1 && picked <= count) ? picked + 1 : count + 1;
  for (int i = count + 1; i > at; --i) ((arrays[i] = std::move(arrays[i - 1])), ...);
  ((arrays[at] = {}), ...);
  ++count;
  return at;
}

// Deletes entry number index and moves the later ones down by one; the freed
// last slot is cleared.
template <class... Arrays>
bool DeleteAtFrom1(int& count, int index, Arrays&... arrays) {
  if (index < 1 || index > count || !FitsFrom1(count, arrays...)) return false;
  for (int i = index; i < count; ++i) ((arrays[i] = std::move(arrays[i + 1])), ...);
  ((arrays[count] = {}), ...);
  --count;
  return true;
}

// Sets a count typed by the user when it lies in minCount..maxCount (else
// false, and nothing changes). Entries beyond a smaller count are cleared, so
// that a list grown again starts with empty entries.
template <class... Arrays>
bool SetCountFrom1(int& count, int newCount, int minCount, int maxCount, Arrays&... arrays) {
  if (newCount < minCount || newCount > maxCount || !FitsFrom1(maxCount, arrays...)) return false;
  for (int i = newCount + 1; i <= count && i <= maxCount; ++i) ((arrays[i] = {}), ...);
  count = newCount;
  return true;
}

}  // namespace kelca::list
