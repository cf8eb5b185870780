#include "forms/component.h"

#include <algorithm>

#include "base/ascii.h"
#include "base/exceptions.h"
#include "forms/errors.h"

namespace {
int g_live = 0;
}

int LiveComponentCount() { return g_live; }

THookPoint<void(TComponent&, TComponent&)> ComponentInsertedHook("ComponentInserted",
                                                                  &InsertComponentDefault);

TComponent::TComponent(TComponent* owner) {
  ++g_live;
  // The object is not complete yet, so the hook point (which may look at its class and
  // properties) is not run for it: see make_component.
  if (owner) InsertComponentDefault(*owner, *this);
}

TComponent::~TComponent() {
  state_.Include(csDestroying);
  // Others that asked to hear about us must drop their references first.
  while (!free_notifies_.empty()) {
    TComponent* other = free_notifies_.back();
    free_notifies_.pop_back();
    auto& theirs = other->free_notifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(*this);
  --g_live;
}

void TComponent::SetName(std::string_view name) {
  if (AsciiIequals(name, name_)) {
    name_ = std::string(name);
    return;
  }
  for (char c : name)
    if (!AsciiIsLetter(c) && !AsciiIsDigit(c) && c != '_')
      throw EInvalidOperation("\"" + std::string(name) + "\" is not a valid component name");
  if (!name.empty() && AsciiIsDigit(name.front()))
    throw EInvalidOperation("\"" + std::string(name) + "\" is not a valid component name");
  if (!name.empty() && owner_ && owner_->FindComponent(name))
    throw EInvalidOperation("A component named " + std::string(name) + " already exists");
  name_ = std::string(name);
}

TComponent* TComponent::Component(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError("Component index out of bounds (" +
                                                               std::to_string(index) + ")");
  return components_[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (AsciiIequals(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent& component) { ComponentInsertedHook(*this, component); }

void InsertComponentDefault(TComponent& owner, TComponent& component) {
  if (component.owner_ == &owner) return;
  if (!component.name_.empty() && owner.FindComponent(component.name_))
    throw EInvalidOperation("A component named " + component.name_ + " already exists");
  if (component.owner_) component.owner_->RemoveComponent(component);
  owner.components_.push_back(&component);
  component.owner_ = &owner;
  owner.Notification(&component, opInsert);
}

void TComponent::RemoveComponent(TComponent& component) { RemoveComponentDefault(*this, component); }

void RemoveComponentDefault(TComponent& owner, TComponent& component) {
  if (component.owner_ != &owner) return;
  owner.Notification(&component, opRemove);
  auto& list = owner.components_;
  list.erase(std::remove(list.begin(), list.end(), &component), list.end());
  component.owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    RemoveComponent(*last);
    delete last;
  }
}

void TComponent::FreeNotification(TComponent& other) {
  if (&other == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), &other) == free_notifies_.end()) {
    free_notifies_.push_back(&other);
    other.free_notifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent& other) {
  auto drop = [](std::vector<TComponent*>& v, TComponent* c) {
    v.erase(std::remove(v.begin(), v.end(), c), v.end());
  };
  drop(free_notifies_, &other);
  drop(other.free_notifies_, this);
}

void TComponent::SetParentComponent(TComponent* parent) {
  // A component without a parent of its own sits directly in its owner (a menu on a form).
  if (parent && parent != Owner())
    throw EInvalidOperation(std::string(ClassName()) + " cannot be placed inside a " +
                            parent->ClassName());
}

void TComponent::Loaded() { state_.Exclude(csLoading).Exclude(csReading); }

void TComponent::BeginLoading() { state_.Include(csLoading).Include(csReading); }

void TComponent::Notification(TComponent* component, TOperation operation) { NotifyTree(component, operation); }

void TComponent::NotifyTree(TComponent* component, TOperation operation) {
  // Copy: a component may react by freeing others.
  std::vector<TComponent*> owned = components_;
  for (TComponent* c : owned)
    if (c != component && std::find(components_.begin(), components_.end(), c) != components_.end())
      c->Notification(component, operation);
}
