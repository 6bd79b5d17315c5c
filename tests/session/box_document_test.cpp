// The box document and the battle session without any window: the list operations and the sides
// they clear, every change as one step taken back and made again, registration and a rewritten
// entry, saves and their problems, import, the recovery file, and a calculation that follows every
// input.

#include "box/box.h"
#include "format/box_file.h"
#include "format/recovery_file.h"
#include "format/set_text.h"
#include "view/box/learnable_moves.h"

#include "box_test_support.h"

#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"
#include "ui/session/box_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace rusrina {

void PrintTo(const BoxChange& c, std::ostream* os) {
    *os << "{rows " << static_cast<int>(c.rows) << ", " << c.first << ".." << c.last << ", select "
        << (c.select ? std::to_string(*c.select) : std::string("-")) << (c.closesEditForm ? ", closes form}" : "}");
}

namespace {

using namespace testing;
namespace fs = std::filesystem;

// A document over a box file of entries n0 … n(count-1) in a directory of its own, and the battle
// session over its pair.
struct Opened {
    TempDir dir;
    fs::path path = dir / "rusrina.vbd";
    std::unique_ptr<BoxDocument> document;
    std::unique_ptr<BattleSession> battle;

    explicit Opened(int count = 5) {
        writeAll(path, imageOf(namedBox(count)));
        reopen();
    }
    void reopen() {
        battle.reset();
        document = std::make_unique<BoxDocument>(path);
        battle = std::make_unique<BattleSession>(*document);
        document->open();
    }
};

// What the document and the battle session told their windows, in order, while this lives.
struct Heard {
    QObject listener; // its end takes the connections with it
    std::vector<BoxChange> changes;
    std::vector<std::string> status;
    int pairs = 0;
    int learnableLists = 0;
    int calculations = 0;

    explicit Heard(Opened& opened) {
        BoxDocument* document = opened.document.get();
        QObject::connect(document, &BoxDocument::boxChanged, &listener,
                         [this](const BoxChange& c) { changes.push_back(c); });
        QObject::connect(document, &BoxDocument::statusMessage, &listener,
                         [this](const QString& text) { status.push_back(text.toStdString()); });
        QObject::connect(document, &BoxDocument::pairChanged, &listener, [this] { ++pairs; });
        BattleSession* battle = opened.battle.get();
        QObject::connect(battle, &BattleSession::learnableChoicesChanged, &listener, [this] { ++learnableLists; });
        QObject::connect(battle, &BattleSession::calculated, &listener, [this] { ++calculations; });
    }
};

std::string names(const Box& box) {
    std::string text;
    for (int slot = 0; slot < box.count(); ++slot)
        text += (slot ? " " : "") + entryNameUtf8(box.entry(slot));
    return text;
}

TEST(BoxDocument, ListOperationsApplyToTheSelectedRowAndClearBothSides) {
    struct Case {
        ListOperation operation;
        int selected;
        const char* order;
        std::optional<BoxChange> change; // none: the box did not change
    };
    using Rows = BoxChange::Rows;
    const Case cases[] = {
        {ListOperation::MoveUp, 2, "n0 n2 n1 n3 n4", BoxChange{Rows::Rewritten, 1, 2, 1, true}},
        {ListOperation::MoveToBottom, 1, "n0 n2 n3 n4 n1", BoxChange{Rows::Rewritten, 1, 4, 4, true}},
        {ListOperation::Delete, 1, "n0 n2 n3 n4", BoxChange{Rows::Removed, 1, 1, 1, true}},
        {ListOperation::Delete, 4, "n0 n1 n2 n3", BoxChange{Rows::Removed, 4, 4, -1, true}},
        {ListOperation::MoveUp, 0, "n0 n1 n2 n3 n4", std::nullopt},
        {ListOperation::Delete, -1, "n0 n1 n2 n3 n4", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.operation)) + " on row " + std::to_string(c.selected));
        Opened opened;
        BoxDocument& document = *opened.document;
        document.setAttacker(0);
        document.setDefender(1);
        Heard heard(opened);
        document.runListOperation(c.operation, c.selected, QStringLiteral("step"));
        EXPECT_EQ(names(document.box()), c.order);
        EXPECT_EQ(heard.changes, c.change ? std::vector<BoxChange>{*c.change} : std::vector<BoxChange>{});
        EXPECT_EQ(document.hasUnsavedChanges(), c.change.has_value());
        EXPECT_EQ(document.attackerSlot(), -1);
        EXPECT_EQ(document.defenderSlot(), -1);
        EXPECT_EQ(heard.calculations, 1);
    }
}

// Each change is one step: taken back to the box it started from, byte for byte, and made again;
// the status line names the step, and the saved state follows.
TEST(BoxDocument, EveryChangeIsOneStepTakenBackAndMadeAgain) {
    TempDir other;
    writeAll(other / "other.vbd", imageOf(namedBox(7))); // n5 and n6 are new
    struct Case {
        const char* step;
        std::function<void(BoxDocument&)> change;
    };
    const Case cases[] = {
        {"削除", [](BoxDocument& s) { s.runListOperation(ListOperation::Delete, 0, QStringLiteral("削除")); }},
        {"最上位移動",
         [](BoxDocument& s) { s.runListOperation(ListOperation::MoveToTop, 3, QStringLiteral("最上位移動")); }},
        {"登録", [](BoxDocument& s) { s.registerEntry(-1, makeEntry("new")); }},
        {"登録", [](BoxDocument& s) { s.registerEntry(2, makeEntry("over", 150)); }},
        {"耐久の努力値", [](BoxDocument& s) { s.replaceEntry(1, makeEntry("ev", 1), QStringLiteral("耐久の努力値")); }},
        {"テキスト入力", [](BoxDocument& s) { s.appendTextSets(readSetText("Latios\n\nLatias\n")); }},
        {"インポート", [&](BoxDocument& s) { s.importFile(other / "other.vbd"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        Opened opened;
        BoxDocument& document = *opened.document;
        const std::string start = imageOf(document.box());
        c.change(document);
        const std::string changed = imageOf(document.box());
        ASSERT_NE(changed, start);
        EXPECT_TRUE(document.hasUnsavedChanges());
        Heard heard(opened);

        document.history().undo();
        EXPECT_EQ(imageOf(document.box()), start);
        EXPECT_FALSE(document.hasUnsavedChanges());
        document.history().redo();
        EXPECT_EQ(imageOf(document.box()), changed);
        EXPECT_TRUE(document.hasUnsavedChanges());
        EXPECT_EQ(heard.status, (std::vector<std::string>{std::string("元に戻しました：") + c.step,
                                                          std::string("やり直しました：") + c.step}));
        ASSERT_EQ(heard.changes.size(), 2u);
        EXPECT_TRUE(heard.changes[0].closesEditForm); // a form filled before the step is out of date
        EXPECT_EQ(heard.changes[0].rows, BoxChange::Rows::Reset);
    }
}

// Taking a step back or making it again brings back the pair it found or left: cleared by a
// deletion under the default rule, followed with PairOnMove::Follow.
TEST(BoxDocument, StepsBringBackThePairTheyFoundOrLeft) {
    struct Case {
        PairOnMove rule;
        int attackerAfter, defenderAfter;
    } cases[] = {{PairOnMove::Clear, -1, -1}, {PairOnMove::Follow, 1, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.rule));
        Opened opened;
        BoxDocument& document = *opened.document;
        BattleSession& battle = *opened.battle;
        document.setPairOnMove(c.rule);
        document.setAttacker(2);
        document.setDefender(4);
        document.runListOperation(ListOperation::Delete, 0, QStringLiteral("削除"));
        const auto pair = [&] { return std::pair(document.attackerSlot(), document.defenderSlot()); };
        EXPECT_EQ(pair(), std::pair(c.attackerAfter, c.defenderAfter));
        document.setAttacker(0); // what the user did since does not stay over the step
        document.history().undo();
        EXPECT_EQ(pair(), std::pair(2, 4));
        EXPECT_EQ(entryNameUtf8(*battle.damageInputs().attacker), "n2");
        document.history().redo();
        EXPECT_EQ(pair(), std::pair(c.attackerAfter, c.defenderAfter));
    }
}

// Entries added by インポート or テキスト入力 are calculated with at once (the matrix reads them).
TEST(BoxDocument, AddedEntriesAreCalculatedWith) {
    const std::function<void(Opened&)> additions[] = {
        [](Opened& o) {
            writeAll(o.dir / "other.vbd", imageOf(namedBox(7)));
            o.document->importFile(o.dir / "other.vbd");
        },
        [](Opened& o) { o.document->appendTextSets(readSetText("Latios\n")); },
    };
    for (const auto& add : additions) {
        Opened opened;
        opened.document->setAttacker(0);
        Heard heard(opened);
        add(opened);
        EXPECT_GT(opened.document->box().count(), 5);
        EXPECT_EQ(heard.calculations, 1);
        EXPECT_EQ(opened.document->attackerSlot(), 0);
    }
}

// 登録 writes the slot or appends, selects the row written and keeps the sides, showing the entry
// as it now is; a box without room or an entry it cannot hold changes nothing.
TEST(BoxDocument, RegistrationSelectsItsRowAndKeepsTheSides) {
    using Rows = BoxChange::Rows;
    struct Case {
        const char* what;
        int boxSize;
        int slot;
        BoxEntry entry;
        StoreStatus status;
        std::vector<BoxChange> changes;
    };
    const Case cases[] = {
        {"over the defender", 5, 1, makeEntry("over", 150), StoreStatus::Stored, {{Rows::Rewritten, 1, 1, 1}}},
        {"a new entry", 5, -1, makeEntry("new"), StoreStatus::Stored, {{Rows::Appended, -1, -1, 5}}},
        {"a free slot appends", 5, 40, makeEntry("new"), StoreStatus::Stored, {{Rows::Appended, -1, -1, 5}}},
        {"a full box", kBoxCapacity, -1, makeEntry("new"), StoreStatus::BoxFull, {}},
        {"an entry without a name", 5, 1, BoxEntry{}, StoreStatus::InvalidEntry, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Opened opened(c.boxSize);
        BoxDocument& document = *opened.document;
        BattleSession& battle = *opened.battle;
        document.setAttacker(0);
        document.setDefender(1);
        const std::string before = imageOf(document.box());
        Heard heard(opened);
        EXPECT_EQ(document.registerEntry(c.slot, c.entry).status, c.status);
        EXPECT_EQ(heard.changes, c.changes);
        EXPECT_EQ(document.hasUnsavedChanges(), !c.changes.empty());
        EXPECT_EQ(imageOf(document.box()) == before, c.changes.empty());
        EXPECT_EQ(document.attackerSlot(), 0);
        EXPECT_EQ(document.defenderSlot(), 1);
        EXPECT_EQ(entryNameUtf8(*battle.damageInputs().defender), entryNameUtf8(document.box().entry(1)));
    }
}

TEST(BoxDocument, ReplaceEntryWritesOnlyAnEntryInUse) {
    struct Case {
        const char* what;
        int slot;
        BoxEntry entry;
        bool written;
    };
    const Case cases[] = {
        {"the defender", 1, makeEntry("ev", 150), true},
        {"a free slot", 5, makeEntry("ev", 150), false},
        {"an invalid entry", 1, BoxEntry{}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Opened opened;
        BoxDocument& document = *opened.document;
        BattleSession& battle = *opened.battle;
        document.setDefender(1);
        Heard heard(opened);
        EXPECT_EQ(document.replaceEntry(c.slot, c.entry, QStringLiteral("耐久の努力値")), c.written);
        EXPECT_EQ(document.hasUnsavedChanges(), c.written);
        if (!c.written) {
            EXPECT_TRUE(heard.changes.empty());
            EXPECT_EQ(heard.calculations, 0);
            continue;
        }
        EXPECT_EQ(heard.changes, (std::vector<BoxChange>{{BoxChange::Rows::Rewritten, 1, 1, std::nullopt, true}}));
        EXPECT_EQ(heard.status, std::vector<std::string>{"耐久の努力値：ev"});
        EXPECT_EQ(document.defenderSlot(), 1);
        EXPECT_EQ(battle.damageInputs().defender->species, 150);
    }
}

// A save the file allows marks the box saved and names the file; one it does not leaves the box
// unsaved and says why, for the window to ask. Overwriting and another name then save.
TEST(BoxDocument, SavesReportTheirProblemForTheWindowToAsk) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& file)> meanwhile;
        SaveProblem problem;
    };
    const Case cases[] = {
        {"nothing", [](const fs::path&) {}, SaveProblem::None},
        {"another program saved", [](const fs::path& f) { writeAll(f, imageOf(namedBox(2))); },
         SaveProblem::ChangedOnDisk},
        {"no write permission", [](const fs::path& f) { fs::permissions(f, fs::perms(0444)); }, SaveProblem::ReadOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Opened opened;
        BoxDocument& document = *opened.document;
        document.runListOperation(ListOperation::Delete, 0, QStringLiteral("削除"));
        c.meanwhile(opened.path);
        Heard heard(opened);
        const SaveResult first = document.save(SaveCheck::DiskUnchanged);
        EXPECT_EQ(first.problem, c.problem);
        EXPECT_EQ(document.hasUnsavedChanges(), !first.ok);
        if (first.ok) {
            EXPECT_EQ(heard.status, std::vector<std::string>{"保存しました：" + opened.path.string()});
            EXPECT_EQ(readAll(opened.path), imageOf(document.box()));
            continue;
        }
        EXPECT_TRUE(heard.status.empty());
        const SaveResult again = c.problem == SaveProblem::ChangedOnDisk ? document.save(SaveCheck::Overwrite)
                                                                         : document.saveAs(opened.dir / "copy.vbd");
        EXPECT_TRUE(again.ok);
        EXPECT_FALSE(document.hasUnsavedChanges());
        EXPECT_EQ(document.file().path(), c.problem == SaveProblem::ReadOnly ? opened.dir / "copy.vbd" : opened.path);
        EXPECT_EQ(readAll(document.file().path()), imageOf(document.box()));
    }
}

TEST(BoxDocument, AnUnreadableFileIsNeverReplaced) {
    Opened opened;
    fs::remove(opened.path);
    fs::create_directory(opened.path);
    opened.reopen();
    BoxDocument& document = *opened.document;
    document.registerEntry(-1, makeEntry("A"));
    EXPECT_EQ(document.save(SaveCheck::Overwrite).problem, SaveProblem::NeedsNewName);
    EXPECT_TRUE(document.saveAs(opened.dir / "mine.vbd").ok);
    document.registerEntry(-1, makeEntry("B"));
    EXPECT_TRUE(document.save(SaveCheck::DiskUnchanged).ok); // from now on the box's file is the new one
    EXPECT_EQ(readAll(opened.dir / "mine.vbd"), imageOf(document.box()));
    EXPECT_TRUE(fs::is_directory(opened.path));
}

TEST(BoxDocument, ImportIsOneStepThatSelectsNothing) {
    Opened opened;
    BoxDocument& document = *opened.document;
    writeAll(opened.dir / "other.vbd", imageOf(namedBox(7)));
    Heard heard(opened);
    EXPECT_EQ(document.importFile(opened.dir / "missing.vbd").status, ImportResult::Status::OpenFailed);
    EXPECT_TRUE(heard.changes.empty());
    EXPECT_FALSE(document.hasUnsavedChanges());

    const ImportResult result = document.importFile(opened.dir / "other.vbd");
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(result.present, 5);
    EXPECT_EQ(heard.changes, (std::vector<BoxChange>{{BoxChange::Rows::Appended}}));
    EXPECT_EQ(names(document.box()), "n0 n1 n2 n3 n4 n5 n6");
    EXPECT_EQ(document.history().count(), 1);
}

TEST(BoxDocument, TextSetsAreAppendedAndTheFirstSelected) {
    Opened opened(kBoxCapacity - 1);
    BoxDocument& document = *opened.document;
    Heard heard(opened);
    const SetAppendResult result = document.appendTextSets(readSetText("Latios\n\nLatias\n\nMissingno\n"));
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(result.noRoom, 1);
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(heard.changes, (std::vector<BoxChange>{{BoxChange::Rows::Appended, -1, -1, kBoxCapacity - 1}}));
    EXPECT_EQ(entryNameUtf8(document.box().entry(kBoxCapacity - 1)), "ラティオス");
}

// The recovery file: written only with unsaved changes, offered to the next session of the same
// file, restored as an unsaved box without history, and removed by a save or a "No" once this
// session owns it; one kept for later outlives a save.
TEST(BoxDocument, RecoveryFileIsWrittenRestoredAndDropped) {
    struct Case {
        const char* what;
        bool restore;
        std::function<void(BoxDocument&)> end;
        bool recoveryAfter;
    };
    const Case cases[] = {
        {"restored, then saved", true, [](BoxDocument& s) { s.save(SaveCheck::DiskUnchanged); }, false},
        {"restored, then No at the close", true, [](BoxDocument& s) { s.dropOwnRecovery(); }, false},
        {"kept for later, then saved", false, [](BoxDocument& s) { s.save(SaveCheck::DiskUnchanged); }, true},
        {"kept for later, then No", false, [](BoxDocument& s) { s.dropOwnRecovery(); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Opened opened;
        BoxDocument& ended = *opened.document;
        EXPECT_TRUE(ended.writeRecovery()); // nothing unsaved: nothing written
        EXPECT_FALSE(ended.hasRecoveryFile());
        ended.runListOperation(ListOperation::Delete, 0, QStringLiteral("削除"));
        EXPECT_TRUE(ended.writeRecovery());
        const std::string unsaved = imageOf(ended.box());
        EXPECT_EQ(readAll(ended.recoveryPath()), unsaved);
        EXPECT_EQ(readAll(opened.path), imageOf(namedBox(5)));

        opened.reopen();
        BoxDocument& next = *opened.document;
        EXPECT_TRUE(next.hasRecoveryFile());
        EXPECT_EQ(next.recoveryPath(), fs::path(opened.path.string() + ".recovery"));
        if (c.restore) {
            Heard heard(opened);
            EXPECT_EQ(next.restoreRecovery().status, LoadResult::Status::Loaded);
            EXPECT_EQ(imageOf(next.box()), unsaved);
            EXPECT_TRUE(next.hasUnsavedChanges());
            EXPECT_EQ(next.history().count(), 0);
            EXPECT_EQ(heard.changes, (std::vector<BoxChange>{{BoxChange::Rows::Reset, -1, -1, 0, true}}));
        } else {
            next.runListOperation(ListOperation::Delete, 0, QStringLiteral("削除"));
        }
        c.end(next);
        EXPECT_EQ(next.hasRecoveryFile(), c.recoveryAfter);
    }
}

TEST(BoxDocument, AnUnreadableRecoveryFileChangesNothing) {
    Opened opened;
    BoxDocument& document = *opened.document;
    fs::create_directory(document.recoveryPath());
    const LoadResult restored = document.restoreRecovery();
    EXPECT_NE(restored.status, LoadResult::Status::Loaded);
    EXPECT_FALSE(restored.message.empty());
    EXPECT_EQ(names(document.box()), "n0 n1 n2 n3 n4");
    EXPECT_FALSE(document.hasUnsavedChanges());
    document.deleteRecoveryFile();
    EXPECT_FALSE(document.hasRecoveryFile());
}

// Recoveries never cost a session: one kept for later outlives the next session's recovery; a
// restored box belongs to the file it came from (also after 名前を付けて保存), and a save notices
// that file changed since, or asks for a name when the user chose another one.
TEST(BoxDocument, RecoveriesKeepTheirSessionsAndTheirFiles) {
    const char *kept = "rusrina.vbd.recovery", *second = "rusrina.vbd.recovery-2";
    // Sequence 1: an edit, an end; at the next start the recovery is kept, an edit, an end.
    Opened opened;
    opened.document->runListOperation(ListOperation::Delete, 0, QStringLiteral("削除"));
    ASSERT_TRUE(opened.document->writeRecovery());
    opened.reopen();
    opened.document->runListOperation(ListOperation::Delete, 4, QStringLiteral("削除"));
    ASSERT_TRUE(opened.document->writeRecovery());
    opened.reopen();
    std::vector<Recovery> found = opened.document->recoveries();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].path, opened.dir / second); // newest first
    EXPECT_EQ(names(found[0].box), "n0 n1 n2 n3");
    EXPECT_EQ(found[1].path, opened.dir / kept);
    EXPECT_EQ(names(found[1].box), "n1 n2 n3 n4");
    for (const Recovery& r : found)
        EXPECT_EQ(r.origin.boxFile, opened.path);
    // Both restore; the second save notices the first wrote the file.
    EXPECT_EQ(opened.document->restoreRecovery(found[0]).status, LoadResult::Status::Loaded);
    EXPECT_TRUE(opened.document->save(SaveCheck::DiskUnchanged).ok);
    EXPECT_FALSE(fs::exists(opened.dir / second));
    opened.reopen();
    const Recovery first = opened.document->recoveries().at(0);
    EXPECT_TRUE(recoveryOriginChanged(first.origin));
    EXPECT_EQ(opened.document->restoreRecovery(first).status, LoadResult::Status::Loaded);
    EXPECT_EQ(opened.document->save(SaveCheck::DiskUnchanged).problem, SaveProblem::ChangedOnDisk);
    EXPECT_TRUE(opened.document->save(SaveCheck::Overwrite).ok);
    EXPECT_EQ(names(opened.document->box()), "n1 n2 n3 n4");
    EXPECT_FALSE(opened.document->hasRecoveryFile());

    // Sequence 2: 名前を付けて保存 as team2.vbd, an edit, 保存, an edit, an end.
    const fs::path team2 = opened.dir / "team2.vbd";
    ASSERT_TRUE(opened.document->saveAs(team2).ok);
    opened.document->runListOperation(ListOperation::Delete, 0, QStringLiteral("削除"));
    ASSERT_TRUE(opened.document->save(SaveCheck::DiskUnchanged).ok);
    opened.document->runListOperation(ListOperation::MoveDown, 0, QStringLiteral("下へ"));
    ASSERT_TRUE(opened.document->writeRecovery());
    const std::string defaultBox = readAll(opened.path);
    opened.reopen();
    found = opened.document->recoveries();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].origin.boxFile, team2);
    EXPECT_FALSE(recoveryOriginChanged(found[0].origin));
    EXPECT_EQ(opened.document->restoreRecovery(found[0]).status, LoadResult::Status::Loaded);
    EXPECT_TRUE(opened.document->save(SaveCheck::DiskUnchanged).ok);
    EXPECT_EQ(readAll(team2), imageOf(opened.document->box()));
    EXPECT_EQ(names(opened.document->box()), "n3 n2 n4");
    EXPECT_EQ(readAll(opened.path), defaultBox);

    // Sequence 3: an edit, an end; the file gains entries meanwhile; restoring over it asks first:
    // as recorded a save notices the change, with another name chosen a save asks for the name.
    for (const auto over : {BoxDocument::RestoreOver::AsRecorded, BoxDocument::RestoreOver::NewName}) {
        opened.reopen();
        opened.document->runListOperation(ListOperation::Delete, 0, QStringLiteral("削除"));
        ASSERT_TRUE(opened.document->writeRecovery());
        Box grown;
        BoxFile(opened.path).load(grown);
        grown.add(makeEntry("added"));
        writeAll(opened.path, imageOf(grown));
        opened.reopen();
        const Recovery recovery = opened.document->recoveries().at(0);
        EXPECT_TRUE(recoveryOriginChanged(recovery.origin));
        EXPECT_EQ(opened.document->restoreRecovery(recovery, over).status, LoadResult::Status::Loaded);
        EXPECT_EQ(opened.document->save(SaveCheck::DiskUnchanged).problem,
                  over == BoxDocument::RestoreOver::NewName ? SaveProblem::NeedsNewName : SaveProblem::ChangedOnDisk);
        EXPECT_EQ(readAll(opened.path), imageOf(grown));
        EXPECT_TRUE(opened.document->hasRecoveryFile());
        opened.document->deleteRecoveryFile();
    }
}

// Every input calculates the six rows once, from the entries as the box holds them now: the rows
// are those of the engine fed the same values directly.
TEST(BattleSession, TheCalculationFollowsEveryInput) {
    Opened opened;
    BoxDocument& document = *opened.document;
    BattleSession& battle = *opened.battle;
    Heard heard(opened);
    BattleConditions burnt;
    burnt.burn = true;
    const DamageSettings gen5Critical{DamageMode::ExactGen5, true};
    const DirectMove direct{200, kSpecial, 3};
    const std::function<void()> inputs[] = {
        [&] { document.setAttacker(0); },
        [&] { document.setDefender(1); },
        [&] { battle.setConditions(burnt, gen5Critical); },
        [&] { battle.setLearnableMove(84); },
        [&] { battle.setDirectMove(direct); },
        [&] { document.registerEntry(1, makeEntry("bulky", 142)); },
    };
    for (const auto& input : inputs) {
        const int before = heard.calculations;
        input();
        EXPECT_EQ(heard.calculations, before + 1);
    }
    DamageEngine engine;
    engine.attacker = document.box().entry(0);
    engine.defender = document.box().entry(1);
    engine.conditions = burnt;
    engine.learnableMove = NO_MOVE; // the registration showed the sides again: the list starts afresh
    engine.direct = direct;
    const auto expected = computeRowsInMode(engine, gen5Critical);
    for (int row = 0; row < kDamageRowCount; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(battle.result(row).damageText, expected[row].texts.damageText);
        EXPECT_EQ(battle.result(row).log.text(), expected[row].texts.log.text());
    }
    EXPECT_EQ(battle.damageInputs().defender->species, 142);
}

// The learnable-move list is the attacker's, filtered; a new attacker, filter or clearing the side
// builds it again and sets the learnable move back to none.
TEST(BattleSession, LearnableMovesFollowTheAttackerAndTheFilter) {
    Opened opened;
    BoxDocument& document = *opened.document;
    BattleSession& battle = *opened.battle;
    const auto none = std::vector<ListChoice>{{kNoMoveChoiceText, NO_MOVE}};
    EXPECT_EQ(battle.learnableChoices(), none);
    const int species = document.box().entry(3).species;
    const std::function<void()> steps[] = {
        [&] { document.setAttacker(3); },
        [&] { battle.setLearnFilter(kPhysical); },
        [&] { document.swapSides(); },
    };
    const std::vector<ListChoice> lists[] = {
        learnableMoveChoices(species, kNoLearnFilter),
        learnableMoveChoices(species, kPhysical),
        none,
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        battle.setLearnableMove(84);
        Heard heard(opened);
        steps[i]();
        EXPECT_EQ(battle.learnableChoices(), lists[i]);
        EXPECT_EQ(battle.damageInputs().learnableMove, NO_MOVE);
        EXPECT_EQ(heard.learnableLists, 1);
    }
    EXPECT_EQ(document.defenderSlot(), 3);
}

} // namespace
} // namespace rusrina
