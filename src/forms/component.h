#pragma once
// Components: named objects in an ownership tree. An owner frees the components it owns, the one
// inserted last first, and every component of an owner's tree hears when a component is inserted
// into it or removed from it (Notification), so references between components are cleared before
// the referenced one goes away.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/object.h"
#include "forms/form_types.h"
#include "base/hook_point.h"

class TComponent : public TObject {
  TAVRIN_CLASS(TComponent, TObject)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  // Names are unique among the components of one owner (ASCII case ignored); "" is allowed.
  void SetName(std::string_view name);
  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Component(int index) const;
  const std::vector<TComponent*>& Components() const { return components_; }
  // The owned component of that name (ASCII case ignored), or nullptr.
  TComponent* FindComponent(std::string_view name) const;

  // Moves a component into this owner's list, through the hook point ComponentInsertedHook so
  // start-up can act on every component inserted anywhere. A constructor given an owner inserts
  // the object without the hook point (the object is not complete then); the layout reader and
  // make_component insert complete objects through it.
  void InsertComponent(TComponent& component);
  void RemoveComponent(TComponent& component);
  // Frees every owned component, the one inserted last first.
  void DestroyComponents();

  TComponentState ComponentState() const { return state_; }
  bool Loading() const { return state_.Contains(csLoading); }
  bool Destroying() const { return state_.Contains(csDestroying); }

  // Asks to hear about the destruction of a component outside this one's owner tree.
  void FreeNotification(TComponent& other);
  void RemoveFreeNotification(TComponent& other);

  // The component that contains this one in a layout (a control's parent, a menu item's menu);
  // the framework's layout reader sets it. The default refuses.
  virtual void SetParentComponent(TComponent* parent);
  virtual bool HasParent() const { return false; }

  // The layout-loaded step: runs once the component's layout has been read and references are
  // resolved; the default leaves the loading state.
  virtual void Loaded();
  // Set by the layout reader around the reading of this component.
  void BeginLoading();

 protected:
  // Hears about insertions and removals anywhere in the owner's tree (opInsert, opRemove). The
  // default passes the notification on to every owned component.
  virtual void Notification(TComponent* component, TOperation operation);
  void SetDestroying() { state_.Include(csDestroying); }

 private:
  friend void InsertComponentDefault(TComponent& owner, TComponent& component);
  friend void RemoveComponentDefault(TComponent& owner, TComponent& component);
  void NotifyTree(TComponent* component, TOperation operation);

  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  TComponentState state_;
};

void InsertComponentDefault(TComponent& owner, TComponent& component);
void RemoveComponentDefault(TComponent& owner, TComponent& component);
extern THookPoint<void(TComponent& owner, TComponent& component)> ComponentInsertedHook;

// Creates a component and then inserts it into its owner through the hook point.
template <class T, class... Args>
T* make_component(TComponent* owner, Args&&... args) {
  T* component = new T(nullptr, std::forward<Args>(args)...);
  if (owner) {
    try {
      owner->InsertComponent(*component);
    } catch (...) {
      delete component;
      throw;
    }
  }
  return component;
}

// Number of TComponent objects alive in the process; tests use it to see that owners free.
int LiveComponentCount();
