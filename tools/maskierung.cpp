#include "maskierung.h"

namespace szenario {
namespace {

int HexWert(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string Entschluesseln(std::string_view argument) {
    std::string bytes;
    bytes.reserve(argument.size());
    for (std::size_t i = 0; i < argument.size(); ++i) {
        char c = argument[i];
        if (c != '\\') {
            bytes += c;
            continue;
        }
        if (++i == argument.size()) throw Lesefehler("backslash at end of line");
        switch (argument[i]) {
            case 'r':
                bytes += '\r';
                break;
            case 'n':
                bytes += '\n';
                break;
            case 't':
                bytes += '\t';
                break;
            case '\\':
                bytes += '\\';
                break;
            case 'x': {
                int hoch = i + 1 < argument.size() ? HexWert(argument[i + 1]) : -1;
                int tief = i + 2 < argument.size() ? HexWert(argument[i + 2]) : -1;
                if (hoch < 0 || tief < 0) throw Lesefehler("\\x needs two hex digits");
                bytes += static_cast<char>(hoch * 16 + tief);
                i += 2;
                break;
            }
            default:
                throw Lesefehler(std::string("unknown escape \\") + argument[i]);
        }
    }
    return bytes;
}

std::string Maskieren(std::string_view text) {
    static constexpr char kZiffern[] = "0123456789abcdef";
    std::string zeile;
    zeile.reserve(text.size());
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        switch (b) {
            case '\\':
                zeile += "\\\\";
                break;
            case '\r':
                zeile += "\\r";
                break;
            case '\n':
                zeile += "\\n";
                break;
            case '\t':
                zeile += "\\t";
                break;
            default:
                if (b >= 0x20 && b <= 0x7E) {
                    zeile += c;
                } else {
                    zeile += "\\x";
                    zeile += kZiffern[b >> 4];
                    zeile += kZiffern[b & 0x0F];
                }
        }
    }
    return zeile;
}

}  // namespace szenario
