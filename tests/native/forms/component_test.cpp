#include "forms/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/layout/class_registry.h"
#include "forms/errors.h"
#include "tests/native/forms/test_components.h"

namespace {

class TTracked : public TComponent {
  TAVRIN_CLASS(TTracked, TComponent)
 public:
  TTracked(TComponent* owner, std::vector<std::string>& log, std::string tag)
      : TComponent(owner), log_(log), tag_(std::move(tag)) {}
  ~TTracked() override { log_.push_back("free " + tag_); }
  std::vector<std::string> heard;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    heard.push_back((op == opInsert ? "insert " : "remove ") + c->Name());
  }

 private:
  std::vector<std::string>& log_;
  std::string tag_;
};

TEST(Components, OwnersFreeWhatTheyOwnLastInsertedFirst) {
  std::vector<std::string> log;
  int live = LiveComponentCount();
  {
    TComponent owner(nullptr);
    new TTracked(&owner, log, "a");
    auto* b = new TTracked(&owner, log, "b");
    new TTracked(b, log, "b1");
    new TTracked(&owner, log, "c");
    EXPECT_EQ(owner.ComponentCount(), 3);
    EXPECT_EQ(LiveComponentCount(), live + 5);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"free c", "free b", "free b1", "free a"}));
  EXPECT_EQ(LiveComponentCount(), live);
}

TEST(Components, FreeingOneEarlyTakesItOutOfItsOwner) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* a = new TTracked(&owner, log, "a");
  a->SetName("A");
  EXPECT_EQ(owner.FindComponent("a"), a) << "names compare without regard to case";
  delete a;
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_EQ(owner.FindComponent("A"), nullptr);
}

TEST(Components, TheOwnersTreeHearsInsertionsAndRemovals) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* watcher = new TTracked(&owner, log, "w");
  auto* other = make_component<TGadget>(&owner);
  other->SetName("Other");
  delete other;
  EXPECT_EQ(watcher->heard, (std::vector<std::string>{"insert ", "remove Other"}));
}

TEST(Components, NamesAreCheckedAndUniquePerOwner) {
  TComponent owner(nullptr);
  auto* a = make_component<TGadget>(&owner);
  a->SetName("Button1");
  auto* b = make_component<TGadget>(&owner);
  EXPECT_THROW(b->SetName("BUTTON1"), EInvalidOperation);
  EXPECT_THROW(b->SetName("1st"), EInvalidOperation);
  EXPECT_THROW(b->SetName("with space"), EInvalidOperation);
  EXPECT_NO_THROW(b->SetName("Button_2"));
  a->SetName("button1");  // a new case of its own name is fine
  EXPECT_EQ(a->Name(), "button1");
  EXPECT_THROW(owner.Component(5), EListError);
}

TEST(Components, FreeNotificationClearsReferencesAcrossOwners) {
  TComponent left(nullptr), right(nullptr);
  auto* a = make_component<TGadget>(&left);
  auto* b = make_component<TGadget>(&right);
  a->SetBuddy(b);
  delete b;
  EXPECT_EQ(a->Buddy(), nullptr);
  auto* c = make_component<TGadget>(&right);
  a->SetBuddy(c);
  delete a;  // c must not keep a dangling link back to a
  delete c;
}

TEST(Components, InsertionHookSeesCompleteComponents) {
  std::vector<std::string> seen;
  ComponentInsertedHook.Install([&](TComponent& owner, TComponent& c) {
    ComponentInsertedHook.Underlying(owner, c);
    seen.push_back(c.ClassName());
  });
  TComponent owner(nullptr);
  make_component<TOtherGadget>(&owner);
  RegisterComponentClass<TOtherGadget>();
  FindComponentClass("tothergadget")->Create(&owner);
  ComponentInsertedHook.Remove();
  make_component<TGadget>(&owner);
  EXPECT_EQ(seen, (std::vector<std::string>{"TOtherGadget", "TOtherGadget"}));
  EXPECT_EQ(owner.ComponentCount(), 3);
  EXPECT_EQ(FindComponentClass("TNothing"), nullptr);
}

}  // namespace
