#include "format/set_text_import.h"

#include "data/names.h"
#include "data/species.h"

namespace rusrina {

SetAppendResult appendSets(Box& box, std::span<const ParsedSet> sets) {
    SetAppendResult result;
    result.firstSlot = box.count();
    for (const ParsedSet& set : sets) {
        if (!set.ok())
            ++result.failed;
        else if (box.add(*set.entry, set.extra).ok())
            ++result.added;
        else
            ++result.noRoom;
    }
    return result;
}

std::string setAppendSummaryText(const SetAppendResult& result) {
    std::string text = std::to_string(result.added) + " 件追加しました。";
    if (result.noRoom > 0)
        text += "ボックスが一杯のため " + std::to_string(result.noRoom) + " 件は追加できませんでした。";
    if (result.failed > 0)
        text += "読めなかった " + std::to_string(result.failed) + " 件は追加していません。";
    return text;
}

std::vector<SetPreviewRow> setPreviewRows(std::span<const ParsedSet> sets) {
    std::vector<SetPreviewRow> rows;
    for (const ParsedSet& set : sets) {
        if (set.ok()) {
            const BoxEntry& e = *set.entry;
            std::string text = entryNameUtf8(e);
            if (text != speciesName(e.species))
                text += "（" + std::string(speciesName(e.species)) + "）";
            text += " Lv" + std::to_string(e.level) + " " + natureName(e.nature);
            rows.push_back({PreviewKind::Entry, std::move(text)});
        } else {
            rows.push_back({PreviewKind::Failure, "× " + noteLineText(*set.failure)});
        }
        for (const SetTextNote& note : set.warnings)
            rows.push_back({PreviewKind::Warning, "　△ " + noteLineText(note)});
        for (const SetTextNote& note : set.notes)
            rows.push_back({PreviewKind::Note, "　・ " + noteLineText(note)});
    }
    return rows;
}

std::string setPreviewSummaryText(std::span<const ParsedSet> sets) {
    int ok = 0, failed = 0, warnings = 0;
    for (const ParsedSet& set : sets) {
        (set.ok() ? ok : failed) += 1;
        warnings += static_cast<int>(set.warnings.size());
    }
    return "追加 " + std::to_string(ok) + " 件　読めない " + std::to_string(failed) + " 件　警告 " +
           std::to_string(warnings) + " 件";
}

} // namespace rusrina
