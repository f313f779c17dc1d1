#include "platform/toolkit/RuntimeError.h"

#include <utility>

namespace tk {

RuntimeError::RuntimeError(std::int32_t number, std::string description)
    : number_(number), description_(std::move(description)) {}

std::string DescribeStatus(std::int32_t status) {
  switch (static_cast<std::uint32_t>(status)) {
    case 0x80004005u: return "Automation error\nUnspecified error";
    case 0x80070057u: return "Automation error\nThe parameter is incorrect.";
    case 0x8007000Eu: return "Automation error\nNot enough memory to complete the operation.";
    case 0x8878001Eu: return "Automation error\nThe control requested is not available on this buffer.";
    case 0x88780064u: return "Automation error\nThe wave format is not supported.";
    case 0x88780078u: return "Automation error\nNo sound driver is available for use.";
    default: return "Automation error";
  }
}

}  // namespace tk
