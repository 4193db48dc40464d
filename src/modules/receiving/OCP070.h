#pragma once
// The inspection statement (검수명세서): the totals of an inspection receipt
// with the sign-off boxes of the receiving side.

#include "framework/ZZP010.h"

namespace db { class Connection; }

class TfrmOCP070 : public TfrmZZP010 {
public:
    TfrmOCP070();

    // Reads the receipt of that number; false when there is none.
    bool open(db::Connection &conn, const QString &inspNo);
    // The one operation of the printout: the receipt to the preview or the printer.
    bool Execute(const QString &inspNo, bool toPreview, QWidget *parent = nullptr);
};
