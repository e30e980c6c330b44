// The floor of a schedule: reads its lines as varnel-calc does, splits each at its tabs into
// cells and writes them back with an empty sixth cell, solving nothing.
//
//   schedule_floor < SCHEDULE
#include <iostream>
#include <string>
#include <string_view>

int main() {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    std::string read;
    std::string out;
    while (std::getline(std::cin, read)) {
        std::string_view rest = read;
        out.clear();
        for (std::size_t tab = rest.find('\t'); tab != std::string_view::npos;
             tab = rest.find('\t')) {
            out.append(rest.substr(0, tab)).append("\t");
            rest.remove_prefix(tab + 1);
        }
        out.append(rest).append("\t\n");
        std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
    }
    return std::cout.flush() ? 0 : 1;
}
