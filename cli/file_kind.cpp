#include "file_kind.h"

#include <algorithm>
#include <array>

namespace varnel::cli {
namespace {

struct Signature {
    std::string_view magic;
    std::string_view kind;
};

using namespace std::string_view_literals;

// The magic numbers that files other than zip containers start with.
constexpr std::array kSignatures{
    Signature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv,
              "an old Excel workbook (.xls) or other Office file"sv},
    Signature{"%PDF-"sv, "a PDF document"sv},
    Signature{"\x1F\x8B"sv, "a gzip-compressed file"sv},
    Signature{"\xFD"
              "7zXZ\0"sv,
              "an xz-compressed file"sv},
    Signature{"\x28\xB5\x2F\xFD"sv, "a zstd-compressed file"sv},
    Signature{"7z\xBC\xAF\x27\x1C"sv, "a 7-Zip archive"sv},
    Signature{"\x89PNG\r\n\x1A\n"sv, "a PNG image"sv},
    Signature{"\xFF\xD8\xFF"sv, "a JPEG image"sv},
    Signature{"GIF87a"sv, "a GIF image"sv},
    Signature{"GIF89a"sv, "a GIF image"sv},
};

constexpr std::string_view kZipMagic = "PK\x03\x04"sv;
constexpr std::size_t kZipFirstName = 30;  // where a zip's first local header names its entry

// bzip2: "BZh", the block size 1 to 9, and the magic of its first block.
bool IsBzip2(std::string_view start) {
    return start.size() >= 10 && start.starts_with("BZh") && start[3] >= '1' && start[3] <= '9' &&
           start.substr(4, 6) == "1AY&SY";
}

// A zip container told apart by its first entries: a workbook that LibreOffice, Gnumeric or
// Excel saved names its parts "xl/..." or, for OpenDocument, starts with its "mimetype".
std::string_view KindOfZip(std::string_view start) {
    std::string_view entries = start.substr(std::min(start.size(), kZipFirstName));
    if (entries.starts_with("mimetype")) {
        return entries.find("opendocument.spreadsheet") != std::string_view::npos
                   ? "an OpenDocument spreadsheet"
                   : "an OpenDocument file";
    }
    if (entries.find("xl/") != std::string_view::npos) {
        return "an Excel workbook";
    }
    return "a zip archive";
}

}  // namespace

std::string_view KindOfBinary(std::string_view start) {
    std::string_view kind = SignatureKind(start);
    if (kind.empty() && start.find('\0') != std::string_view::npos) {
        return "binary data with NUL bytes";
    }
    return kind;
}

std::string_view SignatureKind(std::string_view start) {
    if (start.starts_with(kZipMagic)) {
        return KindOfZip(start);
    }
    if (IsBzip2(start)) {
        return "a bzip2-compressed file";
    }
    for (const Signature& signature : kSignatures) {
        if (start.starts_with(signature.magic)) {
            return signature.kind;
        }
    }
    return {};
}

}  // namespace varnel::cli
