#include "basic/fault.h"

#include <utility>

namespace basic {

RuntimeFault::RuntimeFault(int number, std::string description, std::string source)
    : std::runtime_error(description), number_(number), description_(std::move(description)),
      source_(std::move(source)) {}

std::string faultDescription(int number) {
    switch (number) {
    case fault::InvalidProcedureCall: return "Invalid procedure call or argument";
    case fault::Overflow: return "Overflow";
    case fault::OutOfMemory: return "Out of memory";
    case fault::SubscriptOutOfRange: return "Subscript out of range";
    case fault::TypeMismatch: return "Type mismatch";
    case fault::FileNotFound: return "File not found";
    case fault::BadFileMode: return "Bad file mode";
    case fault::DeviceIOError: return "Device I/O error";
    case fault::InputPastEndOfFile: return "Input past end of file";
    case fault::DeviceUnavailable: return "Device unavailable";
    case fault::PermissionDenied: return "Permission denied";
    case fault::PathFileAccessError: return "Path/File access error";
    case fault::PathNotFound: return "Path not found";
    case fault::ControlArrayElementMissing: return "Control array element doesn't exist";
    case fault::ObjectAlreadyLoaded: return "Object already loaded";
    case fault::InvalidPropertyValue: return "Invalid property value";
    case fault::InvalidPropertyArrayIndex: return "Invalid property array index";
    case fault::CantUnloadDesignTimeControl: return "Can't unload controls created at design time";
    case fault::IndexOutOfBounds: return "Index out of bounds";
    case fault::CancelSelected: return "Cancel was selected.";
    default: return "Application-defined or object-defined error";
    }
}

void raise(int number) { throw RuntimeFault(number, faultDescription(number)); }

void raise(int number, std::string description) { throw RuntimeFault(number, std::move(description)); }

RuntimeFault outOfMemory() {
    return RuntimeFault(fault::OutOfMemory, faultDescription(fault::OutOfMemory));
}

} // namespace basic
