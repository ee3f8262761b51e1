// Replays every file of a corpus folder through a fuzz target, so the
// corpus runs as an ordinary test (and under the sanitizers) without libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    int files = 0;
    for (int a = 1; a < argc; ++a) {
        std::filesystem::path root(argv[a]);
        std::vector<std::filesystem::path> paths;
        if (std::filesystem::is_directory(root)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(root))
                if (e.is_regular_file())
                    paths.push_back(e.path());
        } else {
            paths.push_back(root);
        }
        for (const auto& p : paths) {
            std::ifstream in(p, std::ios::binary);
            std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++files;
        }
    }
    std::printf("replayed %d inputs\n", files);
    return files > 0 ? 0 : 1;
}
