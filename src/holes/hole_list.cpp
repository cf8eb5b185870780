#include "holes/hole_list.h"

#include <unordered_set>

#include "holes/coord_object.h"
#include "holes/hole_labels.h"

THoleList::THoleList(THoleBoard& board) : board_(board) {}

THoleList::THoleList(THoleBoard& board, uint8_t kind) : board_(board) {
  board.VisitPrimitives(kind, [&](uint32_t handle) {
    AddHole(kind, board.HoleSize(handle, kind), handle);
  });
}

THoleList::TTextIndex& THoleList::IndexFor(bool imperial) {
  TTextIndex& index = index_[imperial];
  if (!index.built) {
    for (int i = 0; i < Count(); ++i)
      index.by_text[groups_[static_cast<size_t>(i)]->InitialText(imperial)].push_back(i);
    index.built = true;
  }
  return index;
}

void THoleList::AddHole(uint8_t kind, TCoord size, uint32_t handle) {
  const bool imperial = Imperial;
  TTextIndex& index = IndexFor(imperial);
  std::vector<int>*& entry = index.by_size[size];
  if (!entry) entry = &index.by_text[FormatCoordForMatch(size, imperial)];
  // Several groups can share a text in the unit that was not in force when they were formed; each
  // of them gets the handle.
  for (int i : *entry) groups_[static_cast<size_t>(i)]->AddHandle(handle, size);
  if (!entry->empty()) return;

  auto group = std::make_unique<THole>(kind, size);
  group->AddHandle(handle);
  const int number = Count();
  groups_.push_back(std::move(group));
  entry->push_back(number);
  if (new_index_built_) new_index_[groups_.back()->NewText(new_index_imperial_)].push_back(number);
  if (TTextIndex& other = index_[!imperial]; other.built)
    other.by_text[groups_.back()->InitialText(!imperial)].push_back(number);
}

std::unordered_map<std::string, std::vector<int>>& THoleList::NewIndex() const {
  if (!new_index_built_ || new_index_imperial_ != Imperial) {
    new_index_.clear();
    for (int i = 0; i < Count(); ++i) new_index_[groups_[static_cast<size_t>(i)]->NewText(Imperial)].push_back(i);
    new_index_built_ = true;
    new_index_imperial_ = Imperial;
  }
  return new_index_;
}

void THoleList::ChangeSize(TCoord old_size, TCoord new_size) {
  auto& index = NewIndex();
  auto found = index.find(FormatCoordForMatch(old_size, Imperial));
  if (found == index.end()) return;
  std::vector<int> changed = std::move(found->second);
  index.erase(found);
  for (int i : changed) groups_[static_cast<size_t>(i)]->NewSize = new_size;
  // The new size may share its text with groups that were there already; the order of a bucket
  // does not matter, only its members.
  std::vector<int>& target = index[groups_[static_cast<size_t>(changed.front())]->NewText(Imperial)];
  target.insert(target.end(), changed.begin(), changed.end());
}

int THoleList::CountHoles(TCoord size) const {
  const auto& index = NewIndex();
  auto found = index.find(FormatCoordForMatch(size, Imperial));
  if (found == index.end()) return 0;
  int count = 0;
  for (int i : found->second) count += groups_[static_cast<size_t>(i)]->Count();
  return count;
}

void THoleList::AddLabels(TStrings& items, bool imperial) const {
  // One pass over the items instead of a search per group: the items may be a list box's.
  std::unordered_set<std::string> present;
  for (int i = 0, n = items.Count(); i < n; ++i) present.insert(items.Get(i));
  for (const auto& group : groups_) {
    std::string label = FormatHoleLabel(group->NewSize, imperial);
    if (!present.insert(label).second) continue;
    auto object = std::make_unique<TCoordObject>(group->NewSize);
    items.AddObject(label, object.get());
    object.release();
  }
}

void THoleList::Apply() {
  for (const auto& group : groups_) WriteBackHole(*group);
}

void THoleList::WriteBackHole(const THole& group) {
  const std::vector<uint32_t>& handles = group.Handles();
  for (int i = 0, n = group.Count(); i < n; ++i) {
    const uint32_t handle = handles[static_cast<size_t>(i)];
    if (handle == 0) continue;
    board_.WriteHoleSize(handle, group.SizeToWrite(i));
  }
}
