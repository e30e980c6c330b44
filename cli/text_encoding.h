// The text of a schedule as spreadsheets store it: UTF-8 with or without a byte-order mark,
// or UTF-16 in either byte order, after its mark or, without one, told by its zero bytes. It
// is read as UTF-8 and the results are written back in the encoding, and with the mark or
// without it, as it came in.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace varnel::cli {

enum class TextEncoding { Utf8, Utf8WithMark, Utf16Le, Utf16Be, Utf16LeNoMark, Utf16BeNoMark };

// Where the bytes of a text come from. The schedule reads through this rather than a stream,
// so that a build without the C++ streams (the web page's module) is spared their size.
class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // Reads as many bytes as are at hand, at most `size`, waiting only when none are; returns
    // how many, 0 once the bytes have ended or failed.
    virtual std::size_t ReadAtHand(char* to, std::size_t size) = 0;
};

// Where the bytes of a text go.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual void Write(std::string_view bytes) = 0;
    virtual void Flush() = 0;
};

// A stream's bytes as they are at hand, so a line typed on a terminal is read as soon as it
// is entered; a failed read leaves the stream bad.
class StreamSource : public ByteSource {
  public:
    explicit StreamSource(std::istream& in) : in_(in) {}
    std::size_t ReadAtHand(char* to, std::size_t size) override;

  private:
    std::istream& in_;
};

class StreamSink : public ByteSink {
  public:
    explicit StreamSink(std::ostream& out) : out_(out) {}
    void Write(std::string_view bytes) override {
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    void Flush() override { out_.flush(); }

  private:
    std::ostream& out_;
};

// Reads bytes as UTF-8 text, a chunk at a time: as much as the source holds at hand. A UTF-16 code
// unit that is half of no pair (a lone surrogate) becomes the three bytes that UTF-8 would give it,
// so that it is written back unchanged; a last odd byte is kept aside for the same reason. The
// bytes FF FE 31 00 0A 00 read as UTF-16 LE, text "1\n".
class TextSource {
  public:
    explicit TextSource(ByteSource& in) : in_(in) {}

    // Reads the start of the text, up to its first line feed or 4 KiB, and returns the
    // encoding its mark names. Without a mark, the text is UTF-16 where every second byte of
    // the start is nonzero and at least half of the others are zero (the high bytes of ASCII
    // and Latin-1 characters), little-endian when the zeros stand second; Utf8 otherwise.
    // The bytes 31 00 0A 00 read as UTF-16 LE without a mark, text "1\n".
    TextEncoding ReadEncoding();

    // The bytes read by ReadEncoding after the mark, not yet given out.
    std::string_view Start() const { return raw_; }

    // Appends the next text at hand to `text`; returns false, appending nothing, once the
    // source has ended or failed.
    bool ReadMore(std::string& text);

    // The last byte of UTF-16 text of an odd length, or nothing.
    std::string_view StrayByte() const { return stray_; }

  private:
    std::size_t ReadAtHand(std::string& to);
    void ReadStart();
    void DecodeUtf16(std::string& text, bool ended);

    ByteSource& in_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    std::string raw_;  // bytes read but not yet given out
    std::string stray_;
};

// Writes UTF-8 text to a sink in an encoding, after its mark. Lone surrogates written as
// UTF-8 would give them become their UTF-16 code units again.
// With Utf16Be, Write("1\n") writes FE FF 00 31 00 0A.
class TextSink {
  public:
    TextSink(ByteSink& out, TextEncoding encoding);

    void Write(std::string_view text);

    // Writes bytes as they are, in any encoding.
    void WriteBytes(std::string_view bytes);

    void Flush() { out_.Flush(); }

  private:
    void AppendUnit(char32_t unit);

    ByteSink& out_;
    TextEncoding encoding_;
    std::string encoded_;
};

}  // namespace varnel::cli
