// What the first bytes of a file given as a schedule say it is, when it is plainly no text:
// a workbook, a compressed file, an image, or bytes with NUL in them.
#pragma once

#include <string_view>

namespace varnel::cli {

// What a file starting with `start` seems to be, as the words of a sentence ("an Excel
// workbook"); empty where it may be text. `start` is as much of the file as was at hand, the
// more the better (a zip's first entry names its kind).
// KindOfBinary("%PDF-1.7\n...") == "a PDF document"; KindOfBinary("size,length\n") == "".
std::string_view KindOfBinary(std::string_view start);

// The same for the magic numbers alone, which come before any guess at UTF-16 without a mark:
// SignatureKind("size\0length") == "".
std::string_view SignatureKind(std::string_view start);

}  // namespace varnel::cli
