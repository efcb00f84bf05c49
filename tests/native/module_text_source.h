// The catalogue of a built module as the host's rules read it, through the
// reader (the native stand-in for LoadStringW).
#pragma once

#include "pe_image.h"
#include "string_table.h"
#include "text_source.h"

namespace torvik::test {

class ReaderTextSource : public host::TextSource {
public:
    explicit ReaderTextSource(const pe::PeImage& image) : image_(image) {}
    std::optional<std::u16string> text(std::uint16_t id) const override { return pe::load_string(image_, id, 1033); }

private:
    const pe::PeImage& image_;
};

}  // namespace torvik::test
