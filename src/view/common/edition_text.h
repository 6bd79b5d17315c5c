#pragma once
// The texts that tell the editions apart where the windows name them by their own captions
// ("ネリカ", "QX-ZV差分"): each edition's code, as the move rows show it, and its usual name.

#include <string>

namespace rusrina {

// The tooltip of an edition check box (Edition order: QX, ZV, JYJY, TK): its code and the
// editions' usual names.
std::string editionToolTip(int edition);

// The tooltip of the detail window's difference boxes ("QX-ZV差分", "ZV-JYJY差分",
// "TK以前-TK差分", in that order): which editions they compare and what.
std::string differenceToolTip(int mode);

} // namespace rusrina
