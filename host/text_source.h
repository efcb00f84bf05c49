// Where the host's rules read the catalogue: the module through the platform
// (host/win32/module_text_source.h) or, in the native tests, the reader.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace torvik::host {

class TextSource {
public:
    virtual ~TextSource() = default;
    // The text at id, or nothing when the identifier carries none.
    virtual std::optional<std::u16string> text(std::uint16_t id) const = 0;

    // The text at id; a missing text is an error, never an empty string.
    std::u16string require(std::uint16_t id) const {
        if (auto t = text(id)) return *t;
        throw std::out_of_range("the module holds no text " + std::to_string(id));
    }
};

}  // namespace torvik::host
