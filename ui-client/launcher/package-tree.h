#ifndef VELMORA_LAUNCHER_PACKAGE_TREE_H
#define VELMORA_LAUNCHER_PACKAGE_TREE_H

#include <string>
#include <unordered_map>

// The tree a package's entries leave below the destination, as the
// client's volume compares names: without regard to case or Unicode
// normalization, as that platform formats its volumes by default. The
// package is made for that platform, so the rule holds here too.
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
    // Every folder, file and link, by folded name.
    const std::unordered_map<std::string, Node>& Nodes() const { return nodes_; }

private:
    std::string Place(const std::string& name, Kind kind, bool on_the_way);

    std::unordered_map<std::string, Node> nodes_;
};

// A name as such a volume compares it: case folded and decomposed.
std::string FoldedName(const std::string& name);

#endif  // VELMORA_LAUNCHER_PACKAGE_TREE_H
