#pragma once

#include <string>
#include <string_view>

namespace tidewell::ithost
{

// iTunes keeps a track's file as a "file://" URL. These turn one into a local path and back.
//
// locationUrlToPath:
//   "file://localhost/C:/x/y.mp3" -> "C:/x/y.mp3"   (a drive letter keeps its Windows meaning)
//   "file://localhost/home/u/a.mp3", "file:///home/u/a.mp3" -> "/home/u/a.mp3"
//   "file://localhost//server/share/a.mp3" -> "//server/share/a.mp3"
//   anything else is only percent-decoded.
// Percent escapes become bytes, so escaped UTF-8 becomes UTF-8 text. An escape that is not two
// hexadecimal digits, one at the very end, and "%00" (a path cannot hold a NUL) are kept as written,
// so the path is never cut short or read past its end.
std::string locationUrlToPath(std::string_view url);

// Percent-decodes in place by the rules above, without touching any prefix.
std::string percentDecode(std::string_view text);

// "file://localhost" + the absolute path, percent-encoded (UTF-8 bytes; '/' and the unreserved
// characters stay as they are).
std::string pathToLocationUrl(std::string_view path);

} // namespace tidewell::ithost
