// fuzz_gpx: arbitrary bytes read as a GPX file. The reader takes any text without a fault; what
// it gives must keep its limits whatever the bytes: at most kGpxPointLimit points, no more named
// points than points, every coordinate on the earth, every name within kGpxNameBytes bytes. A
// result beyond them aborts, so that the fuzzer keeps the input.

#include "routes/gpxtext_read.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool withinLimits(const routes::GpxPoint& point) {
    return std::fabs(point.lat) <= 90 && std::fabs(point.lon) <= 180 &&
           point.name.size() <= routes::kGpxNameBytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const routes::GpxPoints read =
        routes::readGpx(std::string_view(reinterpret_cast<const char*>(bytes), size));
    if (read.points.size() > routes::kGpxPointLimit || read.namedCount > read.points.size()) std::abort();
    for (const routes::GpxPoint& point : read.points)
        if (!withinLimits(point)) std::abort();
    return 0;
}
