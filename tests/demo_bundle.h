#ifndef TESTS_DEMO_BUNDLE_H
#define TESTS_DEMO_BUNDLE_H

// Assembles a demo launcher bundle with scripts/make-demo-bundle.sh, for the
// end-to-end tests and the benchmarks.
#include <cstdlib>
#include <string>
#include <vector>

namespace demo_bundle {

inline std::string SourceDir()
{
    const std::string file = __FILE__;
    return file.substr(0, file.rfind("/tests/"));
}

struct Options {
    int build = 100;
    std::vector<std::string> levels;  // lines of the log-level file
    int extraFiles = 0;
};

// The path of "<outDir>/Velmora Drive <build>.app", or empty on failure.
inline std::string Make(const std::string& binDir, const std::string& outDir, const Options& options)
{
    const std::string name = "Velmora Drive " + std::to_string(options.build);
    std::string command = "bash '" + SourceDir() + "/scripts/make-demo-bundle.sh' --bin-dir '" + binDir + "' --name '" +
                          name + "' --extra-files " + std::to_string(options.extraFiles);
    for (const std::string& level : options.levels)
        command += " --level " + level;
    command += " " + std::to_string(options.build) + " '" + outDir + "' > /dev/null";
    if (system(command.c_str()) != 0)
        return std::string();
    return outDir + "/" + name + ".app";
}

// A test that rewrites the package after velmora-pack made the bundle
// drops the digest the bundle's INFO records, as the launcher accepts a
// bundle without one; 0 when done.
inline int ForgetPackageDigest(const std::string& bundle)
{
    const std::string command = "sed -i '/^package_sha256=/d' '" + bundle + "/Contents/Resources/INFO'";
    return system(command.c_str());
}

}  // namespace demo_bundle

#endif  // TESTS_DEMO_BUNDLE_H
