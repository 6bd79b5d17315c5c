#include "data/generations.h"

#include "data/raw_tables.h"
#include "data/species.h"

#include <span>

namespace rusrina {

MoveRecord moveRecordIn(int move, Generation generation) {
    MoveRecord record = moveRecord(move);
    if (generation != kGen4)
        return record;
    for (const Gen4MoveValues& v : std::span(generated::kGen4Moves, generated::kGen4MoveCount)) {
        if (v.move == move) {
            record.power = v.power;
            record.accuracy = v.accuracy;
            record.type = v.type;
            record.category = v.category;
            break;
        }
    }
    return record;
}

bool moveExistsIn(int move, Generation generation) {
    return isValidMove(move) && (generation != kGen4 || move < generated::kFirstGen5Move);
}

SpeciesTypes speciesTypesIn(int species, Generation generation) {
    const SpeciesRecord& r = speciesRecord(species);
    if (generation == kGen4) {
        for (const Gen4SpeciesTypes& t : std::span(generated::kGen4SpeciesTypes, generated::kGen4SpeciesTypeCount)) {
            if (t.species == species)
                return {t.type1, t.type2};
        }
    }
    return {r.type1, r.type2};
}

} // namespace rusrina
