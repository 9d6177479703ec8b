#pragma once
// The runtime fault: a numbered error with the runtime's own description, raised where the
// system's procedures fail and shown verbatim where a message box reports "the error".

#include <new>
#include <stdexcept>
#include <string>
#include <utility>

namespace basic {

class RuntimeFault : public std::runtime_error {
public:
    // source: the component that raised an application-defined fault; empty for the runtime's own.
    RuntimeFault(int number, std::string description, std::string source = {});

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const std::string& source() const noexcept { return source_; }

private:
    int number_;
    std::string description_;
    std::string source_;
};

// The runtime's descriptions of the faults this system can meet.
namespace fault {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int PermissionDenied = 70;
inline constexpr int ObjectAlreadyLoaded = 360;
inline constexpr int ControlArrayElementMissing = 340;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int InvalidPropertyArrayIndex = 381;
inline constexpr int CantUnloadDesignTimeControl = 362;
inline constexpr int IndexOutOfBounds = 35600;
inline constexpr int DeviceIOError = 57;
inline constexpr int CancelSelected = 32755;
} // namespace fault

// The description the runtime gives for a fault number ("Overflow", "File not found", ...).
std::string faultDescription(int number);

[[noreturn]] void raise(int number);
[[noreturn]] void raise(int number, std::string description);

// An allocation that failed (std::bad_alloc) is the runtime's fault 7 "Out of memory": the
// handlers that report or skip a fault take it like any other.
RuntimeFault outOfMemory();

// Runs call; an allocation that fails in it comes out as fault 7.
template <class F> decltype(auto) withMemoryFault(F&& call) {
    try {
        return std::forward<F>(call)();
    } catch (const std::bad_alloc&) {
        throw outOfMemory();
    }
}

} // namespace basic
