#pragma once
// Lists of texts with one attached object per item. TStrings is the abstract list that both the
// plain TStringList and a list box's items implement, so code that orders or labels items (the hole
// lists) works on either. Attached objects are not owned by the list.

#include <string>
#include <string_view>
#include <vector>

#include "base/object.h"

class TStrings : public TObject {
  TAVRIN_CLASS(TStrings, TObject)
 public:
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, std::string_view text) = 0;
  virtual TObject* GetObject(int index) const = 0;
  virtual void PutObject(int index, TObject* object) = 0;
  // Appends an item and returns its index.
  virtual int AddObject(std::string_view text, TObject* object) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  // Swaps two items with their objects (and whatever per-item state the list keeps).
  virtual void Exchange(int a, int b) = 0;

  int Add(std::string_view text) { return AddObject(text, nullptr); }
  // First item whose text equals the given one, ASCII letters compared without regard to case; -1.
  virtual int IndexOf(std::string_view text) const;
  // Items joined by CR LF, each followed by one.
  std::string Text() const;
  void Assign(const TStrings& source);
};

class TStringList : public TStrings {
  TAVRIN_CLASS(TStringList, TStrings)
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override;
  void Put(int index, std::string_view text) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  int AddObject(std::string_view text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override { items_.clear(); }
  void Exchange(int a, int b) override;

 private:
  struct TItem {
    std::string text;
    TObject* object;
  };
  const TItem& at(int index) const;
  std::vector<TItem> items_;
};

// Raised for an index outside a list.
void ThrowListIndexError(int index);
