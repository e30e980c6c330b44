// How the two programs meet their console on Windows, where the C run-time translates line
// ends on the standard streams and hands main() its arguments in the ANSI code page. Both
// functions leave everything as it is elsewhere, so that the programs read and write the
// same bytes on every system.
#pragma once

#include <string>
#include <vector>

namespace varnel::app {

// Puts standard input, output and error in binary mode on Windows: "0.999933931240995\n" is
// written with its LF alone rather than as CR LF, and a schedule line read with CR LF comes
// back with CR LF rather than CR CR LF. Call it before anything is read or written.
void UseBinaryStandardStreams();

// The program's arguments in UTF-8, as an argc and argv that live as long as this object. On
// Windows they are read from the command line as Windows keeps it (UTF-16), so that
// "--batch März.csv" arrives as "--batch", "M\xC3\xA4rz.csv" whatever the ANSI code page;
// elsewhere they are argv itself. For "varnel-calc --size 10": count() == 3,
// values()[1] == "--size".
class Utf8Arguments {
  public:
    Utf8Arguments(int argc, char* argv[]);

    int count() const;
    char** values();

  private:
    std::vector<std::string> texts_;
    // Pointers into texts_, ended by a null pointer as argv is.
    std::vector<char*> values_;
};

}  // namespace varnel::app
