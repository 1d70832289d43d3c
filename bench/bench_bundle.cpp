#include "bench_bundle.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>

#include "bench_support.h"

namespace bench {

namespace {

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

bool WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
    return bool(out);
}

// Lower-case words of random letters: deflate saves about 40%, as it does
// on the client's own resources.
std::string Text(unsigned& seed, int size)
{
    std::string text(size, ' ');
    for (int i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        const unsigned letter = (seed >> 16) % 32;
        text[i] = letter < 26 ? char('a' + letter) : (letter < 31 ? ' ' : '\n');
    }
    return text;
}

}  // namespace

Bundle MakeBundle(const std::string& scratch, const std::string& name, int build, const Payload& payload)
{
    const std::string bundles = scratch + "/bundles";
    const std::string app = bundles + "/" + name + ".app";
    const std::string stage = scratch + "/stage-" + name;
    const std::string package = app + "/Contents/Resources/package/larkspan.vpk";
    const bool made =
        Shell("bash " + Quoted(std::string(VELMORA_SOURCE_DIR) + "/scripts/make-demo-bundle.sh") +
              " --bin-dir " + Quoted(VELMORA_BIN_DIR) + " --name " + Quoted(name) + " " +
              std::to_string(build) + " " + Quoted(bundles) + " >/dev/null") &&
        Shell("mkdir -p " + Quoted(stage + "/Contents/MacOS") + " " + Quoted(stage + "/Contents/Resources/data") +
              " && cp /bin/true " + Quoted(stage + "/Contents/MacOS/cloud-drive-ui") + " && cp " +
              Quoted(app + "/Contents/Resources/INFO") + " " + Quoted(stage + "/Contents/Resources/INFO")) &&
        payload(stage + "/Contents/Resources/data") &&
        Shell("rm -f " + Quoted(package) + " && cd " + Quoted(stage) + " && zip -q -r -y -X " + Quoted(package) +
              " Contents");
    Shell("rm -rf " + Quoted(stage));
    if (!made)
        return Bundle{};
    return Bundle{app + "/Contents/MacOS/velmora-launcher", package};
}

Payload SmallFiles(int count, int size)
{
    return [count, size](const std::string& folder) {
        unsigned seed = 1;
        std::string subfolder;
        for (int i = 0; i < count; ++i) {
            if (i % 100 == 0) {
                subfolder = folder + "/d" + std::to_string(i / 100);
                if (mkdir(subfolder.c_str(), 0755) != 0)
                    return false;
            }
            if (!WriteFile(subfolder + "/f" + std::to_string(i) + ".txt", Text(seed, size)))
                return false;
        }
        return true;
    };
}

Payload SystemCopies(const std::string& sources)
{
    return [sources](const std::string& folder) {
        return Shell("cp -a --parents " + sources + " " + Quoted(folder) + " 2>/dev/null; test -n \"$(ls -A " +
                     Quoted(folder) + ")\"");
    };
}

}  // namespace bench
