#include "base/object.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"

namespace {

class TAnimal : public TObject {
  TAVRIN_CLASS(TAnimal, TObject)
};
class TDog : public TAnimal {
  TAVRIN_CLASS(TDog, TAnimal)
};
class TCat : public TAnimal {
  TAVRIN_CLASS(TCat, TAnimal)
};

TEST(ObjectClassInfo, NamesAndDerivationByTypeAndByName) {
  TDog dog;
  const TObject& object = dog;
  EXPECT_STREQ(object.ClassName(), "TDog");
  EXPECT_TRUE(object.Is(TDog::StaticClass()));
  EXPECT_TRUE(object.Is(TAnimal::StaticClass()));
  EXPECT_TRUE(object.Is(TObject::StaticClass()));
  EXPECT_FALSE(object.Is(TCat::StaticClass()));
  EXPECT_TRUE(object.Is("tanimal"));
  EXPECT_TRUE(object.Is("TOBJECT"));
  EXPECT_FALSE(object.Is("TCat"));
  EXPECT_FALSE(object.Is("TDo"));
}

TEST(ObjectClassInfo, ClassCastChecksTheClass) {
  TDog dog;
  TObject* object = &dog;
  EXPECT_EQ(class_cast<TAnimal>(object), &dog);
  EXPECT_EQ(class_cast<TCat>(object), nullptr);
  EXPECT_EQ(class_cast<TCat>(static_cast<TObject*>(nullptr)), nullptr);
}

TEST(Exceptions, AssertionFailureKeepsMessageSourceAndLine) {
  try {
    throw EAssertionFailed("Assertion failure", "RT_PCB", 9142);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Assertion failure");
    EXPECT_STREQ(e.ClassName(), "EAssertionFailed");
    const auto* failure = dynamic_cast<const EAssertionFailed*>(&e);
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->Source(), "RT_PCB");
    EXPECT_EQ(failure->Line(), 9142);
  }
}

TEST(Exceptions, ExternalFaultsDeriveFromEExternal) {
  EAccessViolation av("Access violation", 0xC0000005u, 0x1234);
  EXPECT_TRUE(av.Is("EExternal"));
  EXPECT_TRUE(av.Is(Exception::StaticClass()));
  EXPECT_EQ(av.Code(), 0xC0000005u);
}

}  // namespace
