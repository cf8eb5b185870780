#include "forms/errors.h"

namespace {

std::string LayoutMessage(const std::string& what, const std::string& resource, int line,
                           const std::string& component, const std::string& property) {
  std::string m = "Error reading layout " + (resource.empty() ? std::string("(text)") : resource);
  if (line > 0) m += ", line " + std::to_string(line);
  if (!component.empty()) m += ", component " + component;
  if (!property.empty()) m += ", property " + property;
  return m + ": " + what;
}

}  // namespace

ELayoutError::ELayoutError(std::string what, std::string resource, int line, std::string component,
                           std::string property)
    : Exception(LayoutMessage(what, resource, line, component, property)),
      what_(std::move(what)),
      resource_(std::move(resource)),
      line_(line),
      component_(std::move(component)),
      property_(std::move(property)) {}
