#pragma once
// The exception classes of the plug-in. Every failure inside the plug-in is one of these; at an
// operation the host calls it becomes a status (see host_guard.h).

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "base/object.h"

class Exception : public TObject, public std::exception {
  TAVRIN_CLASS(Exception, TObject)
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  void SetMessage(std::string message) { message_ = std::move(message); }
  const char* what() const noexcept override { return message_.c_str(); }
  // Where the exception was raised (the code address just after the raise), 0 when unknown; set
  // for every raise of the plug-in when it is delivered to the raise hook point.
  uintptr_t RaiseAddress() const { return raise_address_; }
  void SetRaiseAddress(uintptr_t address) { raise_address_ = address; }

 private:
  std::string message_;
  uintptr_t raise_address_ = 0;
};

// Raised by the layer identifier constructors for ids they cannot encode.
class ELayerException : public Exception {
  TAVRIN_CLASS(ELayerException, Exception)
 public:
  using Exception::Exception;
};

// A programming error detected at run time. The message, the source (unit) name and the line are
// kept as values of their own; Message() is the message alone.
class EAssertionFailed : public Exception {
  TAVRIN_CLASS(EAssertionFailed, Exception)
 public:
  EAssertionFailed(std::string message, std::string source, int line)
      : Exception(std::move(message)), source_(std::move(source)), line_(line) {}
  const std::string& Source() const { return source_; }
  int Line() const { return line_; }

 private:
  std::string source_;
  int line_;
};

// A processor fault (access violation, division by zero, …) turned into an exception after a guard
// caught it. Code is the system's exception code, Address where it happened.
class EExternal : public Exception {
  TAVRIN_CLASS(EExternal, Exception)
 public:
  EExternal(std::string message, uint32_t code, uintptr_t address)
      : Exception(std::move(message)), code_(code), address_(address) {}
  uint32_t Code() const { return code_; }
  uintptr_t Address() const { return address_; }
  // The call stack at the fault (the fault address first), as far as it could be read.
  const std::vector<uintptr_t>& Stack() const { return stack_; }
  void SetStack(std::vector<uintptr_t> stack) { stack_ = std::move(stack); }

 private:
  uint32_t code_;
  uintptr_t address_;
  std::vector<uintptr_t> stack_;
};

class EAccessViolation : public EExternal {
  TAVRIN_CLASS(EAccessViolation, EExternal)
 public:
  using EExternal::EExternal;
};

// A failing host status: carries the status next to the message built from the host's description.
class EOleError : public Exception {
  TAVRIN_CLASS(EOleError, Exception)
 public:
  EOleError(std::string message, int32_t status) : Exception(std::move(message)), status_(status) {}
  int32_t Status() const { return status_; }

 private:
  int32_t status_;
};

// The memory manager failed: out of memory, or a pointer it does not own.
class EHeapException : public Exception {
  TAVRIN_CLASS(EHeapException, Exception)
 public:
  using Exception::Exception;
};

class EOutOfMemory : public EHeapException {
  TAVRIN_CLASS(EOutOfMemory, EHeapException)
 public:
  using EHeapException::EHeapException;
};

// A failed operating-system call, with the system's error code.
class EOSError : public Exception {
  TAVRIN_CLASS(EOSError, Exception)
 public:
  EOSError(std::string message, uint32_t error_code)
      : Exception(std::move(message)), error_code_(error_code) {}
  uint32_t ErrorCode() const { return error_code_; }

 private:
  uint32_t error_code_;
};

// A string list was used with an index or an operation it cannot take.
class EStringListError : public Exception {
  TAVRIN_CLASS(EStringListError, Exception)
 public:
  using Exception::Exception;
};

class EThread : public Exception {
  TAVRIN_CLASS(EThread, Exception)
 public:
  using Exception::Exception;
};
