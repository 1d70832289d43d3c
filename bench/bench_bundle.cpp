#include "bench_bundle.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#include "bench_support.h"

namespace bench {

namespace {

std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}

bool WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
    return bool(out);
}

// Lower-case words of random letters: deflate saves about a third of them.
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

// The demo bundle of the given build, with the demo client's package.
bool MakeDemoBundle(const std::string& bundles, const std::string& name, int build)
{
    return Shell("bash " + Quoted(std::string(VELMORA_SOURCE_DIR) + "/scripts/make-demo-bundle.sh") + " --bin-dir " +
                 Quoted(VELMORA_BIN_DIR) + " --name " + Quoted(name) + " " + std::to_string(build) + " " +
                 Quoted(bundles) + " >/dev/null");
}

// The package's Contents with the stand-in client and the bundle's INFO.
bool StageStandIn(const std::string& app, const std::string& contents)
{
    return Shell("mkdir -p " + Quoted(contents + "/MacOS") + " " + Quoted(contents + "/Resources/data") +
                 " && cp /bin/true " + Quoted(contents + "/MacOS/cloud-drive-ui") + " && cp " +
                 Quoted(app + "/Contents/Resources/INFO") + " " + Quoted(contents + "/Resources/INFO"));
}

bool Zip(const std::string& stage, const std::string& package)
{
    return Shell("rm -f " + Quoted(package) + " && cd " + Quoted(stage) + " && zip -q -r -y -X " + Quoted(package) +
                 " Contents");
}

// The launcher checks the package against the digest its INFO records, as
// in every bundle the packaging command makes: the new package's goes in.
bool RecordDigest(const std::string& app, const std::string& package)
{
    return Shell("digest=$(sha256sum " + Quoted(package) +
                 " | cut -d' ' -f1) && sed -i \"s/^package_sha256=.*/package_sha256=$digest/\" " +
                 Quoted(app + "/Contents/Resources/INFO"));
}

}  // namespace

Bundle MakeBundle(const std::string& scratch, const std::string& name, int build, const Payload& payload)
{
    const std::string bundles = scratch + "/bundles";
    const std::string app = bundles + "/" + name + ".app";
    const std::string stage = scratch + "/stage-" + name;
    const std::string package = app + "/Contents/Resources/package/larkspan.vpk";
    const bool made = MakeDemoBundle(bundles, name, build) && StageStandIn(app, stage + "/Contents") &&
                      payload(stage + "/Contents/Resources/data") && Zip(stage, package) && RecordDigest(app, package);
    Shell("rm -rf " + Quoted(stage));
    if (!made)
        return Bundle{};
    return Bundle{app + "/Contents/MacOS/velmora-launcher", package};
}

Bundle TwinWithoutDigest(const std::string& scratch, const std::string& name)
{
    const std::string app = scratch + "/bundles/" + name + ".app";
    const std::string twin = scratch + "/bundles/" + name + " without digest.app";
    const std::string info = "/Contents/Resources/INFO";
    if (!Shell("rm -rf " + Quoted(twin) + " && cp -al " + Quoted(app) + " " + Quoted(twin) + " && rm " +
               Quoted(twin + info) + " && grep -v '^package_sha256=' " + Quoted(app + info) + " > " +
               Quoted(twin + info)))
        return Bundle{};
    return Bundle{twin + "/Contents/MacOS/velmora-launcher", twin + "/Contents/Resources/package/larkspan.vpk"};
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
                     Quoted(folder) + ")\"") &&
               Shell("cd " + Quoted(folder) +
                     " && find . | LC_ALL=C sort | awk '{ if (tolower($0) in seen) print;"
                     " else seen[tolower($0)] = 1 }' | while IFS= read -r name; do rm -rf \"$name\"; done");
    };
}

Payload RandomFiles(int count, int size)
{
    return [count, size](const std::string& folder) {
        std::mt19937_64 random(7);
        std::string bytes(size, '\0');
        if (mkdir((folder + "/bin").c_str(), 0755) != 0)
            return false;
        for (int i = 0; i < count; ++i) {
            for (size_t at = 0; at + sizeof(uint64_t) <= bytes.size(); at += sizeof(uint64_t)) {
                const uint64_t word = random();
                memcpy(&bytes[at], &word, sizeof word);
            }
            if (!WriteFile(folder + "/bin/lib" + std::to_string(i) + ".so", bytes))
                return false;
        }
        return true;
    };
}

Payload Together(const Payload& first, const Payload& second)
{
    return [first, second](const std::string& folder) { return first(folder) && second(folder); };
}

}  // namespace bench
