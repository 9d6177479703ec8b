// fuzz_project: arbitrary bytes read as a project file. The reader either takes the file or
// refuses it with one runtime fault; anything else (another exception, a crash, a hang, an
// allocation beyond what the file's size warrants, a sanitizer report) is a fault. What it took
// is written again and read back: that may be refused too, since list input lets a quoted value
// carry a comma into a list the file holds unescaped, but it must not fail in any other way.

#include "basic/fault.h"
#include "import/projectreader.h"
#include "import/projectwriter.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    osmimport::ProjectData data;
    try {
        data = osmimport::readProjectFile(std::string_view(reinterpret_cast<const char*>(bytes), size));
    } catch (const basic::RuntimeFault&) {
        return 0;
    }
    try {
        osmimport::readProjectFile(osmimport::projectFileBytes(data, '"'));
    } catch (const basic::RuntimeFault&) {
    }
    return 0;
}
