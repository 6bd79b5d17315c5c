// The head of a row's calculation log: who attacks whom, the stats used and the move.

#include "calc/damage/damage_row.h"

#include "calc/stats.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "text/cp932.h"

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

static void writeCreatureLine(CalcLog& log, const char* prefix, const BoxEntry& e) {
    log.append(prefix);
    log.appendf("LV%-3d %s ", e.level, text::padRight(speciesName(e.species), 10).c_str());
    log.append(natureRecord(e.nature).label);
    log.appendf(" %s\r\n", text::padRight(damageItem(e.item).name, 16).c_str());
}

static void writeStatLine(CalcLog& log, const char* label, const BoxEntry& e, int stat) {
    if (e.statsDirect == 0)
        log.appendf("%s： %-3d （ 個体値： %-3d 努力値： %-3d ）\r\n", label, e.stat[stat], e.iv[stat], e.ev[stat]);
    else
        log.appendf("%s： %-3d （ 個体値： --- 努力値： --- ）\r\n", label, e.stat[stat]);
}

// Who attacks whom, with the stats the row uses.
void writeHeader(Row& r) {
    r.log().append("ダメージ算出 by ルセリナ\r\n\r\n");
    writeCreatureLine(r.log(), "", r.atk);
    writeCreatureLine(r.log(), "＞＞＞ ", r.def);
    if (r.physical())
        writeStatLine(r.log(), "攻撃", r.atk, kAttack);
    else
        writeStatLine(r.log(), "特攻", r.atk, kSpAttack);
    writeStatLine(r.log(), "＞＞＞ ＨＰ", r.def, kHp);
    if (r.physical())
        writeStatLine(r.log(), "＞＞＞ 防御", r.def, kDefence);
    else
        writeStatLine(r.log(), "＞＞＞ 特防", r.def, kSpDefence);
}

static void writeCategoryAndType(Row& r) {
    r.log().appendf("分類： %s タイプ： %s\r\n", text::padRight(moveCategoryName(r.category), 4).c_str(),
                    text::padRight(typeName(r.type), 8).c_str());
}

// The move block. ウェザーボール and めざめるパワー work out their type here, and the
// window shows what they worked out.
void writeMoveBlock(Row& r) {
    if (!r.isMoveRow()) {
        r.log().append("\r\n技：直接数値選択\r\n");
        r.log().appendf("威力： %-3d  命中： ---\r\n", r.power);
        writeCategoryAndType(r);
        return;
    }
    const MoveRecord& m = moveRecord(r.move);
    r.log().appendf("\r\n%s\r\n", m.name);
    if (r.move == MoveId::WeatherBall) {
        r.type = weatherType(r.cond.weather);
        r.result.shownType = r.type;
        r.log().appendf("威力： %-3d  命中： %-3d\r\n", m.power, m.accuracy);
        r.log().appendf("分類： %s タイプ： 天候依存\r\n（天候：%s＝%sタイプ）\r\n",
                        text::padRight(moveCategoryName(r.category), 4).c_str(), weatherName(r.cond.weather),
                        typeName(r.type));
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
    r.log().appendf("威力： %-3d  命中： %-3d\r\n", r.power, m.accuracy);
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
