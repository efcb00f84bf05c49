// A PE32 or PE32+ image read from a file: headers, sections, exports, imports
// and the resource tree. Parsing never trusts an offset or a count: a fault in
// the file is reported as PeError with what was being read.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "byte_view.h"

namespace torvik::pe {

inline constexpr std::uint16_t kMachineI386 = 0x014c;
inline constexpr std::uint16_t kMachineAmd64 = 0x8664;

inline constexpr std::uint16_t kDllCharHighEntropyVa = 0x0020;
inline constexpr std::uint16_t kDllCharDynamicBase = 0x0040;
inline constexpr std::uint16_t kDllCharNxCompat = 0x0100;

inline constexpr std::uint32_t kSectionExecute = 0x20000000;
inline constexpr std::uint32_t kSectionRead = 0x40000000;
inline constexpr std::uint32_t kSectionWrite = 0x80000000;

struct Section {
    std::string name;
    std::uint32_t virtual_address = 0;
    std::uint32_t virtual_size = 0;
    std::uint32_t raw_offset = 0;
    std::uint32_t raw_size = 0;
    std::uint32_t characteristics = 0;
    std::size_t header_offset = 0;  // where its 40-byte header sits in the file

    bool writable() const { return characteristics & kSectionWrite; }
    bool executable() const { return characteristics & kSectionExecute; }
};

struct ExportedFunction {
    std::uint32_t ordinal = 0;
    std::optional<std::string> name;
    std::uint32_t rva = 0;
};

struct Exports {
    std::string dll_name;
    std::uint32_t ordinal_base = 0;
    std::uint32_t timestamp = 0;
    std::vector<ExportedFunction> functions;  // in ordinal order, unused slots left out
};

struct ImportedFunction {
    std::optional<std::uint16_t> ordinal;  // set when imported by ordinal
    std::string name;
};

struct ImportedDll {
    std::string dll_name;
    std::vector<ImportedFunction> functions;
};

// A resource type, name or language: a number or a string.
struct ResourceKey {
    std::optional<std::uint16_t> id;
    std::u16string name;

    static ResourceKey number(std::uint16_t n) { return {n, {}}; }
    static ResourceKey text(std::u16string s) { return {std::nullopt, std::move(s)}; }
    bool operator==(const ResourceKey&) const = default;
    std::string to_string() const;  // "6" or "\"RARROWU\""
};

struct ResourceLeaf {
    ResourceKey type;
    ResourceKey name;
    std::uint16_t language = 0;
    std::uint32_t data_rva = 0;
    std::uint32_t size = 0;
    std::uint32_t codepage = 0;
};

// Standard resource types.
inline constexpr std::uint16_t kRtBitmap = 2;
inline constexpr std::uint16_t kRtDialog = 5;
inline constexpr std::uint16_t kRtString = 6;
inline constexpr std::uint16_t kRtVersion = 16;

class PeImage {
public:
    static PeImage parse(std::vector<std::uint8_t> bytes);
    static PeImage load_file(const std::string& path);

    bool is_pe32_plus() const { return pe32_plus_; }
    std::uint16_t machine() const { return machine_; }
    std::uint16_t characteristics() const { return characteristics_; }
    std::uint16_t dll_characteristics() const { return dll_characteristics_; }
    std::uint32_t timestamp() const { return timestamp_; }
    const std::vector<Section>& sections() const { return sections_; }

    // Data directories decoded on demand; an absent directory gives an empty result.
    Exports exports() const;
    std::vector<ImportedDll> imports() const;
    const std::vector<ResourceLeaf>& resources() const { return resources_; }

    // Lookup as the platform does it by type, name and, when given, language.
    const ResourceLeaf* find_resource(const ResourceKey& type, const ResourceKey& name,
                                      std::optional<std::uint16_t> language = {}) const;
    // The bytes of a resource; throws when they are not inside the file.
    ByteView resource_data(const ResourceLeaf& leaf) const;

    // The file offset of [rva, rva + length), which must lie in one section's raw data.
    std::size_t rva_to_offset(std::uint32_t rva, std::size_t length, const char* what) const;

private:
    struct DataDirectory {
        std::uint32_t rva = 0;
        std::uint32_t size = 0;
    };
    std::string ascii_z(std::uint32_t rva, const char* what) const;
    void read_resource_tree();

    std::shared_ptr<const std::vector<std::uint8_t>> storage_;
    ByteView file_;
    bool pe32_plus_ = false;
    std::uint16_t machine_ = 0;
    std::uint16_t characteristics_ = 0;
    std::uint16_t dll_characteristics_ = 0;
    std::uint32_t timestamp_ = 0;
    std::vector<Section> sections_;
    std::vector<DataDirectory> directories_;
    std::vector<ResourceLeaf> resources_;
};

}  // namespace torvik::pe
