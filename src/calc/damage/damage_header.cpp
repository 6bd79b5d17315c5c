// The head of a row's calculation log: who attacks whom, the stats used and the move.

#include "calc/damage/damage_row.h"

#include "calc/stats.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "text/cp932.h"
#include "text/ui_text.h"

namespace rusrina::damage {

// The row's power, category and type.
void loadMove(Row& r) {
    if (r.isMoveRow()) {
        const MoveRecord& m = moveRecord(r.slot.move);
        r.move = moveIdOf(r.slot.move);
        r.power = m.power;
        r.category = m.category;
        r.type = m.type;
    } else {
        r.power = r.slot.direct.power;
        r.category = r.slot.direct.category;
        r.type = r.slot.direct.type;
    }
}

static void writeCreatureLine(CalcLog& log, const std::string& prefix, const BoxEntry& e) {
    log.append(prefix);
    log.appendf("LV%-3d %s ", e.level, text::padRight(speciesName(e.species), 10).c_str());
    log.append(natureRecord(e.nature).label);
    log.appendf(" %s\r\n", text::padRight(damageItem(e.item).name, 16).c_str());
}

// The formats come from the catalogue, which keeps their conversions as they are.
static void writeStatLine(CalcLog& log, const std::string& label, const BoxEntry& e, int stat) {
    if (e.statsDirect == 0)
        log.appendf((text::uiText("DamageLog", "%s： %-3d （ 個体値： %-3d 努力値： %-3d ）") + "\r\n").c_str(),
                    label.c_str(), e.stat[stat], e.iv[stat], e.ev[stat]);
    else
        log.appendf((text::uiText("DamageLog", "%s： %-3d （ 個体値： --- 努力値： --- ）") + "\r\n").c_str(),
                    label.c_str(), e.stat[stat]);
}

// Who attacks whom, with the stats the row uses.
void writeHeader(Row& r) {
    r.log().append(text::uiText("DamageLog", "ダメージ算出 by ルセリナ") + "\r\n\r\n");
    writeCreatureLine(r.log(), "", r.atk);
    writeCreatureLine(r.log(), text::uiText("DamageLog", "＞＞＞ "), r.def);
    if (r.physical())
        writeStatLine(r.log(), text::uiText("DamageLog", "攻撃"), r.atk, kAttack);
    else
        writeStatLine(r.log(), text::uiText("DamageLog", "特攻"), r.atk, kSpAttack);
    writeStatLine(r.log(), text::uiText("DamageLog", "＞＞＞ ＨＰ"), r.def, kHp);
    if (r.physical())
        writeStatLine(r.log(), text::uiText("DamageLog", "＞＞＞ 防御"), r.def, kDefence);
    else
        writeStatLine(r.log(), text::uiText("DamageLog", "＞＞＞ 特防"), r.def, kSpDefence);
}

// A number left-aligned in three columns, as "%-3d" writes it.
static std::string threeWide(int value) {
    std::string text = std::to_string(value);
    return text.size() < 3 ? text + std::string(3 - text.size(), ' ') : text;
}

static void writePowerAndAccuracy(Row& r, int power, int accuracy) {
    r.log().append(
        text::fillText(text::uiText("DamageLog", "威力： %1  命中： %2"), {threeWide(power), threeWide(accuracy)}) +
        "\r\n");
}

static void writeCategoryAndType(Row& r) {
    r.log().append(
        text::fillText(text::uiText("DamageLog", "分類： %1 タイプ： %2"),
                       {text::padRight(moveCategoryName(r.category), 4), text::padRight(typeName(r.type), 8)}) +
        "\r\n");
}

// The move block. ウェザーボール and めざめるパワー work out their type here, and the
// window shows what they worked out.
void writeMoveBlock(Row& r) {
    if (!r.isMoveRow()) {
        r.log().append("\r\n" + text::uiText("DamageLog", "技：直接数値選択") + "\r\n");
        r.log().append(text::fillText(text::uiText("DamageLog", "威力： %1  命中： ---"), {threeWide(r.power)}) +
                       "\r\n");
        writeCategoryAndType(r);
        return;
    }
    const MoveRecord& m = moveRecord(r.move);
    r.log().appendf("\r\n%s\r\n", m.name);
    if (r.move == MoveId::WeatherBall) {
        r.type = weatherType(r.cond.weather);
        r.result.shownType = r.type;
        writePowerAndAccuracy(r, m.power, m.accuracy);
        r.log().append(text::fillText(text::uiText("DamageLog", "分類： %1 タイプ： 天候依存"),
                                      {text::padRight(moveCategoryName(r.category), 4)}) +
                       "\r\n");
        r.log().append(text::fillText(text::uiText("DamageLog", "（天候：%1＝%2タイプ）"),
                                      {weatherName(r.cond.weather), typeName(r.type)}) +
                       "\r\n");
        return;
    }
    if (r.move == MoveId::HiddenPower && r.atk.statsDirect == 0) {
        const HiddenPower hp =
            hiddenPowerOf({r.atk.iv[0], r.atk.iv[1], r.atk.iv[2], r.atk.iv[3], r.atk.iv[4], r.atk.iv[5]});
        r.power = hp.power;
        r.type = hp.type;
        r.result.shownType = hp.type;
        r.result.shownPower = hp.power;
    }
    writePowerAndAccuracy(r, r.power, m.accuracy);
    writeCategoryAndType(r);
}

} // namespace rusrina::damage

namespace rusrina {

std::string damageLogHead(const BoxEntry& attacker, const BoxEntry& defender, int category) {
    const DamageSlot slot;
    const BattleConditions conditions;
    damage::Row r{attacker, defender, slot, conditions};
    r.category = category;
    damage::writeHeader(r);
    return r.result.log.text();
}

} // namespace rusrina
