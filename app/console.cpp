#include "console.h"

#ifdef _WIN32
// windows.h first: shellapi.h builds on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#endif

namespace varnel::app {
namespace {

#ifdef _WIN32
std::string ToUtf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    return utf8;
}

// The arguments Windows keeps for the process, split as the C run-time splits them; the
// narrow argv when Windows cannot give them.
std::vector<std::string> ArgumentTexts(int argc, char* argv[]) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return {argv, argv + argc};
    }
    std::vector<std::string> texts;
    for (int index = 0; index < count; ++index) {
        texts.push_back(ToUtf8(wide[index]));
    }
    LocalFree(wide);
    return texts;
}
#else
std::vector<std::string> ArgumentTexts(int argc, char* argv[]) {
    return {argv, argv + argc};
}
#endif

}  // namespace

void UseBinaryStandardStreams() {
#ifdef _WIN32
    for (std::FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
#endif
}

Utf8Arguments::Utf8Arguments(int argc, char* argv[]) : texts_(ArgumentTexts(argc, argv)) {
    for (std::string& text : texts_) {
        values_.push_back(text.data());
    }
    values_.push_back(nullptr);
}

int Utf8Arguments::count() const {
    return static_cast<int>(texts_.size());
}

char** Utf8Arguments::values() {
    return values_.data();
}

}  // namespace varnel::app
