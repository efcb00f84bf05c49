// A small JSON value for the inspector's machine output.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace torvik::inspect {

class Json {
public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;  // keeps insertion order

    Json() : v_(nullptr) {}
    Json(std::nullptr_t) : v_(nullptr) {}
    Json(bool b) : v_(b) {}
    Json(std::int64_t n) : v_(n) {}
    Json(int n) : v_(static_cast<std::int64_t>(n)) {}
    Json(unsigned n) : v_(static_cast<std::int64_t>(n)) {}
    Json(std::string s) : v_(std::move(s)) {}
    Json(const char* s) : v_(std::string(s)) {}
    Json(Array a) : v_(std::move(a)) {}

    static Json object() { Json j; j.v_ = Object{}; return j; }
    static Json array() { return Json(Array{}); }

    Json& set(std::string key, Json value);   // on an object
    Json& push(Json value);                  // on an array
    std::string dump() const;

private:
    void dump_to(std::string& out) const;
    std::variant<std::nullptr_t, bool, std::int64_t, std::string, Array, Object> v_;
};

}  // namespace torvik::inspect
