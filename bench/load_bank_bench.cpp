// How fast a bank file is read, next to `wc -l` counting the lines of the same file.
#include "banks/bank_text.h"
#include "proc_status.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A bank of a million questions in GBK, about 100 MB, made once.
const std::filesystem::path &millionQuestionBank()
{
    static const std::filesystem::path path = [] {
        const auto file = std::filesystem::temp_directory_path() / "teaser-bench-million.dat";
        std::ofstream out(file, std::ios::binary);
        out << 1'000'000 << "\r\n";
        // "什么东西越洗越脏？" and "水" in GBK, padded to a typical line length.
        const std::string question = "\xCA\xB2\xC3\xB4\xB6\xAB\xCE\xF7\xD4\xBD\xCF\xB4\xD4\xBD\xD4\xE0\xA3\xBF";
        const std::string padding(60, ' ');
        for (int n = 1; n <= 1'000'000; ++n)
            out << n << '.' << question << padding << "\r\n"
                << "\xCB\xAE" << n << "\r\n";
        return file;
    }();
    return path;
}

// The largest bank accepted, made of the smallest lines: the worst case for
// the line index. One question, then empty lines up to the size limit.
const std::filesystem::path &largestAcceptedBank()
{
    static const std::filesystem::path path = [] {
        const auto file = std::filesystem::temp_directory_path() / "teaser-bench-largest.dat";
        std::ofstream out(file, std::ios::binary);
        const std::string head = "1\r\nQ\r\nA\r\n";
        out << head;
        const std::string emptyLines(std::size_t(1) << 20, '\n');
        std::string block;
        for (std::size_t i = 0; i < emptyLines.size() / 2; ++i)
            block += "\r\n";
        for (std::size_t written = head.size(); written + block.size() <= teaser::maxBankBytes; written += block.size())
            out << block;
        return file;
    }();
    return path;
}

void loadBank(benchmark::State &state, const std::filesystem::path &path)
{
    for (auto _ : state) {
        auto bank = teaser::readBank(path);
        benchmark::DoNotOptimize(bank);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(std::filesystem::file_size(path)));
}

void BM_LoadBank_hao2(benchmark::State &state)
{
    loadBank(state, std::filesystem::path(TEASER_PROGRAM_DIR) / "hao2.dat");
}

void BM_LoadBank_millionQuestions(benchmark::State &state)
{
    loadBank(state, millionQuestionBank());
}

void BM_LoadBank_largestAccepted(benchmark::State &state)
{
    const auto size = double(std::filesystem::file_size(largestAcceptedBank()));
    double memory = 0;
    for (auto _ : state) {
        const long before = teaser::bench::procStatusKilobytes("VmRSS:");
        auto bank = teaser::readBank(largestAcceptedBank());
        if (!std::holds_alternative<teaser::BankContent>(bank))
            state.SkipWithError("the largest bank was refused");
        memory = std::max(memory, double(teaser::bench::procStatusKilobytes("VmRSS:") - before) * 1024 / size);
        benchmark::DoNotOptimize(bank);
    }
    state.counters["memory_per_byte"] = memory;
}

void BM_WcL_millionQuestions(benchmark::State &state)
{
    const std::string command = "wc -l < '" + millionQuestionBank().string() + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("wc -l failed");
    }
}

}

BENCHMARK(BM_LoadBank_hao2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadBank_millionQuestions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WcL_millionQuestions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadBank_largestAccepted)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
