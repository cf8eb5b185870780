#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "dialogs/exception_code_name.h"
#include "dialogs/severe_exception.h"
#include "forms/errors.h"

namespace {

// Classes of another module that share only the name with the host's failure classes.
// Its class name is all lower case.
class EForeignOleError : public Exception {
 public:
  using Exception::Exception;
  static const TClassInfo& StaticClass() {
    static const TClassInfo info{"eoleerror", &Exception::StaticClass()};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
class TForeignOleFailure : public EForeignOleError {
  TAVRIN_CLASS(TForeignOleFailure, EForeignOleError)
 public:
  using EForeignOleError::EForeignOleError;
};
class EPtStgException : public Exception {
  TAVRIN_CLASS(EPtStgException, Exception)
 public:
  using Exception::Exception;
};
class EDerivedListError : public EListError {
  TAVRIN_CLASS(EDerivedListError, EListError)
 public:
  using EListError::EListError;
};

TEST(IsSevereException, FaultsAndFrameworkMisuseAreSevereAlsoInDerivedClasses) {
  EXPECT_TRUE(IsSevereException(&static_cast<const TObject&>(EAccessViolation("av", 0xC0000005, 0))));
  const EExternal external("x", 0xC0000094, 0);
  const EOutOfMemory memory("Out of memory");
  const EOSError os("System error", 5);
  const EResNotFound resource("Resource X not found");
  const EDerivedListError list("List index out of bounds (3)");
  const EStringListError strings("List index out of bounds (9)");
  const EInvalidOperation invalid("Cannot make a visible window modal");
  const EThread thread("Thread error");
  const EOleError ole("Board is locked", int32_t(0x80004005));
  for (const TObject* e : std::initializer_list<const TObject*>{&external, &memory, &os, &resource, &list,
                                                                &strings, &invalid, &thread, &ole})
    EXPECT_TRUE(IsSevereException(e)) << e->ClassName();
}

TEST(IsSevereException, TheHostFailureNamesCountInAnyLetterCaseOnAnyAncestor) {
  const TForeignOleFailure foreign("x");
  const EPtStgException storage("y");
  EXPECT_TRUE(IsSevereException(&foreign));
  EXPECT_TRUE(IsSevereException(&storage));
}

TEST(IsSevereException, PlainErrorsOfThePlugInAndNoObjectAreNot) {
  const Exception conversion("'abc' is not a valid integer value");
  const ELayerException layer("bad layer");
  const EAssertionFailed assertion("x", "unit", 3);
  const ELayoutError layout("unknown class", "TX", 2, "", "");
  EXPECT_FALSE(IsSevereException(&conversion));
  EXPECT_FALSE(IsSevereException(&layer));
  EXPECT_FALSE(IsSevereException(&assertion));
  EXPECT_FALSE(IsSevereException(&layout));
  EXPECT_FALSE(IsSevereException(nullptr));
}

TEST(ExceptionCodeName, NamedCodesAndTheFallbackWithEightUpperCaseDigits) {
  EXPECT_EQ(ExceptionCodeName(0xC0000005), "Access Violation");
  EXPECT_EQ(ExceptionCodeName(0xC0000006), "In Page Error");
  EXPECT_EQ(ExceptionCodeName(0xC000008C), "Array Bounds Exceeded");
  EXPECT_EQ(ExceptionCodeName(0xC0000094), "Integer Divide By Zero");
  EXPECT_EQ(ExceptionCodeName(0xC00000FD), "Stack Overflow");
  EXPECT_EQ(ExceptionCodeName(0xC0000135), "Error (C0000135)");
  EXPECT_EQ(ExceptionCodeName(0xC0000007), "Error (C0000007)");
  EXPECT_EQ(ExceptionCodeName(0x0EEDFADE), "Error (0EEDFADE)");
  EXPECT_EQ(ExceptionCodeName(0), "Error (00000000)");
}

}  // namespace
