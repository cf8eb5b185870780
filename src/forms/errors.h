#pragma once
// The form framework's exception classes.

#include <string>

#include "base/exceptions.h"

// A resource the framework needs (a form's layout) is not in the module.
class EResNotFound : public Exception {
  TAVRIN_CLASS(EResNotFound, Exception)
 public:
  using Exception::Exception;
};

// An operation a control or component cannot perform in its state.
class EInvalidOperation : public Exception {
  TAVRIN_CLASS(EInvalidOperation, Exception)
 public:
  using Exception::Exception;
};

class EListError : public Exception {
  TAVRIN_CLASS(EListError, Exception)
 public:
  using Exception::Exception;
};

// A layout that cannot be read; names where: the resource, the line, the component, the property.
class ELayoutError : public Exception {
  TAVRIN_CLASS(ELayoutError, Exception)
 public:
  ELayoutError(std::string what, std::string resource, int line, std::string component,
               std::string property);
  const std::string& What() const { return what_; }
  const std::string& Resource() const { return resource_; }
  int Line() const { return line_; }
  const std::string& ComponentName() const { return component_; }
  const std::string& PropertyName() const { return property_; }

 private:
  std::string what_, resource_;
  int line_;
  std::string component_, property_;
};
