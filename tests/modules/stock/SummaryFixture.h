#pragma once
// A small stock history over March to May 2026 whose figures are worked out
// by hand, posted through the stock procedures; the daily costs are written
// as a day closing leaves them.
//
// Warehouses A10, A11 (below A10) and B20; items T0000001 (moves) and
// T0000002 (stock carried from March, no row of its own in April or May).
// Daily costs of T0000001: 04-10 100, 04-30 110, 05-20 120; of T0000002:
// 03-31 50. No cost on 04-12, 05-05 or 05-25.
//
//   03-02 opening A10 T2 4 × 50 = 200
//   04-01 opening A10 T1 10, amount 900
//   04-10 receipt IN1 A10 T1 20, amount 2,400, tax 240
//   04-10 issue DE1 A10 T1 5                      (× 100 = 500)
//   04-12 transfer MO1 A10 → A11 T1 3             (no cost: 0)
//   05-05 supplier return A10 T1 2, amount 240
//   05-20 issue DE2 A10 T1 two equal lines of 1   (× 120 = 240)
//   05-20 count A10 T1 shortfall 1                (× 120 = 120)
//   05-20 transfer MO2 A11 → A10 T1 1             (× 120 = 120)
//   05-25 receipt IN2 A10 T1 10, amount 1,300, tax 130
//   05-26 issue DE4 A10 T1 7, not confirmed
//
// Monthly rows: 202604 A10 T1 10 + 20 − 5 − 3 = 22, A11 T1 3;
// 202605 A10 T1 over 22 (2,420) + 10 − 2 − 3 + 1 = 28, A11 T1 over 3 (330) − 1 = 2.

#include "db/Connection.h"

namespace summaryfx {

inline const QString kItem = QStringLiteral("T0000001");
inline const QString kCarried = QStringLiteral("T0000002");

void write(db::Connection &conn);

} // namespace summaryfx
