#pragma once
// The web addresses the program opens or fetches. The maker's pages are placeholders (the
// reserved example domain) until the project has a site of its own.

#include <string_view>

namespace core::web {

inline constexpr std::string_view kOpenStreetMapHome = "https://www.openstreetmap.org/";
// The host of the embedded web map; the page asks it over plain http.
inline constexpr std::string_view kGoogleMapsHost = "maps.google.com";

inline constexpr std::string_view kUpdateFile = "https://varnoke.example.org/version.txt";
inline constexpr std::string_view kDownloadPage = "https://varnoke.example.org/download.html";
inline constexpr std::string_view kWebPage = "https://varnoke.example.org/";
inline constexpr std::string_view kManual = "https://varnoke.example.org/varnoke-manual.pdf";

} // namespace core::web
