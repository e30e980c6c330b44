#include "file_kind.h"

#include <gtest/gtest.h>

#include <string>

#include "case_table.h"

namespace varnel::cli {
namespace {

using namespace std::string_literals;
using namespace testing;

struct KindCase : NamedCase {
    std::string start;
    std::string kind;
};

class FileKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(FileKind, NamesWhatTheFirstBytesSay) {
    EXPECT_EQ(KindOfBinary(GetParam().start), GetParam().kind);
}

// A zip's first local header: 30 bytes, then the first entry's name.
std::string ZipStart(const std::string& entries) {
    return "PK\x03\x04"s + std::string(26, '\x14') + entries;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Starts, FileKind,
    ::testing::Values(
        KindCase{"Xlsx", ZipStart("[Content_Types].xml...PK\x03\x04...xl/workbook.xml"), "an Excel workbook"},
        KindCase{"Ods", ZipStart("mimetypeapplication/vnd.oasis.opendocument.spreadsheetPK"), "an OpenDocument spreadsheet"},
        KindCase{"Odt", ZipStart("mimetypeapplication/vnd.oasis.opendocument.textPK"), "an OpenDocument file"},
        KindCase{"Zip", ZipStart("notes.txt"), "a zip archive"},
        KindCase{"Xls", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0"s, "an old Excel workbook (.xls) or other Office file"},
        KindCase{"Pdf", "%PDF-1.7\n%\xE2\xE3", "a PDF document"},
        KindCase{"Gzip", "\x1F\x8B\x08\0"s, "a gzip-compressed file"},
        KindCase{"Bzip2", "BZh91AY&SY\x01", "a bzip2-compressed file"},
        KindCase{"Xz", "\xFD" "7zXZ\0\0"s, "an xz-compressed file"},
        KindCase{"Zstd", "\x28\xB5\x2F\xFD\x24", "a zstd-compressed file"},
        KindCase{"SevenZip", "7z\xBC\xAF\x27\x1C\0\x04"s, "a 7-Zip archive"},
        KindCase{"Png", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s, "a PNG image"},
        KindCase{"Jpeg", "\xFF\xD8\xFF\xE0\0\x10JFIF"s, "a JPEG image"},
        KindCase{"Gif", "GIF89a\x01\0"s, "a GIF image"},
        KindCase{"NulBytes", "size\0length"s, "binary data with NUL bytes"},
        KindCase{"BzhHeadingIsText", "BZh,size,length\n", ""},
        KindCase{"Windows1252IsText", "note\tsize\ncaf\xE9\t10\n", ""}),
    CaseName());
// clang-format on

}  // namespace
}  // namespace varnel::cli
