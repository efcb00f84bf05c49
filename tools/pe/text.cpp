#include "text.h"

#include <cstdio>

namespace torvik::pe {

std::string escape(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        switch (c) {
            case u'\\': out += "\\\\"; break;
            case u'"': out += "\\\""; break;
            case u'\n': out += "\\n"; break;
            case u'\r': out += "\\r"; break;
            case u'\t': out += "\\t"; break;
            default:
                if (c >= 0x20 && c < 0x7f) {
                    out.push_back(static_cast<char>(c));
                } else {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                    out += buf;
                }
        }
    }
    return out;
}

}  // namespace torvik::pe
