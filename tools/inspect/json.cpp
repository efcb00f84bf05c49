#include "json.h"

#include <cstdio>

namespace torvik::inspect {
namespace {

void quote(const std::string& s, std::string& out) {
    out.push_back('"');
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    out.push_back('"');
}

}  // namespace

Json& Json::set(std::string key, Json value) {
    std::get<Object>(v_).emplace_back(std::move(key), std::move(value));
    return *this;
}

Json& Json::push(Json value) {
    std::get<Array>(v_).push_back(std::move(value));
    return *this;
}

std::string Json::dump() const {
    std::string out;
    dump_to(out);
    return out;
}

void Json::dump_to(std::string& out) const {
    if (std::holds_alternative<std::nullptr_t>(v_)) {
        out += "null";
    } else if (auto* b = std::get_if<bool>(&v_)) {
        out += *b ? "true" : "false";
    } else if (auto* n = std::get_if<std::int64_t>(&v_)) {
        out += std::to_string(*n);
    } else if (auto* s = std::get_if<std::string>(&v_)) {
        quote(*s, out);
    } else if (auto* a = std::get_if<Array>(&v_)) {
        out.push_back('[');
        for (std::size_t i = 0; i < a->size(); ++i) {
            if (i) out.push_back(',');
            (*a)[i].dump_to(out);
        }
        out.push_back(']');
    } else {
        const Object& o = std::get<Object>(v_);
        out.push_back('{');
        for (std::size_t i = 0; i < o.size(); ++i) {
            if (i) out.push_back(',');
            quote(o[i].first, out);
            out.push_back(':');
            o[i].second.dump_to(out);
        }
        out.push_back('}');
    }
}

}  // namespace torvik::inspect
