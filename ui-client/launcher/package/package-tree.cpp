#include "package/package-tree.h"

#include <unicode/ucasemap.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "ustring.h"

namespace {

const char* KindText(PackageTree::Kind kind)
{
    switch (kind) {
        case PackageTree::kFolder:
            return "a folder";
        case PackageTree::kFile:
            return "a file";
        default:
            return "a symbolic link";
    }
}

// Unicode's canonical caseless form: decomposed, folded, decomposed again.
std::string FoldedUnicode(const std::string& name)
{
    const ustring decomposed = ustring(name).normalize(ustring::NFD);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCaseMap, void (*)(UCaseMap*)> map(ucasemap_open("", U_FOLD_CASE_DEFAULT, &status), ucasemap_close);
    std::string folded(decomposed.size() * 3 + 16, '\0');
    const int32_t length = ucasemap_utf8FoldCase(map.get(), &folded[0], static_cast<int32_t>(folded.size()),
                                                 decomposed.c_str(), static_cast<int32_t>(decomposed.size()), &status);
    if (U_FAILURE(status))
        return decomposed.c_str();
    folded.resize(length);
    return ustring(folded).normalize(ustring::NFD).c_str();
}

// Most names are ASCII, which folds to its lower case and has nothing to
// decompose; a name that is not UTF-8 is compared as its bytes.
void FoldInto(std::string_view name, std::string& into)
{
    into.resize(name.size());
    char* folded = &into[0];
    char high = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        high |= c & 0x80;
        folded[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const bool ascii = high == 0;
    if (!ascii && ustring::is_valid(std::string(name)))
        into = FoldedUnicode(std::string(name));
}

size_t HashOf(std::string_view key)
{
    return std::hash<std::string_view>()(key);
}

}  // namespace

bool IsAsciiName(std::string_view name)
{
    return std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
}

std::string CollisionRefusal(std::string_view earlier)
{
    return "collides with '" + std::string(earlier) + "' on a volume that ignores case and Unicode normalization";
}

std::string FoldedName(const std::string& name)
{
    std::string folded;
    FoldInto(name, folded);
    return folded;
}

const PackageTree::Record* PackageTree::Find(std::string_view key, size_t hash) const
{
    if (slots_.empty())
        return nullptr;
    const size_t mask = slots_.size() - 1;
    for (size_t slot = hash & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        const Record& record = records_[slots_[slot] - 1];
        if (record.hash == hash && KeyOf(record) == key)
            return &record;
    }
    return nullptr;
}

void PackageTree::Insert(std::string_view name, std::string_view key, size_t hash, Kind kind)
{
    // At most half the slots in use keeps the runs of the search short.
    if (2 * (records_.size() + 1) > slots_.size()) {
        slots_.assign(std::max<size_t>(64, 2 * slots_.size()), 0);
        for (size_t n = 0; n < records_.size(); ++n)
            FreeSlot(records_[n].hash) = static_cast<uint32_t>(n + 1);
    }
    records_.push_back(
        Record{text_.size(), static_cast<uint32_t>(name.size()), static_cast<uint32_t>(key.size()), hash, kind});
    text_.append(name).append(key);
    FreeSlot(hash) = static_cast<uint32_t>(records_.size());
}

uint32_t& PackageTree::FreeSlot(size_t hash)
{
    const size_t mask = slots_.size() - 1;
    size_t slot = hash & mask;
    while (slots_[slot] != 0)
        slot = (slot + 1) & mask;
    return slots_[slot];
}

std::string PackageTree::Place(std::string_view name, std::string_view key, Kind kind, bool on_the_way)
{
    const size_t hash = HashOf(key);
    const Record* earlier = Find(key, hash);
    if (!earlier) {
        Insert(name, key, hash, kind);
        return std::string();
    }
    if (NameOf(*earlier) == name && earlier->kind == kind)
        return std::string();
    if (NameOf(*earlier) != name)
        return CollisionRefusal(NameOf(*earlier));
    const std::string shown(name);
    if (on_the_way)
        return "lies below '" + shown + "', which the package stores as " + KindText(earlier->kind);
    return "turns '" + shown + "', stored earlier as " + KindText(earlier->kind) + ", into " + KindText(kind);
}

// Places the folders on the way to the entry: "a" and "a/b" for "a/b/c".
// An ASCII name's folders fold to the start of its own folded name.
std::string PackageTree::PlaceFolders(const std::string& name)
{
    const bool ascii = IsAsciiName(name);
    size_t slash = name.find('/');
    for (; slash != std::string::npos; slash = name.find('/', slash + 1)) {
        const std::string_view folder(name.data(), slash);
        if (!ascii)
            FoldInto(folder, prefix_key_);
        const std::string why =
            Place(folder, ascii ? std::string_view(key_.data(), slash) : std::string_view(prefix_key_), kFolder, true);
        if (!why.empty())
            return why;
    }
    placed_folder_.assign(name, 0, name.rfind('/'));
    return std::string();
}

std::string PackageTree::Add(const std::string& name, Kind kind)
{
    FoldInto(name, key_);
    const size_t folder_end = name.rfind('/');
    if (folder_end != std::string::npos && std::string_view(name.data(), folder_end) != placed_folder_) {
        const std::string why = PlaceFolders(name);
        if (!why.empty())
            return why;
    }
    return Place(name, key_, kind, false);
}

std::string PackageTree::LinkRefusal(const std::string& name, const std::string& target) const
{
    const std::string key = FoldedName(target);
    const Record* found = Find(key, HashOf(key));
    if (target != name && found && NameOf(*found) == target && found->kind == kFile)
        return std::string();
    return "links to '" + target + "', which is no earlier file of the package";
}

std::unordered_map<std::string, PackageTree::Node> PackageTree::Nodes() const
{
    std::unordered_map<std::string, Node> nodes;
    for (const Record& record : records_)
        nodes.emplace(KeyOf(record), Node{std::string(NameOf(record)), record.kind});
    return nodes;
}

std::string StoredSpellings::Add(const std::string& name)
{
    if (IsAsciiName(name))
        return std::string();
    for (size_t end = name.find('/');; end = name.find('/', end + 1)) {
        const std::string spelling = name.substr(0, end);
        // An ASCII name has one spelling; a name that is not UTF-8 is
        // converted by no one.
        if (!IsAsciiName(spelling) && ustring::is_valid(spelling)) {
            const auto first = first_.emplace(ustring(spelling).normalize(ustring::NFD).c_str(), spelling).first;
            if (first->second != spelling)
                return CollisionRefusal(first->second);
        }
        if (end == std::string::npos)
            return std::string();
    }
}
