#pragma once
// The one failure of reading a KiCad board: the line of the file and what was wrong there. The
// reader throws it; the host kit turns it into "<file>:<line>: <what>".

#include <stdexcept>
#include <string>

class EKicadFormat : public std::runtime_error {
 public:
  EKicadFormat(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};
