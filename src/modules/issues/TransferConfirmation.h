#pragma once
// What the two transfer confirmation screens share: their list of one kind
// of transfer and what confirming or cancelling a transfer writes.

#include "modules/issues/ConfirmationScreen.h"

// The confirmation of transfers of `kind` ('1' transfer, '2' transfer
// issue-out, whose issue follows the transfer's state). The texts and the
// list's columns are the screen's own.
ConfirmationSpec TransferConfirmationSpec(const QString &programId, const QString &caption, const QString &kind,
                                          const QString &panelCaption, const QString &warehouseLabel,
                                          const QString &numberLabel, QList<widgets::GridColumn> columns);
