#include "package-tree.h"

#include <unicode/ucasemap.h>

#include <algorithm>
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
    std::unique_ptr<UCaseMap, void (*)(UCaseMap*)> map(ucasemap_open("", U_FOLD_CASE_DEFAULT, &status),
                                                       ucasemap_close);
    std::string folded(decomposed.size() * 3 + 16, '\0');
    const int32_t length = ucasemap_utf8FoldCase(map.get(), &folded[0], static_cast<int32_t>(folded.size()),
                                                 decomposed.c_str(), static_cast<int32_t>(decomposed.size()),
                                                 &status);
    if (U_FAILURE(status))
        return decomposed.c_str();
    folded.resize(length);
    return ustring(folded).normalize(ustring::NFD).c_str();
}

}  // namespace

std::string FoldedName(const std::string& name)
{
    // Most names are ASCII, which folds to its lower case and has nothing
    // to decompose; a name that is not UTF-8 is compared as its bytes.
    if (std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; })
        || !ustring::is_valid(name)) {
        std::string folded = name;
        for (char& c : folded)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        return folded;
    }
    return FoldedUnicode(name);
}

std::string PackageTree::Place(const std::string& name, Kind kind, bool on_the_way)
{
    const auto placed = nodes_.emplace(FoldedName(name), Node{name, kind});
    const Node& earlier = placed.first->second;
    if (placed.second || (earlier.name == name && earlier.kind == kind))
        return std::string();
    if (earlier.name != name)
        return "collides with '" + earlier.name + "' on a volume that ignores case and Unicode normalization";
    if (on_the_way)
        return "lies below '" + name + "', which the package stores as " + KindText(earlier.kind);
    return "turns '" + name + "', stored earlier as " + KindText(earlier.kind) + ", into " + KindText(kind);
}

std::string PackageTree::Add(const std::string& name, Kind kind)
{
    for (size_t slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1)) {
        const std::string why = Place(name.substr(0, slash), kFolder, true);
        if (!why.empty())
            return why;
    }
    return Place(name, kind, false);
}

std::string PackageTree::LinkRefusal(const std::string& name, const std::string& target) const
{
    const auto found = nodes_.find(FoldedName(target));
    if (target != name && found != nodes_.end() && found->second.name == target && found->second.kind == kFile)
        return std::string();
    return "links to '" + target + "', which is no earlier file of the package";
}
