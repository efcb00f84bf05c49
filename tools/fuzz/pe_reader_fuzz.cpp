// Feeds arbitrary bytes to every decoder of the reader. A PeError is the
// expected answer to a bad file; any other exception, a crash or a sanitizer
// report is a finding.
#include <cstdint>
#include <vector>

#include "bitmap.h"
#include "catalogue_rules.h"
#include "dialog_template.h"
#include "pe_image.h"
#include "string_table.h"
#include "version_info.h"

namespace pe = torvik::pe;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        pe::PeImage img = pe::PeImage::parse(std::vector<std::uint8_t>(data, data + size));
        try { (void)img.exports(); } catch (const pe::PeError&) {}
        try { (void)img.imports(); } catch (const pe::PeError&) {}
        try { (void)pe::check_catalogue(img); } catch (const pe::PeError&) {}
        for (const pe::ResourceLeaf& leaf : img.resources()) {
            try {
                pe::ByteView bytes = img.resource_data(leaf);
                if (!leaf.type.id) continue;
                switch (*leaf.type.id) {
                    case pe::kRtString: (void)pe::decode_string_block(bytes); break;
                    case pe::kRtDialog: (void)pe::decode_dialog(bytes); break;
                    case pe::kRtBitmap: (void)pe::decode_dib(bytes); break;
                    case pe::kRtVersion: (void)pe::decode_version(bytes); break;
                    default: break;
                }
            } catch (const pe::PeError&) {
            }
        }
    } catch (const pe::PeError&) {
    }
    // The decoders also take the raw bytes directly, so that they are reached
    // without a valid image around them.
    pe::ByteView raw({data, size});
    try { (void)pe::decode_bmp_file(raw); } catch (const pe::PeError&) {}
    try { (void)pe::decode_dib(raw); } catch (const pe::PeError&) {}
    try { (void)pe::decode_dialog(raw); } catch (const pe::PeError&) {}
    try { (void)pe::decode_version(raw); } catch (const pe::PeError&) {}
    try { (void)pe::decode_string_block(raw); } catch (const pe::PeError&) {}
    return 0;
}
