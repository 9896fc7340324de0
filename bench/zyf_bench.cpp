// Benchmarks of the conversion engine on real Chinese text, and the preparation of the
// inputs that scripts/bench hands to pinyin-pro and to the zyf process.
//
//   zyf_bench prepare DIR FILE...    UTF-8 text files in, DIR/corpus.gbk and friends out
//   zyf_bench run DIR [benchmark flags]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/gbk_codec.h"
#include "cli/piecewise_conversion.h"
#include "pinyin/conversion.h"
#include "pinyin/readings.h"
#include "text/hanzi.h"

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;
constexpr std::size_t kCorpusBytes = 4 * kMiB;       // the in-process benchmarks
constexpr std::size_t kProcessBytes = 20 * kMiB;     // zyf as a process, GBK
constexpr std::size_t kMemoryBytes = 100 * kMiB;     // zyf's peak memory, UTF-8
constexpr std::size_t kLiteralSearchHanzi = 1000;    // the slow baseline runs on a slice

bool ReadFile(const std::string& path, std::string& out) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[1 << 16];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, got);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool WriteFile(const std::string& path, std::string_view bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// Whole copies of text until at least size bytes.
std::string RepeatTo(std::string_view text, std::size_t size) {
    std::string out;
    out.reserve(size + text.size());
    while (out.size() < size) out += text;
    return out;
}

int Prepare(const std::string& dir, const std::vector<std::string>& files) {
    std::string utf8;
    for (const std::string& f : files) {
        if (!ReadFile(f, utf8)) {
            std::fprintf(stderr, "zyf_bench: cannot read %s\n", f.c_str());
            return 1;
        }
    }
    GbkText gbk;
    if (!Utf8ToGbk(utf8, gbk)) {
        std::fprintf(stderr, "zyf_bench: the corpus is not UTF-8\n");
        return 1;
    }
    const std::string corpus = RepeatTo(gbk, kCorpusBytes);
    const HanziList hanzi = ExtractHanzi(corpus);
    const bool ok = WriteFile(dir + "/corpus.gbk", corpus) &&
                    WriteFile(dir + "/hanzi.txt", GbkToUtf8(hanzi.Joined())) &&
                    WriteFile(dir + "/process.gbk", RepeatTo(gbk, kProcessBytes)) &&
                    WriteFile(dir + "/memory.input", RepeatTo(utf8, kMemoryBytes));
    if (!ok) {
        std::fprintf(stderr, "zyf_bench: cannot write into %s\n", dir.c_str());
        return 1;
    }
    std::printf("corpus: %zu bytes of UTF-8, %zu of GBK; benchmark text %zu bytes, %zu hanzi\n",
                utf8.size(), gbk.size(), corpus.size(), hanzi.Count());
    return 0;
}

void SetHanziRate(benchmark::State& state, std::size_t hanziPerIteration) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * hanziPerIteration));
    state.counters["hanzi"] = static_cast<double>(hanziPerIteration);
}

void RegisterAll(const std::string& corpus) {
    const std::size_t count = ExtractHanzi(corpus).Count();
    struct Mode {
        const char* name;
        PinyinMode mode;
    };
    for (const Mode m : {Mode{"tones", PinyinMode::WithTones}, Mode{"toneless", PinyinMode::WithoutTones},
                         Mode{"initials", PinyinMode::InitialsOnly}}) {
        for (const bool mixed : {false, true}) {
            const std::string name = std::string("ConvertText/") + m.name + (mixed ? "/mixed" : "/plain");
            benchmark::RegisterBenchmark(name.c_str(), [&corpus, count, m, mixed](benchmark::State& state) {
                for (auto _ : state) {
                    Conversion c = ConvertText(corpus, m.mode, mixed);
                    benchmark::DoNotOptimize(c.text.data());
                    benchmark::ClobberMemory();
                }
                SetHanziRate(state, count);
            })->Unit(benchmark::kMillisecond)->UseRealTime();
        }
    }
    // zyf --phrases: the hanzi read as words, as zyf converts a piece of text.
    benchmark::RegisterBenchmark("PhraseConversion/tones/plain", [&corpus, count](benchmark::State& state) {
        for (auto _ : state) {
            PiecewiseConverter converter(PinyinMode::WithTones, false, false, true);
            PiecewiseConverter::Piece p = converter.Convert(corpus);
            benchmark::DoNotOptimize(p.text.data());
            p = converter.Finish();
            benchmark::DoNotOptimize(p.text.data());
            benchmark::ClobberMemory();
        }
        SetHanziRate(state, count);
    })->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("ExtractHanzi", [&corpus, count](benchmark::State& state) {
        for (auto _ : state) {
            HanziList list = ExtractHanzi(corpus);
            benchmark::DoNotOptimize(list.Joined().data());
            benchmark::ClobberMemory();
        }
        SetHanziRate(state, count);
    })->Unit(benchmark::kMillisecond)->UseRealTime();
    // The reading of each character found by searching the whole ToneDictionary for it.
    benchmark::RegisterBenchmark("LiteralSearch", [&corpus](benchmark::State& state) {
        const HanziList list = ExtractHanzi(corpus);
        const std::size_t n = std::min(list.Count(), kLiteralSearchHanzi);
        for (auto _ : state) {
            for (std::size_t i = 0; i < n; ++i) {
                GbkText r = ToneReadingBySearch(list.Item(i));
                benchmark::DoNotOptimize(r.data());
            }
        }
        SetHanziRate(state, n);
    })->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 3 && args[0] == "prepare") {
        return Prepare(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    }
    if (args.size() < 2 || args[0] != "run") {
        std::fprintf(stderr, "usage: zyf_bench prepare DIR FILE... | zyf_bench run DIR [benchmark flags]\n");
        return 2;
    }
    std::string corpus;
    if (!ReadFile(args[1] + "/corpus.gbk", corpus)) {
        std::fprintf(stderr, "zyf_bench: no %s/corpus.gbk; run prepare first\n", args[1].c_str());
        return 1;
    }
    // The tables are built once, outside the timed loops.
    for (PinyinMode mode : {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly}) {
        ConvertText("中", mode, false);
        ConvertText("中", mode, true);
    }
    RegisterAll(corpus);
    // Google Benchmark reads its own flags; the two words before them are ours.
    std::vector<char*> rest{argv[0]};
    for (int i = 3; i < argc; ++i) rest.push_back(argv[i]);
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data())) return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
