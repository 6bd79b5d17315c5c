#include "view/detail/move_list.h"

#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "text/ui_text.h"

#include <algorithm>
#include <initializer_list>

namespace rusrina {
namespace {

// Every ZV and JYJY tutor row names the move tutor ("教え屋教え技").
constexpr int kTutorMethodIndex = 5;

const char* tableSetCode(TableSet set) {
    switch (set) {
    case TableSet::QXZV:
        return "QXZV";
    case TableSet::JYJY:
        return "JY";
    case TableSet::TK:
        return "TK";
    }
    return "";
}

// Method texts all begin with the name of the species the row belongs to.
std::string methodPrefix(int species) {
    return std::string(" ") + speciesName(species) + " ";
}

std::string levelMethod(int species, Edition edition, int level) {
    return methodPrefix(species) + editionCode(edition, true) + "-LV:" + std::to_string(level);
}

std::string machineMethod(int species, TableSet set, int slot) {
    return methodPrefix(species) + tableSetCode(set) +
           (machineIsHidden(set, slot) ? text::uiText("MoveList", "-ひでん:") : text::uiText("MoveList", "-マシン:")) +
           std::to_string(machineNumber(set, slot));
}

std::string eggMethod(int species, TableSet set) {
    return methodPrefix(species) + tableSetCode(set) + text::uiText("MoveList", "-遺伝");
}

std::string tutorMethod(int species, Edition edition) {
    return methodPrefix(species) + editionCode(edition, true) + ":" + specialMethodName(kTutorMethodIndex);
}

// Collects rows, dropping moves outside the table (a damaged entry) and moves the choosers filter out.
class RowSink {
public:
    RowSink(std::vector<MoveRow>& rows, const MoveListOptions& options) : m_rows(rows), m_options(options) {}

    void add(int move, int keyBase, std::string method) {
        if (isValidMove(move) && passesFilter(move, m_options.categoryPosition, m_options.typePosition))
            m_rows.push_back({move, keyBase + move, std::move(method)});
    }

private:
    std::vector<MoveRow>& m_rows;
    const MoveListOptions& m_options;
};

// Each of the following lists the species' own entries of one table that are missing from every
// table in `others`; with no others it lists them all (the normal listing).

void levelRowsAbsentFrom(RowSink& sink, int species, Edition own, std::initializer_list<Edition> others) {
    for (const LevelUpEntry& entry : levelUpRow(own, species)) {
        if (entry.empty())
            break;
        const bool present = std::any_of(others.begin(), others.end(),
                                         [&](Edition other) { return levelUpPresent(other, species, entry); });
        if (!present)
            sink.add(entry.move, kLevelUpKeyBase, levelMethod(species, own, entry.level));
    }
}

void machineRowsAbsentFrom(RowSink& sink, int species, TableSet own, std::initializer_list<TableSet> others) {
    for (int slot = 0; slot < kMachineSlots; ++slot) {
        const int move = machineSlotMove(own, slot);
        if (move < 0 || !machineFlag(own, species, slot))
            continue;
        const bool present = std::any_of(others.begin(), others.end(),
                                         [&](TableSet other) { return machinePresent(other, species, move); });
        if (!present)
            sink.add(move, kMachineKeyBase, machineMethod(species, own, slot));
    }
}

void eggRowsAbsentFrom(RowSink& sink, int species, TableSet own, std::initializer_list<TableSet> others) {
    for (int move : eggRow(own, species)) {
        if (move == 0)
            continue;
        const bool present =
            std::any_of(others.begin(), others.end(), [&](TableSet other) { return eggPresent(other, species, move); });
        if (!present)
            sink.add(move, kEggKeyBase, eggMethod(species, own));
    }
}

void tutorRowsAbsentFrom(RowSink& sink, int species, Edition own, std::initializer_list<Edition> others) {
    for (int move : tutorRow(own, species)) {
        if (move == 0)
            break;
        const bool present = std::any_of(others.begin(), others.end(),
                                         [&](Edition other) { return tutorPresent(other, species, move); });
        if (!present)
            sink.add(move, kTutorKeyBase, tutorMethod(species, own));
    }
}

void specialRows(RowSink& sink, int species) {
    for (const SpecialLearnEntry& entry : specialRow(species)) {
        if (entry.move == 0)
            break;
        sink.add(entry.move - 1, kTutorKeyBase,
                 methodPrefix(species) + text::uiText("MoveList", "共通:") + specialMethodName(entry.methodText));
    }
}

void normalRows(RowSink& sink, int s, const MoveListOptions& o) {
    if (o.byLevel) {
        const std::pair<bool, Edition> editions[] = {
            {o.inQX, Edition::QX}, {o.inZV, Edition::ZV}, {o.inJYJY, Edition::JYJY}, {o.inTK, Edition::TK}};
        for (const auto& [chosen, edition] : editions) {
            if (chosen)
                levelRowsAbsentFrom(sink, s, edition, {});
        }
    }
    const std::pair<bool, TableSet> sets[] = {
        {o.inQX || o.inZV, TableSet::QXZV}, {o.inJYJY, TableSet::JYJY}, {o.inTK, TableSet::TK}};
    if (o.byMachine) {
        for (const auto& [chosen, set] : sets) {
            if (chosen)
                machineRowsAbsentFrom(sink, s, set, {});
        }
    }
    // The special and tutor rows come from the 4th-generation editions only.
    if (o.bySpecial && (o.inQX || o.inZV || o.inJYJY)) {
        specialRows(sink, s);
        if (o.inZV)
            tutorRowsAbsentFrom(sink, s, Edition::ZV, {});
        if (o.inJYJY)
            tutorRowsAbsentFrom(sink, s, Edition::JYJY, {});
    }
    if (o.byEgg) {
        for (const auto& [chosen, set] : sets) {
            if (chosen)
                eggRowsAbsentFrom(sink, s, set, {});
        }
    }
}

void zvJyjyDifference(RowSink& sink, int s, int base) {
    levelRowsAbsentFrom(sink, s, Edition::JYJY, {Edition::ZV});
    levelRowsAbsentFrom(sink, s, Edition::ZV, {Edition::JYJY});
    machineRowsAbsentFrom(sink, s, TableSet::QXZV, {TableSet::JYJY});
    machineRowsAbsentFrom(sink, s, TableSet::JYJY, {TableSet::QXZV});
    tutorRowsAbsentFrom(sink, s, Edition::ZV, {Edition::JYJY});
    tutorRowsAbsentFrom(sink, s, Edition::JYJY, {Edition::ZV});
    eggRowsAbsentFrom(sink, base, TableSet::QXZV, {TableSet::JYJY});
    eggRowsAbsentFrom(sink, base, TableSet::JYJY, {TableSet::QXZV});
}

void tkDifference(RowSink& sink, int s, int base) {
    levelRowsAbsentFrom(sink, s, Edition::TK, {Edition::QX, Edition::ZV, Edition::JYJY});
    for (Edition older : {Edition::QX, Edition::ZV, Edition::JYJY})
        levelRowsAbsentFrom(sink, s, older, {Edition::TK});
    machineRowsAbsentFrom(sink, s, TableSet::TK, {TableSet::QXZV, TableSet::JYJY});
    machineRowsAbsentFrom(sink, s, TableSet::QXZV, {TableSet::TK});
    machineRowsAbsentFrom(sink, s, TableSet::JYJY, {TableSet::TK});
    eggRowsAbsentFrom(sink, base, TableSet::TK, {TableSet::QXZV, TableSet::JYJY});
    eggRowsAbsentFrom(sink, base, TableSet::QXZV, {TableSet::TK});
    eggRowsAbsentFrom(sink, base, TableSet::JYJY, {TableSet::TK});
}

} // namespace

bool passesFilter(int move, int categoryPosition, int typePosition) {
    const MoveRecord& record = moveRecord(move);
    if (categoryPosition != 0 && record.category != categoryPosition - 1)
        return false;
    return typePosition == 0 || record.type == typeAtListPosition(typePosition);
}

std::vector<MoveRow> buildMoveRows(int species, int base, const MoveListOptions& options) {
    std::vector<MoveRow> rows;
    RowSink sink(rows, options);
    switch (options.difference) {
    case DifferenceMode::None:
        normalRows(sink, species, options);
        break;
    case DifferenceMode::QxZv:
        levelRowsAbsentFrom(sink, species, Edition::QX, {Edition::ZV});
        levelRowsAbsentFrom(sink, species, Edition::ZV, {Edition::QX});
        break;
    case DifferenceMode::ZvJyjy:
        zvJyjyDifference(sink, species, base);
        break;
    case DifferenceMode::TkOlder:
        tkDifference(sink, species, base);
        break;
    }
    return rows;
}

std::vector<MoveRow> moveList(const DetailViewState& state, const MoveListOptions& options) {
    const int base = breedingBase(state);
    std::vector<MoveRow> rows = buildMoveRows(state.current, base, options);
    if (options.withPreEvolutions) {
        for (int pre : {state.preEvo1, state.preEvo2}) {
            if (pre == kNoSpeciesSlot)
                continue;
            std::vector<MoveRow> more = buildMoveRows(pre, base, options);
            rows.insert(rows.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
        }
    }
    return rows;
}

std::string moveRowText(const MoveRow& row, int column) {
    const MoveRecord& move = moveRecord(row.move);
    switch (column) {
    case 0:
        return std::to_string(row.move + 1);
    case 1:
        return row.method;
    case 2:
        return std::string(" ") + move.name;
    case 3:
        return std::string(" ") + typeName(move.type);
    case 4:
        return std::string(" ") + moveCategoryName(move.category);
    case 5:
        return " " + std::to_string(move.power);
    case 6:
        return " " + std::to_string(move.accuracy);
    case 7:
        return " " + std::to_string(move.pp);
    case 8:
        return std::string(" ") + moveTargetName(move.target);
    default:
        return {};
    }
}

int moveRowSortKey(const MoveRow& row, int column) {
    const MoveRecord& move = moveRecord(row.move);
    switch (column) {
    case 0:
    case 2:
        return row.move;
    case 1:
        return row.sortKey;
    case 3:
        return move.type;
    case 4:
        return move.category;
    case 5:
        return move.power;
    case 6:
        return move.accuracy;
    case 7:
        return move.pp;
    default:
        return 0;
    }
}

void sortMoveRows(std::vector<MoveRow>& rows, int column, bool descending) {
    std::stable_sort(rows.begin(), rows.end(), [column, descending](const MoveRow& a, const MoveRow& b) {
        return descending ? moveRowSortKey(b, column) < moveRowSortKey(a, column)
                          : moveRowSortKey(a, column) < moveRowSortKey(b, column);
    });
}

std::vector<std::string> categoryFilterEntries() {
    std::vector<std::string> entries{text::uiText("MoveList", "指定無し")};
    for (int category = kPhysical; category <= kStatus; ++category)
        entries.emplace_back(moveCategoryName(category));
    return entries;
}

std::vector<std::string> typeFilterEntries() {
    std::vector<std::string> entries{text::uiText("MoveList", "指定無し")};
    for (int position = 1; position < kTypeCount; ++position)
        entries.emplace_back(typeName(typeAtListPosition(position)));
    return entries;
}

} // namespace rusrina
