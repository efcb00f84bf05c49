// The catalogue as a host reads it: LoadStringW on the module's instance
// handle, in pointer mode (buffer size 0), so no text is cut short.
#pragma once

#include <windows.h>

#include "text_source.h"

namespace torvik::host {

class ModuleTextSource : public TextSource {
public:
    explicit ModuleTextSource(HMODULE module) : module_(module) {}
    std::optional<std::u16string> text(std::uint16_t id) const override {
        const wchar_t* p = nullptr;
        int length = LoadStringW(module_, id, reinterpret_cast<LPWSTR>(&p), 0);
        if (length <= 0 || !p) return std::nullopt;
        return std::u16string(reinterpret_cast<const char16_t*>(p), static_cast<std::size_t>(length));
    }

private:
    HMODULE module_;
};

}  // namespace torvik::host
