// Start-up benchmark. Starts the program (on its default data file) and an
// empty wxFrame program alternately, each from the same private program
// folder, and measures from just before the process is created to the first
// idle of its main window, which each reports on stdout; the program also
// reports the first paint of its channel grid. Prints the medians, the
// program's own cost (program minus empty frame) and the ratio.
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "image/FileUtil.h"
#include "image/ItemMap.h"
#include "image/Model.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

struct StartTimes {
    double idle = -1;   // ms from process creation to the first idle; negative on failure
    double paint = -1;  // ms to the first paint of the grid; negative when not reported
    std::string language;  // the language file the program had in force ("" none)
};

StartTimes TimeOneStart(const fs::path& exe, const fs::path& folder) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::string path = exe.string();
    char* argv[] = {path.data(), nullptr};
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.emplace_back("PARDEX_REPORT_FIRST_IDLE=1");
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    const long long start = NowNs();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (rc != 0) {
        close(pipeFds[0]);
        return {};
    }
    std::string output;
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    StartTimes times;
    auto find = [&](const char* word) {
        const auto at = output.find(word);
        long long ns = 0;
        if (at == std::string::npos ||
            std::sscanf(output.c_str() + at + std::strlen(word), " %lld", &ns) != 1)
            return -1.0;
        return static_cast<double>(ns - start) / 1e6;
    };
    times.idle = find("first-idle");
    times.paint = find("grid-paint");
    if (const auto at = output.find("language "); at != std::string::npos)
        times.language = output.substr(at + 9, output.find('\n', at) - at - 9);
    return times;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The build's default data files when the generator has put them beside the
// program; otherwise one file of the fallback variant with its identity.
void ProvideDefaultFiles(const fs::path& from, const fs::path& to) {
    bool any = false;
    std::error_code ec;
    for (const auto& row : FileUtil::DefaultFileTable)
        if (fs::exists(from / row.name, ec)) {
            fs::copy_file(from / row.name, to / row.name, fs::copy_options::overwrite_existing, ec);
            any = true;
        }
    if (any) return;
    std::printf("(no default data files beside the program: using a synthetic default640ud.PDX)\n");
    CloneImage image;
    const auto& row = Model::VariantTable[5];
    ItemMap::WriteHeaderField({0x02, 1, 0xFF, 0, 0}, image, 0, 0, Model::TypeCodeZT640);
    const ImageItemDescriptor items[] = {{8, 0x000, 1, 0x30, 0, 0}, {8, 0x001, 1, 0x0F, 0, 0},
                                         {8, 0x002, 1, 0xE0, 0, 0}, {8, 0x002, 1, 0x1F, 0, 0},
                                         {8, 0x006, 1, 0x0F, 0, 0}, {8, 0x007, 1, 0x0F, 0, 0}};
    const int values[] = {row.productType,   row.byte2401Low, row.bandType,
                          row.frequencyType, row.keypadType,  row.displayType};
    for (int i = 0; i < 6; ++i)
        ItemMap::WriteImageField(items[i], image, 0, 0, static_cast<std::uint32_t>(values[i]));
    std::ofstream(to / row.fileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), CloneImage::Size);
}

// A language file of `entries` translations, named in the program's
// settings so that the program loads it at start.
void ProvideLanguageFile(const fs::path& folder, int entries) {
    fs::create_directories(folder / "language");
    const fs::path file = folder / "language" / "bench.xml";
    std::ofstream out(file, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Language xml:lang=\"de\" "
           "screenfont=\"Sans\">\n<G>\n";
    for (int i = 0; i < entries; ++i)
        out << "<RID_" << 1000000 + i << "><base>Text " << i << "</base><string>Wort " << i
            << "</string><print>Druck " << i << "</print></RID_" << 1000000 + i << ">\n";
    out << "</G>\n</Language>\n";
    std::ofstream(folder / "pardex.xml", std::ios::binary)
        << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<InitialFile>\r\n<LanguageFilePath><Language>"
        << file.string() << "</Language></LanguageFilePath>\r\n</InitialFile>";
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "No display: run it as  xvfb-run -a %s [runs]\n", argv[0]);
        return 2;
    }
    // startup_bench [runs] [--language]: with --language the program loads
    // a language file of 2,000 entries at start.
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const bool language = argc > 2 && std::string(argv[2]) == "--language";

    // A private program folder: its own settings, lock and socket, so a
    // running copy of the program is not disturbed.
    std::string pattern = (fs::temp_directory_path() / "pardex_bench_XXXXXX").string();
    const fs::path folder = mkdtemp(pattern.data());
    const fs::path program = folder / "pardex";
    const fs::path empty = folder / "startup_empty_frame";
    fs::copy_file(ZT_PROGRAM_EXE, program);
    fs::copy_file(ZT_EMPTY_FRAME_EXE, empty);
    ProvideDefaultFiles(fs::path(ZT_PROGRAM_EXE).parent_path(), folder);
    if (language) ProvideLanguageFile(folder, 2000);

    // One start of each first, not counted: it fills the file caches.
    TimeOneStart(empty, folder);
    TimeOneStart(program, folder);
    std::vector<double> programTimes, emptyTimes, paintTimes;
    for (int i = 0; i < runs; ++i) {
        const StartTimes e = TimeOneStart(empty, folder);
        const StartTimes p = TimeOneStart(program, folder);
        if (e.idle < 0 || p.idle < 0) {
            std::fprintf(stderr, "A start did not report its first idle.\n");
            fs::remove_all(folder);
            return 1;
        }
        if (language && p.language.empty()) {
            std::fprintf(stderr, "The program started without the benchmark's language file.\n");
            fs::remove_all(folder);
            return 1;
        }
        emptyTimes.push_back(e.idle);
        programTimes.push_back(p.idle);
        if (p.paint >= 0) paintTimes.push_back(p.paint);
    }
    fs::remove_all(folder);

    const double p = Median(programTimes), e = Median(emptyTimes);
    std::printf("Start to first idle, median of %d starts each:\n", runs);
    std::printf("  pardex on its default data file%s: %8.1f ms\n", language ? " (2,000-entry language)" : "",
                p);
    std::printf("  empty wxFrame program:              %8.1f ms\n", e);
    std::printf("  program's own cost (difference):    %8.1f ms\n", p - e);
    std::printf("  ratio:                              %8.2f\n", p / e);
    if (paintTimes.empty())
        std::printf("  first paint of the grid:            not reported\n");
    else
        std::printf("  first paint of the grid (median of %zu): %5.1f ms\n", paintTimes.size(),
                    Median(paintTimes));
    return 0;
}
