#include "data/characteristics.h"

namespace rusrina {

const CharacteristicRecord& characteristicRecord(int characteristic) {
    const bool inTable = characteristic >= 0 && characteristic < kCharacteristicCount;
    return generated::kCharacteristicTable[inTable ? characteristic : 0];
}

} // namespace rusrina
