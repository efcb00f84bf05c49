// The version resource: the fixed part, the string tables with their keys in
// stored order, and the translation pairs.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "byte_view.h"

namespace torvik::pe {

struct FixedFileInfo {
    std::uint32_t signature = 0;
    std::uint32_t struct_version = 0;
    std::uint32_t file_version_ms = 0, file_version_ls = 0;
    std::uint32_t product_version_ms = 0, product_version_ls = 0;
    std::uint32_t flags_mask = 0;
    std::uint32_t flags = 0;
    std::uint32_t os = 0;
    std::uint32_t type = 0;
    std::uint32_t subtype = 0;
    std::uint32_t date_ms = 0, date_ls = 0;
};

struct VersionStringTable {
    std::u16string key;  // language and code page in hex, e.g. "040904b0"
    std::vector<std::pair<std::u16string, std::u16string>> values;  // in stored order
};

struct VersionInfo {
    FixedFileInfo fixed;
    std::vector<VersionStringTable> string_tables;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;  // language, code page
};

VersionInfo decode_version(ByteView data);

// "2.0.0.0" from the two halves of a version number.
std::string version_string(std::uint32_t ms, std::uint32_t ls);

}  // namespace torvik::pe
