#include "pe_image.h"

#include <fstream>
#include <iterator>
#include <set>

#include "text.h"

namespace torvik::pe {
namespace {

constexpr std::size_t kMaxFileSize = 256u << 20;
constexpr std::size_t kMaxSections = 96;          // the format's own limit
constexpr std::size_t kMaxImportedDlls = 4096;
constexpr std::size_t kMaxThunksPerDll = 65536;
constexpr std::size_t kMaxExports = 65536;
constexpr std::size_t kMaxAsciiName = 4096;
constexpr std::size_t kMaxResourceLeaves = 1u << 20;

enum Directory { kExportDir = 0, kImportDir = 1, kResourceDir = 2 };

}  // namespace

std::string ResourceKey::to_string() const {
    if (id) return std::to_string(*id);
    return "\"" + escape(name) + "\"";
}

PeImage PeImage::load_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PeError(path + ": cannot open the file");
    in.seekg(0, std::ios::end);
    auto size = static_cast<std::size_t>(in.tellg());
    if (size > kMaxFileSize) throw PeError(path + ": larger than 256 MiB, not read");
    in.seekg(0);
    std::vector<std::uint8_t> bytes(size);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (!in) throw PeError(path + ": read failed");
    try {
        return parse(std::move(bytes));
    } catch (const PeError& e) {
        throw PeError(path + ": " + e.what());
    }
}

PeImage PeImage::parse(std::vector<std::uint8_t> bytes) {
    PeImage img;
    img.storage_ = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    img.file_ = ByteView(*img.storage_);
    const ByteView& f = img.file_;

    if (f.size() < 0x40 || f.u16(0, "DOS header") != 0x5a4d) throw PeError("not an MZ executable");
    std::size_t pe = f.u32(0x3c, "PE header offset");
    if (f.u32(pe, "PE signature") != 0x00004550) throw PeError("no PE signature");
    std::size_t coff = pe + 4;
    img.machine_ = f.u16(coff, "COFF header");
    std::size_t nsections = f.u16(coff + 2, "COFF header");
    img.timestamp_ = f.u32(coff + 4, "COFF header");
    std::size_t opt_size = f.u16(coff + 16, "COFF header");
    img.characteristics_ = f.u16(coff + 18, "COFF header");
    std::size_t opt = coff + 20;
    f.require(opt, opt_size, "optional header");

    std::uint16_t magic = f.u16(opt, "optional header magic");
    if (magic == 0x10b) img.pe32_plus_ = false;
    else if (magic == 0x20b) img.pe32_plus_ = true;
    else throw PeError("optional header magic " + std::to_string(magic) + " is neither PE32 nor PE32+");

    std::size_t dir_count_at = opt + (img.pe32_plus_ ? 108 : 92);
    if (dir_count_at + 4 > opt + opt_size) throw PeError("optional header too short");
    img.dll_characteristics_ = f.u16(opt + 70, "optional header");
    std::size_t ndirs = f.u32(dir_count_at, "data directory count");
    std::size_t dirs_at = dir_count_at + 4;
    if (ndirs > 16 || dirs_at + ndirs * 8 > opt + opt_size)
        throw PeError("data directory count " + std::to_string(ndirs) + " does not fit the optional header");
    for (std::size_t i = 0; i < ndirs; ++i)
        img.directories_.push_back({f.u32(dirs_at + 8 * i, "data directory"),
                                    f.u32(dirs_at + 8 * i + 4, "data directory")});

    if (nsections > kMaxSections) throw PeError(std::to_string(nsections) + " sections is absurd");
    std::size_t sec = opt + opt_size;
    for (std::size_t i = 0; i < nsections; ++i, sec += 40) {
        f.require(sec, 40, "section header");
        Section s;
        for (std::size_t k = 0; k < 8 && f.u8(sec + k, "section name"); ++k)
            s.name.push_back(static_cast<char>(f.u8(sec + k, "section name")));
        s.virtual_size = f.u32(sec + 8, "section header");
        s.virtual_address = f.u32(sec + 12, "section header");
        s.raw_size = f.u32(sec + 16, "section header");
        s.raw_offset = f.u32(sec + 20, "section header");
        s.characteristics = f.u32(sec + 36, "section header");
        s.header_offset = sec;
        if (s.raw_size && !f.fits(s.raw_offset, s.raw_size))
            throw PeError("section " + s.name + " extends beyond the end of the file");
        img.sections_.push_back(std::move(s));
    }
    img.read_resource_tree();
    return img;
}

std::size_t PeImage::rva_to_offset(std::uint32_t rva, std::size_t length, const char* what) const {
    for (const Section& s : sections_) {
        if (rva < s.virtual_address) continue;
        std::size_t into = rva - s.virtual_address;
        if (into >= s.raw_size) continue;
        if (length > s.raw_size - into)
            throw PeError(std::string(what) + " at RVA " + std::to_string(rva) + " runs past section " + s.name);
        return s.raw_offset + into;
    }
    throw PeError(std::string(what) + " at RVA " + std::to_string(rva) + " lies in no section");
}

std::string PeImage::ascii_z(std::uint32_t rva, const char* what) const {
    std::size_t at = rva_to_offset(rva, 1, what);
    std::string s;
    for (;;) {
        std::uint8_t c = file_.u8(at + s.size(), what);
        if (c == 0) return s;
        if (s.size() == kMaxAsciiName) throw PeError(std::string(what) + " is not terminated");
        s.push_back(static_cast<char>(c));
    }
}

Exports PeImage::exports() const {
    Exports ex;
    if (directories_.size() <= kExportDir || directories_[kExportDir].rva == 0) return ex;
    std::size_t d = rva_to_offset(directories_[kExportDir].rva, 40, "export directory");
    ex.timestamp = file_.u32(d + 4, "export directory");
    ex.dll_name = ascii_z(file_.u32(d + 12, "export directory"), "export module name");
    ex.ordinal_base = file_.u32(d + 16, "export directory");
    std::size_t nfuncs = file_.u32(d + 20, "export directory");
    std::size_t nnames = file_.u32(d + 24, "export directory");
    if (nfuncs > kMaxExports || nnames > nfuncs)
        throw PeError("export directory counts " + std::to_string(nfuncs) + " functions and " +
                      std::to_string(nnames) + " names");
    std::size_t funcs = rva_to_offset(file_.u32(d + 28, "export directory"), nfuncs * 4, "export address table");
    std::vector<std::optional<std::string>> names(nfuncs);
    if (nnames) {
        std::size_t name_ptrs = rva_to_offset(file_.u32(d + 32, "export directory"), nnames * 4, "export name table");
        std::size_t name_ords = rva_to_offset(file_.u32(d + 36, "export directory"), nnames * 2, "export ordinal table");
        for (std::size_t i = 0; i < nnames; ++i) {
            std::size_t index = file_.u16(name_ords + 2 * i, "export ordinal table");
            if (index >= nfuncs) throw PeError("export name refers to function index " + std::to_string(index));
            names[index] = ascii_z(file_.u32(name_ptrs + 4 * i, "export name table"), "export name");
        }
    }
    for (std::size_t i = 0; i < nfuncs; ++i) {
        std::uint32_t rva = file_.u32(funcs + 4 * i, "export address table");
        if (rva == 0) continue;
        ex.functions.push_back({ex.ordinal_base + static_cast<std::uint32_t>(i), names[i], rva});
    }
    return ex;
}

std::vector<ImportedDll> PeImage::imports() const {
    std::vector<ImportedDll> dlls;
    if (directories_.size() <= kImportDir || directories_[kImportDir].rva == 0) return dlls;
    const std::size_t thunk_size = pe32_plus_ ? 8 : 4;
    for (std::uint32_t rva = directories_[kImportDir].rva;; rva += 20) {
        if (dlls.size() == kMaxImportedDlls) throw PeError("import directory is not terminated");
        std::size_t d = rva_to_offset(rva, 20, "import descriptor");
        std::uint32_t lookup = file_.u32(d, "import descriptor");
        std::uint32_t name_rva = file_.u32(d + 12, "import descriptor");
        std::uint32_t iat = file_.u32(d + 16, "import descriptor");
        if (lookup == 0 && name_rva == 0 && iat == 0) break;
        ImportedDll dll{ascii_z(name_rva, "imported module name"), {}};
        std::uint32_t thunks = lookup ? lookup : iat;
        for (std::size_t i = 0;; ++i) {
            if (i == kMaxThunksPerDll) throw PeError("import list of " + dll.dll_name + " is not terminated");
            std::size_t t = rva_to_offset(thunks + static_cast<std::uint32_t>(i * thunk_size), thunk_size, "import thunk");
            std::uint64_t v = pe32_plus_ ? file_.u64(t, "import thunk") : file_.u32(t, "import thunk");
            if (v == 0) break;
            bool by_ordinal = pe32_plus_ ? (v >> 63) != 0 : (v >> 31) != 0;
            if (by_ordinal) {
                dll.functions.push_back({static_cast<std::uint16_t>(v & 0xffff), {}});
            } else {
                auto hint_name = static_cast<std::uint32_t>(v & 0x7fffffff);
                dll.functions.push_back({std::nullopt, ascii_z(hint_name + 2, "imported function name")});
            }
        }
        dlls.push_back(std::move(dll));
    }
    return dlls;
}

void PeImage::read_resource_tree() {
    if (directories_.size() <= kResourceDir || directories_[kResourceDir].rva == 0) return;
    const std::uint32_t root_rva = directories_[kResourceDir].rva;
    // The whole tree lives inside the section that holds its root.
    const Section* home = nullptr;
    for (const Section& s : sections_)
        if (root_rva >= s.virtual_address && root_rva - s.virtual_address < s.raw_size) home = &s;
    if (!home) throw PeError("resource directory lies in no section");
    std::size_t root_into = root_rva - home->virtual_address;
    ByteView rsrc = file_.sub(home->raw_offset + root_into, home->raw_size - root_into, "resource section");

    auto key_at = [&](std::uint32_t raw) {
        if (!(raw & 0x80000000u)) return ResourceKey::number(static_cast<std::uint16_t>(raw));
        std::size_t at = raw & 0x7fffffffu;
        std::size_t len = rsrc.u16(at, "resource name");
        rsrc.require(at + 2, len * 2, "resource name");
        std::u16string s;
        for (std::size_t i = 0; i < len; ++i) s.push_back(rsrc.u16(at + 2 + 2 * i, "resource name"));
        return ResourceKey::text(std::move(s));
    };

    std::set<std::size_t> visited;
    ResourceKey path[2];
    // Levels: 0 type, 1 name, 2 language; data entries only at level 2.
    auto walk = [&](auto& self, std::size_t dir, int level) -> void {
        if (!visited.insert(dir).second)
            throw PeError("resource directory at offset " + std::to_string(dir) +
                          " is reached twice (a cycle or a shared subtree)");
        std::size_t count = std::size_t{rsrc.u16(dir + 12, "resource directory")} +
                            rsrc.u16(dir + 14, "resource directory");
        rsrc.require(dir + 16, count * 8, "resource directory entries");
        for (std::size_t i = 0; i < count; ++i) {
            std::size_t e = dir + 16 + 8 * i;
            ResourceKey key = key_at(rsrc.u32(e, "resource entry"));
            std::uint32_t target = rsrc.u32(e + 4, "resource entry");
            bool subdir = target & 0x80000000u;
            std::size_t at = target & 0x7fffffffu;
            if (level < 2) {
                if (!subdir) throw PeError("resource data entry above the language level");
                path[level] = key;
                self(self, at, level + 1);
                continue;
            }
            if (subdir) throw PeError("resource tree is deeper than type, name and language");
            if (!key.id) throw PeError("resource language is a string");
            if (resources_.size() == kMaxResourceLeaves) throw PeError("absurd number of resources");
            resources_.push_back({path[0], path[1], *key.id, rsrc.u32(at, "resource data entry"),
                                  rsrc.u32(at + 4, "resource data entry"),
                                  rsrc.u32(at + 8, "resource data entry")});
        }
    };
    walk(walk, 0, 0);
}

// Names compare without regard to ASCII case, as the platform's lookup does.
static bool same_key(const ResourceKey& a, const ResourceKey& b) {
    if (a.id || b.id) return a.id == b.id;
    if (a.name.size() != b.name.size()) return false;
    auto up = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    for (std::size_t i = 0; i < a.name.size(); ++i)
        if (up(a.name[i]) != up(b.name[i])) return false;
    return true;
}

const ResourceLeaf* PeImage::find_resource(const ResourceKey& type, const ResourceKey& name,
                                           std::optional<std::uint16_t> language) const {
    for (const ResourceLeaf& r : resources_)
        if (same_key(r.type, type) && same_key(r.name, name) && (!language || r.language == *language)) return &r;
    return nullptr;
}

ByteView PeImage::resource_data(const ResourceLeaf& leaf) const {
    std::size_t at = rva_to_offset(leaf.data_rva, leaf.size, "resource data");
    return file_.sub(at, leaf.size, "resource data");
}

}  // namespace torvik::pe
