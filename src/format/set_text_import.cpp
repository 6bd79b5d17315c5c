#include "format/set_text_import.h"

#include "data/names.h"
#include "data/species.h"
#include "text/ui_text.h"

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
    std::string text =
        text::fillText(text::uiText("TeamTextImport", "%1 件追加しました。"), {std::to_string(result.added)});
    if (result.noRoom > 0)
        text += text::fillText(text::uiText("TeamTextImport", "ボックスが一杯のため %1 件は追加できませんでした。"),
                               {std::to_string(result.noRoom)});
    if (result.failed > 0)
        text += text::fillText(text::uiText("TeamTextImport", "読めなかった %1 件は追加していません。"),
                               {std::to_string(result.failed)});
    return text;
}

std::vector<SetPreviewRow> setPreviewRows(std::span<const ParsedSet> sets) {
    std::vector<SetPreviewRow> rows;
    for (const ParsedSet& set : sets) {
        if (set.ok()) {
            const BoxEntry& e = *set.entry;
            std::string text = entryShownName(e);
            if (entryNameUtf8(e) != speciesJapaneseName(e.species))
                text = text::fillText(text::uiText("TeamTextImport", "%1（%2）"), {text, speciesName(e.species)});
            text += " Lv" + std::to_string(e.level) + " " + natureName(e.nature);
            rows.push_back({PreviewKind::Entry, std::move(text)});
        } else {
            rows.push_back({PreviewKind::Failure, "× " + noteLineText(*set.failure)});
        }
        for (const SetTextNote& note : set.warnings)
            rows.push_back({PreviewKind::Warning, text::uiText("TeamTextImport", "　△ ") + noteLineText(note)});
        for (const SetTextNote& note : set.notes)
            rows.push_back({PreviewKind::Note, text::uiText("TeamTextImport", "　・ ") + noteLineText(note)});
    }
    return rows;
}

std::string setPreviewSummaryText(std::span<const ParsedSet> sets) {
    int ok = 0, failed = 0, warnings = 0;
    for (const ParsedSet& set : sets) {
        (set.ok() ? ok : failed) += 1;
        warnings += static_cast<int>(set.warnings.size());
    }
    return text::fillText(text::uiText("TeamTextImport", "追加 %1 件　読めない %2 件　警告 %3 件"),
                          {std::to_string(ok), std::to_string(failed), std::to_string(warnings)});
}

} // namespace rusrina
