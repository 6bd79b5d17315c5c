// The box entry edit window over its real widgets: a species change (abilities and four move
// lists rebuilt), loading an entry into the form, and a rule change (the species list rebuilt).

#include "box/box.h"

#include "settings/settings_file.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/session/box_document.h"
#include "view/edit/entry_edit.h"

#include <QComboBox>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rusrina;

namespace {

constexpr int kMew = 150; // learns nearly every machine: the longest move lists

struct EditFixture {
    QTemporaryDir dir;
    SettingsFile settings{(dir.path() + QStringLiteral("/rusrina.ini")).toStdString()};
    BoxDocument document{(dir.path() + QStringLiteral("/rusrina.vbd")).toStdString()};
    EntryEditWindow window{document, settings};

    QComboBox* combo(const char* name) { return window.findChild<QComboBox*>(QString::fromLatin1(name)); }
};

void BM_EditSpeciesChange(benchmark::State& state) {
    EditFixture f;
    QComboBox* species = f.combo("combo_species");
    const int mew = species->findData(kMew);
    for (auto _ : state) {
        species->setCurrentIndex(0);
        species->setCurrentIndex(mew);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_EditSpeciesChange)->Unit(benchmark::kMillisecond);

void BM_EditFillFromEntry(benchmark::State& state) {
    EditFixture f;
    EntryForm form;
    form.name = "みゅう";
    form.species = kMew;
    form.ability = abilityChoices(kMew).front().value;
    form.move = {86, 8, 84, 134};
    f.document.registerEntry(-1, entryFromForm(form));
    for (auto _ : state)
        f.window.fillFromEntry(0);
}
BENCHMARK(BM_EditFillFromEntry)->Unit(benchmark::kMillisecond);

void BM_EditRuleChange(benchmark::State& state) {
    EditFixture f;
    QComboBox* rule = f.combo("combo_rule");
    for (auto _ : state) {
        rule->setCurrentIndex(1);
        rule->setCurrentIndex(0);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_EditRuleChange)->Unit(benchmark::kMillisecond);

} // namespace
