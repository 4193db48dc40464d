#pragma once
// Page frame of the printouts in A4 landscape: the portrait frame's title box,
// condition line and footer on bands widened to the landscape page.

#include "framework/ZZP010.h"

class TfrmZZP020 : public TfrmZZP010 {
public:
    explicit TfrmZZP020(const QString &programId) : TfrmZZP010(programId, QPageLayout::Landscape) {}
};
