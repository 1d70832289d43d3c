// Without libFuzzer (the ordinary build) each target is a program that runs
// the files and folders named on its command line once through the target,
// so the checked-in seeds and any input kept from a finding stay regression
// tests of the plain suite. Inputs are read before the target's start-up,
// which may drop privileges.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Input = std::pair<std::string, std::string>;  // name, bytes

void Collect(const std::filesystem::path& path, std::vector<Input>& out)
{
    if (std::filesystem::is_directory(path)) {
        for (const auto& entry : std::filesystem::directory_iterator(path))
            Collect(entry.path(), out);
        return;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fprintf(stderr, "cannot read %s\n", path.c_str());
        exit(2);
    }
    out.emplace_back(path.string(), std::string(std::istreambuf_iterator<char>(in), {}));
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<Input> inputs;
    for (int i = 1; i < argc; ++i)
        Collect(argv[i], inputs);
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    for (const auto& [name, bytes] : inputs) {
        fprintf(stderr, "input %s\n", name.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    fprintf(stderr, "%zu inputs, every invariant held\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
