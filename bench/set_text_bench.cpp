// Team text of a full box (1024 sets): written, and read back. The import dialog reads its whole
// text again on every change, so a large paste must stay well under a frame.
#include "data/species.h"
#include "format/set_text.h"
#include "view/edit/entry_edit.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace rusrina;

namespace {

std::vector<BoxEntry> fullBoxEntries() {
    std::vector<BoxEntry> entries;
    for (int i = 0; i < kBoxCapacity; ++i) {
        EntryForm form;
        form.species = (i * 7) % kSpeciesCount;
        form.name = i % 3 ? speciesName(form.species) : "ニック" + std::to_string(i);
        form.level = 1 + i % 100;
        form.nature = i % 25;
        form.ev = {252, 252, 0, 0, 6, 0};
        const std::vector<ListChoice> moves = moveChoices(form.species, 0);
        for (int slot = 0; slot < 4 && slot + 1 < static_cast<int>(moves.size()); ++slot)
            form.move[slot] = moves[slot + 1].value;
        entries.push_back(entryFromForm(form));
    }
    return entries;
}

void BM_SetTextWriteFullBox(benchmark::State& state) {
    const std::vector<BoxEntry> entries = fullBoxEntries();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeSetTexts(entries, SetTextLanguage::English));
}
BENCHMARK(BM_SetTextWriteFullBox)->Unit(benchmark::kMillisecond);

void BM_SetTextReadFullBox(benchmark::State& state) {
    const std::string text = writeSetTexts(fullBoxEntries(), SetTextLanguage::English);
    readSetText(text); // the name indices are built once per run, not per read
    for (auto _ : state)
        benchmark::DoNotOptimize(readSetText(text));
}
BENCHMARK(BM_SetTextReadFullBox)->Unit(benchmark::kMillisecond);

// A species line that names nothing: what the suggestion ("もしかして") costs as the line grows, a
// pasted line of 1 KiB and one of 1 MiB.
void BM_SetTextUnknownSpeciesLine(benchmark::State& state) {
    const std::string text =
        "Garchompx" + std::string(static_cast<std::size_t>(state.range(0)), 'x') + "\n- Earthquake\n";
    readSetText(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(readSetText(text));
}
BENCHMARK(BM_SetTextUnknownSpeciesLine)->Arg(16)->Arg(1 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
