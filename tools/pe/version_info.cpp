#include "version_info.h"

namespace torvik::pe {
namespace {

constexpr int kMaxDepth = 4;  // root, file info, table, value

// One node of the record: length, value length, type, key, value, children.
struct Node {
    std::u16string key;
    std::uint16_t type = 0;
    ByteView value;
    std::vector<Node> children;
};

Node read_node(const ByteView& v, std::size_t at, int depth) {
    if (depth > kMaxDepth) throw PeError("version record nested too deeply");
    std::size_t length = v.u16(at, "version node");
    if (length < 6) throw PeError("version node of " + std::to_string(length) + " bytes");
    ByteView node = v.sub(at, length, "version node");
    Node n;
    std::size_t value_length = node.u16(2, "version node");
    n.type = node.u16(4, "version node");
    std::size_t p = 6;
    n.key = node.wstring_z(p, "version node key");
    p = align4(p);
    std::size_t value_bytes = n.type == 1 ? value_length * 2 : value_length;
    // Some writers count a text value's NUL in bytes rather than characters; clamp to the node.
    if (n.type == 1 && p + value_bytes > length) value_bytes = length > p ? length - p : 0;
    n.value = node.sub(p, value_bytes, "version node value");
    p = align4(p + value_bytes);
    while (p + 6 <= length) {
        Node child = read_node(node, p, depth + 1);
        p = align4(p + node.u16(p, "version node"));
        n.children.push_back(std::move(child));
    }
    return n;
}

std::u16string text_value(const ByteView& v) {
    std::u16string s;
    for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
        char16_t c = v.u16(i, "version text");
        if (c == 0) break;
        s.push_back(c);
    }
    return s;
}

}  // namespace

VersionInfo decode_version(ByteView data) {
    Node root = read_node(data, 0, 0);
    if (root.key != u"VS_VERSION_INFO") throw PeError("version record root is not VS_VERSION_INFO");
    VersionInfo info;
    if (root.value.size() < 52) throw PeError("version record has no fixed part");
    const ByteView& f = root.value;
    FixedFileInfo& x = info.fixed;
    std::uint32_t* fields[] = {&x.signature, &x.struct_version, &x.file_version_ms, &x.file_version_ls,
                               &x.product_version_ms, &x.product_version_ls, &x.flags_mask, &x.flags,
                               &x.os, &x.type, &x.subtype, &x.date_ms, &x.date_ls};
    for (std::size_t i = 0; i < 13; ++i) *fields[i] = f.u32(4 * i, "fixed file info");
    if (x.signature != 0xfeef04bd) throw PeError("fixed file info signature is wrong");

    for (const Node& block : root.children) {
        if (block.key == u"StringFileInfo") {
            for (const Node& table : block.children) {
                VersionStringTable t{table.key, {}};
                for (const Node& value : table.children) t.values.emplace_back(value.key, text_value(value.value));
                info.string_tables.push_back(std::move(t));
            }
        } else if (block.key == u"VarFileInfo") {
            for (const Node& var : block.children) {
                if (var.key != u"Translation") continue;
                for (std::size_t i = 0; i + 3 < var.value.size(); i += 4)
                    info.translations.emplace_back(var.value.u16(i, "translation"), var.value.u16(i + 2, "translation"));
            }
        }
    }
    return info;
}

std::string version_string(std::uint32_t ms, std::uint32_t ls) {
    return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xffff) + "." + std::to_string(ls >> 16) + "." +
           std::to_string(ls & 0xffff);
}

}  // namespace torvik::pe
