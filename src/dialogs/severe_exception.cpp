#include "dialogs/severe_exception.h"

#include "base/exceptions.h"
#include "forms/errors.h"

bool IsSevereException(const TObject* exception) {
  if (!exception) return false;
  static const TClassInfo* const severe_classes[] = {
      &EExternal::StaticClass(),        &EHeapException::StaticClass(),
      &EOSError::StaticClass(),         &EResNotFound::StaticClass(),
      &EListError::StaticClass(),       &EStringListError::StaticClass(),
      &EInvalidOperation::StaticClass(), &EThread::StaticClass(),
  };
  for (const TClassInfo* cls : severe_classes)
    if (exception->Is(*cls)) return true;
  // By name, so classes of other modules that only share the name count too.
  return exception->Is("EOleError") || exception->Is("EPTStgException");
}
