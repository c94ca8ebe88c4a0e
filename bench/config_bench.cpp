// Reading, writing and a read-write round trip of a configuration file, each
// beside its floor: the plain C-library read of the same bytes, and the plain
// temporary file, write, fsync and rename of the same bytes.
//
// The files live in $KAVELO_BENCH_DIR, or in ./bench-files: a directory on the
// disk that a camera's card would stand for, not a memory file system.
#include "ConfigFileText.h"
#include "KaveloConfigParser.h"
#include "ReadReport.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Sample {
    const char* name;
    KaveloConfigParser config; // what the file holds
    std::string text;          // the file's bytes
    std::string readPath;      // read by the read benchmarks, never written
    std::string writePath;     // replaced by the write benchmarks
};

std::string gDirectory;

void die(const std::string& why) {
    std::fprintf(stderr, "config_bench: %s\n", why.c_str());
    std::exit(1);
}

void writeFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0)
        die("cannot write " + path);
}

// The identification can only come from a file's text: the two identifiers
// alone, read from memory; the settings then keep their defaults.
KaveloConfigParser identified(const std::string& firmware, const std::string& revision) {
    KaveloConfigParser config;
    std::string text = "{" + firmware + "}\n{" + revision + "}\n";
    FILE* stream = fmemopen(text.data(), text.size(), "r");
    ReadReport quiet;
    quiet.toStandardError = false; // every setting line is missing here
    if (stream == nullptr || !config.parseConfigFile(stream, quiet))
        die("the identification does not load");
    return config;
}

// Every value at its longest and both identifiers at 255 bytes: the largest
// file the writer makes. Firmware 2.25 writes every setting line, so a read
// finds them all and prints nothing.
KaveloConfigParser fullSize() {
    KaveloConfigParser config =
        identified(std::string(249, 'F') + " v2.25", std::string(250, 'R') + " v003");
    for (int index = 0; index < kSettingCount; ++index)
        config.setCameraValue(index, INT_MIN);
    config.setCameraValue(kDateFormat, 0); // a date line is longer than any value
    config.setCameraValue(kDateTime, 1);
    return config;
}

// A camera's file as it comes: the default settings, short identifiers.
KaveloConfigParser typical() {
    return identified("KAVELO v2.20", "HW v003");
}

Sample gSamples[] = {{"full", {}, {}, {}, {}}, {"typical", {}, {}, {}, {}}};

void prepareSamples() {
    const char* chosen = std::getenv("KAVELO_BENCH_DIR");
    gDirectory = chosen != nullptr && *chosen != '\0' ? chosen : "bench-files";
    mkdir(gDirectory.c_str(), 0755);
    gSamples[0].config = fullSize();
    gSamples[1].config = typical();
    for (Sample& sample : gSamples) {
        sample.text = configFileText(sample.config, currentLocalTime());
        sample.readPath = gDirectory + "/" + sample.name + "-read.txt";
        sample.writePath = gDirectory + "/" + sample.name + "-write.txt";
        writeFile(sample.readPath, sample.text);
        writeFile(sample.writePath, sample.text);
        std::printf("%-8s %zu bytes in %s\n", sample.name, sample.text.size(),
                    sample.readPath.c_str());
    }
}

void readConfig(benchmark::State& state, const Sample* sample) {
    KaveloConfigParser config = sample->config;
    for (auto _ : state) {
        if (!config.readConfigFile(sample->readPath.c_str()))
            state.SkipWithError("the file does not load");
        benchmark::DoNotOptimize(config);
    }
}

void readFloor(benchmark::State& state, const Sample* sample) {
    char buffer[kMaxFileSize + 1];
    for (auto _ : state) {
        FILE* file = std::fopen(sample->readPath.c_str(), "rb");
        if (file == nullptr) {
            state.SkipWithError("cannot open the file");
            break;
        }
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        std::fclose(file);
        benchmark::DoNotOptimize(got);
        benchmark::DoNotOptimize(buffer);
    }
}

void writeConfig(benchmark::State& state, const Sample* sample) {
    for (auto _ : state) {
        if (!sample->config.writeConfigFile(sample->writePath.c_str()))
            state.SkipWithError("the save failed");
    }
}

void writeFloor(benchmark::State& state, const Sample* sample) {
    const std::string pattern = gDirectory + "/.floor-XXXXXX";
    for (auto _ : state) {
        std::string temporary = pattern;
        const int fd = mkstemp(&temporary[0]);
        const bool ok = fd >= 0 &&
                        write(fd, sample->text.data(), sample->text.size()) ==
                            static_cast<ssize_t>(sample->text.size()) &&
                        fsync(fd) == 0;
        if (fd >= 0)
            close(fd);
        if (!ok || rename(temporary.c_str(), sample->writePath.c_str()) != 0) {
            state.SkipWithError("the plain save failed");
            break;
        }
    }
}

void roundTrip(benchmark::State& state, const Sample* sample) {
    KaveloConfigParser config = sample->config;
    for (auto _ : state) {
        if (!config.readConfigFile(sample->writePath.c_str()) ||
            !config.writeConfigFile(sample->writePath.c_str()))
            state.SkipWithError("the round trip failed");
    }
}

// Prints the results as usual, then each read's mean time over its floor's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (single || run.aggregate_name == "mean")
                means_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const Sample& sample : gSamples) {
            const std::string name = sample.name;
            const auto read = means_.find("read/" + name);
            const auto floor = means_.find("read_floor/" + name);
            if (read != means_.end() && floor != means_.end() && floor->second > 0)
                std::printf("read / read floor, %s file: %.2f\n", sample.name,
                            read->second / floor->second);
        }
    }

  private:
    std::map<std::string, double> means_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    prepareSamples();
    using Body = void (*)(benchmark::State&, const Sample*);
    const struct {
        const char* name;
        Body body;
    } kinds[] = {
        {"read", readConfig},        {"read_floor", readFloor}, {"write", writeConfig},
        {"write_floor", writeFloor}, {"round_trip", roundTrip},
    };
    for (const Sample& sample : gSamples) {
        for (const auto& kind : kinds) {
            const std::string name = std::string(kind.name) + "/" + sample.name;
            benchmark::RegisterBenchmark(name.c_str(), kind.body, &sample)
                ->Unit(benchmark::kMicrosecond)
                ->UseRealTime();
        }
    }
    RatioReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                 : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
