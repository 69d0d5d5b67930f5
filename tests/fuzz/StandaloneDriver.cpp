// Runs a fuzz target without libFuzzer (g++ has none): every file of the
// corpus folders given, then random and mutated inputs until the time is up.
// Understands the libFuzzer options that the scripts pass:
//   -max_total_time=SECONDS  -runs=N  -seed=N  -timeout=SECONDS
// An input that crashes, fails a check or runs into the time limit is written
// to crash-<target>-<n> in the current folder before the run ends.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)());

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t MaxLength = 4096;

// The input being run, kept where a dying process can still write it out.
const Bytes* g_current = nullptr;
std::string g_crashName = "crash";

void WriteCurrent() {
    if (!g_current)
        return;
    const std::string name = g_crashName + "-" + std::to_string(::getpid());
    if (FILE* f = std::fopen(name.c_str(), "wb")) {
        std::fwrite(g_current->data(), 1, g_current->size(), f);
        std::fclose(f);
        std::fprintf(stderr, "input written to %s\n", name.c_str());
    }
}

extern "C" void OnFatalSignal(int signal) {
    if (signal == SIGALRM)
        std::fprintf(stderr, "input ran into the time limit\n");
    WriteCurrent();
    std::signal(signal, SIG_DFL);
    std::raise(signal == SIGALRM ? SIGABRT : signal);
}

void Run(const Bytes& input, unsigned timeout) {
    g_current = &input;
    if (timeout)
        ::alarm(timeout);
    // A copy of its own, so that reads past the end are caught.
    const auto copy = std::make_unique<std::uint8_t[]>(input.size());
    std::copy(input.begin(), input.end(), copy.get());
    LLVMFuzzerTestOneInput(copy.get(), input.size());
    g_current = nullptr;
}

Bytes Mutate(Bytes b, const std::vector<Bytes>& pool, std::mt19937_64& random) {
    static constexpr std::uint8_t Interesting[] = {0, 1, 0x7f, 0x80, 0xff, '\r', '\n', 0x1a, ' ', '-', '+',
                                                   '$', 'x', '0', '9', 'f', 0xfe, 0x3f, 0xf0};
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % std::max<std::size_t>(n, 1)); };
    const int steps = 1 + static_cast<int>(random() % 8);
    for (int s = 0; s < steps; ++s) {
        switch (random() % 8) {
        case 0:
            if (!b.empty())
                b[pick(b.size())] ^= static_cast<std::uint8_t>(1U << (random() % 8));
            break;
        case 1:
            if (!b.empty())
                b[pick(b.size())] = static_cast<std::uint8_t>(random());
            break;
        case 2:
            if (!b.empty())
                b[pick(b.size())] = Interesting[pick(std::size(Interesting))];
            break;
        case 3:
            if (b.size() < MaxLength)
                b.insert(b.begin() + static_cast<std::ptrdiff_t>(pick(b.size() + 1)),
                         static_cast<std::uint8_t>(random() % 2 ? random() : Interesting[pick(std::size(Interesting))]));
            break;
        case 4:
            if (!b.empty())
                b.erase(b.begin() + static_cast<std::ptrdiff_t>(pick(b.size())));
            break;
        case 5: {
            // Repeat a piece.
            if (b.empty() || b.size() >= MaxLength)
                break;
            const std::size_t from = pick(b.size());
            const std::size_t length = 1 + pick(std::min<std::size_t>(b.size() - from, 64));
            const Bytes piece(b.begin() + static_cast<std::ptrdiff_t>(from),
                              b.begin() + static_cast<std::ptrdiff_t>(from + length));
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(pick(b.size() + 1)), piece.begin(), piece.end());
            break;
        }
        case 6: {
            // Splice with another input.
            const Bytes& other = pool[pick(pool.size())];
            if (other.empty())
                break;
            const std::size_t cut = pick(b.size() + 1);
            b.resize(cut);
            const std::size_t from = pick(other.size());
            b.insert(b.end(), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
            break;
        }
        default:
            if (b.size() > 1)
                b.resize(pick(b.size()));
            break;
        }
    }
    if (b.size() > MaxLength)
        b.resize(MaxLength);
    return b;
}

Bytes RandomInput(std::mt19937_64& random) {
    Bytes b(static_cast<std::size_t>(random() % 256));
    for (std::uint8_t& c : b)
        c = static_cast<std::uint8_t>(random());
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    double seconds = 10;
    long long runs = -1;
    unsigned timeout = 10;
    std::uint64_t seed = std::random_device{}();
    std::vector<Bytes> pool;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("-max_total_time="))
            seconds = std::atof(arg.c_str() + 16);
        else if (arg.starts_with("-runs="))
            runs = std::atoll(arg.c_str() + 6);
        else if (arg.starts_with("-seed="))
            seed = std::strtoull(arg.c_str() + 6, nullptr, 10);
        else if (arg.starts_with("-timeout="))
            timeout = static_cast<unsigned>(std::atoi(arg.c_str() + 9));
        else if (arg.starts_with("-"))
            std::fprintf(stderr, "ignored option %s\n", arg.c_str());
        else if (fs::is_directory(arg))
            for (const auto& entry : fs::directory_iterator(arg)) {
                std::ifstream in(entry.path(), std::ios::binary);
                pool.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            }
        else {
            std::ifstream in(arg, std::ios::binary);
            pool.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    g_crashName = "crash-" + fs::path(argv[0]).filename().string();
    for (const int s : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGALRM})
        std::signal(s, OnFatalSignal);
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(WriteCurrent);

    std::printf("seed %llu, %zu corpus inputs, %g s\n", static_cast<unsigned long long>(seed), pool.size(), seconds);
    std::fflush(stdout);
    long long executions = 0;
    for (const Bytes& input : pool) {
        Run(input, timeout);
        ++executions;
    }
    if (pool.empty())
        pool.emplace_back();

    std::mt19937_64 random(seed);
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::duration<double>(seconds);
    while ((runs < 0 || executions < runs) && std::chrono::steady_clock::now() < end) {
        const Bytes input = random() % 8 == 0 ? RandomInput(random) : Mutate(pool[random() % pool.size()], pool, random);
        Run(input, timeout);
        ++executions;
    }
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("#%lld DONE: %lld executions in %.1f s, no findings\n", executions, executions, elapsed);
    return 0;
}
