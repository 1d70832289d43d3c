#ifndef VELMORA_LAUNCHER_PACKAGE_TREE_H
#define VELMORA_LAUNCHER_PACKAGE_TREE_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The tree a package's entries leave below the destination, as the
// client's volume compares names: without regard to case or Unicode
// normalization, as that platform formats its volumes by default. The
// package is made for that platform, so the rule holds here too.
//
// A package holds tens of thousands of entries: the tree keeps every name
// and its folded form in one buffer, found through a table of its own, so
// adding an entry allocates nothing once the buffers have grown.
class PackageTree {
public:
    enum Kind : char { kFolder = 'd', kFile = 'f', kLink = 'l' };
    struct Node {
        std::string name;  // as the entries name it, cleaned
        Kind kind;
    };

    // Adds the entry of the cleaned name (never empty) and its folders.
    // Empty, or why the entry is refused: a name equal to an earlier one
    // only on such a volume, a folder on the way that the package stores
    // as a file or link (the writer would remove it to make the folder),
    // or a kind other than that of the earlier entry of the same name.
    std::string Add(const std::string& name, Kind kind);
    // Empty, or why a hard link to target (cleaned) is refused: it must
    // name an earlier file of the package, not the link itself.
    std::string LinkRefusal(const std::string& name, const std::string& target) const;
    // Every folder, file and link, by folded name; made on request.
    std::unordered_map<std::string, Node> Nodes() const;

private:
    // A node's name followed by its folded name, in text_.
    struct Record {
        size_t at;
        uint32_t name_size;
        uint32_t key_size;
        size_t hash;  // of the folded name
        Kind kind;
    };

    std::string_view NameOf(const Record& record) const { return {text_.data() + record.at, record.name_size}; }
    std::string_view KeyOf(const Record& record) const
    {
        return {text_.data() + record.at + record.name_size, record.key_size};
    }
    const Record* Find(std::string_view key, size_t hash) const;
    void Insert(std::string_view name, std::string_view key, size_t hash, Kind kind);
    uint32_t& FreeSlot(size_t hash);
    std::string Place(std::string_view name, std::string_view key, Kind kind, bool on_the_way);
    std::string PlaceFolders(const std::string& name);

    std::string text_;
    std::vector<Record> records_;
    std::vector<uint32_t> slots_;  // by hash, open addressing: a record's number + 1, 0 when free
    std::string key_;              // the folded name of the entry being added
    std::string prefix_key_;       // ... and of a folder on its way, where it is not ASCII
    // The folder of the last entry added whose folders were all in place:
    // most entries follow a sibling, whose folders need no second look
    // (a node, once placed, never changes).
    std::string placed_folder_;
};

// A name as such a volume compares it: case folded and decomposed.
std::string FoldedName(const std::string& name);

// Why a name is refused that such a volume takes for the earlier one.
std::string CollisionRefusal(std::string_view earlier);

bool IsAsciiName(std::string_view name);

// The names as the package stores them. The archive library normalizes
// every name it converts from UTF-8 (zip, pax tar), so two spellings of one
// name reach the tree as one, which it takes for the package repeating an
// entry; their stored bytes tell them apart. The same bytes stored twice
// are a repeat, and pass: the later entry replaces the earlier on disk.
class StoredSpellings {
public:
    // Empty, or why the entry of this stored name (cleaned) is refused: it,
    // or a folder on its way, is spelled otherwise than an earlier name that
    // is the same after Unicode normalization.
    std::string Add(const std::string& name);

private:
    std::unordered_map<std::string, std::string> first_;  // the first spelling, by decomposed form
};

#endif  // VELMORA_LAUNCHER_PACKAGE_TREE_H
