#include "text_encoding.h"

#include <array>
#include <utility>

namespace varnel::cli {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::size_t kChunk = 1 << 16;
constexpr std::size_t kStart = 4096;

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string_view MarkOf(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8WithMark:
            return kUtf8Mark;
        case TextEncoding::Utf16Le:
            return kUtf16LeMark;
        case TextEncoding::Utf16Be:
            return kUtf16BeMark;
        case TextEncoding::Utf8:
        case TextEncoding::Utf16LeNoMark:
        case TextEncoding::Utf16BeNoMark:
            break;
    }
    return {};
}

void AppendUtf8(std::string& text, char32_t code) {
    auto byte = [&text](char32_t value) { text.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

// The code point of the UTF-8 sequence at the start of `text` and its length; an invalid
// sequence is one byte of U+FFFD.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text) {
    auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead >= 0x80 && (lead < 0xC2 || lead > 0xF4 || text.size() < length)) {
        return {kReplacement, 1};
    }
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) {
        auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return {kReplacement, 1};
        }
        code = (code << 6) | (next & 0x3F);
    }
    return {code, length};
}

bool IsUtf16(TextEncoding encoding) {
    return encoding != TextEncoding::Utf8 && encoding != TextEncoding::Utf8WithMark;
}

bool IsLittleEndian(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16LeNoMark;
}

// UTF-16 told by where the zero bytes of a text's start stand, or Utf8 where they tell none.
TextEncoding Utf16WithoutMark(std::string_view start) {
    std::array<std::size_t, 2> zeros{};
    std::size_t units = start.size() / 2;
    for (std::size_t at = 0; at < units * 2; ++at) {
        zeros[at % 2] += start[at] == '\0' ? 1 : 0;
    }
    if (zeros[0] == 0 && zeros[1] > 0 && zeros[1] * 2 >= units) {
        return TextEncoding::Utf16LeNoMark;
    }
    if (zeros[1] == 0 && zeros[0] > 0 && zeros[0] * 2 >= units) {
        return TextEncoding::Utf16BeNoMark;
    }
    return TextEncoding::Utf8;
}

}  // namespace

std::size_t StreamSource::ReadAtHand(char* to, std::size_t size) {
    if (std::istream::traits_type::eq_int_type(in_.peek(), std::istream::traits_type::eof())) {
        return 0;
    }
    return static_cast<std::size_t>(in_.readsome(to, static_cast<std::streamsize>(size)));
}

std::size_t TextSource::ReadAtHand(std::string& to) {
    std::size_t old = to.size();
    to.resize(old + kChunk);
    std::size_t read = in_.ReadAtHand(to.data() + old, kChunk);
    to.resize(old + read);
    return read;
}

void TextSource::ReadStart() {
    while (raw_.size() < kStart && raw_.find('\n') == std::string::npos) {
        if (ReadAtHand(raw_) == 0) {
            return;
        }
    }
}

TextEncoding TextSource::ReadEncoding() {
    ReadStart();
    for (TextEncoding encoding :
         {TextEncoding::Utf8WithMark, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        if (raw_.starts_with(MarkOf(encoding))) {
            encoding_ = encoding;
            raw_.erase(0, MarkOf(encoding).size());
            return encoding_;
        }
    }
    encoding_ = Utf16WithoutMark(raw_);
    return encoding_;
}

bool TextSource::ReadMore(std::string& text) {
    if (!IsUtf16(encoding_)) {
        if (!raw_.empty()) {
            text.append(raw_);
            raw_.clear();
            return true;
        }
        return ReadAtHand(text) > 0;
    }
    std::size_t old = text.size();
    DecodeUtf16(text, false);
    for (bool ended = false; text.size() == old && !ended;) {
        ended = ReadAtHand(raw_) == 0;
        DecodeUtf16(text, ended);
    }
    return text.size() > old;
}

// Decodes the whole code units of raw_ into `text`, keeping a last high surrogate and an odd
// byte for the next read unless the stream has ended.
void TextSource::DecodeUtf16(std::string& text, bool ended) {
    bool little = IsLittleEndian(encoding_);
    auto unitAt = [&](std::size_t at) {
        auto first = static_cast<unsigned char>(raw_[at]);
        auto second = static_cast<unsigned char>(raw_[at + 1]);
        return static_cast<char32_t>(little ? first | (second << 8) : (first << 8) | second);
    };
    std::size_t at = 0;
    for (; at + 1 < raw_.size(); at += 2) {
        char32_t unit = unitAt(at);
        if (IsHighSurrogate(unit)) {
            if (at + 3 >= raw_.size() && !ended) {
                break;
            }
            if (at + 3 < raw_.size() && IsLowSurrogate(unitAt(at + 2))) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00);
                at += 2;
            }
        }
        AppendUtf8(text, unit);
    }
    raw_.erase(0, at);
    if (ended && !raw_.empty()) {
        stray_ = raw_;
        raw_.clear();
    }
}

TextSink::TextSink(ByteSink& out, TextEncoding encoding) : out_(out), encoding_(encoding) {
    WriteBytes(MarkOf(encoding));
}

void TextSink::WriteBytes(std::string_view bytes) {
    out_.Write(bytes);
}

void TextSink::Write(std::string_view text) {
    if (!IsUtf16(encoding_)) {
        WriteBytes(text);
        return;
    }
    encoded_.clear();
    while (!text.empty()) {
        auto [code, length] = DecodeUtf8(text);
        text.remove_prefix(length);
        if (code >= 0x10000) {
            AppendUnit(0xD800 + ((code - 0x10000) >> 10));
            AppendUnit(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            AppendUnit(code);
        }
    }
    WriteBytes(encoded_);
}

void TextSink::AppendUnit(char32_t unit) {
    std::array<char, 2> bytes{static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    if (IsLittleEndian(encoding_)) {
        std::swap(bytes[0], bytes[1]);
    }
    encoded_.append(bytes.data(), bytes.size());
}

}  // namespace varnel::cli
